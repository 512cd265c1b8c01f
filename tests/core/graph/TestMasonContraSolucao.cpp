// Independent cross-check of the whole signal-flow path: Mason's loop sets assembled into a transfer
// function must equal, at random numeric points, the ratio obtained by solving the diagram's linear
// equations directly; the symbolic sensitivity must equal a numeric derivative of that solution.

#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace brelix;

namespace {

using Complex = std::complex<double>;

// A gain drawn at random, kept as numbers so that the test evaluates it without the gain parser.
struct Gain {
    double k = 1.0;
    std::string kText = "1";
    std::string sym; // empty: none
    int expSym = 1;
    int expS = 0;

    std::string Text() const {
        std::vector<std::string> pieces;
        if (kText != "1" || (sym.empty() && expS == 0)) pieces.push_back(kText);
        if (!sym.empty()) pieces.push_back(expSym == 1 ? sym : sym + "^" + std::to_string(expSym));
        if (expS != 0) pieces.push_back(expS == 1 ? std::string("S") : "S^" + std::to_string(expS));
        std::string text;
        for (const auto& p : pieces)
            text += (text.empty() ? "" : ".") + p;
        return text;
    }

    Complex Value(const std::map<std::string, double>& values, Complex s) const {
        Complex v = k * std::pow(s, expS);
        if (!sym.empty()) v *= std::pow(values.at(sym), expSym);
        return v;
    }
};

struct Branch {
    int id;
    int from;
    int to;
    Gain gain;
};

struct Diagram {
    std::vector<int> vertices; // identifiers, in insertion order
    std::vector<Branch> branches;
    int input = 0;
    int output = 0;
};

const char* const kSymbols[] = {"a", "b", "R", "L", "Cx"};

Gain RandomGain(std::mt19937& rng) {
    static const std::pair<double, const char*> coefs[] = {{1.0, "1"},   {-1.0, "-1"}, {2.0, "2"},
                                                           {0.5, "0,5"}, {-3.0, "-3"}, {1.5, "1,5"}};
    Gain g;
    const auto& c = coefs[rng() % std::size(coefs)];
    g.k = c.first;
    g.kText = c.second;
    if (rng() % 3 != 0) {
        g.sym = kSymbols[rng() % std::size(kSymbols)];
        g.expSym = rng() % 3 == 0 ? -1 : 1;
    }
    static const int powers[] = {0, 0, 1, -1, 2};
    g.expS = powers[rng() % std::size(powers)];
    return g;
}

// Up to 8 variables with scattered identifiers; self-loops and parallel branches happen; the input
// is a variable that no branch enters, as the candidate lists require.
Diagram RandomDiagram(std::mt19937& rng) {
    Diagram d;
    const int n = 2 + static_cast<int>(rng() % 7);
    std::vector<int> ids(40);
    for (int i = 0; i < 40; ++i)
        ids[static_cast<std::size_t>(i)] = i * 3 - 7;
    std::shuffle(ids.begin(), ids.end(), rng);
    d.vertices.assign(ids.begin(), ids.begin() + n);
    d.input = d.vertices[rng() % static_cast<unsigned>(n)];
    const int m = 1 + static_cast<int>(rng() % static_cast<unsigned>(3 * n));
    for (int b = 0; b < m; ++b) {
        int from = d.vertices[rng() % static_cast<unsigned>(n)];
        int to = d.vertices[rng() % static_cast<unsigned>(n)];
        if (to == d.input) {
            if (n == 1) continue;
            while (to == d.input)
                to = d.vertices[rng() % static_cast<unsigned>(n)];
        }
        d.branches.push_back({b + 1 + static_cast<int>(rng() % 3) * 100, from, to, RandomGain(rng)});
    }
    return d;
}

TGrafo BuildGraph(const Diagram& d) {
    TGrafo g(true);
    for (int id : d.vertices)
        g.AddVertice(id, "x" + std::to_string(id));
    for (const Branch& b : d.branches)
        g.AddTransmitancia(b.id, "T" + std::to_string(b.id), b.gain.Text(), b.from, b.to);
    return g;
}

// Solves x_in = 1, x_v = sum of gain * x_origin over the branches entering v, by Gaussian
// elimination with partial pivoting; returns x_out, or nothing when the system is near singular.
bool SolveDirect(const Diagram& d, const std::map<std::string, double>& values, Complex s, Complex& result) {
    const std::size_t n = d.vertices.size();
    auto index = [&](int id) {
        return static_cast<std::size_t>(std::find(d.vertices.begin(), d.vertices.end(), id) -
                                        d.vertices.begin());
    };
    std::vector<std::vector<Complex>> a(n, std::vector<Complex>(n + 1, 0.0));
    for (std::size_t i = 0; i < n; ++i)
        a[i][i] = 1.0;
    a[index(d.input)][n] = 1.0;
    for (const Branch& b : d.branches)
        a[index(b.to)][index(b.from)] -= b.gain.Value(values, s);
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::abs(a[r][c]) > std::abs(a[pivot][c])) pivot = r;
        if (std::abs(a[pivot][c]) < 1e-6) return false;
        std::swap(a[c], a[pivot]);
        for (std::size_t r = 0; r < n; ++r) {
            if (r == c) continue;
            const Complex f = a[r][c] / a[c][c];
            for (std::size_t k = c; k <= n; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    const std::size_t o = index(d.output);
    result = a[o][n] / a[o][o];
    return true;
}

// The function's value computed here from its terms, independently of the library's evaluators.
Complex PolyValue(const TListFator& p, const std::map<std::string, double>& values, Complex s) {
    Complex sum = 0.0;
    for (const TFator& t : p) {
        Complex term = t.K * std::pow(s, t.ExpS);
        for (const TSimboloExp& x : t.Simbolos)
            term *= std::pow(values.at(x.Nome()), x.Exp);
        sum += term;
    }
    return sum;
}

TListSimboloVal ToValues(const std::map<std::string, double>& values) {
    TListSimboloVal list;
    for (const auto& [name, value] : values)
        list.AddSimbolo(name, value);
    return list;
}

bool Close(Complex a, Complex b, double tolerance) {
    return std::abs(a - b) <= tolerance * std::max(1.0, std::max(std::abs(a), std::abs(b)));
}

struct Point {
    std::map<std::string, double> values;
    Complex s;
};

Point RandomPoint(std::mt19937& rng) {
    std::uniform_real_distribution<double> value(0.5, 2.0);
    std::uniform_real_distribution<double> part(0.2, 1.5);
    Point p;
    for (const char* name : kSymbols)
        p.values[name] = value(rng);
    p.s = Complex(part(rng), part(rng));
    return p;
}

// Builds the diagram, lets the library choose an output among its candidates, and assembles the
// function from the loop sets. False when the diagram offers no output for the input.
bool TransferFunction(Diagram& d, std::mt19937& rng, bool fullMason, TFuncao& ft) {
    TGrafo g = BuildGraph(d);
    std::vector<std::string> inputs, outputs;
    MarkEntradaSaida(g, inputs, outputs);
    EXPECT_NE(std::find(inputs.begin(), inputs.end(), "x" + std::to_string(d.input)), inputs.end());
    if (outputs.empty()) return false;
    const std::string output = outputs[rng() % outputs.size()];
    d.output = std::stoi(output.substr(1));
    EXPECT_NE(AddRamoDFS(g, "x" + std::to_string(d.input), output), nullptr);
    if (fullMason) {
        const TResultadoMason r = Mason(g);
        ft.FromMason(r.LacosOS);
    } else {
        ft.FromMason(MasonOS(g));
    }
    return true;
}

} // namespace

TEST(MasonCrossCheck, TransferFunctionEqualsTheDirectSolveOfTheDiagram) {
    std::mt19937 rng(20261206);
    int compared = 0;
    int zero = 0;
    for (int trial = 0; trial < 400; ++trial) {
        Diagram d = RandomDiagram(rng);
        TFuncao ft;
        if (!TransferFunction(d, rng, trial % 2 == 0, ft)) continue;
        for (int k = 0; k < 3; ++k) {
            const Point p = RandomPoint(rng);
            Complex direct;
            if (!SolveDirect(d, p.values, p.s, direct)) continue;
            const Complex den = PolyValue(ft.Den, p.values, p.s);
            ASSERT_GT(std::abs(den), 1e-12) << "trial " << trial;
            const Complex mason = PolyValue(ft.Num, p.values, p.s) / den;
            ASSERT_TRUE(Close(mason, direct, 1e-8))
                << "trial " << trial << ": Mason " << mason << ", direct " << direct
                << "\nN = " << ft.Num.TextoSimbolico() << "\nD = " << ft.Den.TextoSimbolico();
            // The library's own evaluator agrees with the terms.
            ASSERT_TRUE(Close(ft.ValorEm(ToValues(p.values), p.s), direct, 1e-8)) << "trial " << trial;
            ++compared;
            if (std::abs(direct) == 0.0) ++zero;
        }
    }
    // Enough cases were compared, and some of them had an output the input does not reach.
    EXPECT_GT(compared, 900);
    EXPECT_GT(zero, 10);
}

TEST(MasonCrossCheck, SensitivityEqualsTheNumericDerivativeOfTheDirectSolve) {
    std::mt19937 rng(777);
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        Diagram d = RandomDiagram(rng);
        TFuncao ft;
        if (!TransferFunction(d, rng, false, ft)) continue;
        const std::string x = kSymbols[rng() % std::size(kSymbols)];
        const TFuncao sens = ft.Sensibilidade(x);
        const Point p = RandomPoint(rng);
        Complex t, up, down;
        const double h = 1e-6 * p.values.at(x);
        auto shifted = p.values;
        shifted[x] += h;
        const bool okUp = SolveDirect(d, shifted, p.s, up);
        shifted[x] -= 2 * h;
        const bool okDown = SolveDirect(d, shifted, p.s, down);
        if (!SolveDirect(d, p.values, p.s, t) || !okUp || !okDown || std::abs(t) < 1e-6) continue;
        const Complex numeric = p.values.at(x) / t * (up - down) / (2 * h);
        const Complex symbolic = PolyValue(sens.Num, p.values, p.s) / PolyValue(sens.Den, p.values, p.s);
        ASSERT_TRUE(Close(symbolic, numeric, 1e-5))
            << "trial " << trial << " symbol " << x << ": symbolic " << symbolic << ", numeric " << numeric;
        ++compared;
    }
    EXPECT_GT(compared, 150);
}
