#include "chart/NumberText.h"

#include <charconv>

namespace graph {
namespace {

// Enough for "%.*f" of the largest double with the widest precision allowed below.
constexpr int kBufferSize = 420;
constexpr int kMaxPrecision = 80;

}  // namespace

std::string FormatG(double v)
{
    char buf[kBufferSize];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, res.ptr);
}

std::string FormatFixed(double v, int nPrecision)
{
    if (nPrecision < 0)
        nPrecision = 6;
    if (nPrecision > kMaxPrecision)
        nPrecision = kMaxPrecision;
    char buf[kBufferSize];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, nPrecision);
    if (res.ec != std::errc())
        return FormatG(v);
    return std::string(buf, res.ptr);
}

int CountChars(const std::string& strUtf8)
{
    int n = 0;
    for (unsigned char c : strUtf8) {
        if ((c & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

}  // namespace graph
