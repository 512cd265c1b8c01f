#include "shell/UnitComandosDocumento.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitComandoGrafo.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitGeradorDocumento.h"
#include "analysis/UnitVFSistemaFT.h"
#include "common/UnitComErro.h"
#include "system/UnitVOSisClasses.h"
#include "visual/UnitVODocKind.h"

#include <filesystem>
#include <utility>

namespace brelix {

namespace {

TVFSistema& Sistema(TVisualDocumento& doc) {
    return dynamic_cast<TVFSistema&>(doc);
}

// A system refused by its own validation: the check view with its problems, or the single-axis
// message.
TRecusa RecusaValidacao(const TValidacaoSistema& validacao) {
    if (!validacao.Problemas.empty())
        return TRecusa::ComVerificacao(ShowCheckLista(kTituloSistemaNaoValidado, validacao.Problemas));
    if (!validacao.Mensagem.empty()) return TRecusa::ComMensagem(validacao.Mensagem);
    return {};
}

// ... or by the validation of the linear graph it gives.
TRecusa RecusaSistema(const TSistemaParaFT& preparo) {
    if (TRecusa r = RecusaValidacao(preparo.Validacao); r.Houve()) return r;
    if (!preparo.GrafoValido())
        return TRecusa::ComVerificacao(
            ShowCheckGrafo(kTituloGrafoNaoValidado, preparo.Curtos, preparo.Desconectados));
    return {};
}

// Hands on the refusal or the function of a signal-flow or graph command; false when it refused.
template <typename TResultado> bool Repassar(TResultado& ft, TFTDocumento& r) {
    r.Recusa = std::move(ft.Recusa);
    r.Nome = std::move(ft.Nome);
    if (r.Recusa.Houve()) return false;
    r.Entrada = std::move(ft.Entrada);
    r.Saida = std::move(ft.Saida);
    r.Funcao = std::move(ft.Funcao);
    return true;
}

TFTDocumento FTDFS(TVisualDocumento& doc, const TPedidoFT& pedido, TProgresso* progresso) {
    TFTDocumento r;
    TPreparoFTDFS preparo = PrepararFTDFS(doc);
    r.Candidatos.Entradas = preparo.Entradas;
    r.Candidatos.Saidas = preparo.Saidas;
    if (!preparo.Recusa.Houve() && pedido.EntreVertices) {
        r.Recusa = TRecusa::ComMensagem(kMsgEsforcoEntreSoGrafo);
        return r;
    }
    TResultadoFTDFS ft = CalcularFTDFS(std::move(preparo), pedido.Entrada, pedido.Saida, progresso);
    if (!Repassar(ft, r)) return r;
    r.Simbolos = ft.Grafo.Simbolos();
    r.Mason = std::move(ft.VisaoMason);
    return r;
}

TFTDocumento FTGrafo(TVisualDocumento& doc, const TPedidoFT& pedido, TProgresso* progresso) {
    TFTDocumento r;
    TPreparoFTGrafo preparo = PrepararFTGrafo(doc);
    r.Candidatos.Entradas = preparo.Entradas;
    r.Candidatos.Saidas = preparo.Saidas;
    r.Candidatos.Vertices = preparo.Vertices;
    TEscolhaGrafo escolha;
    escolha.Entrada = pedido.Entrada;
    escolha.UmElemento = !pedido.EntreVertices;
    escolha.Saida = pedido.Saida;
    if (pedido.EntreVertices && !preparo.Recusa.Houve()) {
        // The dialog offers only vertices of the graph; a name it would not list is said plainly
        // rather than reported as an output left empty.
        for (const std::string* dado : {&pedido.Positivo, &pedido.Negativo}) {
            if (!dado->empty() && EntradaDoVertice(preparo.Vertices, *dado).empty()) {
                r.Recusa = TRecusa::ComMensagem(kMsgVerticeInexistente + *dado);
                return r;
            }
        }
        escolha.Positivo = EntradaDoVertice(preparo.Vertices, pedido.Positivo);
        escolha.Negativo = EntradaDoVertice(preparo.Vertices, pedido.Negativo);
    }
    TResultadoFTGrafo ft = CalcularFTGrafo(std::move(preparo), escolha, progresso);
    if (!Repassar(ft, r)) return r;
    r.Simbolos = ft.Dfs.Simbolos();
    return r;
}

TFTDocumento FTSistema(TVisualDocumento& doc, const TPedidoFT& pedido) {
    TFTDocumento r;
    TVFSistema& sistema = Sistema(doc);
    const TSistemaParaFT preparo = PrepareFT(sistema);
    r.Recusa = RecusaSistema(preparo);
    if (r.Recusa.Houve()) return r;
    r.Candidatos.Entradas = preparo.Entradas;
    r.Candidatos.Saidas = preparo.Saidas;
    if (pedido.EntreVertices) {
        r.Recusa = TRecusa::ComMensagem(kMsgEsforcoEntreSoGrafo);
        return r;
    }
    TFTSistema ft = ComputeFT(sistema, preparo, pedido.Entrada, pedido.Saida);
    if (!ft.Ok()) {
        r.Recusa = TRecusa::ComMensagem(std::move(ft.Mensagem));
        return r;
    }
    r.Nome = std::move(ft.Titulo);
    r.Entrada = std::move(ft.Entrada);
    r.Saida = std::move(ft.Saida);
    r.Funcao = std::move(ft.Funcao);
    r.Simbolos = std::move(ft.Simbolos);
    return r;
}

} // namespace

std::unique_ptr<TVisualDocumento> AbrirDocumento(const TCatalogoDocumentos& catalogo,
                                                 const std::string& fileName) {
    std::string extension = std::filesystem::path(fileName).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    const TDocKindInfo* kind = extension.empty() ? nullptr : catalogo.FindByExtension(extension);
    if (kind == nullptr)
        throw EFileError(fileName, "não é um documento do Brelix (esperava-se a extensão sis, grf ou dfs)");
    std::unique_ptr<TVisualDocumento> doc = catalogo.Make(kind->DocKind);
    doc->LoadFile(fileName);
    return doc;
}

TRecusa VerificarDocumento(TVisualDocumento& doc) {
    switch (doc.DocKind()) {
    case kDocKindDFS:
        return PrepararFTDFS(doc).Recusa;
    case kDocKindGrafo:
        return PrepararFTGrafo(doc).Recusa;
    default:
        return RecusaSistema(PrepareFT(Sistema(doc)));
    }
}

TCandidatosFT CandidatosFT(TVisualDocumento& doc) {
    TCandidatosFT r;
    switch (doc.DocKind()) {
    case kDocKindDFS: {
        TPreparoFTDFS p = PrepararFTDFS(doc);
        r.Recusa = std::move(p.Recusa);
        r.Entradas = std::move(p.Entradas);
        r.Saidas = std::move(p.Saidas);
        return r;
    }
    case kDocKindGrafo: {
        TPreparoFTGrafo p = PrepararFTGrafo(doc);
        r.Recusa = std::move(p.Recusa);
        r.Entradas = std::move(p.Entradas);
        r.Saidas = std::move(p.Saidas);
        r.Vertices = std::move(p.Vertices);
        return r;
    }
    default: {
        TSistemaParaFT p = PrepareFT(Sistema(doc));
        r.Recusa = RecusaSistema(p);
        if (r.Recusa.Houve()) return r;
        r.Entradas = std::move(p.Entradas);
        r.Saidas = std::move(p.Saidas);
        return r;
    }
    }
}

TConversaoDocumento ConverterDocumento(TVisualDocumento& doc) {
    TConversaoDocumento r;
    if (doc.DocKind() == kDocKindGrafo) {
        TResultadoGrafoDFS dfs = CalcularDFSGrafo(doc);
        r.Recusa = std::move(dfs.Recusa);
        r.Documento = std::move(dfs.Documento);
        return r;
    }
    if (doc.DocKind() != kDocKindSistema) return r;
    TVFSistema& sistema = Sistema(doc);
    TSistemaParaGrafo grafo = sistema.SystemToGraph();
    if (!grafo.Ok()) {
        r.Recusa = RecusaValidacao(grafo.Validacao);
        if (!r.Recusa.Houve()) r.Recusa = TRecusa::ComMensagem(kTituloSistemaNaoValidado);
        return r;
    }
    r.Documento = doc.Kind().Catalogo->Make(kDocKindGrafo);
    GerarGrafo(*r.Documento, grafo.NomeDocumento, "TGrafo", *grafo.Grafo);
    r.Documento->SetMode(kModeSelecionar);
    return r;
}

TFTDocumento CalcularFTDocumento(TVisualDocumento& doc, const TPedidoFT& pedido, TProgresso* progresso) {
    switch (doc.DocKind()) {
    case kDocKindDFS:
        return FTDFS(doc, pedido, progresso);
    case kDocKindGrafo:
        return FTGrafo(doc, pedido, progresso);
    default:
        return FTSistema(doc, pedido);
    }
}

} // namespace brelix
