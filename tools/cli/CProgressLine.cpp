#include "tools/cli/CProgressLine.h"

#include "acquisition/SensorConversions.h"

#include <algorithm>

namespace cli {

namespace {
constexpr int kBarWidth = 30;
}

CProgressLine::CProgressLine(QTextStream& err, bool bTerminal, int nTime)
    : m_err(err), m_bTerminal(bTerminal), m_nTime(nTime), m_strTotal(acq::FormatElapsed(1, nTime, 1))
{
}

void CProgressLine::Show(int nPos, int nUpper, const QString& strElapsed, const QString& strSensor1,
                         const QString& strSensor2)
{
    // The block counter returns to 0 while the file is being finished: keep the last state.
    if (nPos == 0 && m_nLastPos > 0)
        return;
    m_nLastPos = nPos;
    const QString strSensors = QStringLiteral("Sensor 1: %1  Sensor 2: %2").arg(strSensor1, strSensor2);
    if (m_bTerminal) {
        const int nFilled = nUpper > 0 ? std::clamp(static_cast<int>(static_cast<long long>(nPos) * kBarWidth / nUpper), 0, kBarWidth) : 0;
        // Carriage return and erase to the end of the line: the bar replaces itself.
        m_err << "\r[" << QString(nFilled, QLatin1Char('#')) << QString(kBarWidth - nFilled, QLatin1Char('.'))
              << "] " << strElapsed << " of " << m_strTotal << "  " << strSensors << "\x1b[K";
        m_err.flush();
        m_bDrawn = true;
        return;
    }
    const long long nSeconds = nUpper > 0 ? static_cast<long long>(nPos) * m_nTime / nUpper : 0;
    const int nTen = static_cast<int>(nSeconds / 10);
    if (nTen <= m_nLastTen)
        return;
    m_nLastTen = nTen;
    m_err << strElapsed << " of " << m_strTotal << "  " << strSensors << "\n";
    m_err.flush();
}

void CProgressLine::Done()
{
    if (m_bTerminal && m_bDrawn) {
        m_err << "\n";
        m_err.flush();
    }
    m_bDrawn = false;
}

}  // namespace cli
