// Mason's formula on random small diagrams against independent oracles: every subset of branches
// that forms one elementary cycle is a loop, and every subset of pairwise vertex-disjoint loops is a
// loop set (brute force); MasonOS gives Mason's sets; and the transfer function assembled from the
// sets equals, at random numeric points, the ratio obtained by solving the diagram's equations
// directly (and differs from it once a branch's sign is turned over), with the symbolic sensitivity
// equal to a numeric derivative of that solution.

#include "support/RedeLinear.h"

#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"
#include "symbolic/UnitFTFuncao.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <sstream>

using namespace brelix;
using apoio::Complexo;
using apoio::Perto;
using apoio::ValoresSimbolos;
using rede::G;

namespace {

using Ints = std::vector<std::int32_t>;
using Produto = std::map<std::string, std::int32_t>;

// The last gain holds DFS, the closing branch's symbol, which diagrams for a transfer function avoid.
const rede::Ganho kGanhos[] = {G(2, "2", "R"),
                               G(-1, "-1"),
                               G(0.5, "0,5", "C", 1, 1),
                               G(1, "1", "L", -1, -1),
                               G(3, "3"),
                               G(-2, "-2", "G", 1, 2),
                               G(1, "1", "R", -1),
                               G(1.5, "1,5", "", 1, -2),
                               G(1, "1", "H"),
                               G(0.1, "0,1", "R"),
                               G(0.3, "0,3"),
                               G(-0.7, "-0,7", "C", 1, 1),
                               G(-1, "-1", "L", 1),
                               G(2, "2", "H", -1, 1),
                               G(-1, "-1", "DFS")};
const std::vector<std::string> kSimbolos = {"R", "C", "L", "G", "H"};

struct TRamoCaso {
    std::int32_t id;
    std::size_t origem, destino; // positions in the vertex list
    rede::Ganho ganho;
};

struct TCaso {
    Ints ids; // vertex identifiers in list order
    std::vector<TRamoCaso> ramos;

