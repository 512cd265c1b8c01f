// Mason's loops and loop sets against brute force on random small diagrams: every subset of
// branches that forms one elementary cycle is a loop, and every subset of pairwise vertex-disjoint
// loops is a loop set.
#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace brelix;

namespace {

using Ints = std::vector<std::int32_t>;
using Produto = std::map<std::string, std::int32_t>;

struct TGanhoConhecido {
    const char* texto;
    double k;
    const char* sym;
    std::int32_t expSym;
    std::int32_t expS;
};

const TGanhoConhecido kGanhos[] = {
    {"2.R", 2, "R", 1, 0},         {"-1", -1, "", 0, 0},        {"0,5.C.S", 0.5, "C", 1, 1},
    {"L^-1.S^-1", 1, "L", -1, -1}, {"3", 3, "", 0, 0},          {"-2.G.S^2", -2, "G", 1, 2},
    {"R^-1", 1, "R", -1, 0},       {"-1.DFS", -1, "DFS", 1, 0}, {"1,5.S^-2", 1.5, "", 0, -2},
    {"H", 1, "H", 1, 0},           {"0,1.R", 0.1, "R", 1, 0},   {"0,3", 0.3, "", 0, 0},
    {"-0,7.C.S", -0.7, "C", 1, 1},
};

struct TRamoCaso {
    std::int32_t id;
    int origem, destino; // positions in the vertex list
    int ganho;           // into kGanhos
};

struct TCaso {
    Ints ids; // vertex identifiers in list order
    std::vector<TRamoCaso> ramos;
};

// An elementary cycle as the brute force sees it.
struct TCiclo {
    Ints vertices;          // identifiers, from the smallest back to it
    Ints ramos;             // identifiers, in the order travelled
    std::vector<int> chave; // start's list position, then the adjacency positions travelled
    std::set<int> posicoes; // vertex positions it passes
    double k = 1;
    std::int32_t expS = 0;
    Produto simbolos;
};

TCaso Sortear(std::mt19937& rng) {
    std::uniform_int_distribution<int> nv(1, 7), nb(0, 12);
    TCaso c;
    Ints pool;
    for (std::int32_t id = -9; id <= 30; ++id)
        pool.push_back(id);
    std::shuffle(pool.begin(), pool.end(), rng);
    c.ids.assign(pool.begin(), pool.begin() + nv(rng));

    Ints ramoIds;
    for (std::int32_t id = -20; id <= 100; ++id)
        ramoIds.push_back(id);
    std::shuffle(ramoIds.begin(), ramoIds.end(), rng);
    std::uniform_int_distribution<int> vert(0, static_cast<int>(c.ids.size()) - 1);
    std::uniform_int_distribution<int> ganho(0, static_cast<int>(std::size(kGanhos)) - 1);
    const int n = nb(rng);
    for (int i = 0; i < n; ++i)
        c.ramos.push_back({ramoIds[static_cast<std::size_t>(i)], vert(rng), vert(rng), ganho(rng)});
    return c;
}

TGrafo Montar(const TCaso& c) {
    TGrafo g;
    for (std::int32_t id : c.ids)
        g.AddVertice(id, "v" + std::to_string(id));
    for (const TRamoCaso& r : c.ramos)
        g.AddTransmitancia(r.id, "t", kGanhos[r.ganho].texto, c.ids[static_cast<std::size_t>(r.origem)],
                           c.ids[static_cast<std::size_t>(r.destino)]);
    return g;
}

// Every subset of branches in which each vertex it touches has exactly one branch out and one in,
// and which a single walk covers.
std::vector<TCiclo> CiclosPorForcaBruta(const TCaso& c) {
    const int nb = static_cast<int>(c.ramos.size());
    std::vector<int> posAdj(static_cast<std::size_t>(nb));
    for (int i = 0; i < nb; ++i)
        for (int j = 0; j < i; ++j)
            if (c.ramos[static_cast<std::size_t>(j)].origem == c.ramos[static_cast<std::size_t>(i)].origem)
                ++posAdj[static_cast<std::size_t>(i)];

    std::vector<TCiclo> ciclos;
    for (unsigned mask = 1; mask < (1u << nb); ++mask) {
        std::vector<int> saida(c.ids.size(), -1), entradas(c.ids.size(), 0), saidas(c.ids.size(), 0);
        for (int i = 0; i < nb; ++i) {
            if (!(mask & (1u << i))) continue;
            const TRamoCaso& r = c.ramos[static_cast<std::size_t>(i)];
            ++saidas[static_cast<std::size_t>(r.origem)];
            ++entradas[static_cast<std::size_t>(r.destino)];
            saida[static_cast<std::size_t>(r.origem)] = i;
        }
        bool ok = true;
        int inicio = -1;
        for (std::size_t v = 0; v < c.ids.size() && ok; ++v) {
            if (saidas[v] == 0 && entradas[v] == 0) continue;
            ok = saidas[v] == 1 && entradas[v] == 1;
            if (inicio < 0 || c.ids[v] < c.ids[static_cast<std::size_t>(inicio)])
                inicio = static_cast<int>(v);
        }
        if (!ok) continue;

        TCiclo ciclo;
        ciclo.chave.push_back(inicio);
        int v = inicio;
        do {
            const int i = saida[static_cast<std::size_t>(v)];
            const TRamoCaso& r = c.ramos[static_cast<std::size_t>(i)];
            const TGanhoConhecido& g = kGanhos[r.ganho];
            ciclo.vertices.push_back(c.ids[static_cast<std::size_t>(v)]);
            ciclo.posicoes.insert(v);
            ciclo.ramos.push_back(r.id);
            ciclo.chave.push_back(posAdj[static_cast<std::size_t>(i)]);
            ciclo.k *= g.k;
            ciclo.expS += g.expS;
            if (*g.sym) ciclo.simbolos[g.sym] += g.expSym;
            v = r.destino;
        } while (v != inicio);
        ciclo.vertices.push_back(c.ids[static_cast<std::size_t>(inicio)]);
        if (ciclo.ramos.size() != static_cast<std::size_t>(std::popcount(mask))) continue; // two cycles
        ciclos.push_back(std::move(ciclo));
    }
    // The search order: by start vertex in list order, then depth first in adjacency order.
    std::sort(ciclos.begin(), ciclos.end(),
              [](const TCiclo& a, const TCiclo& b) { return a.chave < b.chave; });
    return ciclos;
}

// Every set of pairwise disjoint loops, by size, each size in lexicographic order.
std::vector<std::vector<Ints>> ConjuntosPorForcaBruta(const std::vector<TCiclo>& ciclos) {
    const int n = static_cast<int>(ciclos.size());
    std::vector<std::vector<Ints>> ordens;
    for (unsigned mask = 1; mask < (1u << n); ++mask) {
        Ints conjunto;
        for (int i = 0; i < n; ++i)
            if (mask & (1u << i)) conjunto.push_back(i);
        bool disjuntos = true;
        for (std::size_t a = 0; a < conjunto.size() && disjuntos; ++a)
            for (std::size_t b = a + 1; b < conjunto.size() && disjuntos; ++b)
                for (int v : ciclos[static_cast<std::size_t>(conjunto[a])].posicoes)
                    if (ciclos[static_cast<std::size_t>(conjunto[b])].posicoes.count(v)) disjuntos = false;
        if (!disjuntos) continue;
        if (ordens.size() < conjunto.size()) ordens.resize(conjunto.size());
        ordens[conjunto.size() - 1].push_back(conjunto);
    }
    for (auto& o : ordens)
        std::sort(o.begin(), o.end());
    return ordens;
}

Produto ComoMapa(const TListSimboloExp& p) {
    Produto m;
    for (const TSimboloExp& s : p) {
        EXPECT_EQ(m.count(s.Nome()), 0u) << "symbol twice in a product: " << s.Nome();
        m[s.Nome()] = s.Exp;
    }
    return m;
}

// Every step of the search from the root: from a vertex, each entry in branch order either closes
// the loop (back to the root) or goes on to a vertex not below the root and not yet on the path.
void ConferirBusca(const TCaso& c, const TGrafo& g, const TNo& no, std::int32_t s,
                   std::set<std::int32_t>& caminho) {
    const auto pos = static_cast<int>(std::find(c.ids.begin(), c.ids.end(), no.Id) - c.ids.begin());
    std::size_t filho = 0;
    for (const TRamoCaso& r : c.ramos) {
        if (r.origem != pos) continue;
        const std::int32_t n = c.ids[static_cast<std::size_t>(r.destino)];
        const bool fecha = n == s;
        if (!fecha && (n < s || caminho.count(n))) continue;
        ASSERT_LT(filho, no.Filhos.size()) << "missing step from " << no.Id << " to " << n;
        const TNo& f = *no.Filhos[filho++];
        EXPECT_EQ(f.Id, n);
        EXPECT_EQ(f.Ramo, r.id);
        EXPECT_EQ(f.Ganho, g.FindRamo(r.id)->GanhoPtr());
        EXPECT_EQ(f.Texto, "v" + std::to_string(n));
        EXPECT_EQ(f.Nivel, no.Nivel + 1);
        if (fecha) {
            EXPECT_TRUE(f.Filhos.empty());
            continue;
        }
        caminho.insert(n);
        ConferirBusca(c, g, f, s, caminho);
        caminho.erase(n);
    }
    EXPECT_EQ(filho, no.Filhos.size()) << "extra steps from " << no.Id;
}

std::vector<std::vector<Ints>> IndicesPorOrdem(const TListListLacoOS& ordens) {
    std::vector<std::vector<Ints>> out;
    for (const TListLacoOS& o : ordens) {
        auto& v = out.emplace_back();
        for (const TLacoOS& os : o)
            v.push_back(os.Lacos.Items());
    }
    return out;
}

} // namespace

