// Large documents and files, which must be handled in linear (or n log n) time and memory: the check
// and the conversion of a system of n separate series RLC circuits (16 objects each, with a wire
// between two vertices in every circuit: four vertices, a fifth joined to the third, four components,
// nine wires), its linear graph converted into a signal-flow diagram, and transfer-function files with
// one term of n symbols and with n symbol values. Each reports the peak heap memory of one run.

#include "BenchMemoria.h"
#include "analysis/UnitArquivoFT.h"
#include "shell/UnitCatalogo.h"
#include "visual/UnitVODocKind.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace brelix;
using namespace brelix::bench;

namespace {

void Bloco(std::vector<std::string>& l, std::int32_t id, const std::string& classe, std::int32_t num,
           const std::string& desc, std::initializer_list<std::string> chaves) {
    l.push_back("Object " + std::to_string(id) + ": " + classe);
    for (const std::string& linha :
         {"Num=" + std::to_string(num), "Desc=" + desc, std::string("Left=40"), std::string("Top=40"),
          std::string("Lbl=*"), std::string("LblX=0"), std::string("LblY=0")})
        l.push_back(linha);
    l.insert(l.end(), chaves);
    l.emplace_back("end");
}

// The system document of n series RLC circuits.
std::vector<std::string> SeriesRLC(int n) {
    std::vector<std::string> l = {"Object 0: TSistema", "Desc=Series", "Left=0", "Top=0",
                                  "Width=550",          "Height=300",  "end"};
    std::int32_t id = 0, fio = 0;
    const auto ligar = [&](std::int32_t a, std::int32_t ta, std::int32_t b) {
        ++fio;
        Bloco(l, ++id, "TVOEleConexao", fio, "Conexao" + std::to_string(fio),
              {"ObjID1=" + std::to_string(a), "ObjID2=" + std::to_string(b), "CntID1=" + std::to_string(ta),
               "CntID2=1"});
    };
    for (int k = 1; k <= n; ++k) {
        const std::string s = std::to_string(k);
        std::int32_t v[5];
        for (int j = 0; j < 5; ++j) {
            v[j] = ++id;
            Bloco(l, v[j], "TVOEleVertice", 5 * (k - 1) + j + 1, "N" + std::to_string(j) + "_" + s, {});
        }
        const char* classes[] = {"TVOEleFonteTensao", "TVOEleResistor", "TVOEleIndutor", "TVOEleCapacitor"};
        const char* nomes[] = {"Vs", "R", "L", "C"};
        std::int32_t c[4];
        for (int j = 0; j < 4; ++j) {
            c[j] = ++id;
            const std::string nome = nomes[j] + s;
            Bloco(l, c[j], classes[j], k, nome, {"Gain=" + nome, "Rot=1"});
        }
        // Vs from N1 to N0, R from N1 to N2, L from N2 to N3, C from N4 to N0, N4 wired to N3.
        ligar(c[0], 1, v[1]);
        ligar(c[0], 2, v[0]);
        ligar(c[1], 1, v[1]);
        ligar(c[1], 2, v[2]);
        ligar(c[2], 1, v[2]);
        ligar(c[2], 2, v[3]);
        ligar(c[3], 1, v[4]);
        ligar(c[3], 2, v[0]);
        ligar(v[4], 1, v[3]);
    }
    return l;
}

const TCatalogo& Catalogo() {
    static const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    return *catalogo;
}

std::unique_ptr<TVisualDocumento> Carregar(std::int32_t kind, const std::vector<std::string>& linhas) {
    auto doc = Catalogo().Documentos().Make(kind);
    doc->LoadDocument("escala", linhas);
    return doc;
}

// MedirPico, with the size of the case for the complexity fit.
template <class TEtapa> void Medir(benchmark::State& state, TEtapa&& etapa) {
    MedirPico(state, std::forward<TEtapa>(etapa));
    state.SetComplexityN(state.range(0));
}

// Reading the document and checking it: the command-line check.
void BM_EscalaCheckSistema(benchmark::State& state) {
    const std::vector<std::string> linhas = SeriesRLC(static_cast<int>(state.range(0)));
    Medir(state, [&] {
        auto doc = Carregar(kDocKindSistema, linhas);
        benchmark::DoNotOptimize(Catalogo().Comando(*doc).Verificar(*doc).Houve());
    });
    state.counters["objetos"] = static_cast<double>(state.range(0) * 18);
}

// The system's linear graph converted into a signal-flow diagram, from the graph document's lines.
void BM_EscalaGrafoParaDFS(benchmark::State& state) {
    auto sistema = Carregar(kDocKindSistema, SeriesRLC(static_cast<int>(state.range(0))));
    const TConversaoDocumento grafo = Catalogo().Comando(*sistema).Converter(*sistema, {});
    const std::vector<std::string> linhas = grafo.Documento->Text("escala.grf");
    Medir(state, [&] {
        auto doc = Carregar(kDocKindGrafo, linhas);
        const TConversaoDocumento dfs = Catalogo().Comando(*doc).Converter(*doc, {});
        benchmark::DoNotOptimize(dfs.Documento->Objects().Count());
    });
}

// One term of n symbols in shuffled order, as a file may hold it.
void BM_EscalaFTSTermoLongo(benchmark::State& state) {
    std::vector<std::string> nomes;
    for (int i = 0; i < state.range(0); ++i)
        nomes.push_back("S" + std::to_string(i) + "_" + std::to_string(i % 7));
    std::shuffle(nomes.begin(), nomes.end(), std::mt19937(5));
    std::string termo = "1;0;";
    for (const std::string& n : nomes)
        termo += n + ".";
    termo.back() = ';';
    const std::vector<std::string> linhas = {"E", "S", "Num", termo, "end", "Den", "1;0;;", "end"};
    Medir(state, [&] { benchmark::DoNotOptimize(LerLinhasArquivoFT(linhas, "termo.fts").Simbolos.Count()); });
}

// A Sym section of n lines.
void BM_EscalaFTSSimbolos(benchmark::State& state) {
    std::vector<std::string> linhas = {"E", "S", "Sym"};
    for (int i = 0; i < state.range(0); ++i)
        linhas.push_back("R" + std::to_string(i) + "=" + std::to_string(i) + ",5");
    linhas.insert(linhas.end(), {"end", "Num", "1;0;R1;", "end", "Den", "1;0;;", "end"});
    Medir(state, [&] { benchmark::DoNotOptimize(LerLinhasArquivoFT(linhas, "sym.fts").Simbolos.Count()); });
}

} // namespace

BENCHMARK(BM_EscalaCheckSistema)
    ->RangeMultiplier(4)
    ->Range(625, 40000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscalaGrafoParaDFS)
    ->RangeMultiplier(4)
    ->Range(156, 2500)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscalaFTSTermoLongo)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EscalaFTSSimbolos)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
