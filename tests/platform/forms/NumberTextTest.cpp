#include "platform/forms/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using platform::FormatDouble;
using platform::ParseInteger;
using platform::ScanLeadingDouble;

TEST(NumberText, FormatsWithFifteenSignificantDigits)
{
    const struct {
        double d;
        const char* szText;
    } cases[] = {
        {0.0, "0"},       {1.0, "1"},         {2.5, "2.5"},    {0.1, "0.1"},
        {-35.0, "-35"},   {1.0 / 3.0, "0.333333333333333"},    {1e20, "1e+20"},
        {1.5e-7, "1.5e-07"}, {123456789012345678.0, "1.23456789012346e+17"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDouble(c.d), QString::fromLatin1(c.szText)) << c.d;
}

TEST(NumberText, ScansTheLeadingNumberAndIgnoresTheRest)
{
    const struct {
        const char* szText;
        double d;
    } accepted[] = {
        {"  -3.5e1", -35.0}, {"12 bar", 12.0}, {"0", 0.0},     {"+4.25", 4.25}, {".5", 0.5},
        {"5.", 5.0},         {"\t7", 7.0},     {"12e", 12.0},  {"1e+2x", 100.0}, {"2E-1", 0.2},
        {"-0", 0.0},         {"0x10", 0.0},    {"1,5", 1.0},
    };
    for (const auto& c : accepted) {
        const auto d = ScanLeadingDouble(QString::fromLatin1(c.szText));
        ASSERT_TRUE(d.has_value()) << c.szText;
        EXPECT_DOUBLE_EQ(*d, c.d) << c.szText;
    }
    // No number at the start, or one that is no finite double.
    for (const char* sz : {"", "   ", "abc", "-", ".", "+.e5", "bar 12", "nan", "inf", "1e999", "-1e999"})
        EXPECT_FALSE(ScanLeadingDouble(QString::fromLatin1(sz)).has_value()) << sz;
}

TEST(NumberText, IntegerMustFillTheField)
{
    const struct {
        const char* szText;
        int n;
    } accepted[] = {
        {"1500", 1500}, {" 7 ", 7}, {"+5", 5}, {"-12", -12}, {"0", 0}, {"-0", 0}, {"007", 7},
        // Beyond int: clamped, so the range check reports the bounds.
        {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
    };
    for (const auto& c : accepted) {
        const auto n = ParseInteger(QString::fromLatin1(c.szText));
        ASSERT_TRUE(n.has_value()) << c.szText;
        EXPECT_EQ(*n, c.n) << c.szText;
    }
    for (const char* sz : {"", " ", "abc", "12 bar", "1.5", "1e3", "0x10", "-", "+ 5", "5-"})
        EXPECT_FALSE(ParseInteger(QString::fromLatin1(sz)).has_value()) << sz;
}
