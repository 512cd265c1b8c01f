#include "shell/UnitAreaTrabalho.h"

#include "visual/UnitVODocKind.h"

#include <utility>

namespace brelix {

// The "Algoritmos" commands: each reads the active document when it is of the command's kind, shows
// a refusal in the check window or the message window, and keeps what it computed for the result
// windows.

void TAreaTrabalho::Analisar(TComando comando) {
    TVisualDocumento* documento = Ativo();
    const std::optional<std::int32_t> docKind = DocKindDoAlgoritmo(comando);
    if (documento == nullptr || !docKind || documento->DocKind() != *docKind) return;
    const TComandoDocumento& analise = catalogo_.Comando(*documento);
    if (comando == TComando::SistemaGrafo || comando == TComando::GrafoDFS) {
        Converter(*documento, analise);
        return;
    }
    CalcularFT(*documento, analise);
}

void TAreaTrabalho::Converter(TVisualDocumento& documento, const TComandoDocumento& analise) {
    TConversaoDocumento conversao = analise.Converter(documento, Contexto());
    if (conversao.Recusa.Houve()) {
        MostrarRecusa(conversao.Recusa);
        return;
    }
    if (conversao.Documento == nullptr) return;
    if (conversao.VisaoGrafoDFS) resultados_.GrafoDFS = std::move(*conversao.VisaoGrafoDFS);
    if (conversao.ResultadoSis) resultados_.SistemaGrafo = std::move(*conversao.ResultadoSis);
    // The new document opens in front, in mode Selecionar; the result window waits for its menu item.
    AddDocument(std::move(conversao.Documento));
}

void TAreaTrabalho::CalcularFT(TVisualDocumento& documento, const TComandoDocumento& analise) {
    const TCandidatosFT candidatos = analise.Candidatos(documento);
    if (candidatos.Recusa.Houve()) {
        MostrarRecusa(candidatos.Recusa);
        return;
    }
    const TEstiloEscolha estilo =
        documento.DocKind() == kDocKindGrafo ? TEstiloEscolha::Grafo : TEstiloEscolha::DFS;
    for (;;) {
        const std::optional<TPedidoFT> pedido = janela_.EscolherFT(estilo, candidatos);
        if (!pedido) return;
        TFTDocumento ft = analise.CalcularFT(documento, *pedido, Contexto());
        if (ft.Recusa.Houve()) {
            MostrarRecusa(ft.Recusa);
            // A choice the command refuses is asked again, after its message.
            if (ft.Recusa.EscolhaRecusada()) continue;
            return;
        }
        resultados_.FT.ShowFT(ft.Nome, ft.Entrada, std::move(ft.Funcao), ft.Simbolos, ft.Saida);
        resultados_.TemFT = true;
        if (ft.Mason) resultados_.Mason = std::move(*ft.Mason);
        Atualizar();
        janela_.MostrarResultado(TJanelaResultado::FT);
        return;
    }
}

void TAreaTrabalho::MostrarRecusa(const TRecusa& recusa) {
    if (recusa.Tipo == TRecusa::TTipo::Verificacao) {
        resultados_.Verificacao = recusa.Verificacao;
        janela_.ShowCheck(recusa.Verificacao);
        return;
    }
    if (recusa.Houve()) janela_.ShowMsg(recusa.Mensagem);
}

TContextoAnalise TAreaTrabalho::Contexto() const {
    TContextoAnalise contexto;
    contexto.Progresso = progresso_;
    contexto.AlturaLinha = opcoes_.Config().ARowHeight;
    contexto.LarguraColuna = opcoes_.Config().AColWidth;
    return contexto;
}

} // namespace brelix
