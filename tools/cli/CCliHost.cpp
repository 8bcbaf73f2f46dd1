#include "tools/cli/CCliHost.h"
#include "tools/cli/CliCommand.h"

#include "res/Resource.h"
#include "acquisition/Messages.h"
#include "acquisition/SensorConversions.h"


bool CCliHost::UpdateData(bool bSaveAndValidate)
{
    if (!bSaveAndValidate || !m_pAcq)
        return true;
    // The form's exchange order: microphones, buzzer, time with its range, output file.
    // Like the form, a failure leaves the fields before it transferred.
    for (int i = 0; i < 6; ++i)
        m_pAcq->m_bMic[i] = m_bMicField[i] ? TRUE : FALSE;
    m_pAcq->m_bBuzzer = m_bBuzzerField ? TRUE : FALSE;
    int nTime = 0;
    if (!acq::ParseIntegerField(m_strTimeField, nTime)) {
        m_bValidationFailed = true;
        MessageBox(QString::fromLatin1(acq::kMsgEnterInteger));
        return false;
    }
    m_pAcq->m_nTime = nTime;
    if (!acq::TimeInRange(nTime)) {
        m_bValidationFailed = true;
        MessageBox(QString::fromLatin1(acq::kMsgEnterTimeRange));
        return false;
    }
    m_pAcq->m_strOutputFile = m_strOutputField;
    return true;
}

void CCliHost::MessageBox(const QString& strText)
{
    m_messages << strText;
    m_err << strText << "\n";
    m_err.flush();
}

void CCliHost::SetControlText(int nId, const QString& strText)
{
    if (nId == res::IDC_SENSOR1)
        m_strSensor1Text = strText;
    else if (nId == res::IDC_SENSOR2)
        m_strSensor2Text = strText;
}

void CCliHost::SetProgressRange(int, int nUpper)
{
    m_nProgressUpper = nUpper;
}

bool ParseMicList(const QString& strList, bool (&bMic)[6])
{
    bool bSelected[6] = {};
    for (const QString& strPart : strList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool bOk = false;
        const int nMic = strPart.trimmed().toInt(&bOk);
        if (!bOk || nMic < 1 || nMic > 6)
            return false;
        bSelected[6 - nMic] = true;  // "Mic1" is element 5, "Mic6" element 0
    }
    for (int i = 0; i < 6; ++i)
        bMic[i] = bSelected[i];
    return true;
}

QCommandLineOption MicsOption()
{
    return QCommandLineOption(QStringLiteral("mics"),
                              QStringLiteral("Microphones as captioned, e.g. 1,3 (default: all six)."),
                              QStringLiteral("list"));
}

int TakeSelection(const QCommandLineParser& parser, const QCommandLineOption& mics,
                  const QCommandLineOption& buzzer, const QStringList& args, QTextStream& err,
                  CCliHost& host)
{
    if (!parser.positionalArguments().isEmpty()) {
        err << args.value(0) << ": unexpected argument '" << parser.positionalArguments().first() << "'.\n";
        return cli::kExitUsage;
    }
    if (parser.isSet(mics) && !ParseMicList(parser.value(mics), host.m_bMicField)) {
        err << args.value(0) << ": --mics takes microphone numbers 1 to 6 separated by commas.\n";
        return cli::kExitUsage;
    }
    host.m_bBuzzerField = parser.isSet(buzzer);
    return -1;
}