    TGrafo Grafo() const {
        TGrafo g;
        for (std::int32_t id : ids)
            g.AddVertice(id, "v" + std::to_string(id));
        for (const TRamoCaso& r : ramos)
            g.AddTransmitancia(r.id, "t", r.ganho.Texto(), ids[r.origem], ids[r.destino]);
        return g;
    }
};

// 1 to 7 vertices and up to 12 branches with scattered identifiers; self-loops and parallel branches
// happen. With an input, there are two vertices at least, no branch enters the first one, and no
// gain holds DFS.
TCaso Sortear(std::mt19937& rng, bool comEntrada) {
    TCaso c;
    for (std::int32_t id = -9; id <= 30; ++id)
        c.ids.push_back(id);
    std::shuffle(c.ids.begin(), c.ids.end(), rng);
    c.ids.resize(comEntrada ? 2 + rng() % 6 : 1 + rng() % 7);
    Ints ramoIds;
    for (std::int32_t id = -20; id <= 100; ++id)
        ramoIds.push_back(id);
    std::shuffle(ramoIds.begin(), ramoIds.end(), rng);
    const std::size_t n = c.ids.size(), ganhos = std::size(kGanhos) - (comEntrada ? 1 : 0);
    for (std::size_t i = 0, m = rng() % 13; i < m; ++i) {
        const std::size_t de = rng() % n;
        const std::size_t para = comEntrada ? 1 + rng() % (n - 1) : rng() % n;
        c.ramos.push_back({ramoIds[i], de, para, kGanhos[rng() % ganhos]});
    }
    return c;
}

// An elementary cycle as the brute force sees it.
struct TCiclo {
    Ints vertices;                  // identifiers, from the smallest back to it
    Ints ramos;                     // identifiers, in the order travelled
    std::vector<std::size_t> chave; // start's list position, then the adjacency positions travelled
    unsigned posicoes = 0;          // a bit for each vertex position it passes
    double k = 1;
    std::int32_t expS = 0;
    Produto simbolos;
};

// Every subset of branches in which each vertex it touches has exactly one branch out and one in,
// and which a single walk covers, in the search order: by start vertex in list order, then depth
// first in adjacency order.
std::vector<TCiclo> CiclosPorForcaBruta(const TCaso& c) {
    const std::size_t nb = c.ramos.size(), nv = c.ids.size();
    std::vector<std::size_t> posAdj(nb);
    for (std::size_t i = 0; i < nb; ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (c.ramos[j].origem == c.ramos[i].origem) ++posAdj[i];
    std::vector<TCiclo> ciclos;
    for (unsigned mask = 1; mask < (1u << nb); ++mask) {
        std::vector<std::size_t> saida(nv), entradas(nv), saidas(nv);
        for (std::size_t i = 0; i < nb; ++i) {
            if (!(mask & (1u << i))) continue;
            ++saidas[c.ramos[i].origem];
            ++entradas[c.ramos[i].destino];
            saida[c.ramos[i].origem] = i;
        }
        bool ok = true;
        std::size_t inicio = nv;
        for (std::size_t v = 0; v < nv && ok; ++v) {
            if (saidas[v] == 0 && entradas[v] == 0) continue;
            ok = saidas[v] == 1 && entradas[v] == 1;
            if (inicio == nv || c.ids[v] < c.ids[inicio]) inicio = v;
        }
        if (!ok) continue;
        TCiclo ciclo;
        ciclo.chave.push_back(inicio);
        std::size_t v = inicio;
        do {
            const TRamoCaso& r = c.ramos[saida[v]];
            ciclo.vertices.push_back(c.ids[v]);
            ciclo.posicoes |= 1u << v;
            ciclo.ramos.push_back(r.id);
            ciclo.chave.push_back(posAdj[saida[v]]);
            ciclo.k *= r.ganho.k;
            ciclo.expS += r.ganho.expS;
            if (!r.ganho.sym.empty()) ciclo.simbolos[r.ganho.sym] += r.ganho.expSym;
            v = r.destino;
        } while (v != inicio);
        ciclo.vertices.push_back(c.ids[inicio]);
        if (ciclo.ramos.size() != static_cast<std::size_t>(std::popcount(mask))) continue; // two cycles
        ciclos.push_back(std::move(ciclo));
    }
    std::sort(ciclos.begin(), ciclos.end(),
              [](const TCiclo& a, const TCiclo& b) { return a.chave < b.chave; });
    return ciclos;
}

// Every set of pairwise disjoint loops, by size, each size in lexicographic order.
std::vector<std::vector<Ints>> ConjuntosPorForcaBruta(const std::vector<TCiclo>& ciclos) {
    std::vector<std::vector<Ints>> ordens;
    for (unsigned mask = 1; mask < (1u << ciclos.size()); ++mask) {
        Ints conjunto;
        unsigned vistos = 0;
        bool disjuntos = true;
        for (std::size_t i = 0; i < ciclos.size() && disjuntos; ++i) {
            if (!(mask & (1u << i))) continue;
            conjunto.push_back(static_cast<std::int32_t>(i));
            disjuntos = (vistos & ciclos[i].posicoes) == 0;
            vistos |= ciclos[i].posicoes;
        }
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

std::vector<std::vector<Ints>> IndicesPorOrdem(const TListListLacoOS& ordens) {
    std::vector<std::vector<Ints>> out;
    for (const TListLacoOS& o : ordens) {
        auto& v = out.emplace_back();
        for (const TLacoOS& os : o)
            v.push_back(os.Lacos.Items());
    }
    return out;
}

// Each loop set, order by order, as its loops, its exact gain, power of S and text, and its symbols
// in the order the text sorts them into.
std::vector<std::string> Assinaturas(const TListListLacoOS& ordens) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k < ordens.size(); ++k)
        for (TLacoOS os : ordens[k]) {
            std::ostringstream t;
            t << k << ": " << std::hexfloat << os.K << " S^" << os.ExpS << " " << os.TextoGanho() << " |";
            for (std::int32_t i : os.Lacos)
                t << ' ' << i;
            for (const TSimboloExp& x : os.Simbolos)
                t << ' ' << x.Id << '^' << x.Exp;
            out.push_back(t.str());
        }
    return out;
}

// The function's value computed here from its terms, apart from the library's evaluators.
Complexo ValorTermos(const TListFator& p, const ValoresSimbolos& valores, Complexo s) {
    Complexo soma = 0.0;
    for (const TFator& t : p) {
        Complexo termo = t.K * std::pow(s, t.ExpS);
        for (const TSimboloExp& x : t.Simbolos)
            termo *= std::pow(valores.at(x.Nome()), x.Exp);
        soma += termo;
    }
    return soma;
}

// A diagram with an input, an output chosen among the library's candidates, and its function
// assembled from the loop sets of Mason's full results or of MasonOS. False without an output.
struct TComFuncao {
    TCaso caso;
    std::size_t saida = 0;
    TFuncao ft;

    bool Montar(std::mt19937& rng, bool masonCompleto) {
        caso = Sortear(rng, true);
        TGrafo g = caso.Grafo();
        std::vector<std::string> entradas, saidas;
        MarkEntradaSaida(g, entradas, saidas);
        const std::string entrada = "v" + std::to_string(caso.ids[0]);
        EXPECT_NE(std::find(entradas.begin(), entradas.end(), entrada), entradas.end());
        if (saidas.empty()) return false;
        const std::string nome = saidas[rng() % saidas.size()];
        const auto id = std::stoi(nome.substr(1));
        saida = static_cast<std::size_t>(std::find(caso.ids.begin(), caso.ids.end(), id) - caso.ids.begin());
        EXPECT_NE(AddRamoDFS(g, entrada, nome), nullptr);
        ft.FromMason(masonCompleto ? Mason(g).LacosOS : MasonOS(g));
        return true;
    }

    // The output over the input from the diagram's equations, with the sign of branch `trocado`
    // turned over if there is one; false when (nearly) singular.
    bool Resolver(const ValoresSimbolos& valores, Complexo s, Complexo& resultado,
                  std::size_t trocado = SIZE_MAX) const {
        std::vector<apoio::RamoNumerico> ramos;
        for (std::size_t i = 0; i < caso.ramos.size(); ++i) {
            const TRamoCaso& r = caso.ramos[i];
            ramos.push_back({r.origem, r.destino, (i == trocado ? -1.0 : 1.0) * r.ganho.Valor(valores, s)});
        }
        std::vector<Complexo> x;
        if (!apoio::ResolverDiagrama(caso.ids.size(), ramos, 0, x, 1e-6)) return false;
        resultado = x[saida];
        return true;
    }
};

} // namespace

TEST(MasonOraculo, LoopsAndSetsOfRandomDiagramsMatchBruteForce) {
    std::mt19937 rng(20240611);
    int conferidos = 0, comConjuntos = 0;
    for (int caso = 0; caso < 400 && conferidos < 300; ++caso) {
        SCOPED_TRACE("case " + std::to_string(caso));
        const TCaso c = Sortear(rng, false);
        TGrafo g = c.Grafo();
        const TResultadoMason m = Mason(g);

        // MasonOS gives the same sets: the same products in the same order, bit for bit.
        ASSERT_EQ(Assinaturas(MasonOS(g)), Assinaturas(m.LacosOS));

        const std::vector<TCiclo> ciclos = CiclosPorForcaBruta(c);
        if (ciclos.size() > 14) continue; // keeps the brute force over loop subsets small
        ++conferidos;

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
            for (std::size_t j = i + 1; j < ciclos.size(); ++j)
                if ((ciclos[i].posicoes & ciclos[j].posicoes) == 0)
                    linha.push_back(static_cast<std::int32_t>(j));
            EXPECT_EQ(m.Disjuntos[static_cast<int>(i)].Items(), linha);
        }

        // Loop sets: every disjoint subset once, by order, each order in lexicographic order (their
        // products reach the transfer function, which the direct solve below checks).
        const auto esperados = ConjuntosPorForcaBruta(ciclos);
        ASSERT_EQ(IndicesPorOrdem(m.LacosOS), esperados);
        std::size_t total = 0;
        for (const auto& o : esperados)
            total += o.size();
        if (esperados.size() > 1) ++comConjuntos;

        // The forest holds one node per set, one level per order.
        EXPECT_EQ(static_cast<std::size_t>(m.Floresta.Count()), total);
        EXPECT_EQ(m.Floresta.NivelMax() + 1, static_cast<std::int32_t>(esperados.size()));
    }
    EXPECT_EQ(conferidos, 300);
    EXPECT_GT(comConjuntos, 50); // enough diagrams with sets of two or more loops to mean something
}

