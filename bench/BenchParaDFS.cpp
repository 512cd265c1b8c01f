// The analysis of a linear graph stage by stage, on the n-section RLC ladder solved for the effort
// of its last capacitor: the conversion to a signal-flow diagram (with a variable as output; and the
// conversion for the result view, with its whole search tree), Mason's
// loop sets (closing branch and MasonOS) and the assembly of the transfer function (FromMason). Each
// stage reports its time and the peak heap memory above what it started with.

#include "BenchDiagramas.h"
#include "BenchMemoria.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfMasonFT.h"
#include "graph/UnitGrfParaDFS.h"
#include "symbolic/UnitFTFuncao.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

using namespace brelix;
using namespace brelix::bench;

namespace {

// The ladder with its diagram and loop sets, each made once per size and only when asked for.
struct TEscada {
    TGrafo grafo;
    std::string saida;
    std::optional<TGrafo> dfs;
    std::optional<TListListLacoOS> conjuntos;
};

TGrafo Fechado(const TGrafo& dfs, const std::string& saida) {
    TGrafo g(dfs);
    AddRamoDFS(g, "E(Vs)", saida);
    return g;
}

TEscada& Escada(int n) {
    static std::map<int, std::unique_ptr<TEscada>> feitas;
    auto& e = feitas[n];
    if (!e) e = std::make_unique<TEscada>(TEscada{GrafoEscadaRLC(n), "E(" + Nome("C", n) + ")", {}, {}});
    return *e;
}

const TGrafo& Diagrama(TEscada& e) {
    if (!e.dfs) e.dfs = std::move(ConverterGrafoDFSVariavel(e.grafo).Dfs);
    return *e.dfs;
}

const TListListLacoOS& Conjuntos(TEscada& e) {
    if (!e.conjuntos) {
        TGrafo g = Fechado(Diagrama(e), e.saida);
        e.conjuntos = MasonOS(g);
    }
    return *e.conjuntos;
}

std::size_t Contar(const TListListLacoOS& ordens) {
    std::size_t n = 0;
    for (const TListLacoOS& o : ordens)
        n += o.size();
    return n;
}

void BM_EscadaConversao(benchmark::State& state) {
    TEscada& e = Escada(static_cast<int>(state.range(0)));
    MedirPico(state, [&] {
        const TConversaoDFS c = ConverterGrafoDFSVariavel(e.grafo);
        benchmark::DoNotOptimize(c.Dfs->RamoCount());
    });
    state.counters["ramos"] = e.grafo.RamoCount();
    state.counters["transmitancias"] = Diagrama(e).RamoCount();
}

// The conversion for the result view, whose search tree keeps every trial of the causal assignment:
// on the ladder the trials double with every section.
void BM_EscadaConversaoArvore(benchmark::State& state) {
    TEscada& e = Escada(static_cast<int>(state.range(0)));
    int nos = 0;
    MedirPico(state, [&] {
        const TResultadoDFS r = ConverterGrafoDFS(e.grafo);
        nos = r.Busca.Count();
    });
    state.counters["nos_arvore"] = nos;
}

void BM_EscadaMason(benchmark::State& state) {
    TEscada& e = Escada(static_cast<int>(state.range(0)));
    const TGrafo& dfs = Diagrama(e);
    MedirPico(state, [&] {
        TGrafo g = Fechado(dfs, e.saida);
        const TListListLacoOS ordens = MasonOS(g);
        benchmark::DoNotOptimize(ordens.data());
    });
    state.counters["conjuntos"] = static_cast<double>(Contar(Conjuntos(e)));
}

void BM_EscadaMontagem(benchmark::State& state) {
    TEscada& e = Escada(static_cast<int>(state.range(0)));
    const TListListLacoOS& conjuntos = Conjuntos(e);
    std::size_t termos = 0;
    MedirPico(state, [&] {
        TFuncao ft;
        FromMason(ft, conjuntos);
        termos = static_cast<std::size_t>(ft.Num.Count() + ft.Den.Count());
    });
    state.counters["termos"] = static_cast<double>(termos);
}

} // namespace

BENCHMARK(BM_EscadaConversao)->DenseRange(1, 10, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscadaConversaoArvore)->DenseRange(1, 10, 1)->Arg(14)->Arg(18)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscadaMason)->DenseRange(1, 10, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscadaMontagem)->DenseRange(1, 10, 1)->Unit(benchmark::kMillisecond);
