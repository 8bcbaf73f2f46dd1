#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/CEngString.h"

namespace {

const std::string kMicro = "\xC2\xB5";

struct ENGCASE {
    double dValue;
    int nDigits;
    int bForceExponent;
    int bAsciiMicro;
    std::string strText;
};

std::string Format(const ENGCASE& c)
{
    CEngString str;
    str.FormatEngineering(c.dValue, c.nDigits, c.bForceExponent, c.bAsciiMicro);
    return str;
}

TEST(EngString, GeneralModeWithPrefixes)
{
    const ENGCASE cases[] = {
        {0.001234, 0, 0, 0, "1.234m"},
        {12345, 0, 0, 0, "12.345k"},
        {0, 0, 0, 0, "0"},
        {-0.5, 0, 0, 0, "-500m"},
        {0.05, 0, 0, 0, "50m"},
        {5, 0, 0, 0, "5"},
        {1000, 0, 0, 0, "1k"},
        {2.2e-6, 0, 0, 0, "2.2" + kMicro},
        {2.2e-6, 0, 0, 1, "2.2u"},
        {-3.3e-9, 0, 0, 0, "-3.3n"},
        {123456789, 0, 0, 0, "123.457M"},
        {1e25, 0, 0, 0, "10Y"},
        {2.5e27, 0, 0, 0, "2.5e27"},
        {1.5e-25, 0, 0, 0, "150e-27"},
        {999.9999999, 0, 0, 0, "1000"},
        {-0.0, 0, 0, 0, "0"},
    };
    for (const ENGCASE& c : cases)
        EXPECT_EQ(Format(c), c.strText) << "value " << c.dValue;
}

TEST(EngString, DigitsAndExponentModes)
{
    const ENGCASE cases[] = {
        {0.001234, 3, 0, 0, "1.23m"},
        {12345, 3, 0, 0, "12.3k"},
        {47000, 3, 0, 0, "47.0k"},
        {5, 3, 0, 0, "5.00"},
        {0, 3, 0, 0, "0.00"},
        {-0.5, 3, 0, 0, "-500m"},
        {999.9, 3, 0, 0, "1000"},
        {12345, 0, 1, 0, "12.345e3"},
        {1, 0, 1, 0, "1e0"},
        {0, 0, 1, 0, "0e0"},
        {0.001234, 4, 1, 0, "1.234e-3"},
        // Fewer digits than the mantissa's integer part: the negative precision prints
        // six decimals, as printf does.
        {12, 1, 0, 0, "12.000000"},
    };
    for (const ENGCASE& c : cases)
        EXPECT_EQ(Format(c), c.strText) << "value " << c.dValue << " digits " << c.nDigits;
}

TEST(EngString, ValuesWithoutAnExponentStillGiveAText)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Format({inf, 0, 0, 0, ""}), "inf");
    EXPECT_EQ(Format({-inf, 0, 0, 0, ""}), "-inf");
    EXPECT_EQ(Format({std::nan(""), 0, 0, 0, ""}), "nan");
    // 10^-e alone overflows for a subnormal value: the mantissa must still come out right.
    EXPECT_EQ(Format({1e-310, 0, 0, 0, ""}), "100e-312");
    EXPECT_EQ(Format({1.7976931348623157e308, 0, 0, 0, ""}), "179.769e306");
}

}  // namespace
