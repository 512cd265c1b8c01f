#include "symbolic/UnitFTListFator.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>

using namespace brelix;

namespace {

TListSimboloExp Prod(std::initializer_list<std::pair<const char*, int>> items) {
    TListSimboloExp p;
    for (const auto& [name, exp] : items)
        p.AddSimbolo(name, exp);
    return p;
}

TListSimboloVal Valores(std::initializer_list<std::pair<const char*, double>> items) {
    TListSimboloVal v;
    for (const auto& [name, value] : items)
        v.AddSimbolo(name, value);
    return v;
}

// The terms as "text|K" in list order: the order, the texts and the coefficients at once.
std::vector<std::string> Termos(TListFator& p) {
    std::vector<std::string> out;
    for (int i = 0; i < p.Count(); ++i)
        out.push_back(p[i].Texto());
    return out;
}

} // namespace

TEST(Term, TextsWithAndWithoutPowerOfS) {
    TFator a(1, nullptr, -2.0);
    a.AddSimbolo("R", 1);
    a.AddSimbolo("L", 1);
    EXPECT_EQ(a.Texto(), "- 2.L.R.S");
    EXPECT_EQ(a.TextoSemS(), "- 2.L.R");
    EXPECT_EQ(TFator(2, nullptr, 1.0).Texto(), "+ S^2");
    EXPECT_EQ(TFator(2, nullptr, 1.0).TextoSemS(), "+ 1");
    EXPECT_EQ(TFator(0, nullptr, 0.5).Texto(), "+ 0,5");
    EXPECT_EQ(TFator(-3, nullptr, -1.0).Texto(), "- S^-3");
    TListSimboloExp r = Prod({{"R", 1}});
    EXPECT_EQ(TFator(5, &r, 0.0).Texto(), "+ 0");
    EXPECT_EQ(TFator(0, &r, -1.0).Texto(), "- R");
    // Coefficients far beyond the 64-bit integers are written as real numbers, never converted.
    EXPECT_EQ(TFator(0, &r, 1e300).Texto(), "+ 1E300.R");
    EXPECT_EQ(TFator(0, &r, -1e19).Linha(), "-1E19;0;R;");
}

TEST(Term, LineMulAndDerivative) {
    TListSimboloExp lr = Prod({{"R", -1}, {"L", 1}});
    TFator t(1, &lr, 2.0);
    EXPECT_EQ(t.Linha(), "2;1;L.R^-1;");
    EXPECT_EQ(t.Simbolos[0].Nome(), "L"); // taking the text sorted the product

    TListSimboloExp rc = Prod({{"R", 2}, {"C", 1}});
    const TFator other(-1, &rc, 3.0);
    TFator product = t.Mul(-1, other);
    EXPECT_EQ(product.Texto(), "- 6.C.L.R");
    EXPECT_EQ(t.Texto(), "+ 2.L.R^-1.S"); // Mul leaves both factors as they were

    TListSimboloExp lr2 = Prod({{"L", 1}, {"R", 2}});
    TFator d(1, &lr2, 3.0);
    d.Derivar(IdSimbolo("R"));
    EXPECT_EQ(d.Texto(), "+ 6.L.R.S");
    TFator dl(1, &lr2, 3.0);
    dl.Derivar(IdSimbolo("L"));
    EXPECT_EQ(dl.Texto(), "+ 3.R^2.S");
    TListSimboloExp inv = Prod({{"C", -1}});
    TFator dc(0, &inv, 2.0);
    dc.Derivar(IdSimbolo("C"));
    EXPECT_EQ(dc.Texto(), "- 2.C^-2");
    TFator absent(0, &inv, 2.0);
    absent.Derivar(IdSimbolo("Q"));
    EXPECT_EQ(absent.K, 0.0);
}

TEST(Term, PowersSaturateInsteadOfOverflowing) {
    TFator t(std::numeric_limits<std::int32_t>::max() - 1, nullptr, 1.0);
    t.AddExpS(5);
    EXPECT_EQ(t.ExpS, std::numeric_limits<std::int32_t>::max());
    const TFator low(std::numeric_limits<std::int32_t>::min(), nullptr, 1.0);
    EXPECT_EQ(low.Mul(1, low).ExpS, std::numeric_limits<std::int32_t>::min());
}

