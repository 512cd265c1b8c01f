#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <pthread.h>
#include <string>
#include <vector>

using namespace brelix;

namespace {

using Ints = std::vector<std::int32_t>;

Ints L(const TListInt& l) {
    return l.Items();
}

// The loop indices of every set, by order.
std::vector<std::vector<Ints>> Sets(const TListListLacoOS& ordens) {
    std::vector<std::vector<Ints>> out;
    for (const TListLacoOS& ordem : ordens) {
        auto& o = out.emplace_back();
        for (const TLacoOS& os : ordem)
            o.push_back(L(os.Lacos));
    }
    return out;
}

std::vector<Ints> Rows(const TListListInt& t) {
    std::vector<Ints> out;
    for (int i = 0; i < t.Count(); ++i)
        out.push_back(L(t[i]));
    return out;
}

// Identifiers of the tree's nodes in creation order.
Ints Criacao(const TArvore& t) {
    Ints out;
    for (int i = 0; i < t.Count(); ++i)
        out.push_back(t.No(i).Id);
    return out;
}

std::vector<std::pair<std::string, std::int32_t>> Fatores(const TListSimboloExp& p) {
    std::vector<std::pair<std::string, std::int32_t>> out;
    for (const TSimboloExp& s : p)
        out.emplace_back(s.Nome(), s.Exp);
    return out;
}

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

// Mason and MasonOS must agree on every set: indices, products and symbol order.
void ExpectSameSets(const TListListLacoOS& a, const TListListLacoOS& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        ASSERT_EQ(a[k].size(), b[k].size());
        for (std::size_t j = 0; j < a[k].size(); ++j) {
            EXPECT_EQ(L(a[k][j].Lacos), L(b[k][j].Lacos));
            EXPECT_EQ(a[k][j].K, b[k][j].K);
            EXPECT_EQ(a[k][j].ExpS, b[k][j].ExpS);
            EXPECT_EQ(Fatores(a[k][j].Simbolos), Fatores(b[k][j].Simbolos));
        }
    }
}

} // namespace

TEST(Mason, EmptyAndSingleVertex) {
    TGrafo vazio;
    const TResultadoMason r = Mason(vazio);
    EXPECT_EQ(r.Busca.Count(), 0);
    EXPECT_EQ(r.Floresta.Count(), 0);
    EXPECT_EQ(r.Floresta.NivelMax(), -1);
    EXPECT_TRUE(r.LacosOS.empty());
    EXPECT_EQ(r.Disjuntos.Count(), 0);
    EXPECT_TRUE(r.Lacos.empty());
    EXPECT_TRUE(MasonOS(vazio).empty());

    TGrafo um;
    um.AddVertice(4, "X");
    const TResultadoMason s = Mason(um);
    ASSERT_EQ(s.Busca.RaizCount(), 1);
    EXPECT_EQ(s.Busca.Raiz(0).Id, 4);
    EXPECT_EQ(s.Busca.Raiz(0).Texto, "X");
    EXPECT_TRUE(s.Busca.Raiz(0).Filhos.empty());
    EXPECT_TRUE(s.Lacos.empty());
    EXPECT_TRUE(s.LacosOS.empty());
}

TEST(Mason, SelfLoopIsALoopOfOneBranch) {
    TGrafo g;
    g.AddVertice(4, "X");
    const TRamo* r = g.AddTransmitancia(9, "T", "2.R", 4, 4);
    const TResultadoMason m = Mason(g);
    ASSERT_EQ(m.Lacos.size(), 1u);
    EXPECT_EQ(L(m.Lacos[0].Vertices), (Ints{4, 4}));
    EXPECT_EQ(L(m.Lacos[0].Ramos), (Ints{9}));
    EXPECT_EQ(m.Lacos[0].K, 2.0);
    const TNo& fecho = *m.Busca.Raiz(0).Filhos.at(0);
    EXPECT_EQ(fecho.Id, 4);
    EXPECT_EQ(fecho.Ramo, 9);
    EXPECT_EQ(fecho.Ganho, r->GanhoPtr());
    EXPECT_EQ(fecho.Texto, "X");
    EXPECT_EQ(Sets(m.LacosOS), (std::vector<std::vector<Ints>>{{{0}}}));
    EXPECT_EQ(Rows(m.Disjuntos), (std::vector<Ints>{{}}));
    EXPECT_EQ(m.Floresta.Raiz(0).Texto, "1");
}

