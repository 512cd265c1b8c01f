#include "system/UnitSisResultado.h"

#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

using namespace brelix;

TEST(SystemResultView, VertexRowsAreSortedByNumberAndBranchesKeepTheirOrder) {
    TGrafo g(false);
    g.AddVertice(3, "RefMct");
    g.AddVertice(1, "Vertice1");
    g.AddVertice(4, "Massa1");
    g.AddVertice(2, "_Vertice1");
    g.AddRamo(0, 5, "FonteForca1", "F1", 3, 4);
    g.AddRamo(1, 2, "Massa1", "M1^-1.S^-1", 4, 3);
    const TResultadoSis r = FillResultadoSis(g, {"Vertice3"}, {"_Vertice1", "_Vertice2"});
    using V = std::array<std::string, 2>;
    EXPECT_EQ(r.Vertices,
              (std::vector<V>{{"1", "Vertice1"}, {"2", "_Vertice1"}, {"3", "RefMct"}, {"4", "Massa1"}}));
    using B = std::array<std::string, 5>;
    EXPECT_EQ(r.Ramos, (std::vector<B>{{"0", "FonteForca1", "3", "4", "F1"},
                                       {"1", "Massa1", "4", "3", "M1^-1.S^-1"}}));
    EXPECT_EQ(r.Adicionados, (std::vector<std::string>{"_Vertice1", "_Vertice2"}));
    EXPECT_EQ(r.Removidos, (std::vector<std::string>{"Vertice3"}));
}

TEST(SystemResultView, EmptyGridsKeepOneEmptyRow) {
    TGrafo g(false);
    g.AddVertice(1, "Vertice1");
    const TResultadoSis r = FillResultadoSis(g, {}, {});
    EXPECT_EQ(r.Vertices.size(), 1u);
    ASSERT_EQ(r.Ramos.size(), 1u);
    EXPECT_EQ(r.Ramos[0], (std::array<std::string, 5>{}));
    EXPECT_EQ(r.Adicionados, std::vector<std::string>{""});
    EXPECT_EQ(r.Removidos, std::vector<std::string>{""});
    const TResultadoSis none = FillResultadoSis(TGrafo(false), {}, {});
    EXPECT_EQ(none.Vertices, (std::vector<std::array<std::string, 2>>{{"", ""}}));
}

// The exchange sort puts any order of numbers, repeated ones included, in ascending order.
TEST(SystemResultView, ExchangeOrderingOfManyVertices) {
    TGrafo g(false);
    const int numbers[] = {9, 2, 7, 2, 11, 1, 5, 30, 4, 4, 8};
    for (int n : numbers)
        g.AddVertice(n, "V" + std::to_string(n));
    const TResultadoSis r = FillResultadoSis(g, {}, {});
    ASSERT_EQ(r.Vertices.size(), std::size(numbers));
    for (std::size_t i = 1; i < r.Vertices.size(); ++i)
        EXPECT_LE(std::stoi(r.Vertices[i - 1][0]), std::stoi(r.Vertices[i][0]));
    for (const auto& row : r.Vertices)
        EXPECT_EQ(row[1], "V" + row[0]);
}
