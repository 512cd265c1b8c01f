#include "analysis/UnitComandoDFS.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitMensagensConversao.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfMasonFT.h"

#include <optional>
#include <utility>

namespace brelix {

namespace {

TRecusa Checar(const TVisualDocumento& doc) {
    const std::vector<std::string> problemas = ValidarDFS(doc);
    if (problemas.empty()) return {};
    return TRecusa::ComVerificacao(TMotivoRecusa::Incompleto, ShowCheckLista(kMsgDFSNaoValidado, problemas));
}

// The check, and on success the diagram with the candidates marked and listed.
TRecusa Preparar(const TVisualDocumento& doc, TGrafo& grafo, TCandidatosFT& candidatos) {
    if (TRecusa r = Checar(doc); r.Houve()) return r;
    grafo = BuildDFSGraph(doc);
    MarkEntradaSaida(grafo, candidatos.Entradas, candidatos.Saidas);
    return {};
}

} // namespace

TRecusa TComandoDFS::Verificar(const TVisualDocumento& doc) const {
    return Checar(doc);
}

TCandidatosFT TComandoDFS::Candidatos(const TVisualDocumento& doc) const {
    TCandidatosFT c;
    TGrafo grafo;
    c.Recusa = Preparar(doc, grafo, c);
    return c;
}

TFTDocumento TComandoDFS::CalcularFT(const TVisualDocumento& doc, const TPedidoFT& pedido,
                                     const TContextoAnalise& contexto) const {
    return Cancelavel<TFTDocumento>([&] {
        TFTDocumento r;
        r.Nome = doc.Desc() + "FT";
        TGrafo grafo;
        r.Recusa = Preparar(doc, grafo, r.Candidatos);
        if (r.Recusa.Houve()) return r;
        if (pedido.EntreVertices) {
            r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, kMsgEsforcoEntreSoGrafo);
            return r;
        }
        // Only list entries can be chosen, as in the dialog.
        const std::string entrada = TextoEscolhido(r.Candidatos.Entradas, pedido.Entrada);
        const std::string saida = TextoEscolhido(r.Candidatos.Saidas, pedido.Saida);
        if (std::string msg = ConferirEscolhaDFS(entrada, saida); !msg.empty()) {
            r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, std::move(msg));
            return r;
        }
        AddRamoDFS(grafo, entrada, saida);
        std::optional<TResultadoMason> mason;
        if (contexto.VisaoMason) {
            mason = Mason(grafo, contexto.Progresso);
            FromMason(r.Funcao, mason->LacosOS, contexto.Progresso);
        } else {
            MasonFT(grafo, r.Funcao, contexto.Progresso);
        }
        if (TRecusa recusa = RecusaNaoFinita(r.Funcao); recusa.Houve()) {
            r.Funcao = TFuncao();
            r.Recusa = std::move(recusa);
            return r;
        }
        r.Entrada = entrada;
        r.Saida = saida;
        r.Simbolos = grafo.Simbolos();
        if (mason) r.Mason = ShowMason(grafo.Simbolos(), *mason);
        return r;
    });
}

} // namespace brelix
