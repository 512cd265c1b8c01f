#include "symbolic/UnitGrfGanho.h"
#include "symbolic/UnitPropGanho.h"

#include <gtest/gtest.h>

#include <random>

using namespace brelix;

namespace {

bool StrictOk(const std::string& text, bool allowZero = true) {
    TPropGanho g;
    g.Text = text;
    return g.Validar(allowZero);
}

} // namespace

TEST(GainParse, PiecesOfEveryKind) {
    const TGanho g("2,5.R.S");
    EXPECT_DOUBLE_EQ(g.K(), 2.5);
    EXPECT_EQ(g.Sym(), "R");
    EXPECT_TRUE(g.HasSym());
    EXPECT_EQ(g.ExpSym(), 1);
    EXPECT_EQ(g.ExpS(), 1);
    EXPECT_EQ(g.Texto(), "2,5.R.S");

    const TGanho dfs("-1.DFS");
    EXPECT_DOUBLE_EQ(dfs.K(), -1.0);
    EXPECT_EQ(dfs.Sym(), "DFS");
    EXPECT_EQ(dfs.Texto(), "-1.DFS");

    EXPECT_EQ(TGanho("C^-1.S^-1").Texto(), "C^-1.S^-1");
}

TEST(GainParse, CoefficientsMultiplyAndPowersOfSAdd) {
    EXPECT_DOUBLE_EQ(TGanho("2.3.R").K(), 6.0);
    EXPECT_DOUBLE_EQ(TGanho("2.5").K(), 10.0); // the period separates pieces
    EXPECT_DOUBLE_EQ(TGanho("2,5").K(), 2.5);
    EXPECT_EQ(TGanho("S.S").ExpS(), 2);
    EXPECT_EQ(TGanho("S^3.S^-1").ExpS(), 2);
    EXPECT_EQ(TGanho("S^x").ExpS(), 1);
    EXPECT_EQ(TGanho("S^").ExpS(), 1);
    EXPECT_DOUBLE_EQ(TGanho("1E3").K(), 1000.0);
}

TEST(GainParse, SAloneIsNeverASymbolButS1Is) {
    const TGanho s("S");
    EXPECT_FALSE(s.HasSym());
    EXPECT_EQ(s.ExpS(), 1);
    const TGanho s1("S1");
    EXPECT_EQ(s1.Sym(), "S1");
    EXPECT_EQ(s1.ExpS(), 0);
}

TEST(GainParse, ZeroWritesAsZeroWhateverElseIsThere) {
    EXPECT_EQ(TGanho("0").Texto(), "0");
    EXPECT_EQ(TGanho("0.R.S").Texto(), "0");
    EXPECT_FALSE(StrictOk("0", false));
    EXPECT_TRUE(StrictOk("0", true));
}

TEST(GainParse, TheLastSymbolWinsAndKeepsTheLastExponentGiven) {
    const TGanho g("R^-1.C");
    EXPECT_EQ(g.Sym(), "C");
    EXPECT_EQ(g.ExpSym(), -1);
    const TGanho sq("R^2");
    EXPECT_EQ(sq.Sym(), "R");
    EXPECT_EQ(sq.ExpSym(), 1);
    EXPECT_FALSE(StrictOk("R^2"));
}

TEST(GainParse, EmptyAndUnreadablePiecesContributeNothing) {
    EXPECT_EQ(TGanho("").Texto(), "1");
    EXPECT_EQ(TGanho("R.").Texto(), "R");
    EXPECT_EQ(TGanho("..R..S..").Texto(), "R.S");
    EXPECT_EQ(TGanho("+3").Texto(), "1");
    EXPECT_FALSE(StrictOk("+3"));
    EXPECT_FALSE(StrictOk("2,5,3"));
    EXPECT_FALSE(StrictOk("-R"));
    EXPECT_FALSE(StrictOk("R(1)"));
    EXPECT_TRUE(StrictOk("_x^-1.S^x"));
}

