// Symbol products and symbol values: the product's text, the operations the simplification uses,
// and the value lines of a file. (The order of names in a product is checked against the literal
// exchange procedure in TestChaveTexto.cpp.)

#include "symbolic/UnitSymListSimboloExp.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

using namespace brelix;

TEST(SymbolProduct, TextSkipsZeroExponentsAndLeavesTheListSorted) {
    TListSimboloExp p;
    p.AddSimbolo("R", 2);
    p.AddSimbolo("L", -1);
    p.AddSimbolo("Cx", 1);
    EXPECT_EQ(p.Texto(), "Cx.L^-1.R^2");
    EXPECT_EQ(p[0].Nome(), "Cx");
    p.AddSimbolo("R", -2);
    EXPECT_EQ(p.Texto(), "Cx.L^-1");
    EXPECT_EQ(p.Count(), 3);
    p.DeleteZeros();
    EXPECT_EQ(p.Count(), 2);
    EXPECT_EQ(TListSimboloExp().Texto(), "");
}

TEST(SymbolProduct, MinMulAndDeleteNaoNegativos) {
    TListSimboloExp p;
    p.AddSimbolo("R", -1);
    p.AddSimbolo("C", 1);
    TListSimboloExp r;
    r.AddSimbolo("R", 1);
    p.MinSimbolos(r);
    EXPECT_EQ(p.Texto(), "C.R^-1");
    TListSimboloExp l;
    l.AddSimbolo("L", 2);
    p.MinSimbolos(l); // a symbol the product lacks joins it with exponent 0
    EXPECT_EQ(p.Count(), 3);
    EXPECT_EQ(p.IndexOfSimbolo("L"), 2);
    p.MulSimbolos(r);
    EXPECT_EQ(p.Texto(), "C.L^2");
    p.DeleteNaoNegativos();
    EXPECT_EQ(p.Count(), 0);
    EXPECT_EQ(p.IndexOfSimbolo("l"), -1);
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
    EXPECT_DOUBLE_EQ(read.GetValor("X"), 1.0);
    std::vector<std::string> lines;
    read.Sort();
    read.WriteLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"C=2,5", "L=0,001", "R=1", "X=1"}));
}
