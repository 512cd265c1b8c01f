// Loop sets per second of Mason's formula without its views (MasonOS), closing branch included.

#include "BenchDiagramas.h"
#include "graph/UnitGrfMason.h"

#include <benchmark/benchmark.h>

#include <functional>

using namespace brelix;
using namespace brelix::bench;

namespace {

std::size_t ContarConjuntos(const TListListLacoOS& ordens) {
    std::size_t n = 0;
    for (const TListLacoOS& o : ordens)
        n += o.size();
    return n;
}

// Each iteration starts from a fresh copy, since the closing branch changes the diagram.
void RodarMasonOS(benchmark::State& state, const TDiagrama& d) {
    std::size_t total = 0, porIteracao = 0;
    for (auto _ : state) {
        TGrafo g(d.grafo);
        std::vector<std::string> entradas, saidas;
        MarkEntradaSaida(g, entradas, saidas);
        AddRamoDFS(g, d.entrada, d.saida);
        const TListListLacoOS ordens = MasonOS(g);
        porIteracao = ContarConjuntos(ordens);
        total += porIteracao;
        benchmark::DoNotOptimize(ordens.data());
    }
    state.counters["conjuntos"] = static_cast<double>(porIteracao);
    state.counters["conjuntos/s"] =
        benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
}

void BM_MasonOSCadeia(benchmark::State& state) {
    RodarMasonOS(state, DiagramaCadeia(static_cast<int>(state.range(0))));
}

void BM_MasonOSDenso(benchmark::State& state) {
    RodarMasonOS(state, DiagramaDenso(static_cast<int>(state.range(0))));
}

} // namespace

BENCHMARK(BM_MasonOSCadeia)->DenseRange(10, 30, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MasonOSDenso)->DenseRange(4, 7, 1)->Unit(benchmark::kMillisecond);