TEST(GainWrite, CoefficientOneIsWrittenOnlyAloneAndMinusOneAlways) {
    EXPECT_EQ(EscreverGanho(1.0, "", 1, 0), "1");
    EXPECT_EQ(EscreverGanho(3.0, "", 1, 0), "3");
    EXPECT_EQ(EscreverGanho(1.0, "R", 1, 0), "R");
    EXPECT_EQ(EscreverGanho(-1.0, "R", 1, 0), "-1.R");
    EXPECT_EQ(EscreverGanho(-1.0, "", 1, 2), "-1.S^2");
    EXPECT_EQ(EscreverGanho(0.5, "L", -1, -1), "0,5.L^-1.S^-1");
}

TEST(GainWrite, HugeCoefficientsAreWrittenAsRealsNotAsIntegers) {
    EXPECT_EQ(EscreverGanho(1e20, "R", 1, 0), "1E20.R");
    EXPECT_EQ(EscreverGanho(-1e300, "", 1, 0), "-1E300");
    EXPECT_EQ(EscreverGanho(4611686018427387904.0, "", 1, 0), "4611686018427387904");
    EXPECT_DOUBLE_EQ(TGanho("1E200.1E200.1E200").K(), 1e200); // a product beyond the range is ignored
}

TEST(GainWrite, HugePowersOfSAreRefusedNotOverflowed) {
    EXPECT_EQ(TGanho("S^2000000000.S^2000000000").ExpS(), 2);
    EXPECT_FALSE(StrictOk("S^2000000000"));
    EXPECT_EQ(TGanho("S^10000").ExpS(), kMaxExpSGanho);
    EXPECT_EQ(TGanho("S^10000.S").ExpS(), kMaxExpSGanho);
    EXPECT_FALSE(StrictOk("S^10000.S"));
}

TEST(GainWrite, ParseThenWriteIsTheCanonicalFormAndIsStable) {
    for (const char* text : {"S.R.2,5", "S^-1.C^-1", "R.2.3", "-0,25.S.S", "x1.S^0", "1.S"}) {
        const std::string once = TGanho(text).Texto();
        EXPECT_EQ(TGanho(once).Texto(), once) << text;
        EXPECT_TRUE(StrictOk(once)) << once;
    }
    EXPECT_EQ(TGanho("S.R.2,5").Texto(), "2,5.R.S");
}

TEST(PropGain, InverterMulKAndAddExpS) {
    TPropGanho g;
    g.Text = "4.R.S";
    ASSERT_TRUE(g.Validar(false));
    g.Inverter();
    EXPECT_EQ(g.Texto(), "0,25.R^-1.S^-1");
    g.MulK(-8);
    g.AddExpS(3);
    EXPECT_EQ(g.Texto(), "-2.R^-1.S^2");

    TPropGanho zero;
    zero.Text = "0.R.S";
    ASSERT_TRUE(zero.Validar(true));
    zero.Inverter();
    EXPECT_DOUBLE_EQ(zero.K, 0.0);
    EXPECT_EQ(zero.ExpS, -1);
    EXPECT_EQ(zero.ExpSym, -1);
}

// Hostile texts: nothing may crash or read out of bounds (the sanitizers watch this test).
TEST(GainParse, RandomBytesNeverBreakEitherParse) {
    std::mt19937 rng(12345);
    const std::string alphabet = "S^.,-+eE0123456789RLC_x\xE3\x01 ";
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const int len = static_cast<int>(rng() % 24);
        for (int i = 0; i < len; ++i)
            text += alphabet[rng() % alphabet.size()];
        const TGanho g(text);
        const std::string canonical = g.Texto();
        EXPECT_EQ(TGanho(canonical).Texto(), canonical) << text;
        TPropGanho p;
        p.Text = text;
        p.Validar(true);
        (void)p.Texto();
    }
}
