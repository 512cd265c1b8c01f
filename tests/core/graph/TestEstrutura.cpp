// The structure of linear graphs: the validation's lists of short-circuited and unconnected elements
// against a bridge test on random graphs, and the order of components and chords on a hand case
// (whether they are right, the network cross-check finds when it solves the equations they give).

#include "graph/UnitGrfEstrutura.h"

#include "graph/UnitGrfCaminhos.h"
#include "graph/UnitGrfEquacoes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

using namespace brelix;

namespace {

using Nomes = std::vector<std::string>;

// Whether a and b stay connected through the branches other than `sem`.
bool Ligados(const TGrafo& g, const TRamo* sem, std::int32_t a, std::int32_t b) {
    std::set<std::int32_t> vistos{a};
    for (bool mudou = true; mudou;) {
        mudou = false;
        for (const auto& r : g.Ramos()) {
            if (r.get() == sem || vistos.contains(r->Origem) == vistos.contains(r->Destino)) continue;
            vistos.insert({r->Origem, r->Destino});
            mudou = true;
        }
    }
    return vistos.contains(b);
}

// Up to 9 vertices (none now and then) with scattered identifiers and up to 14 branches; no
// self-loop unless asked. Names repeat, as a drawing's careless names may.
TGrafo GrafoAleatorio(std::mt19937& rng, bool lacos) {
    TGrafo g(true);
    const int nv = static_cast<int>(rng() % 10);
    std::vector<std::int32_t> ids;
    for (int i = 0; i < nv; ++i) {
        ids.push_back(static_cast<std::int32_t>(i * 7) - 20);
        g.AddVertice(ids.back(), "n" + std::to_string(i));
    }
    std::shuffle(ids.begin(), ids.end(), rng);
    const int nb = nv == 0 || (!lacos && nv == 1) ? 0 : static_cast<int>(rng() % 15);
    for (int b = 1; b <= nb; ++b) {
        const std::int32_t a = ids[rng() % ids.size()];
        std::int32_t c = ids[rng() % ids.size()];
        if (!lacos)
            while (c == a)
                c = ids[rng() % ids.size()];
        g.AddRamo(b, kRamoImpedancia, "R" + std::to_string(b % 5), "R", a, c, 0, 0, 0, {});
    }
    return g;
}

// The components as they are defined: from the first vertex left, the neighbour of its first entry is
// contracted into it (its branches to it deleted) until it has none; step by step on a working copy.
std::vector<std::vector<std::int32_t>> ComponentesPorContracao(const TGrafo& estrutura) {
    TGrafo trabalho(estrutura);
    trabalho.DeleteRamosCurto();
    std::vector<std::vector<std::int32_t>> componentes;
    while (trabalho.VerticeCount() > 0) {
        const std::int32_t v = trabalho.Vertice(0).Id;
        auto& componente = componentes.emplace_back();
        while (!trabalho.FindVertice(v)->Adjacentes.empty()) {
            const std::int32_t n = trabalho.FindVertice(v)->Adjacentes.front().Vizinho;
            trabalho.DeleteRamosEntre(v, n);
            trabalho.MergeVertices(n, v);
            trabalho.DeleteVertice(n);
            componente.push_back(n);
        }
        componente.push_back(v);
        trabalho.DeleteVertice(v);
    }
    return componentes;
}

// The chords as they are defined: from each vertex but the last, while the path search finds a
// circuit through it, the circuit's first branch is deleted.
TFloresta FlorestaPorBusca(const TGrafo& estrutura) {
    TFloresta f;
    f.Arvores = estrutura;
    for (int i = 0; i < f.Arvores.VerticeCount() - 1;) {
        TListListInt ramos, vertices;
        FindCaminhos(f.Arvores, f.Arvores.Vertice(i).Id, f.Arvores.Vertice(i).Id, true, ramos, vertices);
        if (ramos.Count() == 0) {
            ++i;
            continue;
        }
        f.Cordas.Add(ramos[0][0]);
        f.Arvores.DeleteRamo(ramos[0][0]);
    }
    return f;
}

std::vector<std::vector<TAdjacente>> Adjacencias(const TGrafo& g) {
    std::vector<std::vector<TAdjacente>> a;
    for (const auto& v : g.Vertices())
        a.push_back(v->Adjacentes);
    return a;
}

} // namespace

