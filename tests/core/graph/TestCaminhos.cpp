// The path search of linear graphs against a literal search on random graphs, directed and
// undirected, with parallel branches, self-loops and absent vertices: all paths or the first only,
// with and without the search tree (without it, steps that cannot matter are skipped), and the
// shortest path.

#include "graph/UnitGrfCaminhos.h"
#include "graph/UnitGrfGrafo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace brelix;

namespace {

using Caminho = std::vector<std::int32_t>;

struct Caminhos {
    std::vector<Caminho> ramos, vertices;
};

Caminhos Buscar(const TGrafo& g, std::int32_t a, std::int32_t b, bool primeiro, bool comArvore) {
    TListListInt r, v;
    TArvore arvore;
    FindCaminhos(g, a, b, primeiro, r, v, comArvore ? &arvore : nullptr);
    Caminhos c;
    for (int i = 0; i < r.Count(); ++i) {
        c.ramos.push_back(r[i].Items());
        c.vertices.push_back(v[i].Items());
    }
    return c;
}

// The search written the plain recursive way: every adjacency entry in order; the target ends a
// path, but in an undirected graph never by a branch of the path itself (a circuit does not go out
// and back along one branch); any vertex not on the path is entered; the first path may end it all.
class Literal {
public:
    Literal(const TGrafo& g, std::int32_t alvo, bool primeiro) : g_(g), alvo_(alvo), primeiro_(primeiro) {}

    Caminhos Buscar(std::int32_t inicio) {
        if (g_.FindVertice(inicio) == nullptr) return {};
        caminhoV_ = {inicio};
        Passo(inicio);
        return resultado_;
    }

private:
    bool Passo(std::int32_t x) {
        for (const TAdjacente& a : g_.FindVertice(x)->Adjacentes) {
            if (a.Vizinho == alvo_) {
                if (!g_.Dirigido() &&
                    std::find(caminhoR_.begin(), caminhoR_.end(), a.Ramo) != caminhoR_.end())
                    continue;
                resultado_.vertices.push_back(caminhoV_);
                resultado_.vertices.back().push_back(a.Vizinho);
                resultado_.ramos.push_back(caminhoR_);
                resultado_.ramos.back().push_back(a.Ramo);
                if (primeiro_) return true;
                continue;
            }
            if (std::find(caminhoV_.begin(), caminhoV_.end(), a.Vizinho) != caminhoV_.end()) continue;
            caminhoV_.push_back(a.Vizinho);
            caminhoR_.push_back(a.Ramo);
            if (Passo(a.Vizinho)) return true;
            caminhoV_.pop_back();
            caminhoR_.pop_back();
        }
        return false;
    }

    const TGrafo& g_;
    std::int32_t alvo_;
    bool primeiro_;
    std::vector<std::int32_t> caminhoV_, caminhoR_;
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

TEST(Caminhos, SearchesWithAndWithoutTreeEqualTheLiteralSearch) {
    std::mt19937 rng(4242);
    int encontrados = 0, circuitos = 0;
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
            const Caminhos podado = Buscar(g, a, b, primeiro, false);
            const Caminhos comArvore = Buscar(g, a, b, primeiro, true);
            ASSERT_EQ(podado.ramos, esperado.ramos) << caso;
            ASSERT_EQ(podado.vertices, esperado.vertices) << caso;
            ASSERT_EQ(comArvore.ramos, esperado.ramos) << caso;
            encontrados += static_cast<int>(esperado.ramos.size());
            if (a == b && !g.Dirigido()) circuitos += static_cast<int>(esperado.ramos.size());

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
    EXPECT_GT(circuitos, 100); // undirected circuits, where the rule of the path's own branches bites
}
