#include "platform/forms/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

QString FormatDouble(double d)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::general, 15);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

std::optional<double> ScanLeadingDouble(const QString& strText)
{
    const std::string s = strText.toStdString();
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    const std::size_t nStart = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t nMantissa = i;
    int nDigits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++nDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++nDigits;
    }
    if (nDigits == 0)
        return std::nullopt;
    // An exponent counts only when digits follow it; "12e" reads as 12.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    // from_chars takes no '+', and reads in the C locale whatever the process uses.
    double d = 0.0;
    const char* pFirst = s.data() + (s[nStart] == '+' ? nMantissa : nStart);
    const auto res = std::from_chars(pFirst, s.data() + i, d, std::chars_format::general);
    if (res.ec != std::errc() || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<int> ParseInteger(const QString& strText)
{
    const std::string s = strText.toStdString();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool bNegative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        bNegative = s[i++] == '-';
    const std::size_t nDigitsStart = i;
    long long v = 0;
    while (i < s.size() && IsDigit(s[i])) {
        if (v <= static_cast<long long>(INT_MAX) + 1)
            v = v * 10 + (s[i] - '0');
        ++i;
    }
    if (i == nDigitsStart)
        return std::nullopt;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    if (i != s.size())
        return std::nullopt;
    if (bNegative)
        v = -v;
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace platform