// Components, chords and circuit rows are computed in time linear in the graph (plus the length of
// the circuits); on random multigraphs they are exactly those of their definitions, which search the
// whole graph again at every step.
TEST(Estrutura, ComponentsChordsAndCircuitsAreThoseOfTheirDefinitions) {
    std::mt19937 rng(4242);
    for (int caso = 0; caso < 600; ++caso) {
        SCOPED_TRACE(caso);
        const TGrafo g = GrafoAleatorio(rng, caso % 3 == 0);
        const TComponentes c = SplitComponentes(g);
        std::vector<std::vector<std::int32_t>> ids;
        for (const TGrafo& comp : c.Lista) {
            ids.emplace_back();
            for (const auto& v : comp.Vertices())
                ids.back().push_back(v->Id);
            for (const auto& r : comp.Ramos()) // a branch lies in the component of its origin
                EXPECT_NE(std::find(ids.back().begin(), ids.back().end(), r->Origem), ids.back().end());
        }
        EXPECT_EQ(ids, ComponentesPorContracao(c.Estrutura));

        const TFloresta rapida = FindFloresta(c.Estrutura);
        const TFloresta definida = FlorestaPorBusca(c.Estrutura);
        EXPECT_EQ(rapida.Cordas.Items(), definida.Cordas.Items());
        EXPECT_EQ(Adjacencias(rapida.Arvores), Adjacencias(definida.Arvores));
        ASSERT_EQ(rapida.Arvores.RamoCount(), definida.Arvores.RamoCount());
        for (int r = 0; r < rapida.Arvores.RamoCount(); ++r)
            EXPECT_EQ(rapida.Arvores.Ramo(r).Id, definida.Arvores.Ramo(r).Id);

        // Each chord's row: the efforts around the circuit the search finds through its origin once
        // the chord is put back into the forest.
        const TEquacoes eq = MontarEquacoes(g, c);
        ASSERT_EQ(eq.A4.Linhas(), definida.Cordas.Count());
        const TIndiceRamos indice = IndexarRamos(g);
        for (int k = 0; k < definida.Cordas.Count(); ++k) {
            const TRamo* corda = c.Estrutura.FindRamo(definida.Cordas[k]);
            TGrafo circuito(definida.Arvores);
            circuito.AddRamo(corda->Id, corda->Tipo, corda->Nome, "0", corda->Origem, corda->Destino);
            TListListInt ramos, vertices;
            FindCaminhos(circuito, corda->Origem, corda->Origem, true, ramos, vertices);
            TMatrizStr linha(1, 2 * eq.N);
            if (ramos.Count() > 0) PutEsforcosCaminho(g, indice, ramos[0], vertices[0], linha, 0);
            EXPECT_EQ(eq.A4.Celulas(k), linha.Celulas(0)) << "chord " << corda->Id;
        }
    }
}

// The validation lists the elements that a bridge test finds short-circuited (a self-loop) or
// unconnected (an end in no circuit).
TEST(Estrutura, ValidationListsAgreeWithABridgeTest) {
    std::mt19937 rng(31337);
    int repetidos = 0;
    for (int caso = 0; caso < 400; ++caso) {
        const TGrafo g = GrafoAleatorio(rng, caso % 4 == 0);
        // A vertex lies in a circuit when one of its branches is a self-loop or joins two vertices
        // that stay connected without it.
        std::set<std::int32_t> emCircuito;
        for (const auto& r : g.Ramos())
            if (r->Origem == r->Destino || Ligados(g, r.get(), r->Origem, r->Destino))
                emCircuito.insert({r->Origem, r->Destino});
        // Each list names an element once, in branch order; lists from before are cleared.
        Nomes curtosEsperados, soltosEsperados, curtos{"old"}, soltos{"old"};
        const auto addUnico = [&](Nomes& l, const std::string& n) {
            const bool novo = std::find(l.begin(), l.end(), n) == l.end();
            if (novo) l.push_back(n);
            repetidos += !novo;
        };
        for (const auto& r : g.Ramos()) {
            if (r->Origem == r->Destino) addUnico(curtosEsperados, r->Nome);
            if (!emCircuito.contains(r->Origem) || !emCircuito.contains(r->Destino))
                addUnico(soltosEsperados, r->Nome);
        }
        EXPECT_EQ(CheckEstrutura(g, curtos, soltos), curtosEsperados.empty() && soltosEsperados.empty());
        EXPECT_EQ(curtos, curtosEsperados) << caso;
        EXPECT_EQ(soltos, soltosEsperados) << caso;
    }
    EXPECT_GT(repetidos, 50); // a name listed once although more elements of that name qualify
}

// The order of the components' vertices and of the chords fixes the rows of the conversion's
// equations, as its result view shows them.
TEST(Estrutura, ComponentsKeepTheOrderOfContractionAndChordsTheOrderOfSearch) {
    // A ring 1-2-3, an isolated vertex 4, and a pair 5-6 joined twice.
    TGrafo g(true);
    for (std::int32_t v = 1; v <= 6; ++v)
        g.AddVertice(v, "v");
    for (const auto& [id, a, b] : {std::tuple{1, 1, 2}, {2, 2, 3}, {3, 3, 1}, {4, 5, 6}, {5, 6, 5}})
        g.AddRamo(id, kRamoImpedancia, "R", "R", a, b);
    const TComponentes c = SplitComponentes(g);
    std::vector<std::vector<std::int32_t>> ids;
    for (const TGrafo& comp : c.Lista) {
        ids.emplace_back();
        for (const auto& v : comp.Vertices())
            ids.back().push_back(v->Id);
    }
    // From 1: 2 is absorbed (taking over 2-3), then 3; the start comes last.
    EXPECT_EQ(ids, (std::vector<std::vector<std::int32_t>>{{2, 3, 1}, {4}, {6, 5}}));
    // The search from each component's first vertex leaves by its first branch, the chord.
    EXPECT_EQ(FindFloresta(c.Estrutura).Cordas.Items(), (std::vector<std::int32_t>{1, 4}));
}
