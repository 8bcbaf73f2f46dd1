#include "acquisition/SensorConversions.h"

#include "acquisition/Messages.h"

#include <charconv>

namespace acq {

// The operations run in the written order; tests compare against values computed that way.
double LoopCurrent(unsigned nRaw)
{
    return static_cast<double>(nRaw) * 2430.0 / 65536.0 / 100.0;
}

double SensorValue(unsigned nRaw, double dAt4mA, double dAt20mA)
{
    return dAt4mA + (LoopCurrent(nRaw) - 4.0) / 16.0 * (dAt20mA - dAt4mA);
}

double BoardTemperature(unsigned nRaw)
{
    return (static_cast<double>(nRaw) * 2430.0 / 65536.0 - 776.0) / 2.86;
}

namespace {

// printf's "%.1lf" as in the C locale: rounding ties to even like printf, and never the
// decimal comma that the user's locale would give a Qt program.
QString OneDecimal(double dValue, const char* pszUnit)
{
    char sz[400];
    const auto res = std::to_chars(sz, sz + sizeof sz, dValue, std::chars_format::fixed, 1);
    return QString::fromLatin1(sz, static_cast<int>(res.ptr - sz)) + QLatin1Char(' ') + QLatin1String(pszUnit);
}

}  // namespace

QString FormatSensor1(double dValue) { return OneDecimal(dValue, "bar"); }
QString FormatSensor2(double dValue) { return OneDecimal(dValue, "C"); }
QString FormatBoardTemp(double dValue) { return OneDecimal(dValue, "C"); }

int PlannedBlocks(int nTime, int nSampleRate)
{
    return ProgressUpper(nTime, nSampleRate) / 2 * 2;
}

int ProgressUpper(int nTime, int nSampleRate)
{
    return static_cast<int>(static_cast<long long>(nTime) * nSampleRate / 256);
}

QString FormatElapsed(int nBlock, int nTime, int nUpper)
{
    const long long s = nUpper > 0 ? static_cast<long long>(nBlock) * nTime / nUpper : 0;
    return QString::asprintf("%d:%02d", static_cast<int>(s / 60), static_cast<int>(s % 60));
}

bool ParseIntegerField(const QString& strText, int& nValue)
{
    bool bOk = false;
    const int n = strText.trimmed().toInt(&bOk, 10);
    if (bOk)
        nValue = n;
    return bOk;
}

bool TimeInRange(int nTime)
{
    return nTime >= kMinTime && nTime <= kMaxTime;
}

}  // namespace acq
