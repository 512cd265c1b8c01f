#pragma once

#include "analysis/UnitComandoDocumento.h"

namespace brelix {

// "DFS -> Função de Transferência...": the drawn diagram's transfer function with its Mason view. A
// signal-flow diagram is the last stage of the pipeline: it has no conversion.
class TComandoDFS : public TComandoDocumento {
public:
    TRecusa Verificar(TVisualDocumento& doc) const override;
    TCandidatosFT Candidatos(TVisualDocumento& doc) const override;
    TFTDocumento CalcularFT(TVisualDocumento& doc, const TPedidoFT& pedido,
                            const TContextoAnalise& contexto) const override;
};

} // namespace brelix
