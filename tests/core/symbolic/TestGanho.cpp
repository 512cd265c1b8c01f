// Gain texts: the lenient reading every gain goes through against the strict check of typed gains,
// the canonical text (huge coefficients and powers included), the reciprocal, and hostile bytes; and
// the reading of symbol values.

#include "symbolic/UnitGrfGanho.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitPropGanho.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <tuple>

using namespace brelix;

TEST(GainParse, LenientValuesCanonicalTextAndTheStrictCheck) {
    // Text; symbol, coefficient, exponent of the symbol, power of S; canonical text; strict check.
    const std::tuple<const char*, const char*, double, int, int, const char*, bool> casos[] = {
        {"S.R.2,5", "R", 2.5, 1, 1, "2,5.R.S", true},
        {"C^-1.S^-1", "C", 1, -1, -1, "C^-1.S^-1", true},
        {"-1.x1.S^0", "x1", -1, 1, 0, "-1.x1", true},
        // Coefficients multiply (the period separates pieces) and powers of S add; S^x is S.
        {"2.5", "", 10, 1, 0, "10", true},
        {"1E3.S^3.S^-1", "", 1000, 1, 2, "1000.S^2", true},
        {"_x^-1.S^x", "_x", 1, -1, 1, "_x^-1.S", true},
        // S alone is not a symbol, S1 is; the last symbol and exponent win; a square is no exponent.
        {"S1", "S1", 1, 1, 0, "S1", true},
        {"R^-1.C", "C", 1, -1, 0, "C^-1", true},
        {"R^2", "R", 1, 1, 0, "R", false},
        // Empty and unreadable pieces contribute nothing; zero writes as zero whatever else is there.
        {"", "", 1, 1, 0, "1", true},
        {"..R..S..", "R", 1, 1, 1, "R.S", true},
        {"+3", "", 1, 1, 0, "1", false},
        {"0.R.S", "R", 0, 1, 1, "0", true},
        // Whole coefficients within 64 bits are written as integers, beyond them as reals.
        {"4611686018427387904", "", 4611686018427387904.0, 1, 0, "4611686018427387904", true},
        {"1E20.R", "R", 1e20, 1, 0, "1E20.R", true},
        // A product beyond the range of reals is ignored; powers of S beyond the bound are refused.
        {"-1E300.1E200", "", -1e300, 1, 0, "-1E300", false},
        {"S^2000000000.S^2000000000", "", 1, 1, 2, "S^2", false},
        {"S^10000.S", "", 1, 1, kMaxExpSGanho, "S^10000", false},
    };
    for (const auto& [texto, sym, k, expSym, expS, canonico, estrito] : casos) {
        SCOPED_TRACE(texto);
        const TGanho g(texto);
        EXPECT_EQ(std::tuple(g.K(), g.Sym(), g.HasSym(), g.ExpSym(), g.ExpS()),
                  std::tuple(k, std::string(sym), *sym != 0, expSym, expS));
        EXPECT_EQ(g.Texto(), canonico);
        EXPECT_EQ(TGanho(g.Texto()).Texto(), g.Texto()); // the canonical text is stable and valid
        EXPECT_TRUE(ParseGanhoEstrito(g.Texto()).Valido);
        EXPECT_EQ(ParseGanhoEstrito(texto).Valido, estrito);
    }
}

TEST(PropGain, ZeroIsRefusedWhereNotAllowedAndInvertsToZero) {
    TPropGanho g;
    g.Text = "0.R.S";
    EXPECT_FALSE(g.Validar(false));
    ASSERT_TRUE(g.Validar(true));
    g.Inverter();
    EXPECT_EQ(g.K, 0.0);
}