TEST(MasonOraculo, LoopsAndSetsOfRandomDiagramsMatchBruteForce) {
    std::mt19937 rng(20240611);
    int conferidos = 0, comConjuntos = 0;
    for (int caso = 0; caso < 400 && conferidos < 300; ++caso) {
        const TCaso c = Sortear(rng);
        const std::vector<TCiclo> ciclos = CiclosPorForcaBruta(c);
        if (ciclos.size() > 14) continue; // keeps the brute force over loop subsets small
        ++conferidos;
        SCOPED_TRACE("case " + std::to_string(caso));
        TGrafo g = Montar(c);
        const TResultadoMason m = Mason(g);

        // Loops: each elementary cycle exactly once, in search order, with its gain.
        ASSERT_EQ(m.Lacos.size(), ciclos.size());
        for (std::size_t i = 0; i < ciclos.size(); ++i) {
            EXPECT_EQ(m.Lacos[i].Vertices.Items(), ciclos[i].vertices) << "loop " << i;
            EXPECT_EQ(m.Lacos[i].Ramos.Items(), ciclos[i].ramos) << "loop " << i;
            EXPECT_DOUBLE_EQ(m.Lacos[i].K, ciclos[i].k);
            EXPECT_EQ(m.Lacos[i].ExpS, ciclos[i].expS);
            EXPECT_EQ(ComoMapa(m.Lacos[i].Simbolos), ciclos[i].simbolos);
        }

        // Non-touching table.
        ASSERT_EQ(m.Disjuntos.Count(), static_cast<int>(ciclos.size()));
        for (std::size_t i = 0; i < ciclos.size(); ++i) {
            Ints linha;
            for (std::size_t j = i + 1; j < ciclos.size(); ++j) {
                std::vector<int> comum;
                std::set_intersection(ciclos[i].posicoes.begin(), ciclos[i].posicoes.end(),
                                      ciclos[j].posicoes.begin(), ciclos[j].posicoes.end(),
                                      std::back_inserter(comum));
                if (comum.empty()) linha.push_back(static_cast<std::int32_t>(j));
            }
            EXPECT_EQ(m.Disjuntos[static_cast<int>(i)].Items(), linha);
        }

        // Loop sets: every disjoint subset once, by order, lexicographic, with the product of gains.
        const auto esperados = ConjuntosPorForcaBruta(ciclos);
        ASSERT_EQ(IndicesPorOrdem(m.LacosOS), esperados);
        std::size_t total = 0;
        for (const TListLacoOS& o : m.LacosOS)
            for (const TLacoOS& os : o) {
                ++total;
                double k = 1;
                std::int32_t expS = 0;
                Produto simbolos;
                for (std::int32_t i : os.Lacos) {
                    const TCiclo& ciclo = ciclos[static_cast<std::size_t>(i)];
                    k *= ciclo.k;
                    expS += ciclo.expS;
                    for (const auto& [nome, e] : ciclo.simbolos)
                        simbolos[nome] += e;
                }
                EXPECT_DOUBLE_EQ(os.K, k);
                EXPECT_EQ(os.ExpS, expS);
                EXPECT_EQ(ComoMapa(os.Simbolos), simbolos);
            }
        if (esperados.size() > 1) ++comConjuntos;

        // The forest holds one node per set; its roots' children are the table's rows.
        EXPECT_EQ(static_cast<std::size_t>(m.Floresta.Count()), total);
        EXPECT_EQ(m.Floresta.NivelMax() + 1, static_cast<std::int32_t>(esperados.size()));
        for (int i = 0; i < m.Floresta.RaizCount(); ++i) {
            Ints filhos;
            for (const auto& f : m.Floresta.Raiz(i).Filhos)
                filhos.push_back(f->Id);
            EXPECT_EQ(filhos, m.Disjuntos[i].Items());
            EXPECT_EQ(m.Floresta.Raiz(i).Texto, std::to_string(i + 1));
        }

        // The search tree: one root per vertex, every step in order, dead ends included.
        ASSERT_EQ(m.Busca.RaizCount(), static_cast<int>(c.ids.size()));
        for (int i = 0; i < m.Busca.RaizCount(); ++i) {
            const TNo& raiz = m.Busca.Raiz(i);
            EXPECT_EQ(raiz.Id, c.ids[static_cast<std::size_t>(i)]);
            std::set<std::int32_t> caminho{raiz.Id};
            ConferirBusca(c, g, raiz, raiz.Id, caminho);
        }
    }
    EXPECT_EQ(conferidos, 300);
    EXPECT_GT(comConjuntos, 50); // enough diagrams with sets of two or more loops to mean something
}

