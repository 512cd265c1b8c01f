#include "analysis/UnitComandoSistema.h"
#include "graph/UnitGrfMasonFT.h"

#include "analysis/UnitAnaliseGrafo.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitGeradorDocumento.h"
#include "common/UnitComTexto.h"
#include "graph/UnitGrfEstrutura.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfParaDFS.h"

namespace brelix {

namespace {

// The entry of the list that names the same variable, letter case ignored; empty when none does.
std::string Offered(const std::vector<std::string>& list, const std::string& name) {
    for (const std::string& entry : list)
        if (SameTextAscii(entry, name)) return entry;
    return {};
}

TVFSistema& Sistema(TVisualDocumento& doc) {
    return dynamic_cast<TVFSistema&>(doc);
}

// A system refused by its own validation: the check view with its problems, or the single-axis
// message.
TRecusa RecusaValidacao(const TValidacaoSistema& validacao) {
    if (!validacao.Problemas.empty())
        return TRecusa::ComVerificacao(TMotivoRecusa::Incompleto,
                                       ShowCheckLista(kTituloSistemaNaoValidado, validacao.Problemas));
    if (!validacao.Mensagem.empty())
        return TRecusa::ComMensagem(TMotivoRecusa::MultiDirecional, validacao.Mensagem);
    return {};
}

// ... or by the validation of the linear graph it gives.
TRecusa RecusaSistema(const TSistemaParaFT& preparo) {
    if (TRecusa r = RecusaValidacao(preparo.Validacao); r.Houve()) return r;
    if (!preparo.GrafoValido())
        return TRecusa::ComVerificacao(
            TMotivoRecusa::GrafoInvalido,
            ShowCheckGrafo(kTituloGrafoNaoValidado, preparo.Curtos, preparo.Desconectados));
    return {};
}

} // namespace

TSistemaParaFT PrepareFT(TVFSistema& documento) {
    TSistemaParaFT r;
    r.Grafo = documento.ConvertToGraph(r.Validacao);
    if (r.Grafo == nullptr) return r;
    if (!CheckEstrutura(*r.Grafo, r.Curtos, r.Desconectados)) return r;
    ListVariaveis(*r.Grafo, r.Entradas, r.Saidas);
    return r;
}

TFTSistema ComputeFT(const TVFSistema& documento, const TSistemaParaFT& preparo, const std::string& entrada,
                     const std::string& saida) {
    TFTSistema r;
    if (!preparo.Ok()) {
        r.Motivo = preparo.Validacao.Mensagem.empty() ? TMotivoRecusa::GrafoInvalido
                                                      : TMotivoRecusa::MultiDirecional;
        r.Mensagem =
            preparo.Validacao.Mensagem.empty() ? kTituloGrafoNaoValidado : preparo.Validacao.Mensagem;
        return r;
    }
    r.Entrada = Offered(preparo.Entradas, entrada);
    r.Saida = Offered(preparo.Saidas, saida);
    if (r.Entrada.empty() || r.Saida.empty()) {
        r = TFTSistema();
        r.Motivo = TMotivoRecusa::EscolhaInvalida;
        r.Mensagem = kMsgEntradaSaida;
        return r;
    }
    TConversaoDFS conversao = ConverterGrafoDFSVariavel(*preparo.Grafo);
    if (!conversao.Dfs || AddRamoDFS(*conversao.Dfs, r.Entrada, r.Saida) == nullptr) {
        r = TFTSistema();
        r.Motivo = TMotivoRecusa::ConversaoSemExito;
        r.Mensagem = kMsgDFSSemExito;
        return r;
    }
    FromMason(r.Funcao, MasonOS(*conversao.Dfs));
    r.Simbolos = conversao.Dfs->Simbolos();
    r.Titulo = documento.Desc() + "FT";
    return r;
}

TRecusa TComandoSistema::Verificar(TVisualDocumento& doc) const {
    return RecusaSistema(PrepareFT(Sistema(doc)));
}

TCandidatosFT TComandoSistema::Candidatos(TVisualDocumento& doc) const {
    TCandidatosFT r;
    TSistemaParaFT p = PrepareFT(Sistema(doc));
    r.Recusa = RecusaSistema(p);
    if (r.Recusa.Houve()) return r;
    r.Entradas = std::move(p.Entradas);
    r.Saidas = std::move(p.Saidas);
    return r;
}

TFTDocumento TComandoSistema::CalcularFT(TVisualDocumento& doc, const TPedidoFT& pedido,
                                         const TContextoAnalise&) const {
    TFTDocumento r;
    TVFSistema& sistema = Sistema(doc);
    const TSistemaParaFT preparo = PrepareFT(sistema);
    r.Recusa = RecusaSistema(preparo);
    if (r.Recusa.Houve()) return r;
    r.Candidatos.Entradas = preparo.Entradas;
    r.Candidatos.Saidas = preparo.Saidas;
    if (pedido.EntreVertices) {
        r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, kMsgEsforcoEntreSoGrafo);
        return r;
    }
    TFTSistema ft = ComputeFT(sistema, preparo, pedido.Entrada, pedido.Saida);
    if (!ft.Ok()) {
        r.Recusa = TRecusa::ComMensagem(ft.Motivo, std::move(ft.Mensagem));
        return r;
    }
    r.Nome = std::move(ft.Titulo);
    r.Entrada = std::move(ft.Entrada);
    r.Saida = std::move(ft.Saida);
    r.Funcao = std::move(ft.Funcao);
    r.Simbolos = std::move(ft.Simbolos);
    return r;
}

TConversaoDocumento TComandoSistema::Converter(TVisualDocumento& doc, const TContextoAnalise&) const {
    TConversaoDocumento r;
    TSistemaParaGrafo grafo = Sistema(doc).SystemToGraph();
    if (!grafo.Ok()) {
        r.Recusa = RecusaValidacao(grafo.Validacao);
        if (!r.Recusa.Houve())
            r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::Incompleto, kTituloSistemaNaoValidado);
        return r;
    }
    r.Documento = doc.Kind().Catalogo->Make(kDocKindGrafo);
    GerarGrafo(*r.Documento, grafo.NomeDocumento, "TGrafo", *grafo.Grafo);
    r.Documento->SetMode(kModeSelecionar);
    r.ResultadoSis = std::move(grafo.Resultado);
    return r;
}

} // namespace brelix
