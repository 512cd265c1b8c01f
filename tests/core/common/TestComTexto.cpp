// Numbers as the user reads and types them (decimal comma, 15 significant digits, fixed or scientific
// form), the strict readers and their fallbacks, and the ASCII case folding of sorted lists.

#include "common/UnitComTexto.h"

#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace brelix;

TEST(RealText, FifteenDigitsCommaAndTheFixedOrScientificForm) {
    const std::pair<double, const char*> casos[] = {
        {-0.0, "0"},
        {-1.602176634e-19, "-1,602176634E-19"},
        {1.0 / 3.0, "0,333333333333333"},
        {0.1 + 0.2, "0,3"}, // rounded to 15 significant digits
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1,23456789012346E15"},
        {0.00001, "0,00001"},
        {0.0000099, "9,9E-6"},
        // The rounding decides the form: this rounds up to 1E15, which has 16 integer digits.
        {999999999999999.9, "1E15"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {std::nan(""), "NAN"}};
    for (const auto& [value, text] : casos) {
        EXPECT_EQ(RealToStr(value), text);
        if (!std::isfinite(value)) continue; // what is written reads back to 15 digits:
        EXPECT_NEAR(StrToRealDef(text, std::nan("")), value, std::fabs(value) * 1e-14) << text;
    }
}

TEST(NumberText, ReadersAcceptOnlyTheWrittenFormAndFallBackOtherwise) {
    double v = 0;
    ASSERT_TRUE(TryStrToReal("3e+2", v)); // the written form reads back in the writing test
    EXPECT_EQ(v, 300.0);
    for (const char* bad :
         {"", "-", "2.5", "+3", " 1", "1 ", ",5", "5,", "1E", "1E+", "abc", "1,2,3", "1e400", "INF", "NAN"})
        EXPECT_FALSE(TryStrToReal(bad, v)) << bad;
    EXPECT_EQ(StrToRealDef("2.5", 1.0), 1.0);
    EXPECT_EQ(StrToRealDef("-0,5", 1.0), -0.5);
    std::int32_t n = 0; // integers: within 32 bits
    ASSERT_TRUE(TryStrToInt("-2147483648", n));
    EXPECT_EQ(n, std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", "-", "+1", "1.0", "1,0", " 1", "2147483648", "-2147483649", "0x10", "1e3"})
        EXPECT_FALSE(TryStrToInt(bad, n)) << bad;
    EXPECT_EQ(StrToIntDef("x", 7), 7);
    EXPECT_THROW(StrToInt("12a"), EConvertError);
}

TEST(FixedText, TwoDecimalsWithComma) {
    EXPECT_EQ(FixedToStr2(-2.0), "-2,00");
    EXPECT_EQ(FixedToStr2(0.005), "0,01");
    EXPECT_EQ(FixedToStr2(1e20), "100000000000000000000,00");
}

TEST(UpperCase, OnlyAsciiLettersFoldAndComparisonIsByteOrder) {
    EXPECT_EQ(UpperAscii("aBc_1é"), "ABC_1é");
    EXPECT_EQ(CompareUpper("Rx", "rX"), 0);
    EXPECT_LT(CompareUpper("R", "R1"), 0);
    EXPECT_LT(CompareUpper("Z", "_"), 0); // '_' (0x5F) sorts after the upper-case letters
    EXPECT_GT(CompareUpper("é", "z"), 0); // bytes above 0x7F compare as unsigned
    EXPECT_TRUE(SameTextAscii("e(R1)", "E(r1)"));
    EXPECT_FALSE(SameTextAscii("E(R1)", "E(R12)"));
}
