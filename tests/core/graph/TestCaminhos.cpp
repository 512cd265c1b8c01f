// The path search of linear graphs: the search tree of a hand case, and the searches with and
// without a tree (which skip dead ends, or steps that cannot give a shorter path) against a literal
// search, directed and undirected, with parallel branches, self-loops and absent targets.

#include "graph/UnitGrfCaminhos.h"
#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace brelix;

namespace {

using Caminho = std::vector<std::int32_t>;

std::vector<Caminho> Listas(const TListListInt& l) {
    std::vector<Caminho> r;
    for (int i = 0; i < l.Count(); ++i)
        r.push_back(l[i].Items());
    return r;
}

struct Caminhos {
    std::vector<Caminho> ramos, vertices;
};

Caminhos Buscar(const TGrafo& g, std::int32_t a, std::int32_t b, bool primeiro, TArvore* arvore = nullptr) {
    TListListInt r, v;
    FindCaminhos(g, a, b, primeiro, r, v, arvore);
    return {Listas(r), Listas(v)};
}

// The search written the plain recursive way, step by step as it is defined: every adjacency entry
// in order; the target ends a path (in an undirected graph not by a branch of the path itself);
// any vertex not on the path is entered.
class Literal {
public:
    Literal(const TGrafo& g, std::int32_t alvo, bool primeiro) : g_(g), alvo_(alvo), primeiro_(primeiro) {}

    Caminhos Buscar(std::int32_t inicio) {
        if (g_.FindVertice(inicio) == nullptr) return {};
        visitados_ = {inicio};
        caminhoV_ = {inicio};
        Passo(inicio);
        return resultado_;
    }

private:
    bool Passo(std::int32_t x) {
        for (const TAdjacente& a : g_.FindVertice(x)->Adjacentes) {
            if (a.Vizinho == alvo_) {
                const bool naCadeia =
                    std::find(caminhoR_.begin(), caminhoR_.end(), a.Ramo) != caminhoR_.end();
                if (!g_.Dirigido() && naCadeia) continue;
                Caminho v = caminhoV_, r = caminhoR_;
                v.push_back(a.Vizinho);
                r.push_back(a.Ramo);
                resultado_.vertices.push_back(v);
                resultado_.ramos.push_back(r);
                if (primeiro_) return true;
                continue;
            }
            if (std::find(visitados_.begin(), visitados_.end(), a.Vizinho) != visitados_.end()) continue;
            visitados_.push_back(a.Vizinho);
            caminhoV_.push_back(a.Vizinho);
            caminhoR_.push_back(a.Ramo);
            if (Passo(a.Vizinho)) return true;
            caminhoV_.pop_back();
            caminhoR_.pop_back();
            visitados_.pop_back();
        }
        return false;
    }

    const TGrafo& g_;
    std::int32_t alvo_;
    bool primeiro_;
    std::vector<std::int32_t> visitados_, caminhoV_, caminhoR_;
    Caminhos resultado_;
};

// Up to 7 vertices with scattered identifiers and up to 12 branches, parallel branches and
// self-loops included.
TGrafo GrafoAleatorio(std::mt19937& rng, bool dirigido) {
    TGrafo g(dirigido);
    const int nv = 1 + static_cast<int>(rng() % 7);
    std::vector<std::int32_t> ids;
    for (int i = 0; i < nv; ++i) {
        ids.push_back(static_cast<std::int32_t>(i * 5) - 9);
        g.AddVertice(ids.back(), "v" + std::to_string(i));
    }
    std::shuffle(ids.begin(), ids.end(), rng);
    const int nb = static_cast<int>(rng() % 13);
    for (int b = 1; b <= nb; ++b) {
        const std::int32_t a = ids[rng() % ids.size()];
        std::int32_t c = ids[rng() % ids.size()];
        if (rng() % 8 != 0 && c == a) c = ids[rng() % ids.size()];
        g.AddRamo(b * 3, kRamoImpedancia, "R" + std::to_string(b), "0", a, c);
    }
    return g;
}

} // namespace

TEST(Caminhos, SearchTreeHoldsEveryStep) {
    // A triangle 1-2-3 and a pendant vertex 4 on 2: from 1 to itself the tree shows the dead ends
    // into 4 as well as both directions of the circuit.
    TGrafo g(false);
    for (int v = 1; v <= 4; ++v)
        g.AddVertice(v, "v" + std::to_string(v));
    g.AddRamo(1, 2, "a", "0", 1, 2);
    g.AddRamo(2, 2, "b", "0", 2, 4);
    g.AddRamo(3, 2, "c", "0", 2, 3);
    g.AddRamo(4, 2, "d", "0", 3, 1);
    TArvore arvore;
    const Caminhos c = Buscar(g, 1, 1, false, &arvore);
    EXPECT_EQ(c.vertices, (std::vector<Caminho>{{1, 2, 3, 1}, {1, 3, 2, 1}}));
    std::vector<std::string> passos;
    for (int i = 0; i < arvore.Count(); ++i)
        passos.push_back(std::to_string(arvore.No(i).Nivel) + arvore.No(i).Texto + "/" +
                         std::to_string(arvore.No(i).Ramo));
    EXPECT_EQ(passos, (std::vector<std::string>{"0v1/0", "1v2/1", "2v4/2", "2v3/3", "3v1/4", "1v3/4", "2v2/3",
                                                "3v1/1", "3v4/2"}));
    // Without the tree the dead ends are skipped, with the same paths.
    EXPECT_EQ(Buscar(g, 1, 1, false).vertices, c.vertices);
}

TEST(Caminhos, SearchesWithAndWithoutTreeEqualTheLiteralSearch) {
    std::mt19937 rng(4242);
    int encontrados = 0;
    for (int caso = 0; caso < 800; ++caso) {
        const TGrafo g = GrafoAleatorio(rng, caso % 2 == 0);
        // The target is the start now and then (circuits); now and then the start or the target is
        // a vertex that is not there.
        const auto vertice = [&] {
            return g.Vertice(static_cast<int>(rng() % static_cast<unsigned>(g.VerticeCount()))).Id;
        };
        const auto sorte = rng() % 12;
        const std::int32_t a = sorte == 5 ? 98 : vertice();
        const std::int32_t b = sorte < 4 ? a : sorte == 4 ? 99 : vertice();
        for (bool primeiro : {false, true}) {
            const Caminhos esperado = Literal(g, b, primeiro).Buscar(a);
            const Caminhos podado = Buscar(g, a, b, primeiro);
            TArvore arvore;
            const Caminhos comArvore = Buscar(g, a, b, primeiro, &arvore);
            ASSERT_EQ(podado.ramos, esperado.ramos) << caso;
            ASSERT_EQ(podado.vertices, esperado.vertices) << caso;
            ASSERT_EQ(comArvore.ramos, esperado.ramos) << caso;
            encontrados += static_cast<int>(esperado.ramos.size());

            // The shortest path is the first of fewest branches among all of them.
            if (primeiro) continue;
            TListInt r, v;
            const bool achou = FindCaminhoMaisCurto(g, a, b, r, v);
            ASSERT_EQ(achou, !esperado.ramos.empty()) << caso;
            if (!achou) continue;
            const auto melhor =
                std::min_element(esperado.ramos.begin(), esperado.ramos.end(),
                                 [](const Caminho& x, const Caminho& y) { return x.size() < y.size(); });
            EXPECT_EQ(r.Items(), *melhor) << caso;
            EXPECT_EQ(v.Items(), esperado.vertices[static_cast<std::size_t>(melhor - esperado.ramos.begin())])
                << caso;
        }
    }
    EXPECT_GT(encontrados, 2000);
}
