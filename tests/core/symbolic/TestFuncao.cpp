// The transfer function assembled from Mason's loop sets, simplified, and its sensitivity (checked
// against a numeric derivative). The values the Varnel export takes are checked with the export.

#include "symbolic/UnitFTFuncao.h"

#include "symbolic/UnitFTProgresso.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace brelix;

namespace {

TLacoOS Conjunto(double k, std::int32_t expS, std::initializer_list<std::pair<const char*, int>> symbols) {
    TLacoOS set;
    set.K = k;
    set.ExpS = expS;
    for (const auto& [name, exp] : symbols)
        set.Simbolos.AddSimbolo(name, exp);
    return set;
}

struct TProgressoGravado : TProgresso {
    std::vector<std::string> lines;
    std::vector<std::pair<int, int>> orders;
    std::vector<int> steps;
    void IniciarProgresso(const std::vector<std::string>& l) override { lines = l; }
    void IniciarOrdem(int order, int count) override { orders.emplace_back(order, count); }
    void PassoProgresso(int set) override { steps.push_back(set); }
};

std::string Texto(TListFator& p) {
    return p.TextoSimbolico();
}

} // namespace

TEST(TransferFunction, FromMasonWithoutAnyLoopSetIsZeroOverOne) {
    TFuncao f;
    TProgressoGravado progress;
    f.FromMason({}, &progress);
    EXPECT_EQ(Texto(f.Num), "0 ");
    EXPECT_EQ(Texto(f.Den), "1 ");
    EXPECT_TRUE(progress.lines.empty());
    EXPECT_TRUE(progress.steps.empty());
}

TEST(TransferFunction, FromMasonSignsByOrderAndProgress) {
    // Loops G1 = -1/(R.C.S) and G2 = -2.S (not touching each other), and the closing loop through
    // the path P = K.S^-1 touching only the first: T = P.(1 - G2) / (1 - G1 - G2 + G1.G2).
    TListListLacoOS sets(2);
    sets[0].push_back(Conjunto(-1.0, -1, {{"R", -1}, {"C", -1}}));
    sets[0].push_back(Conjunto(-2.0, 1, {}));
    sets[0].push_back(Conjunto(-1.0, -1, {{"DFS", 1}, {"K", 1}}));
    sets[1].push_back(Conjunto(2.0, 0, {{"R", -1}, {"C", -1}}));
    sets[1].push_back(Conjunto(2.0, 0, {{"DFS", 1}, {"K", 1}}));
    TFuncao f;
    TProgressoGravado progress;
    f.FromMason(sets, &progress);
    EXPECT_EQ(progress.lines, (std::vector<std::string>{"01 - 3", "02 - 2"}));
    EXPECT_EQ(progress.orders, (std::vector<std::pair<int, int>>{{1, 3}, {2, 2}}));
    EXPECT_EQ(progress.steps, (std::vector<int>{1, 2, 3, 1, 2}));
    // Multiplied by R.C and by S, then ordered.
    EXPECT_EQ(Texto(f.Num), "2.C.K.R.S + C.K.R ");
    EXPECT_EQ(Texto(f.Den), "2.C.R.S^2 + 2.S + C.R.S + 1 "); // within a power: "" before "C.R"
}

TEST(TransferFunction, SimplificarClearsNegativeExponentsAndPowers) {
    TFuncao f;
    f.Num.ReadLines({"1;-1;L^-1;"});
    f.Den.ReadLines({"1;0;;"});
    f.Simplificar();
    EXPECT_EQ(Texto(f.Num), "1 ");
    EXPECT_EQ(Texto(f.Den), "L.S ");

    // A symbol whose smallest exponent is 0 or more is left alone; null terms go.
    TFuncao g;
    g.Num.ReadLines({"1;2;R^2;", "0;0;;"});
    g.Den.ReadLines({"-1;1;C.R^-1;", "2;1;;"});
    g.Simplificar();
    EXPECT_EQ(Texto(g.Num), "R^3.S^2 ");
    EXPECT_EQ(Texto(g.Den), "- C.S + 2.R.S ");
}

