// The graph container under hostile use: branches with a missing end, repeated identifiers in
// deletions, merging a vertex into itself or an absent one, and trees too deep for a recursive
// destructor. (Adjacency, merging and copies are checked through the searches' oracles.)

#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brelix;

TEST(Grafo, HostileBranchesAndDeletionsLeaveConsistentLists) {
    TGrafo g(true);
    for (std::int32_t v = 1; v <= 3; ++v)
        g.AddVertice(v, "V");
    // A branch needs both ends.
    EXPECT_EQ(g.AddTransmitancia(1, "T1", "R", 1, 99), nullptr);
    EXPECT_EQ(g.AddTransmitancia(1, "T1", "R", 99, 1), nullptr);
    EXPECT_EQ(g.RamoCount(), 0);
    // Repeated identifiers: each branch between the two vertices goes, the other stays, and the
    // deletion does not loop on the identifier.
    g.AddTransmitancia(7, "x", "1", 2, 3);
    g.AddTransmitancia(7, "y", "1", 1, 2);
    g.AddTransmitancia(7, "z", "1", 2, 1);
    g.DeleteRamosEntre(1, 2);
    ASSERT_EQ(g.RamoCount(), 1);
    EXPECT_EQ(g.Ramo(0).Nome, "x");
    EXPECT_TRUE(g.FindVertice(1)->Adjacentes.empty());
    EXPECT_EQ(g.FindVertice(2)->Adjacentes, (std::vector<TAdjacente>{{3, 7}}));
    // Merging a vertex into itself, or an absent one, changes nothing.
    g.MergeVertices(2, 2);
    g.MergeVertices(9, 2);
    g.MergeVertices(2, 9);
    EXPECT_EQ(g.FindVertice(2)->Adjacentes, (std::vector<TAdjacente>{{3, 7}}));
    EXPECT_EQ(g.Ramo(0).Origem, 2);
}

TEST(Arvore, DeepTreeIsFreedWithoutRecursion) {
    // A recursive destructor would need one stack frame per level.
    TArvore t;
    TNo* no = &t.AddRaiz(0, "");
    for (int i = 1; i < 200'000; ++i)
        no = &t.AddFilho(*no, i, "");
    TArvore outra;
    outra.AddRaiz(1, "x");
    outra = std::move(t);
    EXPECT_EQ(outra.Count(), 200'000);
}
