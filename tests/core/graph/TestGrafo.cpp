// The graph container: lookups, the adjacency lists that branches enter and leave, vertex merging,
// deep copies, the diagram's symbols, and trees freed without recursion. (The searches built on them
// are checked against oracles in their own tests.)

#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brelix;

namespace {

using Adj = std::vector<TAdjacente>;

Adj Adjacentes(const TGrafo& g, std::int32_t id) {
    return g.FindVertice(id)->Adjacentes;
}

std::vector<std::int32_t> IdsRamos(const TGrafo& g) {
    std::vector<std::int32_t> ids;
    for (const auto& r : g.Ramos())
        ids.push_back(r->Id);
    return ids;
}

// Three vertices 1, 2, 3 in that order.
TGrafo Tres(bool dirigido) {
    TGrafo g(dirigido);
    g.AddVertice(1, "A", 10, 20);
    g.AddVertice(2, "B");
    g.AddVertice(3, "C");
    return g;
}

} // namespace

TEST(Grafo, LookupsAreFirstMatchAndCaseSensitiveAndABranchNeedsBothEnds) {
    TGrafo g;
    g.AddVertice(5, "x");
    TVertice& second = g.AddVertice(5, "X");
    g.AddVertice(6, "x");
    EXPECT_EQ(g.FindVertice(5)->Nome, "x");
    EXPECT_EQ(g.FindVerticeId("x"), 5);
    EXPECT_EQ(g.FindVerticeNome("X"), &second);
    EXPECT_EQ(g.FindVerticeId("Y"), -1);
    g.AddTransmitancia(4, "first", "1", 6, 6);
    g.AddTransmitancia(4, "second", "1", 6, 6);
    EXPECT_EQ(g.FindRamo(4)->Nome, "first");
    g.DeleteVertice(5);
    EXPECT_EQ(g.FindVertice(5), &second);

    EXPECT_EQ(g.AddTransmitancia(1, "T1", "R", 6, 99), nullptr);
    EXPECT_EQ(g.AddTransmitancia(1, "T1", "R", 99, 6), nullptr);
    EXPECT_EQ(g.RamoCount(), 2);
}

TEST(Grafo, BranchesEnterAndLeaveExactlyTheirAdjacencyEntries) {
    for (bool dirigido : {true, false}) {
        SCOPED_TRACE(dirigido);
        TGrafo g = Tres(dirigido);
        g.AddRamo(1, kRamoImpedancia, "a", "R", 1, 2);
        g.AddRamo(2, kRamoImpedancia, "b", "R", 1, 2); // parallel
        g.AddRamo(3, kRamoImpedancia, "c", "R", 2, 3);
        g.AddRamo(4, kRamoImpedancia, "d", "R", 3, 3); // self-loop: twice when undirected
        EXPECT_EQ(Adjacentes(g, 2), (dirigido ? Adj{{3, 3}} : Adj{{1, 1}, {1, 2}, {3, 3}}));
        EXPECT_EQ(Adjacentes(g, 3), (dirigido ? Adj{{3, 4}} : Adj{{2, 3}, {3, 4}, {3, 4}}));
        g.DeleteRamo(99);
        g.DeleteRamo(1);
        EXPECT_EQ(IdsRamos(g), (std::vector<std::int32_t>{2, 3, 4}));
        EXPECT_EQ(Adjacentes(g, 1), (Adj{{2, 2}}));
        g.DeleteRamo(4);
        EXPECT_EQ(Adjacentes(g, 3), (dirigido ? Adj{} : Adj{{2, 3}}));
        g.DeleteRamo(2);
        g.DeleteRamo(3);
        for (const auto& v : g.Vertices())
            EXPECT_TRUE(v->Adjacentes.empty());
    }
}

TEST(Grafo, DeleteRamosEntreAndDeleteRamosCurto) {
    // Directed: the branches a->b, then b->a; a branch to a third vertex and the order of the rest stay.
    TGrafo d = Tres(true);
    d.AddTransmitancia(1, "ab", "1", 1, 2);
    d.AddTransmitancia(2, "bc", "1", 2, 3);
    d.AddTransmitancia(3, "ba", "1", 2, 1);
    d.AddTransmitancia(4, "ab2", "1", 1, 2);
    d.AddTransmitancia(5, "ca", "1", 3, 1);
    d.DeleteRamosEntre(1, 2);
    EXPECT_EQ(IdsRamos(d), (std::vector<std::int32_t>{2, 5}));
    EXPECT_EQ(Adjacentes(d, 2), (Adj{{3, 2}}));

    // Undirected: every branch with ends a and b, whichever way it was entered.
    TGrafo u = Tres(false);
    u.AddRamo(1, kRamoImpedancia, "ab", "R", 1, 2);
    u.AddRamo(2, kRamoImpedancia, "ba", "R", 2, 1);
    u.AddRamo(3, kRamoImpedancia, "ac", "R", 1, 3);
    u.DeleteRamosEntre(2, 1);
    EXPECT_EQ(IdsRamos(u), (std::vector<std::int32_t>{3}));
    EXPECT_EQ(Adjacentes(u, 1), (Adj{{3, 3}}));

    // Repeated identifiers: each branch goes, the deletion does not loop on the identifier.
    TGrafo r = Tres(true);
    r.AddTransmitancia(7, "x", "1", 2, 3);
    r.AddTransmitancia(7, "y", "1", 1, 2);
    r.AddTransmitancia(7, "z", "1", 1, 2);
    r.DeleteRamosEntre(1, 2);
    ASSERT_EQ(r.RamoCount(), 1);
    EXPECT_EQ(r.Ramo(0).Nome, "x");

    TGrafo c = Tres(false);
    c.AddRamo(1, kRamoImpedancia, "s1", "R", 1, 1);
    c.AddRamo(2, kRamoImpedancia, "a", "R", 1, 2);
    c.AddRamo(3, kRamoImpedancia, "s2", "R", 2, 2);
    c.AddRamo(4, kRamoImpedancia, "s3", "R", 2, 2);
    c.DeleteRamosCurto();
    EXPECT_EQ(IdsRamos(c), (std::vector<std::int32_t>{2}));
    EXPECT_EQ(Adjacentes(c, 2), (Adj{{1, 2}}));
}

