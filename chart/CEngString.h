#pragma once
// A text that formats numbers in engineering notation: a mantissa from 1 to below 1000
// with the SI prefix of its power of 1000 ("12.345k", "2.2µ"), or "e" and the exponent
// outside the prefixes or on request. Texts are UTF-8.
#include <string>

class CEngString : public std::string {
public:
    using std::string::string;
    CEngString() = default;

    // nDigits 0: up to six significant digits, shortest form; above 0: that many
    // significant digits with fixed decimals. bForceExponent: always the "e" form.
    // bAsciiMicro: "u" instead of the micro sign for 10^-6.
    void FormatEngineering(double dValue, int nDigits, int bForceExponent, int bAsciiMicro);
};
