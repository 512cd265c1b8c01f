// Reading and editing large documents: reading must grow linearly with the number of objects.

#include "shell/UnitCatalogo.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVisualDocumento.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace brelix;

namespace {

const TCatalogoDocumentos& Catalogo() {
    static const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    return catalogo->Documentos();
}

void Block(std::vector<std::string>& lines, std::int32_t id, const std::string& cls, std::int32_t num,
           const std::string& desc, const std::vector<std::string>& keys) {
    lines.push_back("Object " + std::to_string(id) + ": " + cls);
    for (const std::string& line :
         {"Num=" + std::to_string(num), "Desc=" + desc, std::string("Left=0"), std::string("Top=0"),
          std::string("Lbl=*"), std::string("LblX=0"), std::string("LblY=0")})
        lines.push_back(line);
    lines.insert(lines.end(), keys.begin(), keys.end());
    lines.emplace_back("end");
}

// A chain of n variables joined by n - 1 transmittances, as a signal-flow file.
std::vector<std::string> Chain(std::int32_t n) {
    std::vector<std::string> lines = {"Object 0: TDFS", "Desc=Cadeia", "Left=0", "Top=0",
                                      "Width=550",      "Height=300",  "end"};
    for (std::int32_t i = 1; i <= n; ++i)
        Block(lines, i, "TVODFSVariavel", i, "V" + std::to_string(i), {});
    std::int32_t id = n;
    for (std::int32_t i = 1; i < n; ++i) {
        const std::int32_t t = ++id;
        Block(lines, t, "TVODFSTransmitancia", i, "T" + std::to_string(i), {"Gain=K", "Move=0"});
        Block(lines, ++id, "TVODFSConexao", 2 * i - 1, "C" + std::to_string(2 * i - 1),
              {"ObjID1=" + std::to_string(i), "ObjID2=" + std::to_string(t), "CntID1=1", "CntID2=1"});
        Block(lines, ++id, "TVODFSConexao", 2 * i, "C" + std::to_string(2 * i),
              {"ObjID1=" + std::to_string(t), "ObjID2=" + std::to_string(i + 1), "CntID1=2", "CntID2=1"});
    }
    return lines;
}

void BM_LoadChain(benchmark::State& state) {
    const std::vector<std::string> lines = Chain(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        auto doc = Catalogo().Make(kDocKindDFS);
        doc->LoadDocument("Cadeia.dfs", lines);
        benchmark::DoNotOptimize(doc->Objects().Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadChain)->RangeMultiplier(4)->Range(256, 16384)->Complexity();

// Deleting a variable in the middle of a long chain takes its two connections with it.
void BM_DeleteInChain(benchmark::State& state) {
    const std::int32_t n = static_cast<std::int32_t>(state.range(0));
    const std::vector<std::string> lines = Chain(n);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = Catalogo().Make(kDocKindDFS);
        doc->LoadDocument("Cadeia.dfs", lines);
        TVisualObject* middle = doc->Objects().FindByID(n / 2);
        state.ResumeTiming();
        doc->DeleteObject(*middle);
        benchmark::DoNotOptimize(doc->Objects().Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DeleteInChain)->RangeMultiplier(4)->Range(256, 16384)->Complexity();

} // namespace
