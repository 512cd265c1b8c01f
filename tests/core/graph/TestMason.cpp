// Mason's results where the random oracles do not reach: the empty diagram, the closing branch's
// identifier and its refusal of unknown names, deep diagrams on a small stack, and the texts of
// loop-set gains.

#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <pthread.h>

using namespace brelix;

namespace {

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

} // namespace

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
