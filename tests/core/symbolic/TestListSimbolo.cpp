#include "symbolic/UnitSymListSimboloExp.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

using namespace brelix;

TEST(SymbolProduct, TextIsSortedByUpperCaseNameAndSkipsZeroExponents) {
    TListSimboloExp p;
    p.AddSimbolo("R", 2);
    p.AddSimbolo("L", -1);
    p.AddSimbolo("Cx", 1);
    EXPECT_EQ(p.Texto(), "Cx.L^-1.R^2");
    EXPECT_EQ(p[0].Nome(), "Cx"); // the text leaves the list sorted
    p.AddSimbolo("R", -2);
    EXPECT_EQ(p.Texto(), "Cx.L^-1");
    EXPECT_EQ(p.Count(), 3);
    p.DeleteZeros();
    EXPECT_EQ(p.Count(), 2);
    EXPECT_EQ(TListSimboloExp().Texto(), "");
}

TEST(SymbolProduct, NamesDifferingOnlyInCaseKeepTheExchangeOrder) {
    // b, a, B: the exchange procedure swaps b and a, then compares a with B (no swap), then b with B
    // (equal upper-cased, no swap): a, b, B.
    TListSimboloExp p;
    p.AddSimbolo("b", 1);
    p.AddSimbolo("a", 1);
    p.AddSimbolo("B", 1);
    EXPECT_EQ(p.Texto(), "a.b.B");
    TListSimboloExp q;
    q.AddSimbolo("B", 1);
    q.AddSimbolo("a", 1);
    q.AddSimbolo("b", 1);
    EXPECT_EQ(q.Texto(), "a.B.b");
}

TEST(SymbolProduct, MulAndMin) {
    TListSimboloExp p;
    p.AddSimbolo("R", -1);
    p.AddSimbolo("C", 1);
    TListSimboloExp r;
    r.AddSimbolo("R", 1);
    p.MinSimbolos(r);
    EXPECT_EQ(p.Texto(), "C.R^-1");
    TListSimboloExp l;
    l.AddSimbolo("L", 2);
    p.MinSimbolos(l);
    EXPECT_EQ(p.Count(), 3);
    EXPECT_EQ(p.IndexOfSimbolo("L"), 2);
    p.MulSimbolos(r);
    EXPECT_EQ(p.Texto(), "C.L^2");
    p.DeleteNaoNegativos();
    EXPECT_EQ(p.Count(), 0);
    EXPECT_EQ(p.IndexOfSimbolo("l"), -1);
}

TEST(SymbolProduct, NumericValue) {
    TListSimboloVal v;
    v.AddSimbolo("R", 4.0);
    v.AddSimbolo("C", 0.5);
    TListSimboloExp p;
    EXPECT_DOUBLE_EQ(p.Valor(v), 1.0);
    p.AddSimbolo("R", 2);
    p.AddSimbolo("C", -1);
    EXPECT_DOUBLE_EQ(p.Valor(v), 32.0);
    p.AddSimbolo("X", 1); // a symbol without a value counts as 0
    EXPECT_DOUBLE_EQ(p.Valor(v), 0.0);
}

TEST(SymbolValues, AddKeepsTheFirstValueAndLinesRoundTrip) {
    TListSimboloVal v;
    v.AddSimbolo("R", 2.0);
    v.AddSimbolo("R", 3.0);
    EXPECT_EQ(v.Count(), 1);
    EXPECT_DOUBLE_EQ(v.GetValor("R"), 2.0);
    EXPECT_DOUBLE_EQ(v.GetValor("r"), 0.0);

    TListSimboloVal read;
    read.ReadLines({"R=abc", "C=2,5", "L=1E-3", "=4", "", "X=1=2"});
    ASSERT_EQ(read.Count(), 4);
    EXPECT_DOUBLE_EQ(read.GetValor("R"), 1.0);
    EXPECT_DOUBLE_EQ(read.GetValor("C"), 2.5);
    EXPECT_DOUBLE_EQ(read.GetValor("L"), 0.001);
    EXPECT_DOUBLE_EQ(read.GetValor("X"), 1.0);
    std::vector<std::string> lines;
    read.Sort();
    read.WriteLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"C=2,5", "L=0,001", "R=1", "X=1"}));
}