TEST(MasonOraculo, MasonOSGivesExactlyMasonsSets) {
    std::mt19937 rng(7);
    for (int caso = 0; caso < 300; ++caso) {
        SCOPED_TRACE("case " + std::to_string(caso));
        const TCaso c = Sortear(rng);
        TGrafo g = Montar(c);
        const TResultadoMason m = Mason(g);
        const TListListLacoOS os = MasonOS(g);
        ASSERT_EQ(os.size(), m.LacosOS.size());
        for (std::size_t k = 0; k < os.size(); ++k) {
            ASSERT_EQ(os[k].size(), m.LacosOS[k].size());
            for (std::size_t j = 0; j < os[k].size(); ++j) {
                const TLacoOS& a = m.LacosOS[k][j];
                const TLacoOS& b = os[k][j];
                EXPECT_EQ(a.Lacos.Items(), b.Lacos.Items());
                EXPECT_EQ(a.K, b.K); // the same products in the same order: bit for bit
                EXPECT_EQ(a.ExpS, b.ExpS);
                ASSERT_EQ(a.Simbolos.Count(), b.Simbolos.Count());
                for (int s = 0; s < a.Simbolos.Count(); ++s) {
                    EXPECT_EQ(a.Simbolos[s].Id, b.Simbolos[s].Id);
                    EXPECT_EQ(a.Simbolos[s].Exp, b.Simbolos[s].Exp);
                }
                TLacoOS ca = a, cb = b;
                EXPECT_EQ(ca.TextoGanho(), cb.TextoGanho());
            }
        }
        // A second run on the same diagram gives the same sets again.
        EXPECT_EQ(IndicesPorOrdem(MasonOS(g)), IndicesPorOrdem(os));
    }
}