TEST(TransferFunction, SensitivityKeepsTheCommonFactorAndIsZeroForAnAbsentSymbol) {
    TFuncao f;
    f.Num.ReadLines({"1;0;R;"});
    f.Den.ReadLines({"1;1;R;", "1;0;;"});
    TFuncao s = f.Sensibilidade("R");
    EXPECT_EQ(Texto(s.Num), "R ");
    EXPECT_EQ(Texto(s.Den), "R^2.S + R "); // the common factor R is not cancelled
    EXPECT_EQ(Texto(f.Den), "R.S + 1 ");   // the function itself is unchanged
    TFuncao none = f.Sensibilidade("Q");
    EXPECT_EQ(Texto(none.Num), "0 ");
    EXPECT_EQ(Texto(none.Den), "R^2.S + R ");
}

namespace {

const std::vector<std::string> kNomes = {"x", "y", "z", "w"};

TListFator PolinomioAleatorio(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    TListFator p;
    for (int n = pick(1, 4); n > 0; --n) {
        TListSimboloExp symbols;
        for (int m = pick(0, 3); m > 0; --m)
            symbols.AddSimbolo(kNomes[static_cast<std::size_t>(pick(0, 3))], pick(-2, 3));
        const double k = std::uniform_real_distribution<double>(0.5, 3.0)(rng) * (pick(0, 1) != 0 ? 1 : -1);
        p.AddFator(static_cast<std::int32_t>(pick(-2, 3)), symbols, k);
    }
    return p;
}

} // namespace

// Random functions, simplified or not: simplifying keeps the value and leaves no negative power or
// exponent, and the symbolic sensitivity equals x/T . dT/dx taken numerically.
TEST(TransferFunction, SimplificarAndSensitivityAgreeWithNumericValues) {
    std::mt19937 rng(2024);
    std::uniform_real_distribution<double> value(0.5, 2.0);
    int compared = 0, simplified = 0;
    for (int round = 0; round < 400; ++round) {
        TFuncao f;
        f.Num = PolinomioAleatorio(rng);
        f.Den = PolinomioAleatorio(rng);
        const std::string& x = kNomes[static_cast<std::size_t>(round % 4)];
        TListSimboloVal v;
        for (const std::string& name : kNomes)
            v.AddSimbolo(name, value(rng));
        const std::complex<double> s =
            round % 3 == 0 ? std::complex<double>(value(rng), 0.0) : std::polar(value(rng), value(rng) * 2.5);
        if (std::abs(f.Num.ValorEm(v, s)) < 1e-3 || std::abs(f.Den.ValorEm(v, s)) < 1e-3)
            continue; // too close to a zero or a pole

        const int ix = v.IndexOfSimbolo(x);
        const double x0 = v[ix].Valor;
        const double h = 1e-5 * x0;
        TListSimboloVal vp = v, vm = v;
        vp[ix].Valor = x0 + h;
        vm[ix].Valor = x0 - h;
        const std::complex<double> t = f.ValorEm(v, s);
        const std::complex<double> numeric = x0 / t * (f.ValorEm(vp, s) - f.ValorEm(vm, s)) / (2.0 * h);

        if (round % 2 == 0) {
            f.Simplificar();
            EXPECT_NEAR(std::abs(f.ValorEm(v, s) - t), 0.0, 1e-9 * std::max(1.0, std::abs(t)))
                << "round " << round;
            for (const TListFator* p : {&f.Num, &f.Den})
                for (const TFator& term : *p) {
                    EXPECT_GE(term.ExpS, 0);
                    for (const TSimboloExp& item : term.Simbolos)
                        EXPECT_GT(item.Exp, 0);
                }
            ++simplified;
        }
        const std::complex<double> symbolic = f.Sensibilidade(x).ValorEm(v, s);
        EXPECT_NEAR(std::abs(symbolic - numeric), 0.0, 1e-6 * std::max(1.0, std::abs(numeric)))
            << "round " << round << " symbol " << x << " T = (" << f.Num.TextoSimbolico() << ") / ("
            << f.Den.TextoSimbolico() << ")";
        ++compared;
    }
    EXPECT_GT(compared, 300);
    EXPECT_GT(simplified, 150);
}
