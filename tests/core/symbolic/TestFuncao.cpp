// Polynomials in S and the transfer function built of them: canonical term texts, powers that
// saturate or that no evaluation takes, damaged and hostile term lines, Mason's assembly with its
// progress, the canonical form (also against the values of random functions) and the sensitivity's
// texts. Its numeric sensitivity is checked against random diagrams in the graph tests.

#include "symbolic/UnitFTFuncao.h"

#include "symbolic/UnitFTProgresso.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <tuple>

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
    void IniciarOrdem(int order, int count) override {
        log += " " + std::to_string(order) + ":" + std::to_string(count);
    }
    void PassoProgresso(int set) override { log += "." + std::to_string(set); }
};

} // namespace

TEST(Term, TextsLinesAndSaturatedPowers) {
    TListSimboloExp p;
    p.AddSimbolo("R", -1);
    p.AddSimbolo("L", 1);
    p.AddSimbolo("C", 0);
    EXPECT_EQ(TFator(1, &p, -2.0).Texto(), "- 2.L.R^-1.S"); // sorted, a zero exponent left out
    EXPECT_EQ(TFator(-3, nullptr, 1.0).Texto(), "+ S^-3");
    EXPECT_EQ(TFator(5, &p, 0.0).Texto(), "+ 0");
    EXPECT_EQ(TFator(2, &p, 0.5).TextoSemS(), "+ 0,5.L.R^-1");
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
    // A value line without a name names nothing, the first value of a name wins, and a symbol
    // without a value counts as 0.
    TListSimboloVal values;
    values.ReadLines({"R=2", "=4", "", "R=3"});
    EXPECT_EQ(values.Count(), 1);
    TListFator q = Poli({"3;1;R;", "6;0;;", "1;0;Q;"});
    ASSERT_TRUE(q.Avaliar(values));
    EXPECT_EQ(q.TextoNumerico(), "S + 1");
}

TEST(Polynomial, DamagedAndHostileTermLinesNeverBreakAnything) {
    // A line with fewer ";" leaves the missing fields empty, and an unreadable field takes its default:
    // "5", "7;2" and ";;;" are the terms S, 7.S and S, one like term 9.S.
    const std::vector<std::string> lines =
        Linhas(Poli({"abc;x;R^y.^2..L^-2;", "5", "7;2", ";;;", "2,5;-1;A;junk;more"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"1;1;^2.L^-2.R;", "9;1;;", "2,5;-1;A;"}));
    EXPECT_EQ(Linhas(Poli(lines)), lines);

    // Random bytes from the characters that mean something in a term line, and extreme numbers.
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
    f.FromMason({}, &progress); // no loop set at all: 0 / 1
    EXPECT_EQ(Texto(f), "0 / 1 ");
    EXPECT_EQ(progress.log, "");
    // Loops G1 = -1/(R.C.S) and G2 = -2.S (not touching each other), and the closing loop through
    // the path P = K.S^-1 touching only the first: T = P.(1 - G2) / (1 - G1 - G2 + G1.G2).
    const std::tuple<int, double, std::int32_t, std::string> rows[] = {{0, -1, -1, "R^-1.C^-1"},
                                                                       {0, -2, 1, ""},
                                                                       {0, -1, -1, "DFS.K"},
                                                                       {1, 2, 0, "R^-1.C^-1"},
                                                                       {1, 2, 0, "DFS.K"}};
    TListListLacoOS sets(2);
    for (const auto& [order, k, expS, symbols] : rows)
        sets[order].push_back(
            {.K = k, .ExpS = expS, .Simbolos = Poli({"1;0;" + symbols + ";"})[0].Simbolos, .Lacos = {}});
    f.FromMason(sets, &progress);
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

// Random functions: simplifying keeps the value and leaves no negative power nor exponent.
TEST(TransferFunction, SimplificarKeepsTheValueOfRandomFunctions) {
    const std::string names[] = {"x", "y", "z", "w"};
    std::mt19937 rng(2024);
    std::uniform_real_distribution<double> value(0.5, 2.0);
    int simplified = 0;
    for (int round = 0; round < 400; ++round) {
        TFuncao f;
        for (TListFator* p : {&f.Num, &f.Den}) {
            for (auto n = 1 + rng() % 4; n > 0; --n) {
                TListSimboloExp symbols;
                for (auto m = rng() % 4; m > 0; --m)
                    symbols.AddSimbolo(names[rng() % 4], static_cast<std::int32_t>(rng() % 6) - 2);
                p->AddFator(static_cast<std::int32_t>(rng() % 6) - 2, symbols,
                            value(rng) * (rng() % 2 ? 1 : -1));
            }
        }
        TListSimboloVal v;
        for (const std::string& name : names)
            v.AddSimbolo(name, value(rng));
        const std::complex<double> s = std::polar(value(rng), value(rng) * 2.5);
        if (std::abs(f.Num.ValorEm(v, s)) < 1e-3 || std::abs(f.Den.ValorEm(v, s)) < 1e-3) continue;
        const std::complex<double> t = f.ValorEm(v, s);
        f.Simplificar();
        EXPECT_NEAR(std::abs(f.ValorEm(v, s) - t), 0.0, 1e-9 * std::max(1.0, std::abs(t))) << round;
        for (const TListFator* p : {&f.Num, &f.Den})
            for (const TFator& term : *p)
                EXPECT_TRUE(term.ExpS >= 0 && std::all_of(term.Simbolos.begin(), term.Simbolos.end(),
                                                          [](const TSimboloExp& x) { return x.Exp > 0; }))
                    << round;
        ++simplified;
    }
    EXPECT_GT(simplified, 300);
}
