// The validation of linear graphs against a bridge test on random graphs: the lists of
// short-circuited and unconnected elements. (Components and the spanning forest give the rows of
// the conversion's equations, which the network cross-check solves.)

#include "graph/UnitGrfEstrutura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace brelix;

namespace {

using Nomes = std::vector<std::string>;

// Union-find over vertex identifiers.
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

// The validation lists the elements that a bridge test by union-find finds short-circuited (a
// self-loop) or unconnected (an end in no circuit).
TEST(Estrutura, ValidationListsAgreeWithABridgeTest) {
    std::mt19937 rng(31337);
    int repetidos = 0;
    for (int caso = 0; caso < 400; ++caso) {
        const TGrafo g = GrafoAleatorio(rng, caso % 4 == 0);
        // A vertex a vertex lies in a circuit when one of its branches is a self-loop or joins two
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
    }
    EXPECT_GT(repetidos, 50); // a name listed once although more elements of that name qualify
}