TEST(MasonOraculo, TransferFunctionEqualsTheDirectSolveOfTheDiagram) {
    std::mt19937 rng(20261206);
    int comparados = 0, zeros = 0, notados = 0;
    for (int caso = 0; caso < 400; ++caso) {
        TComFuncao d;
        if (!d.Montar(rng, caso % 2 == 0)) continue;
        for (int k = 0; k < 3; ++k) {
            const apoio::Ponto p = apoio::PontoAleatorio(rng, kSimbolos);
            Complexo direto;
            if (!d.Resolver(p.valores, p.s, direto)) continue;
            const Complexo den = ValorTermos(d.ft.Den, p.valores, p.s);
            ASSERT_GT(std::abs(den), 1e-12) << "case " << caso;
            const Complexo mason = ValorTermos(d.ft.Num, p.valores, p.s) / den;
            ASSERT_TRUE(Perto(mason, direto, 1e-8))
                << "case " << caso << ": Mason " << mason << ", direct " << direto
                << "\nN = " << d.ft.Num.TextoSimbolico() << "\nD = " << d.ft.Den.TextoSimbolico();
            // The library's own evaluator agrees with the terms.
            ASSERT_TRUE(Perto(d.ft.ValorEm(apoio::Valores(p.valores), p.s), direto, 1e-8)) << "case " << caso;
            ++comparados;
            if (std::abs(direto) == 0.0) ++zeros;
            // The comparison notices a wrong diagram: with the sign of one branch turned over the
            // direct solve disagrees, unless that branch lies on no path or loop that matters.
            const std::size_t nb = d.caso.ramos.size(), ramo = static_cast<std::size_t>(caso + k);
            if (Complexo t; nb > 0 && d.Resolver(p.valores, p.s, t, ramo % nb) && !Perto(mason, t, 1e-8))
                ++notados;
        }
    }
    // Enough cases were compared, and some of them had an output the input does not reach.
    EXPECT_GT(comparados, 900);
    EXPECT_GT(zeros, 10);
    EXPECT_GT(notados, comparados / 3) << comparados;
}

