#include "chart/CEngString.h"

#include <cmath>

#include "chart/NumberText.h"

namespace {

constexpr const char* kMicroSign = "\xC2\xB5";  // U+00B5

const char* const kPrefixes[17] = {"y", "z", "a", "f", "p", "n", nullptr, "m", "",
                                   "k", "M", "G", "T", "P", "E", "Z", "Y"};
constexpr int kMicroIndex = 6;

// 10^n by repeated squaring, a reciprocal for a negative power.
double IntPow10(int n)
{
    unsigned int k = n < 0 ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
    double result = 1.0;
    double base = 10.0;
    while (k) {
        if (k & 1u)
            result *= base;
        base *= base;
        k >>= 1;
    }
    return n < 0 ? 1.0 / result : result;
}

}  // namespace

void CEngString::FormatEngineering(double dValue, int nDigits, int bForceExponent, int bAsciiMicro)
{
    const char* szMicro = bAsciiMicro ? "u" : kMicroSign;
    bool bGeneral = nDigits == 0;

    std::string strSign;
    if (dValue < 0) {
        strSign = "-";
        dValue = -dValue;
    }
    if (!std::isfinite(dValue)) {
        // No exponent exists for these; print them as printf would.
        assign(strSign + graph::FormatG(dValue));
        return;
    }

    int e = 0;
    if (dValue == 0) {
        dValue = 0.0;  // a negative zero carries no sign either
    } else {
        int t = static_cast<int>(std::log10(dValue));
        e = t > 0 ? 3 * (t / 3) : -3 * ((3 - t) / 3);
    }
    double m;
    if (e > 300 || e < -300) {
        // Subnormal values: 10^-e alone would overflow, so scale in two halves.
        int nHalf = -e / 2;
        m = dValue * IntPow10(nHalf) * IntPow10(-e - nHalf);
    } else {
        m = dValue * IntPow10(-e);
    }

    if (m >= 1000) {
        m /= 1000;
        e += 3;
    } else if (m >= 100) {
        nDigits -= 2;
    } else if (m >= 10) {
        nDigits -= 1;
    }

    std::string strMantissa = bGeneral ? graph::FormatG(m) : graph::FormatFixed(m, nDigits - 1);
    if (bForceExponent || e < -24 || e > 24) {
        assign(strSign + strMantissa + "e" + std::to_string(e));
    } else {
        int nIndex = (e + 24) / 3;
        const char* szPrefix = nIndex == kMicroIndex ? szMicro : kPrefixes[nIndex];
        assign(strSign + strMantissa + szPrefix);
    }
}
