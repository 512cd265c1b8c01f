// The path search of linear graphs on a hand-worked undirected graph: every circuit in search order,
// the first one only, and the shortest path, with the rule that a circuit never leaves and comes
// back along one branch. (The first-circuit search also runs under the validation's oracle.)

#include "graph/UnitGrfCaminhos.h"
#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brelix;

namespace {

using Listas = std::vector<std::vector<std::int32_t>>;

Listas Itens(const TListListInt& l) {
    Listas r;
    for (int i = 0; i < l.Count(); ++i)
        r.push_back(l[i].Items());
    return r;
}

} // namespace

TEST(Caminhos, CircuitsInSearchOrderNeverReturnAlongTheBranchTheyLeftBy) {
    // A triangle 1-2-3 (branches 1, 3, 4), a pendant vertex 4 on 2 (branch 2) and a branch 5
    // parallel to branch 1. Adjacency order: 1: 2/1, 3/4, 2/5; 2: 1/1, 4/2, 3/3, 1/5; 3: 2/3, 1/4.
    TGrafo g(false);
    for (int v = 1; v <= 4; ++v)
        g.AddVertice(v, "v" + std::to_string(v));
    g.AddRamo(1, kRamoImpedancia, "a", "0", 1, 2);
    g.AddRamo(2, kRamoImpedancia, "b", "0", 2, 4);
    g.AddRamo(3, kRamoImpedancia, "c", "0", 2, 3);
    g.AddRamo(4, kRamoImpedancia, "d", "0", 3, 1);
    g.AddRamo(5, kRamoImpedancia, "e", "0", 2, 1);
    // From 1 by branch 1, the entry back to 1 by branch 1 is no circuit, by branch 5 it is; the
    // dead end into 4 gives nothing. The tree, when asked for, changes nothing.
    for (bool comArvore : {false, true}) {
        TListListInt r, v;
        TArvore arvore;
        FindCaminhos(g, 1, 1, false, r, v, comArvore ? &arvore : nullptr);
        EXPECT_EQ(Itens(r), (Listas{{1, 3, 4}, {1, 5}, {4, 3, 1}, {4, 3, 5}, {5, 1}, {5, 3, 4}}));
        EXPECT_EQ(Itens(v),
                  (Listas{{1, 2, 3, 1}, {1, 2, 1}, {1, 3, 2, 1}, {1, 3, 2, 1}, {1, 2, 1}, {1, 2, 3, 1}}));
    }
    TListListInt r, v;
    FindCaminhos(g, 1, 1, true, r, v);
    EXPECT_EQ(Itens(r), (Listas{{1, 3, 4}})); // the first only
    EXPECT_EQ(Itens(v), (Listas{{1, 2, 3, 1}}));

    // The shortest path is the first of fewest branches; the pendant vertex lies on no circuit, and
    // an absent vertex on no path.
    const auto maisCurto = [&](std::int32_t a, std::int32_t b) -> Listas {
        TListInt ramos, vertices;
        if (!FindCaminhoMaisCurto(g, a, b, ramos, vertices)) return {};
        return {ramos.Items(), vertices.Items()};
    };
    EXPECT_EQ(maisCurto(1, 3), (Listas{{4}, {1, 3}}));
    EXPECT_EQ(maisCurto(3, 3), (Listas{{3, 1, 4}, {3, 2, 1, 3}}));
    EXPECT_EQ(maisCurto(4, 1), (Listas{{2, 1}, {4, 2, 1}}));
    EXPECT_TRUE(maisCurto(4, 4).empty());
    EXPECT_TRUE(maisCurto(9, 1).empty());
}
