// Polynomials in S and the transfer function: canonical term texts, saturated powers and powers that
// no evaluation takes, damaged and hostile term lines, Mason's assembly and its progress, and the texts
// of the canonical form and of the sensitivity (their values are checked on random diagrams in graph).

#include "graph/UnitGrfMasonFT.h"
#include "symbolic/UnitFTFuncao.h"

#include "symbolic/UnitFTProgresso.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace brelix;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TListFator Poli(const std::vector<std::string>& lines) {
    TListFator p;
    p.ReadLines(lines);
    return p;
}

std::vector<std::string> Linhas(TListFator p) {
    std::vector<std::string> lines;
    p.WriteLines(lines);
    return lines;
}

std::string Texto(TFuncao& f) {
    return f.Num.TextoSimbolico() + "/ " + f.Den.TextoSimbolico();
}

struct TProgressoGravado : TProgresso {
    std::string log;
    void IniciarProgresso(const std::vector<std::string>& lines) override {
        for (const std::string& line : lines)
            log += "[" + line + "]";
    }
    void IniciarOrdem(int o, int n) override { log += " " + std::to_string(o) + ":" + std::to_string(n); }
    void PassoProgresso(int set) override { log += "." + std::to_string(set); }
};

} // namespace

TEST(Term, TextsLinesAndSaturatedPowers) {
    TListSimboloExp p = Poli({"1;0;R^-1.L.C^0;"})[0].Simbolos;
    EXPECT_EQ(TFator(1, &p, -2.0).Texto(), "- 2.L.R^-1.S"); // a zero exponent is left out
    EXPECT_EQ(TFator(5, &p, 0.0).Texto(), "+ 0");
    // Coefficients far beyond the 64-bit integers are written as real numbers, never converted.
    EXPECT_EQ(TFator(0, &p, 1e300).Texto(), "+ 1E300.L.R^-1");
    EXPECT_EQ(TFator(1, &p, -1e19).Linha(), "-1E19;1;L.R^-1;");
    TFator high(kMax - 1, nullptr, 1.0);
    high.AddExpS(5);
    EXPECT_EQ(high.ExpS, kMax);
    const TFator low(kMin, nullptr, 1.0);
    EXPECT_EQ(low.Mul(1, low).ExpS, kMin);
}

TEST(Polynomial, AvaliarRefusesNegativeAndAbsurdPowers) {
    TListFator p = Poli({"1;2;;", "1;-1;;"});
    EXPECT_FALSE(p.Avaliar(TListSimboloVal()));
    EXPECT_TRUE(p.Coefs().empty());
    EXPECT_EQ(p.Coef(-1), 0.0);
    EXPECT_EQ(p.TextoNumerico(), "0");
    p.ShiftS(1);
    ASSERT_TRUE(p.Avaliar(TListSimboloVal()));
    EXPECT_EQ(p.TextoNumerico(), "S^3 + 1");
    EXPECT_FALSE(Poli({"1;2000000000;;", "1;0;;"}).Avaliar(TListSimboloVal()));
    EXPECT_FALSE(Poli({"1;-2147483648;;"}).Avaliar(TListSimboloVal()));
}

TEST(Polynomial, DamagedAndHostileTermLinesNeverBreakAnything) {
    // A line with fewer ";" leaves the missing fields empty, and an unreadable field takes its default:
    // "5", "7;2" and ";;;" are the terms S, 7.S and S, one like term 9.S.
    const std::vector<std::string> lines =
        Linhas(Poli({"abc;x;R^y.^2..L^-2;", "5", "7;2", ";;;", "2,5;-1;A;junk;more"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"1;1;^2.L^-2.R;", "9;1;;", "2,5;-1;A;"}));
    EXPECT_EQ(Linhas(Poli(lines)), lines);

    // Random bytes of the characters that mean something in a term line; extreme numbers.
    std::mt19937 rng(12345);
    const std::string alphabet = "0123456789;.^-,ESeRrL \x01\xe9";
    std::vector<std::string> hostile = {"1;99999999999999999999;R^99999999999999;",
                                        "1E400;2147483647;R^2147483647.R^2147483647;",
                                        "-1E-400;-2147483648;R^-2147483648.R^-2147483648;"};
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (auto n = rng() % 41; n > 0; --n)
            line += alphabet[rng() % alphabet.size()];
        hostile.push_back(line);
    }
    for (const std::string& line : hostile) // whatever a line holds, it adds a term
        ASSERT_EQ(Poli({line}).Count(), 1) << line;
    TListFator p = Poli(hostile);
    p.Avaliar(TListSimboloVal()); // may refuse; must not fail
    EXPECT_GE(p.MaxFatoresPorPotencia(), 1);
    p.Ordenar();
    p.Derivar("R");
    p.MulSimbolo("L", kMin);
    p.ShiftS(kMax);
    p.DeleteFatoresNulos();
    EXPECT_EQ(Poli(Linhas(p)).Count(), p.Count());
}

TEST(TransferFunction, FromMasonSignsByOrderAndProgress) {
    TFuncao f;
    TProgressoGravado progress;
    FromMason(f, {}, &progress); // no loop set at all: 0 / 1
    EXPECT_EQ(Texto(f), "0 / 1 ");
    // Loops G1 = -1/(R.C.S) and G2 = -2.S (not touching each other), and the closing loop through
    // the path P = K.S^-1 touching only the first: T = P.(1 - G2) / (1 - G1 - G2 + G1.G2).
    const auto set = [](double k, std::int32_t expS, const std::string& symbols) {
        return TLacoOS{
            .K = k, .ExpS = expS, .Simbolos = Poli({"1;0;" + symbols + ";"})[0].Simbolos, .Lacos = {}};
    };
    const TListListLacoOS sets = {{set(-1, -1, "R^-1.C^-1"), set(-2, 1, ""), set(-1, -1, "DFS.K")},
                                  {set(2, 0, "R^-1.C^-1"), set(2, 0, "DFS.K")}};
    FromMason(f, sets, &progress);
    EXPECT_EQ(progress.log, "[01 - 3][02 - 2] 1:3.1.2.3 2:2.1.2");
    // Multiplied by R.C and by S, then ordered; within a power, "" before "C.R".
    EXPECT_EQ(Texto(f), "2.C.K.R.S + C.K.R / 2.C.R.S^2 + 2.S + C.R.S + 1 ");
}

TEST(TransferFunction, SimplificarAndSensitivityTexts) {
    TFuncao f{Poli({"1;-1;L^-1;"}), Poli({"1;0;;"})};
    f.Simplificar();
    EXPECT_EQ(Texto(f), "1 / L.S ");
    // A symbol whose smallest exponent is 0 or more is left alone; null terms go.
    TFuncao g{Poli({"1;2;R^2;", "0;0;;"}), Poli({"-1;1;C.R^-1;", "2;1;;"})};
    g.Simplificar();
    EXPECT_EQ(Texto(g), "R^3.S^2 / - C.S + 2.R.S ");
    // The sensitivity keeps the common factor R, and is 0 for a symbol that does not occur.
    const TFuncao h{Poli({"1;0;R;"}), Poli({"1;1;R;", "1;0;;"})};
    TFuncao s = h.Sensibilidade("R"), none = h.Sensibilidade("Q");
    EXPECT_EQ(Texto(s), "R / R^2.S + R ");
    EXPECT_EQ(Texto(none), "0 / R^2.S + R ");
}