// Hostile texts: nothing may crash or read out of bounds (the sanitizers watch this test).
TEST(GainParse, RandomBytesNeverBreakEitherParse) {
    std::mt19937 rng(12345);
    const std::string alphabet = "S^.,-+eE0123456789RLC_x\xE3\x01 ";
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int len = static_cast<int>(rng() % 24); len > 0; --len)
            text += alphabet[rng() % alphabet.size()];
        const std::string canonical = TGanho(text).Texto();
        EXPECT_EQ(TGanho(canonical).Texto(), canonical) << text;
        // A text the strict check accepts means what the lenient reading makes of it.
        const TValorGanho s = ParseGanhoEstrito(text);
        EXPECT_TRUE(!s.Valido || EscreverGanho(s.K, s.Sym, s.ExpSym, s.ExpS) == canonical) << text;
    }
}

// The canonical text is a fixed point: read back by either parse it gives the same text, for any
// coefficient (whole or not, of any magnitude), symbol and power of S.
TEST(GainText, TheCanonicalTextOfAnyGainReadsBackToItself) {
    // Three factors whose product has 16 integer digits and a fraction, and the reciprocal of
    // 1E-15, just below 10^15: both written whole at once, as their 15 significant digits name them.
    const TGanho relatado("E.214748331,00006.2481,00006.2480");
    EXPECT_EQ(relatado.Texto(), "1321320742798200.E");
    TPropGanho inverso;
    inverso.Text = "1E-15.C1";
    ASSERT_TRUE(inverso.Validar(false));
    inverso.Inverter();
    EXPECT_EQ(inverso.Texto(), "1000000000000000.C1^-1");
    // A coefficient that rounds to 1 at 15 digits is left out like 1 itself.
    EXPECT_EQ(EscreverGanho(0.99999999999999989, "R", 1, 0), "R");
    EXPECT_EQ(TGanho(relatado.Texto()).Texto(), relatado.Texto());

    std::mt19937_64 rng(20240611);
    const char* simbolos[] = {"", "R", "C1", "_x-", "S1", "Kb"};
    const auto aleatorio = [&] {
        // Random bits (every magnitude, subnormals included) or a short decimal of random size.
        if (rng() % 2 == 0) {
            const std::uint64_t u = rng();
            double k = 0;
            std::memcpy(&k, &u, sizeof k);
            return std::isfinite(k) ? k : 1.0;
        }
        return static_cast<double>(static_cast<std::int64_t>(rng() % 2000001) - 1000000) *
               std::pow(10.0, static_cast<int>(rng() % 41) - 20);
    };
    for (int n = 0; n < 30000; ++n) {
        const double k = aleatorio();
        const char* sym = simbolos[rng() % 6];
        const std::int32_t expSym = rng() % 2 == 0 ? 1 : -1;
        const auto expS = static_cast<std::int32_t>(rng() % (2 * kMaxExpSGanho + 1)) - kMaxExpSGanho;
        const std::string texto = EscreverGanho(k, sym, expSym, expS);
        ASSERT_EQ(TGanho(texto).Texto(), texto) << k;
        TPropGanho p;
        p.Text = texto;
        ASSERT_TRUE(p.Validar(true)) << texto;
        ASSERT_EQ(p.Texto(), texto) << k;
        // A product of pieces, as in a typed gain: its text is stable from the first writing on.
        const std::string pecas = RealToStr(aleatorio()) + "." + sym + "." + RealToStr(aleatorio());
        const std::string canonico = TGanho(pecas).Texto();
        ASSERT_EQ(TGanho(canonico).Texto(), canonico) << pecas;
    }
}

TEST(SymbolValues, ReadLinesTakesTheNameBeforeTheFirstEqualsAndOneForAnythingElse) {
    TListSimboloVal v;
    v.ReadLines({"R=2,5", "L", "C=abc", "R=7", "=3", "", "K=1=2"});
    std::vector<std::string> lidos;
    for (const TSimboloVal& s : v)
        lidos.push_back(s.Nome + " " + RealToStr(s.Valor));
    // A name without "=" counts with value 1; the first value of a repeated name stays; a line
    // without a name adds nothing; a second "=" belongs to the value, which is then no number.
    EXPECT_EQ(lidos, (std::vector<std::string>{"R 2,5", "L 1", "C 1", "K 1"}));
}
