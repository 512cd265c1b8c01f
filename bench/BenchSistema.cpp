// A system document all the way to its transfer function: the n-section RLC ladder (a voltage source,
// then per section a series resistor and inductor and a shunt capacitor), from the document's object
// list through validation, the system model, the linear graph, the signal-flow diagram and Mason's
// formula to the assembled function of the last capacitor's voltage. Reports the peak heap memory
// above what the document itself holds.

#include "BenchMemoria.h"
#include "shell/UnitCatalogo.h"
#include "system/UnitVFSistema.h"
#include "system/UnitVOSisClasses.h"
#include "system/UnitVOSisComp.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

using namespace brelix;
using namespace brelix::bench;

namespace {

const TCatalogo& Catalogo() {
    static const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    return *catalogo;
}

// Draws with the connect tool, as the user does.
class Escada {
public:
    explicit Escada(int secoes) {
        std::unique_ptr<TVisualDocumento> d = Catalogo().Documentos().Make(kDocKindSistema);
        doc_.reset(dynamic_cast<TVFSistema*>(d.release()));
        doc_->NewDocument("Escada");
        doc_->SetMode(kModeConectar);
        Comp(2, {"A0", "G"});
        for (int k = 1; k <= secoes; ++k) {
            const std::string a = "A" + std::to_string(k - 1), b = "B" + std::to_string(k),
                              c = "A" + std::to_string(k);
            Comp(6, {a, b});
            Comp(7, {b, c});
            Comp(8, {c, "G"});
        }
        saida_ = "E(Capacitor" + std::to_string(secoes) + ")";
    }
    TVFSistema& Doc() { return *doc_; }
    const std::string& Saida() const { return saida_; }

private:
    void Press(TVOElemento& e, std::int32_t terminal) {
        const TPortInfo info = e.GetPortInfo(terminal);
        const TPonto local = e.FixedPorts() ? TPonto{info.X - e.Left(), info.Y - e.Top()} : TPonto{15, 15};
        doc_->PressObject(e, local, {0, 0}, TMouseButton::Left);
    }
    TVOElemento& Vertice(const std::string& nome) {
        TVOElemento*& v = vertices_[nome];
        if (v == nullptr)
            v = &dynamic_cast<TVOElemento&>(doc_->NewObject(*SisClassOfKind(1), {x_ += 40, 300}));
        return *v;
    }
    void Comp(std::int32_t kind, std::initializer_list<std::string> vs) {
        auto& c = dynamic_cast<TVOElemento&>(doc_->NewObject(*SisClassOfKind(kind), {x_ += 40, 100}));
        std::int32_t t = 0;
        for (const std::string& v : vs) {
            Press(c, ++t);
            Press(Vertice(v), 1);
        }
    }

    std::unique_ptr<TVFSistema> doc_;
    std::map<std::string, TVOElemento*> vertices_;
    std::int32_t x_ = 0;
    std::string saida_;
};

void BM_SistemaEscadaRLC(benchmark::State& state) {
    Escada escada(static_cast<int>(state.range(0)));
    const TComandoDocumento& comando = Catalogo().Comando(escada.Doc());
    const TPedidoFT pedido{"E(FonteTensao1)", escada.Saida(), false, {}, {}};
    std::size_t pico = 0, termos = 0;
    for (auto _ : state) {
        const std::size_t antes = BytesEmUso();
        ZerarPico();
        {
            const TFTDocumento ft = comando.CalcularFT(escada.Doc(), pedido, {});
            if (!ft.Calculado()) throw std::runtime_error(ft.Recusa.Mensagem);
            termos = static_cast<std::size_t>(ft.Funcao.Den.Count());
            benchmark::DoNotOptimize(termos);
        }
        pico = std::max(pico, BytesPico() - antes);
    }
    state.counters["termos_den"] = static_cast<double>(termos);
    state.counters["bytes_pico"] = static_cast<double>(pico);
}

} // namespace

BENCHMARK(BM_SistemaEscadaRLC)->DenseRange(1, 10, 1)->Unit(benchmark::kMillisecond);