TEST(Mason, DisconnectedLoopsFormAPairWithTheirGainsMultiplied) {
    TGrafo g = Vertices({1, 2, 3, 4});
    g.AddTransmitancia(1, "a", "A", 1, 2);
    g.AddTransmitancia(2, "b", "B", 2, 1);
    g.AddTransmitancia(3, "c", "C", 3, 4);
    g.AddTransmitancia(4, "d", "-2.D.S", 4, 3);
    const TResultadoMason m = Mason(g);
    ASSERT_EQ(m.Lacos.size(), 2u);
    EXPECT_EQ(L(m.Lacos[0].Vertices), (Ints{1, 2, 1}));
    EXPECT_EQ(L(m.Lacos[1].Ramos), (Ints{3, 4}));
    // Gains are multiplied walking back from the closing branch.
    EXPECT_EQ(Fatores(m.Lacos[0].Simbolos),
              (std::vector<std::pair<std::string, std::int32_t>>{{"B", 1}, {"A", 1}}));
    EXPECT_EQ(Rows(m.Disjuntos), (std::vector<Ints>{{1}, {}}));
    EXPECT_EQ(Sets(m.LacosOS), (std::vector<std::vector<Ints>>{{{0}, {1}}, {{0, 1}}}));
    EXPECT_EQ(m.Floresta.NivelMax(), 1);
    EXPECT_EQ(Criacao(m.Floresta), (Ints{0, 1, 1}));
    EXPECT_EQ(m.Floresta.Raiz(0).Filhos.at(0)->Texto, "2");

    TLacoOS par = m.LacosOS[1][0];
    // The last loop is inserted first, so its symbols lead.
    EXPECT_EQ(Fatores(par.Simbolos),
              (std::vector<std::pair<std::string, std::int32_t>>{{"D", 1}, {"C", 1}, {"B", 1}, {"A", 1}}));
    EXPECT_EQ(par.K, -2.0);
    EXPECT_EQ(par.ExpS, 1);
    EXPECT_EQ(par.TextoGanho(), "- 2,00.A.B.C.D.S");
    ExpectSameSets(m.LacosOS, MasonOS(g));
}

TEST(Mason, SearchTreeKeepsDeadEnds) {
    TGrafo g;
    g.AddVertice(1, "A");
    g.AddVertice(2, "B");
    g.AddVertice(3, "C");
    g.AddTransmitancia(1, "t1", "G", 1, 2);
    g.AddTransmitancia(2, "t2", "F", 2, 3);
    g.AddTransmitancia(3, "t3", "-H", 2, 1);
    const TResultadoMason m = Mason(g);
    // From A: B, then C (a dead end) and A (the loop). From B: C only, as A lies below B.
    EXPECT_EQ(Criacao(m.Busca), (Ints{1, 2, 3, 1, 2, 3, 3}));
    EXPECT_EQ(m.Busca.NivelMax(), 2);
    const TNo& b = *m.Busca.Raiz(0).Filhos.at(0);
    EXPECT_EQ(b.Texto, "B");
    EXPECT_EQ(b.Ramo, 1);
    ASSERT_EQ(b.Filhos.size(), 2u);
    EXPECT_EQ(b.Filhos[0]->Texto, "C");
    EXPECT_TRUE(b.Filhos[0]->Filhos.empty());
    EXPECT_EQ(b.Filhos[1]->Ramo, 3);
    ASSERT_EQ(m.Lacos.size(), 1u);
    EXPECT_EQ(L(m.Lacos[0].Vertices), (Ints{1, 2, 1}));
    EXPECT_EQ(L(m.Lacos[0].Ramos), (Ints{1, 3}));
}

TEST(Mason, LoopsComeByStartVertexThenDepthFirstFromTheSmallestIdentifier) {
    // Vertices neither contiguous nor sorted; each loop is found once, from its smallest identifier.
    TGrafo g = Vertices({7, 3, 5, -2});
    g.AddTransmitancia(1, "a", "1", 7, 3);
    g.AddTransmitancia(2, "b", "1", 3, 5);
    g.AddTransmitancia(3, "c", "1", 5, 7);
    g.AddTransmitancia(4, "d", "1", 5, 3);
    g.AddTransmitancia(5, "e", "1", -2, 7);
    g.AddTransmitancia(6, "f", "1", 7, -2);
    const TResultadoMason m = Mason(g);
    std::vector<Ints> vertices;
    for (const TLaco& l : m.Lacos)
        vertices.push_back(L(l.Vertices));
    EXPECT_EQ(vertices, (std::vector<Ints>{{3, 5, 7, 3}, {3, 5, 3}, {-2, 7, -2}}));
    ExpectSameSets(m.LacosOS, MasonOS(g));
}

