#pragma once

#include "analysis/UnitComandoDocumento.h"

namespace brelix {

// The two analysis commands of a system document. Both validate the system (TVFSistema::Validate),
// build its model and convert it into a linear graph; a refusal fills the check view (or, for the
// single-axis rule, the message window) and nothing is computed.
//  - "Sistema -> Grafo" opens the graph as a new graph document and fills the system result window.
//  - "Sistema -> Função de Transferência..." checks the graph as a linear graph (the check view under
//    kTituloGrafoNaoValidado), offers its variables in the simple choice dialog of a signal-flow
//    document (one input, one output variable) and goes on as the linear-graph command does
//    (FTDoGrafoLinear).

inline constexpr const char* kTituloGrafoNaoValidado = "Grafo do sistema não validado.";

class TComandoSistema : public TComandoDocumento {
public:
    TRecusa Verificar(const TVisualDocumento& doc) const override;
    TCandidatosFT Candidatos(const TVisualDocumento& doc) const override;
    TFTDocumento CalcularFT(const TVisualDocumento& doc, const TPedidoFT& pedido,
                            const TContextoAnalise& contexto) const override;
    bool Converte() const override { return true; }
    TConversaoDocumento Converter(const TVisualDocumento& doc,
                                  const TContextoAnalise& contexto) const override;
};

} // namespace brelix