TEST(Polynomial, AddFatorCollectsLikeTerms) {
    TListFator p;
    p.AddFator(2, Prod({{"R", 1}}), 1.0);
    p.AddFator(-2, Prod({{"R", 1}}), 1.0);
    p.AddFator(2, Prod({{"R", 1}}), -1.0); // the same power: collects to 0 and stays
    ASSERT_EQ(p.Count(), 2);
    EXPECT_EQ(p[0].K, 0.0);

    TListFator q;
    TListSimboloExp rl = Prod({{"R", 1}, {"L", 1}});
    q.AddFator(1, rl, 1.0);
    EXPECT_EQ(rl[0].Nome(), "L"); // taking the given product's text sorted it
    q.AddFator(1, Prod({{"L", 1}, {"R", 1}}), 1.0);
    ASSERT_EQ(q.Count(), 1);
    EXPECT_EQ(q[0].K, 2.0);

    // Equal texts make like terms: an exponent-0 symbol is not written; R and r are different.
    q.AddFator(0, Prod({{"R", 0}}), 1.0);
    q.AddFator(0, 2.0);
    q.AddFator(0, Prod({{"r", 1}}), 1.0);
    q.AddFator(0, Prod({{"R", 1}}), 1.0);
    EXPECT_EQ(Termos(q), (std::vector<std::string>{"+ 2.L.R.S", "+ 3", "+ r", "+ R"}));
}

TEST(Polynomial, DeleteFatoresNulosKeepsALoneNullTerm) {
    TListFator p;
    p.AddFator(2, Prod({{"R", 1}}), 1.0);
    p.AddFator(2, Prod({{"R", 1}}), -1.0);
    p.DeleteFatoresNulos();
    EXPECT_EQ(p.Count(), 1);

    TListFator q;
    q.AddFator(0, 0.0);
    q.AddFator(1, Prod({{"A", 1}}), 0.0);
    q.AddFator(2, Prod({{"B", 1}}), 0.0);
    q.DeleteFatoresNulos();
    ASSERT_EQ(q.Count(), 1);
    EXPECT_EQ(q[0].ExpS, 2); // the last one looked at

    TListFator r;
    r.AddFator(0, 0.0);
    r.AddFator(1, 3.0);
    r.AddFator(2, -0.0);
    r.DeleteFatoresNulos();
    EXPECT_EQ(Termos(r), std::vector<std::string>{"+ 3.S"});

    TListFator empty;
    empty.DeleteFatoresNulos();
    EXPECT_EQ(empty.Count(), 0);
}

TEST(Polynomial, OrdenarDescendingPowersThenUpperCasedText) {
    TListFator p;
    p.AddFator(1, Prod({{"R", 1}}), 1.0);
    p.AddFator(0, 1.0);
    p.AddFator(1, Prod({{"L", 1}}), 1.0);
    p.Ordenar();
    EXPECT_EQ(Termos(p), (std::vector<std::string>{"+ L.S", "+ R.S", "+ 1"}));

    TListFator q;
    q.AddFator(-1, Prod({{"b", 1}}), 1.0);
    q.AddFator(3, 1.0);
    q.AddFator(-1, Prod({{"A", 1}}), 1.0);
    q.AddFator(-1, Prod({{"a", 1}, {"C", 1}}), 1.0);
    q.Ordenar();
    EXPECT_EQ(Termos(q), (std::vector<std::string>{"+ S^3", "+ A.S^-1", "+ a.C.S^-1", "+ b.S^-1"}));
}

TEST(Polynomial, AvaliarMakesMonicAndKeepsTheLead) {
    TListFator p;
    p.AddFator(1, Prod({{"R", 1}}), 1.0);
    p.AddFator(0, 2.0);
    EXPECT_EQ(p.TextoNumerico(), "0"); // nothing evaluated yet
    EXPECT_EQ(p.Coef(0), 0.0);
    ASSERT_TRUE(p.Avaliar(Valores({{"R", 4.0}})));
    EXPECT_DOUBLE_EQ(p.Coef(0), 0.5);
    EXPECT_DOUBLE_EQ(p.Coef(1), 1.0);
    EXPECT_DOUBLE_EQ(p.Lead(), 4.0);
    EXPECT_EQ(p.Coef(2), 0.0);
    EXPECT_EQ(p.Coef(-1), 0.0);

    // The lead is the coefficient of the highest power written, even when it evaluates to 0.
    ASSERT_TRUE(p.Avaliar(Valores({{"R", 0.0}})));
    EXPECT_EQ(p.Lead(), 0.0);
    EXPECT_DOUBLE_EQ(p.Coef(0), 2.0);
    EXPECT_EQ(p.Coef(1), 0.0);
    EXPECT_EQ(p.TextoNumerico(), "2");

    // A symbol without a value counts as 0; the first of two equal names in the values wins.
    TListSimboloVal values;
    values.AddSimbolo("R", 2.0);
    values.AddSimbolo("X", 5.0);
    values[1].Nome = "R";
    ASSERT_TRUE(p.Avaliar(values));
    EXPECT_DOUBLE_EQ(p.Lead(), 2.0);
    TListFator q;
    q.AddFator(0, Prod({{"Z", 1}}), 3.0);
    ASSERT_TRUE(q.Avaliar(values));
    EXPECT_EQ(q.Lead(), 0.0);
}

