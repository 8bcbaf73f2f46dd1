#pragma once
// The command line's stand-in for the main form: the fields the options fill, the texts the
// handlers show, and message boxes written to stderr.
#include "acquisition/CAcquisition.h"
#include "acquisition/IAcquisitionHost.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

class CCliHost : public IAcquisitionHost {
public:
    explicit CCliHost(QTextStream& err) : m_err(err) {}

    // The form's fields as the options give them.
    bool m_bMicField[6] = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE};
    bool m_bBuzzerField = false;
    QString m_strTimeField = QStringLiteral("1");
    QString m_strOutputField = QStringLiteral("data.wav");

    void Attach(CAcquisition* pAcq) { m_pAcq = pAcq; }

    bool UpdateData(bool bSaveAndValidate) override;
    void MessageBox(const QString& strText) override;
    void EnableControl(int, bool) override {}
    void SetControlText(int nId, const QString& strText) override;
    void SetProgressRange(int nLower, int nUpper) override;
    void SetProgressPos(int nPos) override { m_nProgressPos = nPos; }
    int GetProgressUpper() override { return m_nProgressUpper; }
    void DrawProgressText(const QString& strText) override { m_strElapsed = strText; }
    void Invalidate() override {}

    // What the handlers left behind.
    QStringList m_messages;
    bool m_bValidationFailed = false;
    QString m_strSensor1Text;
    QString m_strSensor2Text;
    QString m_strElapsed;
    int m_nProgressPos = 0;
    int m_nProgressUpper = 0;

private:
    QTextStream& m_err;
    CAcquisition* m_pAcq = nullptr;
};

// "1,3" → the boxes captioned "Mic1" and "Mic3". False for anything but numbers 1 to 6.
bool ParseMicList(const QString& strList, bool (&bMic)[6]);

// The --mics option of the box commands.
QCommandLineOption MicsOption();
// After parsing: refuses stray arguments and fills the host's microphone and buzzer fields.
// Returns -1 when the command should go on, otherwise its exit code.
int TakeSelection(const QCommandLineParser& parser, const QCommandLineOption& mics,
                  const QCommandLineOption& buzzer, const QStringList& args, QTextStream& err,
                  CCliHost& host);
