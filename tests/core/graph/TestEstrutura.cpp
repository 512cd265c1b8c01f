// The structure of linear graphs on random graphs against union-find: the validation's lists of
// short-circuited and unconnected elements, the components and the spanning forest.

#include "graph/UnitGrfEstrutura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace brelix;

namespace {

using Nomes = std::vector<std::string>;

std::vector<std::int32_t> IdsVertices(const TGrafo& g) {
    std::vector<std::int32_t> ids;
    for (const auto& v : g.Vertices())
        ids.push_back(v->Id);
    return ids;
}

std::vector<std::int32_t> IdsRamos(const TGrafo& g) {
    std::vector<std::int32_t> ids;
    for (const auto& r : g.Ramos())
        ids.push_back(r->Id);
    return ids;
}

// Union-find over vertex identifiers, to count components independently.
class Conjuntos {
public:
    std::int32_t Raiz(std::int32_t x) {
        if (!pai_.contains(x)) pai_[x] = x;
        while (pai_[x] != x)
            x = pai_[x] = pai_[pai_[x]];
        return x;
    }
    bool Unir(std::int32_t a, std::int32_t b) {
        a = Raiz(a), b = Raiz(b);
        if (a == b) return false;
        pai_[a] = b;
        return true;
    }

private:
    std::map<std::int32_t, std::int32_t> pai_;
};

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

} // namespace

// On random graphs: the components are those of union-find, the validation lists the elements that
// a bridge test finds, and, without self-loops (which the validation refuses before any forest is
// needed), the forest spans each of them without a circuit, with branches - vertices + components
// chords.
TEST(Estrutura, ValidationComponentsAndForestAgreeWithUnionFind) {
    std::mt19937 rng(31337);
    int repetidos = 0;
    for (int caso = 0; caso < 400; ++caso) {
        const TGrafo g = GrafoAleatorio(rng, caso % 4 == 0);
        Conjuntos u;
        for (const auto& r : g.Ramos())
            u.Unir(r->Origem, r->Destino);
        std::set<std::int32_t> raizes;
        for (const auto& v : g.Vertices())
            raizes.insert(u.Raiz(v->Id));

        const TComponentes c = SplitComponentes(g);
        ASSERT_EQ(c.Count, static_cast<int>(raizes.size())) << caso;
        std::multiset<std::int32_t> vistos;
        std::vector<std::int32_t> ramos;
        for (const TGrafo& comp : c.Lista) {
            const std::int32_t raiz = u.Raiz(comp.Vertice(0).Id);
            for (const auto& v : comp.Vertices()) {
                vistos.insert(v->Id);
                EXPECT_EQ(u.Raiz(v->Id), raiz) << caso;
            }
            for (const auto& r : comp.Ramos()) {
                ramos.push_back(r->Id);
                EXPECT_NE(comp.FindVertice(r->Destino), nullptr) << caso;
            }
        }
        const auto ids = IdsVertices(g);
        EXPECT_EQ(vistos, std::multiset<std::int32_t>(ids.begin(), ids.end())) << caso;
        std::sort(ramos.begin(), ramos.end());
        EXPECT_EQ(ramos, IdsRamos(g)) << caso; // identifiers ascend in these graphs

        // Validation: a vertex lies in a circuit when one of its branches is a self-loop or joins two
        // vertices that stay connected without it.
        std::set<std::int32_t> emCircuito;
        for (const auto& r : g.Ramos()) {
            Conjuntos sem;
            for (const auto& o : g.Ramos())
                if (o.get() != r.get()) sem.Unir(o->Origem, o->Destino);
            if (r->Origem == r->Destino || sem.Raiz(r->Origem) == sem.Raiz(r->Destino)) {
                emCircuito.insert(r->Origem);
                emCircuito.insert(r->Destino);
            }
        }
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

        if (caso % 4 == 0) continue; // self-loops allowed
        const TFloresta f = FindFloresta(c.Estrutura);
        Conjuntos arvore;
        for (const auto& r : f.Arvores.Ramos())
            EXPECT_TRUE(arvore.Unir(r->Origem, r->Destino)) << caso; // no circuit among the tree branches

        EXPECT_EQ(f.Cordas.Count(), g.RamoCount() - g.VerticeCount() + c.Count) << caso;
        EXPECT_EQ(f.Cordas.Count() + f.Arvores.RamoCount(), g.RamoCount()) << caso;
        for (std::int32_t corda : f.Cordas)
            EXPECT_EQ(f.Arvores.FindRamo(corda), nullptr) << caso;
    }
    EXPECT_GT(repetidos, 50); // a name listed once although more elements of that name qualify
}
