#include "system/UnitSisResultado.h"

#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

using namespace brelix;

TEST(SystemResultView, VerticesSortedByNumberBranchesInOrderAndEmptyGridsWithOneRow) {
    TGrafo g(false);
    const int numbers[] = {9, 2, 7, 2, 11, 1, 5, 30, 4, 4, 8};
    for (int n : numbers)
        g.AddVertice(n, "V" + std::to_string(n));
    g.AddRamo(0, 5, "FonteForca1", "F1", 9, 2);
    g.AddRamo(1, 2, "Massa1", "M1^-1.S^-1", 2, 9);
    const TResultadoSis r = FillResultadoSis(g, {"Vertice3"}, {"_Vertice1", "_Vertice2"});
    ASSERT_EQ(r.Vertices.size(), std::size(numbers));
    for (std::size_t i = 1; i < r.Vertices.size(); ++i)
        EXPECT_LE(std::stoi(r.Vertices[i - 1][0]), std::stoi(r.Vertices[i][0]));
    for (const auto& row : r.Vertices)
        EXPECT_EQ(row[1], "V" + row[0]);
    using B = std::array<std::string, 5>;
    EXPECT_EQ(r.Ramos, (std::vector<B>{{"0", "FonteForca1", "9", "2", "F1"},
                                       {"1", "Massa1", "2", "9", "M1^-1.S^-1"}}));
    EXPECT_EQ(r.Adicionados, (std::vector<std::string>{"_Vertice1", "_Vertice2"}));
    EXPECT_EQ(r.Removidos, (std::vector<std::string>{"Vertice3"}));

    const TResultadoSis none = FillResultadoSis(TGrafo(false), {}, {});
    EXPECT_EQ(none.Vertices, (std::vector<std::array<std::string, 2>>{{"", ""}}));
    EXPECT_EQ(none.Ramos, std::vector<B>{B{}});
    EXPECT_EQ(none.Adicionados, std::vector<std::string>{""});
    EXPECT_EQ(none.Removidos, std::vector<std::string>{""});
}
