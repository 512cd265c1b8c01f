#include "analysis/UnitComandoDFS.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitEscolhaFT.h"

#include <utility>

namespace brelix {

TRecusa TComandoDFS::Verificar(TVisualDocumento& doc) const {
    return PrepararFTDFS(doc).Recusa;
}

TCandidatosFT TComandoDFS::Candidatos(TVisualDocumento& doc) const {
    TPreparoFTDFS p = PrepararFTDFS(doc);
    TCandidatosFT r;
    r.Recusa = std::move(p.Recusa);
    r.Entradas = std::move(p.Entradas);
    r.Saidas = std::move(p.Saidas);
    return r;
}

TFTDocumento TComandoDFS::CalcularFT(TVisualDocumento& doc, const TPedidoFT& pedido,
                                     const TContextoAnalise& contexto) const {
    TFTDocumento r;
    TPreparoFTDFS preparo = PrepararFTDFS(doc);
    r.Candidatos.Entradas = preparo.Entradas;
    r.Candidatos.Saidas = preparo.Saidas;
    if (!preparo.Recusa.Houve() && pedido.EntreVertices) {
        r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, kMsgEsforcoEntreSoGrafo);
        return r;
    }
    TResultadoFTDFS ft = CalcularFTDFS(std::move(preparo), pedido.Entrada, pedido.Saida, contexto.Progresso);
    r.Recusa = std::move(ft.Recusa);
    r.Nome = std::move(ft.Nome);
    if (r.Recusa.Houve()) return r;
    r.Entrada = std::move(ft.Entrada);
    r.Saida = std::move(ft.Saida);
    r.Funcao = std::move(ft.Funcao);
    r.Simbolos = ft.Grafo.Simbolos();
    r.Mason = std::move(ft.VisaoMason);
    return r;
}

} // namespace brelix
