#include "symbolic/UnitFTProgresso.h"

namespace brelix {

const char* TextoEtapa(TEtapaAnalise etapa) {
    switch (etapa) {
    case TEtapaAnalise::SistemaParaGrafo:
        return "Sistema -> Grafo";
    case TEtapaAnalise::GrafoParaDFS:
        return "Grafo -> DFS";
    case TEtapaAnalise::BuscaLacos:
        return "Busca de Laços";
    case TEtapaAnalise::LacosDisjuntos:
        return "Laços Disjuntos";
    case TEtapaAnalise::FuncaoTransferencia:
        return "Função de Transferência";
    }
    return "";
}

const char* EAnaliseCancelada::what() const noexcept {
    return "Análise cancelada.";
}

void ConferirCancelamento(TProgresso* progresso) {
    if (progresso != nullptr && progresso->Cancelado()) throw EAnaliseCancelada();
}

void IniciarEtapa(TProgresso* progresso, TEtapaAnalise etapa) {
    if (progresso == nullptr) return;
    progresso->IniciarEtapa(etapa);
    ConferirCancelamento(progresso);
}

void TVigia::Consultar() {
    resta_ = intervalo_;
    ConferirCancelamento(progresso_);
}

} // namespace brelix
