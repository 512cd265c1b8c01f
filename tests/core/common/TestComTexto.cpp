#include "common/UnitComTexto.h"

#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace brelix;

TEST(RealText, FixedFormDropsTrailingZerosAndUsesComma) {
    EXPECT_EQ(RealToStr(0.0), "0");
    EXPECT_EQ(RealToStr(-0.0), "0");
    EXPECT_EQ(RealToStr(1.0), "1");
    EXPECT_EQ(RealToStr(-2.5), "-2,5");
    EXPECT_EQ(RealToStr(0.25), "0,25");
    EXPECT_EQ(RealToStr(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(RealToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(RealToStr(0.00001), "0,00001");
    EXPECT_EQ(RealToStr(0.1 + 0.2), "0,3"); // rounded to 15 significant digits
}

TEST(RealText, ScientificBeyondFifteenIntegerDigitsOrBelowTheSmallBound) {
    EXPECT_EQ(RealToStr(1234567890123456.0), "1,23456789012346E15");
    EXPECT_EQ(RealToStr(1e20), "1E20");
    EXPECT_EQ(RealToStr(-2.5e20), "-2,5E20");
    EXPECT_EQ(RealToStr(0.0000099), "9,9E-6");
    EXPECT_EQ(RealToStr(1.5e-7), "1,5E-7");
    EXPECT_EQ(RealToStr(1e-300), "1E-300");
    // The rounding decides the form: this rounds up to 1E15, which has 16 integer digits.
    EXPECT_EQ(RealToStr(999999999999999.9), "1E15");
}

TEST(RealText, DegenerateValuesHaveATextThatIsNotANumber) {
    EXPECT_EQ(RealToStr(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(RealToStr(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(RealToStr(std::nan("")), "NAN");
    double v = 0;
    EXPECT_FALSE(TryStrToReal("INF", v));
    EXPECT_FALSE(TryStrToReal("NAN", v));
}

TEST(RealText, ReaderAcceptsOnlyTheWrittenForm) {
    double v = 0;
    ASSERT_TRUE(TryStrToReal("2,5", v));
    EXPECT_DOUBLE_EQ(v, 2.5);
    ASSERT_TRUE(TryStrToReal("-1,5E-7", v));
    EXPECT_DOUBLE_EQ(v, -1.5e-7);
    ASSERT_TRUE(TryStrToReal("3e+2", v));
    EXPECT_DOUBLE_EQ(v, 300.0);
    for (const char* bad : {"", "-", "2.5", "+3", " 1", "1 ", ",5", "5,", "1E", "1E+", "abc", "1,2,3", "1e400"})
        EXPECT_FALSE(TryStrToReal(bad, v)) << bad;
    EXPECT_DOUBLE_EQ(StrToRealDef("abc", 1.0), 1.0);
}

TEST(RealText, EveryWrittenValueReadsBackToFifteenDigits) {
    for (double x : {1.0, -7.25, 1e-5, 3.14159265358979, 6.02214076e23, -1.602176634e-19, 12345.6789, 1e15}) {
        double back = 0;
        ASSERT_TRUE(TryStrToReal(RealToStr(x), back)) << RealToStr(x);
        EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << RealToStr(x);
    }
}

TEST(IntegerText, StrictReading) {
    std::int32_t v = 0;
    ASSERT_TRUE(TryStrToInt("-42", v));
    EXPECT_EQ(v, -42);
    ASSERT_TRUE(TryStrToInt("2147483647", v));
    EXPECT_EQ(v, 2147483647);
    for (const char* bad : {"", "-", "+1", "1.0", "1,0", " 1", "2147483648", "-2147483649", "0x10", "1e3"})
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
    EXPECT_EQ(StrToIntDef("x", 7), 7);
    EXPECT_THROW(StrToInt("12a"), EConvertError);
}

TEST(FixedText, TwoDecimalsWithComma) {
    EXPECT_EQ(FixedToStr2(-2.0), "-2,00");
    EXPECT_EQ(FixedToStr2(3.14159), "3,14");
    EXPECT_EQ(FixedToStr2(0.005), "0,01");
    EXPECT_EQ(FixedToStr2(1e20), "100000000000000000000,00");
}

TEST(UpperCase, OnlyAsciiLettersFoldAndComparisonIsByteOrder) {
    EXPECT_EQ(UpperAscii("aBc_1é"), "ABC_1é");
    EXPECT_LT(CompareUpper("abc", "ABD"), 0);
    EXPECT_EQ(CompareUpper("Rx", "rX"), 0);
    EXPECT_GT(CompareUpper("b", "A"), 0);
    EXPECT_LT(CompareUpper("R", "R1"), 0);
    EXPECT_LT(CompareUpper("Z", "_"), 0); // '_' (0x5F) sorts after the upper-case letters
    EXPECT_TRUE(SameTextAscii("e(R1)", "E(r1)"));
    EXPECT_FALSE(SameTextAscii("E(R1)", "E(R12)"));
}
