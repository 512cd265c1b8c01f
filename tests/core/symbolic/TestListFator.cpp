// Terms and polynomials of the transfer function: the texts and storage lines of terms, powers that
// saturate or that no evaluation takes, the numeric evaluation and its texts, and hostile term
// lines. (The list operations are checked against the literal exchange procedures in
// TestOrdemTroca.cpp.)

#include "symbolic/UnitFTListFator.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

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

TListFator Poli(const std::vector<std::string>& linhas) {
    TListFator p;
    p.ReadLines(linhas);
    return p;
}

// The terms' texts in list order.
std::vector<std::string> Termos(TListFator& p) {
    std::vector<std::string> out;
    for (int i = 0; i < p.Count(); ++i)
        out.push_back(p[i].Texto());
    return out;
}

} // namespace

TEST(Term, TextsLinesMulAndDerivative) {
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

    TListSimboloExp lr = Prod({{"R", -1}, {"L", 1}});
    TFator t(1, &lr, 2.0);
    EXPECT_EQ(t.Linha(), "2;1;L.R^-1;");
    TListSimboloExp rc = Prod({{"R", 2}, {"C", 1}});
    EXPECT_EQ(t.Mul(-1, TFator(-1, &rc, 3.0)).Texto(), "- 6.C.L.R");
    EXPECT_EQ(t.Texto(), "+ 2.L.R^-1.S"); // Mul leaves both factors as they were

    const auto derivada = [](std::int32_t e, TListSimboloExp p, double k, const char* x) {
        TFator f(e, &p, k);
        f.Derivar(IdSimbolo(x));
        return f.Texto();
    };
    EXPECT_EQ(derivada(1, Prod({{"L", 1}, {"R", 2}}), 3.0, "R"), "+ 6.L.R.S");
    EXPECT_EQ(derivada(1, Prod({{"L", 1}, {"R", 2}}), 3.0, "L"), "+ 3.R^2.S");
    EXPECT_EQ(derivada(0, Prod({{"C", -1}}), 2.0, "C"), "- 2.C^-2");
    EXPECT_EQ(derivada(0, Prod({{"C", -1}}), 2.0, "Q"), "+ 0"); // a symbol the term lacks
}

TEST(Term, PowersSaturateInsteadOfOverflowing) {
    TFator t(std::numeric_limits<std::int32_t>::max() - 1, nullptr, 1.0);
    t.AddExpS(5);
    EXPECT_EQ(t.ExpS, std::numeric_limits<std::int32_t>::max());
    const TFator low(std::numeric_limits<std::int32_t>::min(), nullptr, 1.0);
    EXPECT_EQ(low.Mul(1, low).ExpS, std::numeric_limits<std::int32_t>::min());
}

TEST(Polynomial, AvaliarMakesMonicAndKeepsTheLead) {
    TListFator p = Poli({"1;1;R;", "2;0;;"});
    EXPECT_EQ(p.TextoNumerico(), "0"); // nothing evaluated yet
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
    EXPECT_EQ(p.TextoNumerico(), "2");

    // A symbol without a value counts as 0; the first of two equal names in the values wins.
    TListSimboloVal values = Valores({{"R", 2.0}, {"X", 5.0}});
    values[1].Nome = "R";
    ASSERT_TRUE(p.Avaliar(values));
    EXPECT_DOUBLE_EQ(p.Lead(), 2.0);
    TListFator q = Poli({"3;0;Z;"});
    ASSERT_TRUE(q.Avaliar(values));
    EXPECT_EQ(q.Lead(), 0.0);
}

TEST(Polynomial, AvaliarRefusesNegativeAndAbsurdPowers) {
    TListFator neg = Poli({"1;2;;", "1;-1;;"});
    EXPECT_FALSE(neg.Avaliar(TListSimboloVal()));
    EXPECT_TRUE(neg.Coefs().empty());
    EXPECT_EQ(neg.Lead(), 0.0);
    EXPECT_EQ(neg.TextoNumerico(), "0");
    neg.ShiftS(1);
    ASSERT_TRUE(neg.Avaliar(TListSimboloVal()));
    EXPECT_EQ(neg.TextoNumerico(), "S^3 + 1");

    TListFator huge = Poli({"1;2000000000;;", "1;0;;"});
    EXPECT_FALSE(huge.Avaliar(TListSimboloVal()));
    EXPECT_TRUE(huge.Coefs().empty());

    TListFator lowest = Poli({"1;-2147483648;;"});
    EXPECT_FALSE(lowest.Avaliar(TListSimboloVal()));
    lowest.ShiftS(-5);
    EXPECT_EQ(lowest.MinExpS(), std::numeric_limits<std::int32_t>::min());
}

TEST(Polynomial, NumericAndSymbolicTexts) {
    const TListSimboloVal v = Valores({{"A", 1.0}, {"B", 2.0}});
    const std::pair<std::vector<std::string>, const char*> numericos[] = {
        {{"1;2;;", "2;0;;"}, "S^2 + 2"},
        {{"-1;1;;", "0,5;0;;"}, "S - 0,5"}, // monic: divided by the lead -1
        {{"2;3;A;", "1;1;B;", "-2;0;B;"}, "S^3 + S - 2"}};
    for (const auto& [linhas, texto] : numericos) {
        TListFator p = Poli(linhas);
        ASSERT_TRUE(p.Avaliar(v));
        EXPECT_EQ(p.TextoNumerico(), texto);
    }
    EXPECT_EQ(Poli({"1;1;L.R;", "1;0;;"}).TextoSimbolico(), "L.R.S + 1 ");
    EXPECT_EQ(Poli({"-3;0;R;", "1;1;;"}).TextoSimbolico(), "- 3.R + S ");
    EXPECT_EQ(TListFator().TextoSimbolico(), "");
}

TEST(Polynomial, TermLinesRoundTripAndUnreadableFieldsTakeTheirDefaults) {
    TListFator q;
    q.AddFator(3, Prod({{"R", 2}, {"Cx", -1}}), -0.125);
    q.AddFator(0, 1e-7);
    std::vector<std::string> lines;
    q.WriteLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"-0,125;3;Cx^-1.R^2;", "1E-7;0;;"}));
    TListFator back = Poli(lines);
    EXPECT_EQ(Termos(back), Termos(q));

    // A line with fewer ";" leaves the missing fields empty: "5", "7;2" and ";;;" are the terms S,
    // 7.S and S, one like term 9.S.
    TListFator d = Poli({"abc;x;R^y.^2..L^-2;", "5", "7;2", ";;;", "2,5;-1;A;junk;more"});
    EXPECT_EQ(Termos(d), (std::vector<std::string>{"+ ^2.L^-2.R.S", "+ 9.S", "+ 2,5.A.S^-1"}));
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
