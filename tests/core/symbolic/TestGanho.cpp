// Gain texts: the lenient reading every gain goes through, its canonical text, the strict check of
// typed gains, huge numbers and powers, and hostile bytes.

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

TEST(GainParse, PiecesCoefficientsSymbolAndPowersOfS) {
    struct Caso {
        const char* texto;
        double k;
        const char* sym;
        int expSym, expS;
        const char* canonico;
    };
    const Caso casos[] = {
        {"2,5.R.S", 2.5, "R", 1, 1, "2,5.R.S"},
        {"-1.DFS", -1, "DFS", 1, 0, "-1.DFS"},
        {"C^-1.S^-1", 1, "C", -1, -1, "C^-1.S^-1"},
        {"S.R.2,5", 2.5, "R", 1, 1, "2,5.R.S"},
        // Coefficients multiply (the period separates pieces) and powers of S add.
        {"2.3.R", 6, "R", 1, 0, "6.R"},
        {"2.5", 10, "", 1, 0, "10"},
        {"1E3", 1000, "", 1, 0, "1000"},
        {"S.S", 1, "", 1, 2, "S^2"},
        {"S^3.S^-1", 1, "", 1, 2, "S^2"},
        {"S^x", 1, "", 1, 1, "S"},
        {"S^", 1, "", 1, 1, "S"},
        // S alone is never a symbol, but S1 is.
        {"S1", 1, "S1", 1, 0, "S1"},
        // The last symbol wins and keeps the last exponent given; a square is not an exponent.
        {"R^-1.C", 1, "C", -1, 0, "C^-1"},
        {"R^2", 1, "R", 1, 0, "R"},
        // Empty and unreadable pieces contribute nothing; zero writes as zero whatever else is there.
        {"", 1, "", 1, 0, "1"},
        {"..R..S..", 1, "R", 1, 1, "R.S"},
        {"+3", 1, "", 1, 0, "1"},
        {"0.R.S", 0, "R", 1, 1, "0"},
        // A product beyond the range of reals is ignored; powers of S beyond it are refused.
        {"1E200.1E200.1E200", 1e200, "", 1, 0, "1E200"},
        {"S^2000000000.S^2000000000", 1, "", 1, 2, "S^2"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const TGanho g(c.texto);
        EXPECT_DOUBLE_EQ(g.K(), c.k);
        EXPECT_EQ(g.Sym(), c.sym);
        EXPECT_EQ(g.HasSym(), *c.sym != 0);
        EXPECT_EQ(g.HasSym() ? g.ExpSym() : 1, c.expSym);
        EXPECT_EQ(g.ExpS(), c.expS);
        EXPECT_EQ(g.Texto(), c.canonico);
        EXPECT_EQ(TGanho(g.Texto()).Texto(), g.Texto()); // the canonical text is stable and valid
        EXPECT_TRUE(StrictOk(g.Texto()));
    }
    EXPECT_EQ(TGanho("S^10000").ExpS(), kMaxExpSGanho);
    EXPECT_EQ(TGanho("S^10000.S").ExpS(), kMaxExpSGanho);
}

TEST(GainParse, TheStrictCheckOfTypedGains) {
    for (const char* ok : {"_x^-1.S^x", "2,5.R.S", "x1.S^0", "-0,25.S.S", "0"})
        EXPECT_TRUE(StrictOk(ok)) << ok;
    for (const char* recusado : {"+3", "2,5,3", "-R", "R(1)", "R^2", "S^2000000000", "S^10000.S"})
        EXPECT_FALSE(StrictOk(recusado)) << recusado;
    EXPECT_FALSE(StrictOk("0", false));
}

TEST(GainWrite, CoefficientOneIsWrittenOnlyAloneAndHugeOnesAsReals) {
    EXPECT_EQ(EscreverGanho(1.0, "", 1, 0), "1");
    EXPECT_EQ(EscreverGanho(3.0, "", 1, 0), "3");
    EXPECT_EQ(EscreverGanho(1.0, "R", 1, 0), "R");
    EXPECT_EQ(EscreverGanho(-1.0, "R", 1, 0), "-1.R");
    EXPECT_EQ(EscreverGanho(-1.0, "", 1, 2), "-1.S^2");
    EXPECT_EQ(EscreverGanho(0.5, "L", -1, -1), "0,5.L^-1.S^-1");
    EXPECT_EQ(EscreverGanho(1e20, "R", 1, 0), "1E20.R");
    EXPECT_EQ(EscreverGanho(-1e300, "", 1, 0), "-1E300");
    EXPECT_EQ(EscreverGanho(4611686018427387904.0, "", 1, 0), "4611686018427387904");
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
