#pragma once

#include "analysis/UnitComandoDocumento.h"

namespace brelix {

// The two analysis commands of a linear-graph document. Both check the drawing (ValidarGrafo), build
// the linear graph (BuildGrafoGraph) and check its structure (no element from a vertex to itself,
// every element in a closed circuit); a failure fills the check view and nothing is computed.
//  - "Grafo -> DFS" converts the graph into a signal-flow diagram, opens it as a new DFS document and
//    fills the graph-to-DFS view.
//  - "Grafo -> Função de Transferência..." takes the choice of the linear-graph dialog (an output
//    variable, or the effort between two vertices given by identifier or name) and goes on as the
//    system's command does (FTDoGrafoLinear).
class TComandoGrafo : public TComandoDocumento {
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
