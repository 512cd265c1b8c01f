// The whole signal-flow stage as the analysis commands run it: closing branch, Mason's loop sets and
// the transfer function, either with the sets kept for the Mason view (MasonOS, then FromMason) or
// streamed into the function (MasonFT). Reports loop sets per second and the peak heap memory per
// loop set above what the diagram itself holds. Run with --benchmark_min_time=0 for one pass in a
// fresh process, as a user's analysis runs.

#include "BenchDiagramas.h"
#include "BenchMemoria.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfMasonFT.h"
#include "symbolic/UnitFTFuncao.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace brelix;
using namespace brelix::bench;

namespace {

// The number of loop sets of the closed diagram.
std::size_t ContarConjuntos(const TDiagrama& d) {
    TGrafo g(d.grafo);
    std::vector<std::string> entradas, saidas;
    MarkEntradaSaida(g, entradas, saidas);
    AddRamoDFS(g, d.entrada, d.saida);
    std::size_t conjuntos = 0;
    for (const TListLacoOS& o : MasonOS(g))
        conjuntos += o.size();
    return conjuntos;
}

// Runs the stage on the closed diagram once per iteration (etapa(g, ft) returns the number of loop
// sets it went through) and reports the sets per second and the peak heap per set.
template <class TEtapa> void Rodar(benchmark::State& state, const TDiagrama& d, TEtapa&& etapa) {
    std::size_t total = 0, conjuntos = 0, picoPorConjunto = 0;
    for (auto _ : state) {
        TGrafo g(d.grafo);
        const std::size_t antes = BytesEmUso();
        ZerarPico();
        std::vector<std::string> entradas, saidas;
        MarkEntradaSaida(g, entradas, saidas);
        AddRamoDFS(g, d.entrada, d.saida);
        TFuncao ft;
        conjuntos = etapa(g, ft);
        benchmark::DoNotOptimize(ft.Num.Count());
        total += conjuntos;
        picoPorConjunto =
            std::max(picoPorConjunto, (BytesPico() - antes) / std::max<std::size_t>(conjuntos, 1));
    }
    state.counters["conjuntos"] = static_cast<double>(conjuntos);
    state.counters["conjuntos/s"] =
        benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
    state.counters["bytes_pico/conjunto"] = static_cast<double>(picoPorConjunto);
}

void RodarMasonFT(benchmark::State& state, const TDiagrama& d) {
    const std::size_t conjuntos = ContarConjuntos(d);
    Rodar(state, d, [&](TGrafo& g, TFuncao& ft) {
        MasonFT(g, ft);
        return conjuntos;
    });
}

void RodarMasonFuncao(benchmark::State& state, const TDiagrama& d) {
    Rodar(state, d, [](TGrafo& g, TFuncao& ft) {
        const TListListLacoOS ordens = MasonOS(g);
        std::size_t conjuntos = 0;
        for (const TListLacoOS& o : ordens)
            conjuntos += o.size();
        FromMason(ft, ordens);
        return conjuntos;
    });
}

void BM_MasonFuncaoCadeia(benchmark::State& state) {
    RodarMasonFuncao(state, DiagramaCadeia(static_cast<int>(state.range(0))));
}

void BM_MasonFuncaoDenso(benchmark::State& state) {
    RodarMasonFuncao(state, DiagramaDenso(static_cast<int>(state.range(0))));
}

void BM_MasonFTCadeia(benchmark::State& state) {
    RodarMasonFT(state, DiagramaCadeia(static_cast<int>(state.range(0))));
}

void BM_MasonFTDenso(benchmark::State& state) {
    RodarMasonFT(state, DiagramaDenso(static_cast<int>(state.range(0))));
}

} // namespace

BENCHMARK(BM_MasonFuncaoCadeia)->DenseRange(10, 30, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MasonFuncaoDenso)->DenseRange(4, 7, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MasonFTCadeia)->DenseRange(10, 30, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MasonFTDenso)->DenseRange(4, 7, 1)->Unit(benchmark::kMillisecond);