TEST(Mason, ParallelBranchesGiveTouchingLoops) {
    TGrafo g = Vertices({1, 2});
    g.AddTransmitancia(1, "p", "A", 1, 2);
    g.AddTransmitancia(2, "q", "B", 1, 2);
    g.AddTransmitancia(3, "r", "C", 2, 1);
    const TResultadoMason m = Mason(g);
    ASSERT_EQ(m.Lacos.size(), 2u);
    EXPECT_EQ(L(m.Lacos[0].Ramos), (Ints{1, 3}));
    EXPECT_EQ(L(m.Lacos[1].Ramos), (Ints{2, 3}));
    EXPECT_EQ(Sets(m.LacosOS), (std::vector<std::vector<Ints>>{{{0}, {1}}}));
}

TEST(Mason, OnlyFirstAndThirdOfThreeLoopsAreDisjoint) {
    TGrafo g = Vertices({1, 2, 3, 4});
    g.AddTransmitancia(1, "", "1", 1, 2);
    g.AddTransmitancia(2, "", "1", 2, 1);
    g.AddTransmitancia(3, "", "1", 2, 3);
    g.AddTransmitancia(4, "", "1", 3, 2);
    g.AddTransmitancia(5, "", "1", 3, 4);
    g.AddTransmitancia(6, "", "1", 4, 3);
    const TResultadoMason m = Mason(g);
    EXPECT_EQ(Rows(m.Disjuntos), (std::vector<Ints>{{2}, {}, {}}));
    EXPECT_EQ(Sets(m.LacosOS), (std::vector<std::vector<Ints>>{{{0}, {1}, {2}}, {{0, 2}}}));
}

TEST(Mason, ForestOfFourDisjointLoops) {
    TGrafo g = Vertices({1, 2, 3, 4});
    for (std::int32_t v = 1; v <= 4; ++v)
        g.AddTransmitancia(v, "", std::to_string(v + 1), v, v);
    const TResultadoMason m = Mason(g);
    // All children of a node are added before the first of them is extended.
    EXPECT_EQ(Criacao(m.Floresta), (Ints{0, 1, 2, 3, 2, 3, 3, 3, 1, 2, 3, 3, 2, 3, 3}));
    EXPECT_EQ(m.Floresta.NivelMax(), 3);
    EXPECT_EQ(Sets(m.LacosOS),
              (std::vector<std::vector<Ints>>{{{0}, {1}, {2}, {3}},
                                              {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}},
                                              {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}},
                                              {{0, 1, 2, 3}}}));
    EXPECT_EQ(m.LacosOS[3][0].K, 2.0 * 3.0 * 4.0 * 5.0);
    ExpectSameSets(m.LacosOS, MasonOS(g));
}

TEST(Mason, LoopGainIsTheProductOfItsBranchGains) {
    TGrafo g = Vertices({1, 2, 3});
    g.AddTransmitancia(1, "", "2.R.S", 1, 2);
    g.AddTransmitancia(2, "", "R^-1", 2, 3);
    g.AddTransmitancia(3, "", "-3.C.S^-1", 3, 1);
    const TResultadoMason m = Mason(g);
    ASSERT_EQ(m.Lacos.size(), 1u);
    EXPECT_EQ(m.Lacos[0].K, -6.0);
    EXPECT_EQ(m.Lacos[0].ExpS, 0);
    // R and R^-1 leave R with exponent 0; the text leaves it out.
    EXPECT_EQ(Fatores(m.Lacos[0].Simbolos),
              (std::vector<std::pair<std::string, std::int32_t>>{{"C", 1}, {"R", 0}}));
    TLacoOS os = m.LacosOS[0][0];
    EXPECT_EQ(os.TextoGanho(), "- 6,00.C");
}