TEST(Polynomial, AvaliarRefusesNegativeAndAbsurdPowers) {
    TListFator neg;
    neg.AddFator(2, 1.0);
    neg.AddFator(-1, 1.0);
    EXPECT_FALSE(neg.Avaliar(TListSimboloVal()));
    EXPECT_TRUE(neg.Coefs().empty());
    EXPECT_EQ(neg.Lead(), 0.0);
    EXPECT_EQ(neg.TextoNumerico(), "0");
    neg.ShiftS(1);
    ASSERT_TRUE(neg.Avaliar(TListSimboloVal()));
    EXPECT_EQ(neg.TextoNumerico(), "S^3 + 1");

    TListFator huge;
    huge.ReadLines({"1;2000000000;;", "1;0;;"});
    EXPECT_FALSE(huge.Avaliar(TListSimboloVal()));
    EXPECT_TRUE(huge.Coefs().empty());
    EXPECT_EQ(huge.MaxFatoresPorPotencia(), 1);

    TListFator lowest;
    lowest.ReadLines({"1;-2147483648;;"});
    EXPECT_FALSE(lowest.Avaliar(TListSimboloVal()));
    lowest.ShiftS(-5);
    EXPECT_EQ(lowest.MinExpS(), std::numeric_limits<std::int32_t>::min());
}

TEST(Polynomial, NumericAndSymbolicTexts) {
    TListFator p;
    p.AddFator(2, 1.0);
    p.AddFator(0, 2.0);
    ASSERT_TRUE(p.Avaliar(TListSimboloVal()));
    EXPECT_EQ(p.TextoNumerico(), "S^2 + 2");

    TListFator q;
    q.AddFator(1, -1.0);
    q.AddFator(0, 0.5);
    ASSERT_TRUE(q.Avaliar(TListSimboloVal()));
    EXPECT_EQ(q.TextoNumerico(), "S - 0,5"); // monic: divided by the lead -1

    TListFator r;
    r.AddFator(3, Prod({{"A", 1}}), 2.0);
    r.AddFator(1, Prod({{"B", 1}}), 1.0);
    r.AddFator(0, Prod({{"B", 1}}), -2.0);
    ASSERT_TRUE(r.Avaliar(Valores({{"A", 1.0}, {"B", 2.0}})));
    EXPECT_EQ(r.TextoNumerico(), "S^3 + S - 2");

    TListFator s;
    s.AddFator(1, Prod({{"L", 1}, {"R", 1}}), 1.0);
    s.AddFator(0, 1.0);
    EXPECT_EQ(s.TextoSimbolico(), "L.R.S + 1 ");
    TListFator t;
    t.AddFator(0, Prod({{"R", 1}}), -3.0);
    t.AddFator(1, 1.0);
    EXPECT_EQ(t.TextoSimbolico(), "- 3.R + S ");
    EXPECT_EQ(TListFator().TextoSimbolico(), "");
}

TEST(Polynomial, DerivativeDeletesTermsWithoutTheSymbol) {
    TListFator p;
    p.AddFator(1, Prod({{"R", 1}}), 1.0);
    p.AddFator(0, Prod({{"L", 1}}), 1.0);
    p.Derivar("R");
    EXPECT_EQ(Termos(p), std::vector<std::string>{"+ S"});

    TListFator q;
    q.AddFator(1, Prod({{"L", 1}, {"R", 2}}), 3.0);
    q.AddFator(0, Prod({{"R", -1}}), 1.0);
    q.AddFator(2, 5.0);
    q.Derivar("R");
    EXPECT_EQ(Termos(q), (std::vector<std::string>{"+ 6.L.R.S", "- R^-2"}));
    q.Derivar("X");
    EXPECT_EQ(q.Count(), 0);
}

