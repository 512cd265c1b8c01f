#pragma once

#include "analysis/UnitComandoDocumento.h"

namespace brelix {

// "DFS -> Função de Transferência...": the drawn diagram's transfer function with its Mason view. The
// drawing is checked and built into a signal-flow graph; the user chooses an input among the
// variables that no transmittance enters and an output among the others; the closing branch goes from
// the output back to the input, and Mason's formula gives the function. A signal-flow diagram is the
// last stage of the pipeline: it has no conversion.
class TComandoDFS : public TComandoDocumento {
public:
    TRecusa Verificar(const TVisualDocumento& doc) const override;
    TCandidatosFT Candidatos(const TVisualDocumento& doc) const override;
    TFTDocumento CalcularFT(const TVisualDocumento& doc, const TPedidoFT& pedido,
                            const TContextoAnalise& contexto) const override;
};

} // namespace brelix