TEST(Mason, CandidatesClosingBranchAndTheMarksThatStay) {
    TGrafo g;
    g.AddVertice(1, "A");
    g.AddVertice(2, "B");
    g.AddVertice(3, "C");
    g.AddTransmitancia(4, "t1", "G1", 1, 2);
    g.AddTransmitancia(8, "t2", "G2", 2, 3);
    g.AddTransmitancia(6, "t3", "-1.H", 3, 2);
    std::vector<std::string> entradas{"stale"}, saidas{"stale"};
    MarkEntradaSaida(g, entradas, saidas);
    EXPECT_EQ(entradas, (std::vector<std::string>{"A"}));
    EXPECT_EQ(saidas, (std::vector<std::string>{"B", "C"}));

    const TRamo* dfs = AddRamoDFS(g, "A", "C");
    ASSERT_NE(dfs, nullptr);
    EXPECT_EQ(dfs->Id, 9);
    EXPECT_EQ(dfs->Nome, "DFS");
    EXPECT_EQ(dfs->Origem, 3);
    EXPECT_EQ(dfs->Destino, 1);
    EXPECT_EQ(dfs->TextoGanho, "-1.DFS");
    EXPECT_EQ(dfs->Ganho->K(), -1.0);
    EXPECT_EQ(dfs->Ganho->Sym(), "DFS");

    const TResultadoMason m = Mason(g);
    ASSERT_EQ(g.Simbolos().Count(), 4);
    EXPECT_EQ(g.Simbolos()[0].Nome, "DFS");
    ASSERT_EQ(m.Lacos.size(), 2u);
    // The forward path A-B-C closed by DFS, then the feedback loop B-C.
    EXPECT_EQ(L(m.Lacos[0].Vertices), (Ints{1, 2, 3, 1}));
    EXPECT_EQ(L(m.Lacos[0].Ramos), (Ints{4, 8, 9}));
    EXPECT_EQ(m.Lacos[0].K, -1.0);
    EXPECT_EQ(L(m.Lacos[1].Vertices), (Ints{2, 3, 2}));
    EXPECT_EQ(Sets(m.LacosOS), (std::vector<std::vector<Ints>>{{{0}, {1}}}));

    // A vertex keeps its mark: A is now entered by the closing branch and stays an output after it
    // is deleted again.
    MarkEntradaSaida(g, entradas, saidas);
    EXPECT_TRUE(entradas.empty());
    EXPECT_EQ(saidas, (std::vector<std::string>{"A", "B", "C"}));
    g.DeleteRamo(9);
    MarkEntradaSaida(g, entradas, saidas);
    EXPECT_TRUE(entradas.empty());
    EXPECT_EQ(g.Vertice(0).Marca, kMarcaSaida);
}

TEST(Mason, InputThatDoesNotReachTheOutputGivesNoSets) {
    TGrafo g = Vertices({1, 2, 3, 4});
    g.AddTransmitancia(1, "", "G", 1, 2);
    g.AddTransmitancia(2, "", "F", 3, 4);
    ASSERT_NE(AddRamoDFS(g, "V1", "V4"), nullptr);
    const TResultadoMason m = Mason(g);
    EXPECT_TRUE(m.Lacos.empty());
    EXPECT_TRUE(m.LacosOS.empty());
    EXPECT_TRUE(MasonOS(g).empty());
}

TEST(Mason, ClosingBranchIdentifier) {
    TGrafo g = Vertices({1, 2});
    g.AddTransmitancia(-5, "", "1", 1, 2);
    g.AddTransmitancia(0, "", "1", 1, 2);
    EXPECT_EQ(AddRamoDFS(g, "V1", "V2")->Id, 1);

    // Unknown names add nothing.
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

    std::size_t lacos = 0, vertices = 0, ordens = 0;
    std::int32_t nivel = 0;
    RunWithStack(128 * 1024, [&] {
        {
            const TResultadoMason m = Mason(g);
            lacos = m.Lacos.size();
            vertices = m.Lacos.empty() ? 0 : static_cast<std::size_t>(m.Lacos[0].Vertices.Count());
            nivel = m.Busca.NivelMax();
        }
        ordens = MasonOS(g).size();
    });
    EXPECT_EQ(lacos, 1u);
    EXPECT_EQ(vertices, static_cast<std::size_t>(n) + 1);
    EXPECT_EQ(nivel, n);
    EXPECT_EQ(ordens, 1u);
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
