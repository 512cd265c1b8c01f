#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brelix;

namespace {

std::vector<TAdjacente> Adj(const TGrafo& g, std::int32_t id) {
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

TEST(Grafo, EmptySingleAndMissing) {
    TGrafo g;
    EXPECT_TRUE(g.Dirigido());
    EXPECT_EQ(g.VerticeCount(), 0);
    EXPECT_EQ(g.FindVertice(0), nullptr);
    EXPECT_EQ(g.FindVerticeId(""), -1);
    EXPECT_EQ(g.FindRamo(0), nullptr);
    g.DeleteVertice(1);
    g.DeleteRamo(1);
    g.DeleteRamosEntre(1, 2);
    g.DeleteRamosCurto();
    g.MergeVertices(1, 2);
    g.CollectSimbolos();
    EXPECT_EQ(g.Simbolos().Count(), 0);
    EXPECT_EQ(TGrafo(g).VerticeCount(), 0);

    TVertice& v = g.AddVertice(-7, "E(R1)", 15, 25);
    EXPECT_EQ(g.FindVertice(-7), &v);
    EXPECT_EQ(v.Nome, "E(R1)");
    EXPECT_EQ(v.X, 15);
    EXPECT_EQ(v.Y, 25);
    EXPECT_EQ(v.Marca, kMarcaNenhuma);
    EXPECT_TRUE(v.Adjacentes.empty());
    EXPECT_EQ(g.FindVerticeId("E(R1)"), -7);

    // A branch needs both ends: refused, nothing changes.
    EXPECT_EQ(g.AddTransmitancia(1, "T1", "R", -7, 99), nullptr);
    EXPECT_EQ(g.AddTransmitancia(1, "T1", "R", 99, -7), nullptr);
    EXPECT_EQ(g.RamoCount(), 0);
    EXPECT_TRUE(v.Adjacentes.empty());
}

TEST(Grafo, LookupsAreFirstMatchAndCaseSensitive) {
    TGrafo g;
    g.AddVertice(5, "x");
    TVertice& second = g.AddVertice(5, "X");
    g.AddVertice(6, "x");
    EXPECT_EQ(g.FindVertice(5)->Nome, "x");
    EXPECT_EQ(g.FindVerticeId("x"), 5);
    EXPECT_EQ(g.FindVerticeId("X"), 5);
    EXPECT_EQ(g.FindVerticeNome("X"), &second);
    EXPECT_EQ(g.FindVerticeId("Y"), -1);
    TGrafo h;
    h.AddVertice(1, "E(R1)");
    EXPECT_EQ(h.FindVerticeId("e(r1)"), -1);
    h.AddTransmitancia(4, "first", "1", 1, 1);
    h.AddTransmitancia(4, "second", "1", 1, 1);
    EXPECT_EQ(h.FindRamo(4)->Nome, "first");
    g.DeleteVertice(5);
    EXPECT_EQ(g.FindVertice(5), &second);
}

TEST(Grafo, AddingBranchesEntersAdjacency) {
    TGrafo d = Tres(true);
    TRamo* r = d.AddRamo(10, kRamoImpedancia, "R1", "2,5.R.S", 1, 2, 30, 40, 0, "ctl");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Tipo, kRamoImpedancia);
    EXPECT_EQ(r->Nome, "R1");
    EXPECT_EQ(r->TextoGanho, "2,5.R.S");
    EXPECT_FALSE(r->Ganho.has_value()); // only transmittances parse their gain
    EXPECT_EQ(r->Origem, 1);
    EXPECT_EQ(r->Destino, 2);
    EXPECT_EQ(r->X, 30);
    EXPECT_EQ(r->Y, 40);
    EXPECT_EQ(r->Controle, "ctl");
    EXPECT_TRUE(r->Dirigido);
    EXPECT_EQ(Adj(d, 1), (std::vector<TAdjacente>{{2, 10}}));
    EXPECT_TRUE(Adj(d, 2).empty());

    TRamo* t = d.AddTransmitancia(11, "T", "-2.C^-1.S^-1", 2, 3);
    ASSERT_TRUE(t->Ganho.has_value());
    EXPECT_EQ(t->Ganho->K(), -2.0);
    EXPECT_EQ(t->Ganho->Sym(), "C");
    EXPECT_EQ(t->Ganho->ExpSym(), -1);
    EXPECT_EQ(t->Ganho->ExpS(), -1);
    EXPECT_EQ(t->Par, 0);
    EXPECT_TRUE(t->Controle.empty());

    TGrafo u = Tres(false);
    TRamo* e = u.AddRamo(10, kRamoFonteEsforco, "E1", "0", 1, 2);
    EXPECT_FALSE(e->Dirigido);
    EXPECT_EQ(Adj(u, 1), (std::vector<TAdjacente>{{2, 10}}));
    EXPECT_EQ(Adj(u, 2), (std::vector<TAdjacente>{{1, 10}}));
    u.AddRamo(12, kRamoImpedancia, "Z", "R", 3, 3);
    EXPECT_EQ(Adj(u, 3), (std::vector<TAdjacente>{{3, 12}, {3, 12}}));
}

TEST(Grafo, DeletingBranchesRemovesExactlyTheirEntries) {
    for (bool dirigido : {true, false}) {
        SCOPED_TRACE(dirigido);
        TGrafo g = Tres(dirigido);
        g.AddRamo(1, kRamoImpedancia, "a", "R", 1, 2);
        g.AddRamo(2, kRamoImpedancia, "b", "R", 1, 2); // parallel
        g.AddRamo(3, kRamoImpedancia, "c", "R", 2, 3);
        g.AddRamo(4, kRamoImpedancia, "d", "R", 3, 3); // self-loop
        const TGrafo before(g);
        g.DeleteRamo(99);
        EXPECT_EQ(IdsRamos(g), IdsRamos(before));

        g.DeleteRamo(1);
        EXPECT_EQ(IdsRamos(g), (std::vector<std::int32_t>{2, 3, 4}));
        EXPECT_EQ(Adj(g, 1), (std::vector<TAdjacente>{{2, 2}}));
        if (dirigido)
            EXPECT_TRUE(Adj(g, 2) == (std::vector<TAdjacente>{{3, 3}}));
        else
            EXPECT_TRUE(Adj(g, 2) == (std::vector<TAdjacente>{{1, 2}, {3, 3}}));

        g.DeleteRamo(4);
        const std::vector<TAdjacente> tres =
            dirigido ? std::vector<TAdjacente>{} : std::vector<TAdjacente>{{2, 3}};
        EXPECT_EQ(Adj(g, 3), tres);
        g.DeleteRamo(2);
        g.DeleteRamo(3);
        for (const auto& v : g.Vertices())
            EXPECT_TRUE(v->Adjacentes.empty());
    }
}

TEST(Grafo, DeleteRamosEntre) {
    // Directed: the branches a->b, then b->a; a branch to a third vertex and the order of the rest stay.
    TGrafo d = Tres(true);
    d.AddTransmitancia(1, "ab", "1", 1, 2);
    d.AddTransmitancia(2, "bc", "1", 2, 3);
    d.AddTransmitancia(3, "ba", "1", 2, 1);
    d.AddTransmitancia(4, "ab2", "1", 1, 2);
    d.AddTransmitancia(5, "ca", "1", 3, 1);
    d.DeleteRamosEntre(1, 2);
    EXPECT_EQ(IdsRamos(d), (std::vector<std::int32_t>{2, 5}));
    EXPECT_TRUE(Adj(d, 1).empty());
    EXPECT_EQ(Adj(d, 2), (std::vector<TAdjacente>{{3, 2}}));

    // Undirected: every branch with ends a and b, whichever way it was entered.
    TGrafo u = Tres(false);
    u.AddRamo(1, kRamoImpedancia, "ab", "R", 1, 2);
    u.AddRamo(2, kRamoImpedancia, "ba", "R", 2, 1);
    u.AddRamo(3, kRamoImpedancia, "ac", "R", 1, 3);
    u.DeleteRamosEntre(2, 1);
    EXPECT_EQ(IdsRamos(u), (std::vector<std::int32_t>{3}));
    EXPECT_EQ(Adj(u, 1), (std::vector<TAdjacente>{{3, 3}}));
    EXPECT_TRUE(Adj(u, 2).empty());

    // Repeated identifiers: each branch goes, the deletion does not loop on the identifier.
    TGrafo r = Tres(true);
    r.AddTransmitancia(7, "x", "1", 2, 3);
    r.AddTransmitancia(7, "y", "1", 1, 2);
    r.AddTransmitancia(7, "z", "1", 1, 2);
    r.DeleteRamosEntre(1, 2);
    ASSERT_EQ(r.RamoCount(), 1);
    EXPECT_EQ(r.Ramo(0).Nome, "x");
}

TEST(Grafo, DeleteRamosCurtoKeepsTheRestInOrder) {
    TGrafo g = Tres(false);
    g.AddRamo(1, kRamoImpedancia, "s1", "R", 1, 1);
    g.AddRamo(2, kRamoImpedancia, "a", "R", 1, 2);
    g.AddRamo(3, kRamoImpedancia, "s2", "R", 2, 2);
    g.AddRamo(4, kRamoImpedancia, "s3", "R", 2, 2);
    g.AddRamo(5, kRamoImpedancia, "b", "R", 2, 3);
    g.DeleteRamosCurto();
    EXPECT_EQ(IdsRamos(g), (std::vector<std::int32_t>{2, 5}));
    EXPECT_EQ(Adj(g, 1), (std::vector<TAdjacente>{{2, 2}}));
    EXPECT_EQ(Adj(g, 2), (std::vector<TAdjacente>{{1, 2}, {3, 5}}));
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
    EXPECT_EQ(Adj(g, 1), (std::vector<TAdjacente>{{3, 3}, {3, 2}, {4, 4}}));
    for (const auto& v : g.Vertices()) {
        if (v->Id == 2) continue;
        for (const TAdjacente& a : v->Adjacentes)
            EXPECT_NE(a.Vizinho, 2);
    }
    for (const auto& r : g.Ramos()) {
        EXPECT_NE(r->Origem, 2);
        EXPECT_NE(r->Destino, 2);
    }
    EXPECT_EQ(g.FindRamo(2)->Origem, 1);
    EXPECT_EQ(g.FindRamo(4)->Origem, 1);
    g.DeleteVertice(2);
    EXPECT_EQ(g.VerticeCount(), 3);
    // The branches stay consistent with the lists: deleting them empties every list.
    g.DeleteRamo(2);
    g.DeleteRamo(3);
    g.DeleteRamo(4);
    for (const auto& v : g.Vertices())
        EXPECT_TRUE(v->Adjacentes.empty());

    // Merging a vertex into itself, or an absent one, changes nothing.
    TGrafo h = Tres(true);
    h.AddTransmitancia(1, "t", "1", 1, 2);
    h.MergeVertices(1, 1);
    h.MergeVertices(9, 1);
    h.MergeVertices(1, 9);
    EXPECT_EQ(Adj(h, 1), (std::vector<TAdjacente>{{2, 1}}));
    EXPECT_EQ(h.FindRamo(1)->Origem, 1);
}

TEST(Grafo, CopyIsDeepWithEmptySymbolsAndClearedMarks) {
    TGrafo g = Tres(true);
    g.AddTransmitancia(5, "t", "2.R.S", 1, 2, 7, 8);
    g.AddRamo(9, kRamoTransformador1, "N1", "N", 2, 3, 0, 0, 10, "");
    g.Ramo(1).Dirigido = false; // a branch keeps its own flag in the copy
    g.Vertice(0).Marca = kMarcaSaida;
    g.CollectSimbolos();
    ASSERT_EQ(g.Simbolos().Count(), 1);

    TGrafo c(g);
    EXPECT_TRUE(c.Dirigido());
    EXPECT_EQ(c.Simbolos().Count(), 0);
    ASSERT_EQ(c.VerticeCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c.Vertice(i).Id, g.Vertice(i).Id);
        EXPECT_EQ(c.Vertice(i).Nome, g.Vertice(i).Nome);
        EXPECT_EQ(c.Vertice(i).X, g.Vertice(i).X);
        EXPECT_EQ(c.Vertice(i).Adjacentes, g.Vertice(i).Adjacentes);
        EXPECT_EQ(c.Vertice(i).Marca, kMarcaNenhuma);
    }
    EXPECT_EQ(IdsRamos(c), IdsRamos(g));
    EXPECT_EQ(c.Ramo(0).X, 7);
    EXPECT_EQ(c.Ramo(0).Ganho->Sym(), "R");
    EXPECT_NE(c.Ramo(0).GanhoPtr(), g.Ramo(0).GanhoPtr());
    EXPECT_FALSE(c.Ramo(1).Dirigido);
    EXPECT_EQ(c.Ramo(1).Par, 10);
    EXPECT_EQ(c.Ramo(1).Tipo, kRamoTransformador1);

