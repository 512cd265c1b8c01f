// Numbers as the user reads and types them (decimal comma, 15 significant digits, fixed or scientific
// form), the strict readers and their fallbacks, and the ASCII case folding of sorted lists.

#include "common/UnitComTexto.h"

#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace brelix;

TEST(RealText, FifteenDigitsCommaAndTheFixedOrScientificForm) {
    const std::pair<double, const char*> casos[] = {
        {-0.0, "0"},
        {-1.602176634e-19, "-1,602176634E-19"},
        {1.0 / 3.0, "0,333333333333333"},
        {0.1 + 0.2, "0,3"}, // rounded to 15 significant digits
        {123456789012345.0, "123456789012345"},
        {-42.0, "-42"},
        {1e15, "1E15"},
        {-1e15, "-1E15"},
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

TEST(RealText, AFileValueReadsBackExactlyWithTheFewestDigitsThatDo) {
    using L = std::numeric_limits<double>;
    // Fifteen digits when they suffice, as shown; more only when the value needs them.
    const std::pair<double, const char*> casos[] = {{2.5, "2,5"},
                                                    {-7.0, "-7"},
                                                    {999999999999999.0, "999999999999999"},
                                                    {1e15, "1E15"},
                                                    {0.1, "0,1"},
                                                    {1e20, "1E20"},
                                                    {0.1 + 0.2, "0,30000000000000004"},
                                                    {1.0 / 3.0, "0,3333333333333333"},
                                                    {L::max(), "1,7976931348623157E308"},
                                                    {-L::denorm_min(), "-4,94065645841247E-324"}};
    for (const auto& [value, text] : casos)
        EXPECT_EQ(RealToStrExato(value), text);
    // The shown form of the largest double rounds up out of range: it could never be a file's.
    double v = 0;
    EXPECT_FALSE(TryStrToReal(RealToStr(L::max()), v));
    // Any finite double, whatever its bits.
    std::mt19937_64 bits(12);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t u = bits();
        double value = 0;
        std::memcpy(&value, &u, sizeof value);
        if (!std::isfinite(value)) continue;
        const std::string text = RealToStrExato(value);
        ASSERT_TRUE(TryStrToReal(text, v)) << text;
        ASSERT_EQ(v, value) << text;
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

TEST(VisibleText, ControlCharactersAreShownByTheirCodeAndLongTextsAreCut) {
    // ESC and BEL of a terminal sequence, a C1 control (U+009B), a byte that is no UTF-8, a tab.
    EXPECT_EQ(TextoVisivel("R\x1b]0;x\x07\xc2\x9b\xff\tFunção"), "R\\x1b]0;x\\x07\\x9b\\xff\\x09Função");
    EXPECT_EQ(Excerpt(std::string(41, 'x')), "\"" + std::string(40, 'x') + "...\"");
    EXPECT_EQ(Excerpt("ção\r"), "\"ção\\x0d\""); // characters are counted, not bytes
    // An error message shows what it quotes this way, whoever built it.
    const EFileError e("a\x1b[2J.fts", 3, "há \x1b[31mR\x07");
    EXPECT_STREQ(e.what(), "\"a\\x1b[2J.fts\", linha 3: há \\x1b[31mR\\x07");
    try {
        StrToInt("1\x1b" + std::string(60, '9'));
        FAIL() << "expected EConvertError";
    } catch (const EConvertError& c) {
        EXPECT_EQ(std::string(c.what()),
                  "\"1\\x1b" + std::string(38, '9') + "...\" não é um valor inteiro válido");
    }
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
