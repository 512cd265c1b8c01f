// Mason's formula. On random diagrams, the transfer function assembled from the loop sets equals, at
// random numeric points, the ratio obtained by solving the diagram's equations directly (and differs
// from it once a branch's sign is turned over), the symbolic sensitivity equals a numeric derivative
// of that solution, and MasonOS gives Mason's sets. By hand: the order of loops, of the non-touching
// table and of the sets, the texts of set gains, the empty diagram, the closing branch's identifier
// and its refusal of unknown names, and deep diagrams on a small stack.

#include "support/RedeLinear.h"

#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfMasonFT.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitFTProgresso.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <pthread.h>
#include <sstream>

using namespace brelix;
using apoio::Complexo;
using apoio::Perto;
using apoio::ValoresSimbolos;
using rede::G;

namespace {

using Ints = std::vector<std::int32_t>;

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
                               G(2, "2", "H", -1, 1)};
const std::vector<std::string> kSimbolos = {"R", "C", "L", "G", "H"};

// Each loop set, order by order, as its loops and its gain text; exactly, also its gain's number and
// power of S, and its symbols in the order the text sorts them into.
std::vector<std::string> Conjuntos(const TListListLacoOS& ordens, bool exato = false) {
    std::vector<std::string> out;
    for (const TListLacoOS& o : ordens)
        for (TLacoOS os : o) {
            std::ostringstream t;
            for (std::int32_t i : os.Lacos)
                t << i << ' ';
            t << os.TextoGanho();
            if (exato) {
                t << ' ' << std::hexfloat << os.K << " S^" << os.ExpS;
                for (const TSimboloExp& x : os.Simbolos)
                    t << ' ' << x.Id << '^' << x.Exp;
            }
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
// A random diagram: 2 to 7 variables with scattered identifiers and up to 12 branches, self-loops
// and parallel branches included, none entering the first variable, the input. The output is one of
// the library's candidates; the function is assembled from the loop sets of Mason's full results or
// of MasonOS, which must be the same.
struct TDiagrama {
    struct Ramo {
        std::size_t origem, destino; // positions in the variable list
        rede::Ganho ganho;
    };
    Ints ids;
    std::vector<Ramo> ramos;
    std::size_t saida = 0;
    TFuncao ft;
    TGrafo fechado; // the diagram with its closing branch, as the loop search first saw it

    // False when the diagram offers no output.
    bool Montar(std::mt19937& rng, bool masonCompleto, std::size_t ramosMax = 12) {
        for (std::int32_t id = -9; id <= 30; ++id)
            ids.push_back(id);
        std::shuffle(ids.begin(), ids.end(), rng);
        ids.resize(2 + rng() % 6);
        Ints ramoIds;
        for (std::int32_t id = -20; id <= 100; ++id)
            ramoIds.push_back(id);
        std::shuffle(ramoIds.begin(), ramoIds.end(), rng);
        TGrafo g;
        for (std::int32_t id : ids)
            g.AddVertice(id, "v" + std::to_string(id));
        for (std::size_t i = 0, m = rng() % (ramosMax + 1); i < m; ++i) {
            const std::size_t de = rng() % ids.size();
            ramos.push_back({de, 1 + rng() % (ids.size() - 1), kGanhos[rng() % std::size(kGanhos)]});
            const Ramo& r = ramos.back();
            g.AddTransmitancia(ramoIds[i], "t", r.ganho.Texto(), ids[r.origem], ids[r.destino]);
        }
        std::vector<std::string> entradas, saidas;
        MarkEntradaSaida(g, entradas, saidas);
        const std::string entrada = "v" + std::to_string(ids[0]);
        EXPECT_NE(std::find(entradas.begin(), entradas.end(), entrada), entradas.end());
        if (saidas.empty()) return false;
        const std::string nome = saidas[rng() % saidas.size()];
        saida = static_cast<std::size_t>(std::find(ids.begin(), ids.end(), std::stoi(nome.substr(1))) -
                                         ids.begin());
        EXPECT_NE(AddRamoDFS(g, entrada, nome), nullptr);
        fechado = g;
        const TListListLacoOS completo = Mason(g).LacosOS, so = MasonOS(g);
        EXPECT_EQ(Conjuntos(so, true), Conjuntos(completo, true)); // the same sets in the same order
        FromMason(ft, masonCompleto ? completo : so);
        return true;
    }

    // The output over the input from the diagram's equations, with the sign of branch `trocado`
    // turned over if there is one; false when (nearly) singular.
    bool Resolver(const ValoresSimbolos& valores, Complexo s, Complexo& resultado,
                  std::size_t trocado = SIZE_MAX) const {
        std::vector<apoio::RamoNumerico> numericos;
        for (std::size_t i = 0; i < ramos.size(); ++i)
            numericos.push_back({ramos[i].origem, ramos[i].destino,
                                 (i == trocado ? -1.0 : 1.0) * ramos[i].ganho.Valor(valores, s)});
        std::vector<Complexo> x;
        if (!apoio::ResolverDiagrama(ids.size(), numericos, 0, x, 1e-6)) return false;
        resultado = x[saida];
        return true;
    }
};

TGrafo Vertices(std::initializer_list<std::int32_t> ids) {
    TGrafo g;
    for (std::int32_t id : ids)
        g.AddVertice(id, "V" + std::to_string(id));
    return g;
}

// Runs the work on a thread with the given stack size and waits for it.
void RunWithStack(std::size_t bytes, const std::function<void()>& work) {
    pthread_attr_t attr;
    ASSERT_EQ(pthread_attr_init(&attr), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attr, bytes), 0);
    pthread_t thread;
    auto call = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, call, const_cast<std::function<void()>*>(&work)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

// Every term exactly: coefficient to the bit, power of S, the product's items in their order (a symbol
// of exponent 0 included); then the texts the result views take.
std::vector<std::string> TermosExatos(TFuncao& f) {
    std::vector<std::string> out;
    for (const TListFator* p : {&f.Num, &f.Den}) {
        for (const TFator& t : *p) {
            std::ostringstream linha;
            linha << std::hexfloat << t.K << " S^" << t.ExpS;
            for (const TSimboloExp& x : t.Simbolos)
                linha << ' ' << x.Nome() << '^' << x.Exp;
            out.push_back(linha.str());
        }
        out.push_back("--");
    }
    out.push_back(f.Num.TextoSimbolico());
    out.push_back(f.Den.TextoSimbolico());
    return out;
}

// What the progress window is told: stages, the lines of the orders, every order begun and every set
// done.
struct TRegistroProgresso : TProgresso {
    std::vector<std::string> eventos;
    void IniciarEtapa(TEtapaAnalise etapa) override { eventos.push_back(TextoEtapa(etapa)); }
    void IniciarProgresso(const std::vector<std::string>& linhas) override {
        for (const std::string& l : linhas)
            eventos.push_back("linha " + l);
    }
    void IniciarOrdem(int ordem, int count) override {
        eventos.push_back("ordem " + std::to_string(ordem) + " " + std::to_string(count));
    }
    void PassoProgresso(int set) override { eventos.push_back(std::to_string(set)); }
};

} // namespace

TEST(MasonOraculo, TransferFunctionEqualsTheDirectSolveOfTheDiagram) {
    std::mt19937 rng(20261206);
    int comparados = 0, zeros = 0, notados = 0;
    for (int caso = 0; caso < 400; ++caso) {
        TDiagrama d;
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
            const std::size_t nb = d.ramos.size(), ramo = static_cast<std::size_t>(caso + k);
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
        TDiagrama d;
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

// The loop sets streamed into the function give the function assembled from the stored sets: the same
// terms in the same order, with the same coefficients to the bit and the same texts, and the progress
// window is told the same. The larger diagrams, with few symbols, meet one term at several orders.
TEST(MasonFluxo, StreamingTheSetsGivesTheFunctionOfTheStoredSets) {
    std::mt19937 rng(1312);
    int comparados = 0, grandes = 0;
    for (int caso = 0; caso < 600; ++caso) {
        TDiagrama d;
        const std::size_t ramosMax = caso % 3 == 0 ? 24 : 12;
        if (!d.Montar(rng, false, ramosMax)) continue;
        TGrafo armazenado(d.fechado), fluxo(d.fechado);
        TRegistroProgresso pArmazenado, pFluxo;
        TFuncao a, b;
        const TListListLacoOS sets = MasonOS(armazenado, &pArmazenado);
        FromMason(a, sets, &pArmazenado);
        MasonFT(fluxo, b, &pFluxo);
        ASSERT_EQ(TermosExatos(b), TermosExatos(a)) << "case " << caso;
        ASSERT_EQ(pFluxo.eventos, pArmazenado.eventos) << "case " << caso;
        ++comparados;
        if (sets.size() >= 3) ++grandes;
    }
    EXPECT_GT(comparados, 400);
    EXPECT_GT(grandes, 50);
}

// The search starts from each variable in list order and enters only larger identifiers, so each
// loop is found once, from its smallest variable; the non-touching table lists, for each loop, the
// later loops apart from it; the sets of each order come in lexicographic order.
TEST(Mason, LoopsInSearchOrderAndSetsInLexicographicOrder) {
    TGrafo g = Vertices({3, 1, 2, 4});
    g.AddTransmitancia(1, "", "G", 1, 2);
    g.AddTransmitancia(2, "", "-1", 2, 1);
    g.AddTransmitancia(3, "", "H", 2, 3);
    g.AddTransmitancia(4, "", "-2.S", 3, 1);
    g.AddTransmitancia(5, "", "R", 3, 3);
    g.AddTransmitancia(6, "", "0,5.S^-1", 4, 4);
    const TResultadoMason m = Mason(g);
    std::vector<Ints> lacos, disjuntos;
    for (const TLaco& l : m.Lacos)
        lacos.push_back(l.Vertices.Items());
    for (int i = 0; i < m.Disjuntos.Count(); ++i)
        disjuntos.push_back(m.Disjuntos[i].Items());
    EXPECT_EQ(lacos, (std::vector<Ints>{{3, 3}, {1, 2, 1}, {1, 2, 3, 1}, {4, 4}}));
    EXPECT_EQ(disjuntos, (std::vector<Ints>{{1, 3}, {3}, {3}, {}}));
    EXPECT_EQ(Conjuntos(m.LacosOS),
              (std::vector<std::string>{"0 + R", "1 - G", "2 - 2,00.G.H.S", "3 + 0,50.S^-1", "0 1 - G.R",
                                        "0 3 + 0,50.R.S^-1", "1 3 - 0,50.G.S^-1", "2 3 - G.H",
                                        "0 1 3 - 0,50.G.R.S^-1"}));
    EXPECT_EQ(Conjuntos(MasonOS(g), true), Conjuntos(m.LacosOS, true));
    // The forest holds one node per set, one level per order.
    EXPECT_EQ(m.Floresta.Count(), 9);
    EXPECT_EQ(m.Floresta.NivelMax(), 2);
}

TEST(Mason, AnEmptyDiagramHasNothing) {
    TGrafo vazio;
    const TResultadoMason r = Mason(vazio);
    EXPECT_EQ(r.Busca.Count(), 0);
    EXPECT_EQ(r.Floresta.NivelMax(), -1);
    EXPECT_TRUE(r.Lacos.empty());
    EXPECT_TRUE(r.LacosOS.empty());
    EXPECT_TRUE(MasonOS(vazio).empty());
}

TEST(Mason, ClosingBranchIdentifierAndUnknownNames) {
    // From the output back to the input, named DFS, above the largest identifier.
    TGrafo g = Vertices({1, 2});
    g.AddTransmitancia(-5, "", "1", 1, 2);
    g.AddTransmitancia(0, "", "1", 1, 2);
    const TRamo* dfs = AddRamoDFS(g, "V1", "V2");
    ASSERT_NE(dfs, nullptr);
    EXPECT_EQ(dfs->Id, 1);
    EXPECT_EQ(dfs->Nome, "DFS");
    EXPECT_EQ(dfs->Origem, 2);
    EXPECT_EQ(dfs->TextoGanho, "-1.DFS");
    EXPECT_EQ(AddRamoDFS(g, "V1", "v2"), nullptr);
    EXPECT_EQ(AddRamoDFS(g, "nada", "V2"), nullptr);
    EXPECT_EQ(g.RamoCount(), 3);

    // No identifier above the largest: the smallest positive one that is free.
    TGrafo h = Vertices({1, 2});
    h.AddTransmitancia(INT32_MAX, "", "1", 1, 2);
    h.AddTransmitancia(1, "", "1", 1, 2);
    h.AddTransmitancia(2, "", "1", 2, 1);
    EXPECT_EQ(AddRamoDFS(h, "V1", "V2")->Id, 3);

    // A vertex whose identifier is -1 is still found by name.
    TGrafo n = Vertices({-1, 5});
    const TRamo* r = AddRamoDFS(n, "V-1", "V5");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Destino, -1);
}

TEST(Mason, DeepDiagramsNeedNoDeepStack) {
    // One long loop travelled downwards through the identifiers, so that the search from the
    // smallest one goes through every vertex while the others stop at once. Run on a stack far too
    // small for one call frame per vertex.
    constexpr std::int32_t n = 5'000;
    TGrafo g;
    for (std::int32_t v = 1; v <= n; ++v)
        g.AddVertice(v, "");
    for (std::int32_t v = 1; v < n; ++v)
        g.AddTransmitancia(v, "", "1", v + 1, v);
    g.AddTransmitancia(n, "", "-1.R", 1, n);

    RunWithStack(128 * 1024, [&] {
        const TResultadoMason m = Mason(g);
        ASSERT_EQ(m.Lacos.size(), 1u);
        EXPECT_EQ(m.Lacos[0].Vertices.Count(), n + 1);
        EXPECT_EQ(m.Busca.NivelMax(), n);
        EXPECT_EQ(MasonOS(g).size(), 1u);
    });
}

TEST(LacoOS, GainText) {
    const auto texto = [](double k, std::int32_t expS,
                          std::initializer_list<std::pair<const char*, int>> sims) {
        TLacoOS os;
        os.K = k;
        os.ExpS = expS;
        for (const auto& [nome, e] : sims)
            os.Simbolos.AddSimbolo(nome, e);
        return os.TextoGanho();
    };
    EXPECT_EQ(texto(-2, 1, {{"R", 1}, {"C", 1}}), "- 2,00.C.R.S");
    EXPECT_EQ(texto(1, 2, {}), "+ S^2");
    EXPECT_EQ(texto(3, 0, {}), "+ 3,00");
    EXPECT_EQ(texto(-1, 0, {{"R", 1}, {"C", -1}}), "- C^-1.R");
    EXPECT_EQ(texto(0, 0, {}), "- 0,00");
    EXPECT_EQ(texto(0, 0, {{"R", 1}}), "- 0,00.R");
    EXPECT_EQ(texto(-0.5, -1, {}), "- 0,50.S^-1");
    EXPECT_EQ(texto(1, 0, {{"R", 0}}), "+ 1,00"); // only zero exponents: written as a plain number
    EXPECT_EQ(texto(1, 1, {{"L", 2}}), "+ L^2.S");
}