    c.DeleteRamo(5);
    c.Vertice(0).Nome = "changed";
    EXPECT_EQ(g.RamoCount(), 2);
    EXPECT_EQ(g.Vertice(0).Adjacentes.size(), 1u);
    EXPECT_EQ(g.Vertice(0).Nome, "A");

    TGrafo u(false);
    u = g;
    EXPECT_TRUE(u.Dirigido());
    EXPECT_EQ(IdsRamos(u), IdsRamos(g));
}

TEST(Grafo, CollectSimbolosOncePerNameSortedWithValueOne) {
    TGrafo g;
    g.AddVertice(1, "a");
    g.AddVertice(2, "b");
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

TEST(Arvore, LevelsOrderAndRoots) {
    TArvore t;
    EXPECT_EQ(t.NivelMax(), -1);
    EXPECT_EQ(t.Count(), 0);
    TNo& r0 = t.AddRaiz(4, "a");
    EXPECT_EQ(t.NivelMax(), 0);
    TNo& r1 = t.AddRaiz(5, "b");
    TNo& c = t.AddFilho(r0, 6, "c", 12);
    TNo& d = t.AddFilho(c, 7, "d");
    t.AddFilho(r0, 8, "e");
    EXPECT_EQ(t.NivelMax(), 2);
    EXPECT_EQ(t.RaizCount(), 2);
    EXPECT_EQ(&t.Raiz(1), &r1);
    EXPECT_EQ(c.Pai, &r0);
    EXPECT_EQ(r0.Pai, nullptr);
    EXPECT_EQ(c.Ramo, 12);
    EXPECT_EQ(d.Nivel, 2);
    ASSERT_EQ(r0.Filhos.size(), 2u);
    EXPECT_EQ(r0.Filhos[1]->Id, 8);
    std::vector<std::int32_t> criacao;
    for (int i = 0; i < t.Count(); ++i)
        criacao.push_back(t.No(i).Id);
    EXPECT_EQ(criacao, (std::vector<std::int32_t>{4, 5, 6, 7, 8}));

    TArvore moved(std::move(t));
    EXPECT_EQ(moved.Count(), 5);
    EXPECT_EQ(t.Count(), 0);     // NOLINT(bugprone-use-after-move): a moved-from tree is empty
    EXPECT_EQ(t.NivelMax(), -1); // NOLINT(bugprone-use-after-move)
    moved.Clear();
    EXPECT_EQ(moved.NivelMax(), -1);
    EXPECT_EQ(moved.RaizCount(), 0);
}

TEST(Arvore, DeepTreeIsFreedWithoutRecursion) {
    // A recursive destructor would need one stack frame per level.
    TArvore t;
    TNo* no = &t.AddRaiz(0, "");
    for (int i = 1; i < 200'000; ++i)
        no = &t.AddFilho(*no, i, "");
    EXPECT_EQ(t.NivelMax(), 199'999);
    TArvore outra;
    outra.AddRaiz(1, "x");
    outra = std::move(t);
    EXPECT_EQ(outra.Count(), 200'000);
}
