#include "instrument/d2xx/sim/SimOptions.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

namespace sim {
namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// from_chars rather than strtod: a Qt program runs under the user's numeric locale.
bool ToDouble(std::string_view s, double& d)
{
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size() && std::isfinite(d);
}

bool ToCount(std::string_view s, long long& n)
{
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size() && n >= 0;
}

bool InWordRange(double dRaw) { return std::lround(dRaw) >= 0 && std::lround(dRaw) <= 65535; }

std::string Quote(std::string_view s) { return "'" + std::string(s) + "'"; }

}  // namespace

double LoopWordValue(double dMilliamps) { return dMilliamps * 100.0 * 65536.0 / 2430.0; }

double BoardTempWordValue(double dCelsius) { return (dCelsius * 2.86 + 776.0) * 65536.0 / 2430.0; }

static std::uint16_t ClampWord(double dRaw)
{
    const long n = std::lround(dRaw);
    return static_cast<std::uint16_t>(n < 0 ? 0 : n > 65535 ? 65535 : n);
}

std::uint16_t LoopWord(double dMilliamps) { return ClampWord(LoopWordValue(dMilliamps)); }

std::uint16_t BoardTempWord(double dCelsius) { return ClampWord(BoardTempWordValue(dCelsius)); }

int SampleValue(int nBit, long long nFrame)
{
    // Reduced to one period first: the phase then stays exact however long the stream runs.
    const long long n = nFrame % kSignalPeriodFrames;
    const double dAmplitude = 4000.0 * (nBit + 1);
    return static_cast<int>(std::lround(
        dAmplitude * std::sin(2.0 * std::numbers::pi * 1000.0 * (nBit + 1) * static_cast<double>(n) / 31250.0)));
}

bool ParseSimOptions(const std::string& strText, SIMOPTIONS& options, std::string& error)
{
    SIMOPTIONS parsed;
    std::string_view rest(strText);
    while (true) {
        const size_t nComma = rest.find(',');
        const std::string_view item = Trim(rest.substr(0, nComma));
        if (!item.empty()) {
            const size_t nEq = item.find('=');
            const std::string_view name = Trim(item.substr(0, nEq));
            const bool bHasValue = nEq != std::string_view::npos;
            const std::string_view value = bHasValue ? Trim(item.substr(nEq + 1)) : std::string_view();

            if (name == "fast" || name == "silent" || name == "absent") {
                if (bHasValue) {
                    error = "Simulated box option " + Quote(name) + " takes no value.";
                    return false;
                }
                (name == "fast" ? parsed.bFast : name == "silent" ? parsed.bSilent : parsed.bAbsent) = true;
            } else if (name == "stall") {
                if (!ToCount(value, parsed.nStallBlocks)) {
                    error = "Simulated box option " + Quote(item) +
                            ": stall needs a number of blocks, 0 or more (e.g. stall=100).";
                    return false;
                }
            } else if (name == "loop1" || name == "loop2") {
                double d = 0;
                if (!ToDouble(value, d) || !InWordRange(LoopWordValue(d))) {
                    error = "Simulated box option " + Quote(item) + ": " + std::string(name) +
                            " needs a loop current in mA from 0 to 24.29 (e.g. " + std::string(name) + "=12).";
                    return false;
                }
                (name == "loop1" ? parsed.dLoop1mA : parsed.dLoop2mA) = d;
            } else if (name == "temp") {
                double d = 0;
                if (!ToDouble(value, d) || !InWordRange(BoardTempWordValue(d))) {
                    error = "Simulated box option " + Quote(item) +
                            ": temp needs a board temperature in degrees C from -271.3 to 578.3 (e.g. temp=25).";
                    return false;
                }
                parsed.dBoardTempC = d;
            } else {
                error = "Unknown simulated box option " + Quote(item) +
                        " (known: fast, silent, absent, stall=K, loop1=MA, loop2=MA, temp=C).";
                return false;
            }
        }
        if (nComma == std::string_view::npos)
            break;
        rest.remove_prefix(nComma + 1);
    }
    options = parsed;
    return true;
}

}  // namespace sim
