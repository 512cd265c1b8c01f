#pragma once

#include <cstdint>
#include <exception>
#include <limits>
#include <string>
#include <vector>

namespace brelix {

// The stages of an analysis, in the order that the transfer function of a system runs through them.
enum class TEtapaAnalise {
    SistemaParaGrafo,    // the system becomes a linear graph
    GrafoParaDFS,        // the graph's equations and their causal assignment give the signal-flow diagram
    BuscaLacos,          // every loop of the diagram
    LacosDisjuntos,      // the sets of mutually non-touching loops
    FuncaoTransferencia, // the function assembled from the loop sets
};

// The caption under which a progress window shows the stage.
const char* TextoEtapa(TEtapaAnalise etapa);

// What an analysis tells whoever shows its progress, and how that one stops it: the stages as they
// begin; for the assembly of the function, the orders of loop sets with their counts, the order being
// worked on and every set done; and, now and then, the question whether the user stopped the analysis.
// A window implements it; the core calls it and never depends on one (the defaults do nothing and
// never stop).
class TProgresso {
public:
    virtual ~TProgresso() = default;

    // A stage begins; stages that do not apply (a signal-flow document has no conversion) are skipped.
    virtual void IniciarEtapa(TEtapaAnalise /*etapa*/) {}

    // One line per order, "01 - 3": the order and its number of sets.
    virtual void IniciarProgresso(const std::vector<std::string>& /*lines*/) {}
    virtual void IniciarOrdem(int /*order*/, int /*count*/) {}
    // The set just done, counted from 1 within its order.
    virtual void PassoProgresso(int /*set*/) {}

    // Whether the user asked to stop. Every stage asks as it begins and the long ones again and again
    // while they run (every few thousand steps of their work), so a window may let the interface
    // process its pending events here, a press of its stop button among them.
    virtual bool Cancelado() { return false; }
};

// Raised where a stage finds the analysis stopped. The analysis commands turn it into their refusal
// "cancelled"; whatever the stages had built is freed on the way out, and nothing they read changed.
class EAnaliseCancelada : public std::exception {
public:
    const char* what() const noexcept override;
};

// Raises EAnaliseCancelada when the user stopped the analysis (never without a progress object).
void ConferirCancelamento(TProgresso* progresso);
// Tells the progress object that a stage begins, then asks as ConferirCancelamento.
void IniciarEtapa(TProgresso* progresso, TEtapaAnalise etapa);

// Counts the steps of a long loop and asks the progress object once every `intervalo` steps: a step
// costs one decrement and one test, so that the hot loops keep their speed.
class TVigia {
public:
    explicit TVigia(TProgresso* progresso, std::uint32_t intervalo = 4096)
        : progresso_(progresso),
          intervalo_(progresso != nullptr ? intervalo : std::numeric_limits<std::uint32_t>::max()),
          resta_(intervalo_) {}

    void Passo() {
        if (--resta_ == 0) [[unlikely]]
            Consultar();
    }

private:
    void Consultar();

    TProgresso* progresso_;
    std::uint32_t intervalo_;
    std::uint32_t resta_;
};

} // namespace brelix