TEST(Polynomial, MaxExpSMinExpSAndTermsPerPower) {
    TListFator p;
    EXPECT_EQ(p.MaxExpS(), 0);
    EXPECT_EQ(p.MinExpS(), 0);
    EXPECT_EQ(p.MaxFatoresPorPotencia(), 0);
    p.AddFator(-2, Prod({{"A", 1}}), 1.0);
    p.AddFator(-2, Prod({{"B", 1}}), 1.0);
    p.AddFator(-2, Prod({{"C", 1}}), 1.0);
    p.AddFator(-1, 1.0);
    EXPECT_EQ(p.MaxExpS(), 0);
    EXPECT_EQ(p.MinExpS(), -2);
    EXPECT_EQ(p.MaxFatoresPorPotencia(), 3);
    p.ShiftS(4);
    p.AddFator(2, Prod({{"D", 1}}), 1.0); // joins the power of A, B and C
    EXPECT_EQ(p.MaxExpS(), 3);
    EXPECT_EQ(p.MinExpS(), 0);
    EXPECT_EQ(p.MaxFatoresPorPotencia(), 4);
}

TEST(Polynomial, TermLinesRoundTrip) {
    TListFator p;
    p.ReadLines({"2;1;L.R^-1;", "1;0;;"});
    EXPECT_EQ(Termos(p), (std::vector<std::string>{"+ 2.L.R^-1.S", "+ 1"}));
    EXPECT_EQ(p[1].Simbolos.Count(), 0);

    TListFator q;
    q.AddFator(3, Prod({{"R", 2}, {"Cx", -1}}), -0.125);
    q.AddFator(0, 1e-7);
    std::vector<std::string> lines;
    q.WriteLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"-0,125;3;Cx^-1.R^2;", "1E-7;0;;"}));
    TListFator back;
    back.ReadLines(lines);
    EXPECT_EQ(Termos(back), Termos(q));

    // Unreadable fields take their defaults; a line with fewer ";" leaves the missing fields empty.
    TListFator d;
    d.ReadLines({"abc;x;R^y.^2..L^-2;", "5", "7;2", ";;;", "2,5;-1;A;junk;more"});
    // "5", "7;2" and ";;;" are the terms S, 7.S and S: one like term 9.S.
    EXPECT_EQ(Termos(d), (std::vector<std::string>{"+ ^2.L^-2.R.S", "+ 9.S", "+ 2,5.A.S^-1"}));
}

TEST(Polynomial, ValorEmAtAComplexS) {
    TListFator p;
    p.AddFator(2, Prod({{"L", 1}}), 1.0);
    p.AddFator(-1, Prod({{"C", -1}}), 1.0);
    p.AddFator(0, Prod({{"R", 1}}), -3.0);
    const TListSimboloVal v = Valores({{"L", 2.0}, {"C", 0.5}, {"R", 1.5}});
    const std::complex<double> s(0.3, -1.2);
    const std::complex<double> expected = 2.0 * s * s + 2.0 / s - 4.5;
    const std::complex<double> got = p.ValorEm(v, s);
    EXPECT_NEAR(std::abs(got - expected), 0.0, 1e-12);
    EXPECT_EQ(TListFator().ValorEm(v, s), std::complex<double>(0.0));
}

TEST(Polynomial, HostileTermLinesNeverBreakAnything) {
    // Random bytes from the characters that mean something in a term line.
    std::mt19937 rng(12345);
    const std::string alphabet = "0123456789;.^-,ESeRrL \x01\xe9";
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (int n = length(rng); n > 0; --n)
            line += alphabet[pick(rng)];
        lines.push_back(line);
    }
    lines.push_back("1;99999999999999999999;R^99999999999999;");
    lines.push_back("1E400;2147483647;R^2147483647.R^2147483647;");
    lines.push_back("-1E-400;-2147483648;R^-2147483648.R^-2147483648;");
    TListFator p;
    p.ReadLines(lines);
    EXPECT_EQ(p.Count() > 0, true);
    TListFator copy = p;
    const TListSimboloVal values = Valores({{"R", 2.0}, {"L", 3.0}});
    copy.Avaliar(values); // may refuse; must not fail
    EXPECT_GE(copy.MaxFatoresPorPotencia(), 1);
    copy.Ordenar();
    copy.Derivar("R");
    copy.MulSimbolo("L", std::numeric_limits<std::int32_t>::min());
    copy.ShiftS(std::numeric_limits<std::int32_t>::max());
    copy.DeleteFatoresNulos();
    std::vector<std::string> out;
    copy.WriteLines(out);
    TListFator again;
    again.ReadLines(out);
    EXPECT_EQ(again.Count(), copy.Count());
    EXPECT_FALSE(p.TextoSimbolico().empty());
}