TEST(Grafo, MergeVerticesLeavesNoTraceOfTheMergedVertex) {
    // Undirected: 1-2 (a), 2-3 (b), 3-1 (c), 2-4 (d); contract 2 into 1 as the component split does.
    TGrafo g(false);
    for (std::int32_t id : {1, 2, 3, 4})
        g.AddVertice(id, "V");
    g.AddRamo(1, kRamoImpedancia, "a", "R", 1, 2);
    g.AddRamo(2, kRamoImpedancia, "b", "R", 2, 3);
    g.AddRamo(3, kRamoImpedancia, "c", "R", 3, 1);
    g.AddRamo(4, kRamoImpedancia, "d", "R", 2, 4);
    g.DeleteRamosEntre(1, 2);
    g.MergeVertices(2, 1);
    EXPECT_EQ(Adjacentes(g, 1), (Adj{{3, 3}, {3, 2}, {4, 4}}));
    for (const auto& v : g.Vertices())
        for (const TAdjacente& a : v->Adjacentes)
            EXPECT_TRUE(v->Id == 2 || a.Vizinho != 2);
    EXPECT_EQ(g.FindRamo(2)->Origem, 1);
    EXPECT_EQ(g.FindRamo(4)->Origem, 1);
    // The branches stay consistent with the lists: once the merged vertex is gone, deleting them
    // empties every list.
    g.DeleteVertice(2);
    for (std::int32_t r : {2, 3, 4})
        g.DeleteRamo(r);
    for (const auto& v : g.Vertices())
        EXPECT_TRUE(v->Adjacentes.empty());

    // Merging a vertex into itself, or an absent one, changes nothing.
    TGrafo h = Tres(true);
    h.AddTransmitancia(1, "t", "1", 1, 2);
    h.MergeVertices(1, 1);
    h.MergeVertices(9, 1);
    h.MergeVertices(1, 9);
    EXPECT_EQ(Adjacentes(h, 1), (Adj{{2, 1}}));
}

TEST(Grafo, CopyIsDeepWithEmptySymbolsAndClearedMarks) {
    TGrafo g = Tres(true);
    g.AddTransmitancia(5, "t", "2.R.S", 1, 2, 7, 8);
    g.AddRamo(9, kRamoTransformador1, "N1", "N", 2, 3, 0, 0, 10, "");
    g.Ramo(1).Dirigido = false; // a branch keeps its own flag in the copy
    g.Vertice(0).Marca = kMarcaSaida;
    g.CollectSimbolos();
    TGrafo c(g);
    EXPECT_EQ(c.Simbolos().Count(), 0);
    EXPECT_EQ(c.Vertice(0).Marca, kMarcaNenhuma);
    EXPECT_EQ(c.Vertice(0).Adjacentes, g.Vertice(0).Adjacentes);
    EXPECT_EQ(c.Ramo(0).Ganho->Sym(), "R");
    EXPECT_NE(c.Ramo(0).GanhoPtr(), g.Ramo(0).GanhoPtr());
    EXPECT_FALSE(c.Ramo(1).Dirigido);
    EXPECT_EQ(c.Ramo(1).Par, 10);
    c.DeleteRamo(5);
    c.Vertice(0).Nome = "changed";
    EXPECT_EQ(g.RamoCount(), 2);
    EXPECT_EQ(g.Vertice(0).Adjacentes.size(), 1u);
    EXPECT_EQ(g.Vertice(0).Nome, "A");
}

TEST(Grafo, CollectSimbolosOncePerNameSortedWithValueOne) {
    TGrafo g = Tres(true);
    g.AddTransmitancia(1, "t1", "R.S", 1, 2);
    g.AddTransmitancia(2, "t2", "-1.DFS", 2, 1);
    g.AddTransmitancia(3, "t3", "2", 1, 1);
    g.AddTransmitancia(4, "t4", "R^-1", 2, 2);
    g.AddTransmitancia(5, "t5", "c", 2, 2);
    g.AddRamo(6, kRamoImpedancia, "z", "Zeta", 1, 2); // no parsed gain: not a symbol of the diagram
    g.Simbolos().AddSimbolo("old", 3.0);
    g.CollectSimbolos();
    ASSERT_EQ(g.Simbolos().Count(), 3);
    EXPECT_EQ(g.Simbolos()[0].Nome, "c");
    EXPECT_EQ(g.Simbolos()[1].Nome, "DFS");
    EXPECT_EQ(g.Simbolos()[2].Nome, "R");
    for (const auto& s : g.Simbolos())
        EXPECT_EQ(s.Valor, 1.0);
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
