#pragma once

#include "analysis/UnitVisaoVerificacao.h"
#include "graph/UnitGrfParaDFS.h"
#include "symbolic/UnitFTFuncao.h"

#include <string>

namespace brelix {

// The messages with which the commands that convert a linear graph into a signal-flow diagram (of a
// graph document and of a system document) report a conversion that produced nothing.

// No complete causal assignment: the equations cannot all be solved for one variable each.
inline constexpr const char* kMsgDFSSemExito = "O algoritmo de cálculo do DFS não obteve êxito.";
// The effort between two vertices asked for as the output, from two separate parts of the graph.
inline constexpr const char* kMsgVerticesOutraComponente =
    "Os vértices da saída devem pertencer a mesma componente do grafo.";

// A gain of the diagram that passes the range of the real numbers (the quotient of two gains of the
// equation solved for the variable): no transmittance can carry it.
inline std::string MsgGanhoForaDoLimite(const std::string& variavel) {
    return "O ganho de uma transmitância para " + variavel +
           " passa do limite dos números reais: reveja os coeficientes dos ganhos.";
}

// The message of a conversion that gave no diagram.
inline std::string MsgFalhaDFS(TFalhaDFS falha, const std::string& elemento) {
    return falha == TFalhaDFS::GanhoForaDoLimite ? MsgGanhoForaDoLimite(elemento) : kMsgDFSSemExito;
}

// The refusal of a conversion that gave no diagram, with its reason.
inline TRecusa RecusaFalhaDFS(TFalhaDFS falha, const std::string& elemento) {
    return TRecusa::ComMensagem(falha == TFalhaDFS::GanhoForaDoLimite ? TMotivoRecusa::ForaDoLimite
                                                                      : TMotivoRecusa::ConversaoSemExito,
                                MsgFalhaDFS(falha, elemento));
}

// A function assembled with a coefficient beyond the range of the real numbers is refused, naming the
// term; nothing when every coefficient is a real number.
inline TRecusa RecusaNaoFinita(const TFuncao& funcao) {
    std::string motivo = funcao.MotivoNaoFinito();
    if (motivo.empty()) return {};
    return TRecusa::ComMensagem(TMotivoRecusa::ForaDoLimite, std::move(motivo));
}

} // namespace brelix