TEST(MasonOraculo, SensitivityEqualsTheNumericDerivativeOfTheDirectSolve) {
    std::mt19937 rng(777);
    int comparados = 0;
    for (int caso = 0; caso < 300; ++caso) {
        TComFuncao d;
        if (!d.Montar(rng, false)) continue;
        const std::string x = kSimbolos[rng() % kSimbolos.size()];
        const TFuncao sens = d.ft.Sensibilidade(x);
        const apoio::Ponto p = apoio::PontoAleatorio(rng, kSimbolos);
        const double h = 1e-6 * p.valores.at(x);
        ValoresSimbolos acima = p.valores, abaixo = p.valores;
        acima[x] += h;
        abaixo[x] -= h;
        Complexo t, up, down;
        if (!d.Resolver(p.valores, p.s, t) || !d.Resolver(acima, p.s, up) || !d.Resolver(abaixo, p.s, down) ||
            std::abs(t) < 1e-6)
            continue;
        const Complexo numerico = p.valores.at(x) / t * (up - down) / (2 * h);
        const Complexo simbolico =
            ValorTermos(sens.Num, p.valores, p.s) / ValorTermos(sens.Den, p.valores, p.s);
        ASSERT_TRUE(Perto(simbolico, numerico, 1e-5))
            << "case " << caso << " symbol " << x << ": symbolic " << simbolico << ", numeric " << numerico;
        ++comparados;
    }
    EXPECT_GT(comparados, 150);
}
