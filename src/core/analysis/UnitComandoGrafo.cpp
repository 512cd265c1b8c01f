#include "analysis/UnitComandoGrafo.h"

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
    if (!problemas.empty()) return TRecusa::ComVerificacao(ShowCheckLista(kMsgGrafoNaoValidado, problemas));
    grafo = BuildGrafoGraph(doc);
    std::vector<std::string> curtos;
    std::vector<std::string> desconectados;
    if (!CheckEstrutura(grafo, curtos, desconectados))
        return TRecusa::ComVerificacao(ShowCheckGrafo(kMsgGrafoNaoValidado, curtos, desconectados));
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
        r.Recusa = TRecusa::ComMensagem(MsgFalhaDFS(r.Conversao.Falha, r.Conversao.Elemento));
        return r;
    }
    r.Documento = MakeDocumento(kDocKindDFS);
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
        r.Recusa = TRecusa::ComMensagem(std::move(msg));
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
            r.Recusa = TRecusa::ComMensagem(kMsgVerticesOutraComponente);
            return r;
        }
    }
    if (!conversao.Dfs || AddRamoDFS(*conversao.Dfs, r.Entrada, r.Saida) == nullptr) {
        r.Recusa = TRecusa::ComMensagem(MsgFalhaDFS(conversao.Falha, conversao.Elemento));
        return r;
    }
    r.Dfs = std::move(*conversao.Dfs);
    r.Funcao.FromMason(MasonOS(r.Dfs), progresso);
    if (std::string msg = r.Funcao.MotivoNaoFinito(); !msg.empty())
        r.Recusa = TRecusa::ComMensagem(std::move(msg));
    return r;
}

TResultadoFTGrafo CalcularFTGrafo(const TVisualDocumento& doc, const TEscolhaGrafo& escolha,
                                  TProgresso* progresso) {
    return CalcularFTGrafo(PrepararFTGrafo(doc), escolha, progresso);
}

} // namespace brelix
