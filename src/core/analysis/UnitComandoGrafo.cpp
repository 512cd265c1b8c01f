#include "analysis/UnitComandoGrafo.h"
#include "graph/UnitGrfMasonFT.h"

#include "analysis/UnitAnaliseGrafo.h"
#include "analysis/UnitGeradorDocumento.h"
#include "graph/UnitGrfEstrutura.h"
#include "graph/UnitGrfMason.h"
#include "visual/UnitVODocKind.h"

#include <utility>

namespace brelix {

namespace {

// The drawing is complete and its graph structurally valid; otherwise the check view's content.
TRecusa ChecarGrafo(const TVisualDocumento& doc, TGrafo& grafo) {
    const std::vector<std::string> problemas = ValidarGrafo(doc);
    if (!problemas.empty())
        return TRecusa::ComVerificacao(TMotivoRecusa::Incompleto,
                                       ShowCheckLista(kMsgGrafoNaoValidado, problemas));
    grafo = BuildGrafoGraph(doc);
    std::vector<std::string> curtos;
    std::vector<std::string> desconectados;
    if (!CheckEstrutura(grafo, curtos, desconectados))
        return TRecusa::ComVerificacao(TMotivoRecusa::GrafoInvalido,
                                       ShowCheckGrafo(kMsgGrafoNaoValidado, curtos, desconectados));
    return {};
}

} // namespace

TResultadoGrafoDFS CalcularDFSGrafo(const TVisualDocumento& doc, std::int32_t alturaLinha,
                                    std::int32_t larguraColuna) {
    TResultadoGrafoDFS r;
    TGrafo grafo;
    r.Recusa = ChecarGrafo(doc, grafo);
    if (r.Recusa.Houve()) return r;
    r.Conversao = ConverterGrafoDFS(grafo);
    if (!r.Conversao.Dfs) {
        r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::ConversaoSemExito, kMsgDFSSemExito);
        return r;
    }
    r.Documento = doc.Kind().Catalogo->Make(kDocKindDFS);
    GerarDFS(*r.Documento, doc.Desc() + "DFS", "TDFS", *r.Conversao.Dfs);
    r.Documento->SetMode(kModeSelecionar);
    r.Visao = ShowGrafoDFS(r.Conversao, alturaLinha, larguraColuna);
    return r;
}

TPreparoFTGrafo PrepararFTGrafo(const TVisualDocumento& doc) {
    TPreparoFTGrafo p;
    p.Nome = doc.Desc() + "FT";
    p.Recusa = ChecarGrafo(doc, p.Grafo);
    if (p.Recusa.Houve()) return p;
    ListVariaveis(p.Grafo, p.Entradas, p.Saidas);
    ListVertices(p.Grafo, p.Vertices);
    return p;
}

TResultadoFTGrafo CalcularFTGrafo(TPreparoFTGrafo preparo, const TEscolhaGrafo& escolha,
                                  TProgresso* progresso) {
    TResultadoFTGrafo r;
    r.Recusa = std::move(preparo.Recusa);
    r.Nome = std::move(preparo.Nome);
    r.Entradas = std::move(preparo.Entradas);
    r.Saidas = std::move(preparo.Saidas);
    r.Vertices = std::move(preparo.Vertices);
    if (r.Recusa.Houve()) return r;

    // Only list entries can be chosen, as in the dialog.
    TEscolhaGrafo e;
    e.UmElemento = escolha.UmElemento;
    e.Entrada = TextoEscolhido(r.Entradas, escolha.Entrada);
    e.Saida = TextoEscolhido(r.Saidas, escolha.Saida);
    e.Positivo = TextoEscolhido(r.Vertices, escolha.Positivo);
    e.Negativo = TextoEscolhido(r.Vertices, escolha.Negativo);
    if (std::string msg = ConferirEscolhaGrafo(e); !msg.empty()) {
        r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, std::move(msg));
        return r;
    }
    r.Entrada = e.Entrada;

    TConversaoDFS conversao;
    if (e.UmElemento) {
        r.Saida = e.Saida;
        conversao = ConverterGrafoDFSVariavel(preparo.Grafo);
    } else {
        const std::int32_t p = GetPositivo(e);
        const std::int32_t n = GetNegativo(e);
        r.Saida = NomeEsforcoEntre(p, n);
        conversao = FindComponente(preparo.Grafo, p, n);
        if (!conversao.Encontrado()) {
            r.Recusa =
                TRecusa::ComMensagem(TMotivoRecusa::VerticesOutraComponente, kMsgVerticesOutraComponente);
            return r;
        }
    }
    if (!conversao.Dfs || AddRamoDFS(*conversao.Dfs, r.Entrada, r.Saida) == nullptr) {
        r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::ConversaoSemExito, kMsgDFSSemExito);
        return r;
    }
    r.Dfs = std::move(*conversao.Dfs);
    FromMason(r.Funcao, MasonOS(r.Dfs), progresso);
    return r;
}

TResultadoFTGrafo CalcularFTGrafo(const TVisualDocumento& doc, const TEscolhaGrafo& escolha,
                                  TProgresso* progresso) {
    return CalcularFTGrafo(PrepararFTGrafo(doc), escolha, progresso);
}

TRecusa TComandoGrafo::Verificar(TVisualDocumento& doc) const {
    return PrepararFTGrafo(doc).Recusa;
}

TCandidatosFT TComandoGrafo::Candidatos(TVisualDocumento& doc) const {
    TPreparoFTGrafo p = PrepararFTGrafo(doc);
    TCandidatosFT r;
    r.Recusa = std::move(p.Recusa);
    r.Entradas = std::move(p.Entradas);
    r.Saidas = std::move(p.Saidas);
    r.Vertices = std::move(p.Vertices);
    return r;
}

TFTDocumento TComandoGrafo::CalcularFT(TVisualDocumento& doc, const TPedidoFT& pedido,
                                       const TContextoAnalise& contexto) const {
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
                r.Recusa =
                    TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, kMsgVerticeInexistente + *dado);
                return r;
            }
        }
        escolha.Positivo = EntradaDoVertice(preparo.Vertices, pedido.Positivo);
        escolha.Negativo = EntradaDoVertice(preparo.Vertices, pedido.Negativo);
    }
    TResultadoFTGrafo ft = CalcularFTGrafo(std::move(preparo), escolha, contexto.Progresso);
    r.Recusa = std::move(ft.Recusa);
    r.Nome = std::move(ft.Nome);
    if (r.Recusa.Houve()) return r;
    r.Entrada = std::move(ft.Entrada);
    r.Saida = std::move(ft.Saida);
    r.Funcao = std::move(ft.Funcao);
    r.Simbolos = ft.Dfs.Simbolos();
    return r;
}

TConversaoDocumento TComandoGrafo::Converter(TVisualDocumento& doc, const TContextoAnalise& contexto) const {
    TConversaoDocumento r;
    TResultadoGrafoDFS dfs = CalcularDFSGrafo(doc, contexto.AlturaLinha, contexto.LarguraColuna);
    r.Recusa = std::move(dfs.Recusa);
    if (r.Recusa.Houve()) return r;
    r.Documento = std::move(dfs.Documento);
    r.VisaoGrafoDFS = std::move(dfs.Visao);
    return r;
}

} // namespace brelix
