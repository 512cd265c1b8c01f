#include "analysis/UnitComandoGrafo.h"

#include "analysis/UnitAnaliseGrafo.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitFTGrafoLinear.h"
#include "analysis/UnitGeradorDocumento.h"
#include "analysis/UnitMensagensConversao.h"
#include "graph/UnitGrfParaDFS.h"
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
    return ValidarGrafoLinear(grafo, kMsgGrafoNaoValidado);
}

// The check, and on success the graph with the three lists of the choice dialog.
TRecusa Preparar(const TVisualDocumento& doc, TGrafo& grafo, TCandidatosFT& candidatos) {
    if (TRecusa r = ChecarGrafo(doc, grafo); r.Houve()) return r;
    ListVariaveis(grafo, candidatos.Entradas, candidatos.Saidas);
    ListVertices(grafo, candidatos.Vertices);
    return {};
}

// What the dialog shows when "Calcular" is pressed, for the request: only list entries can be chosen,
// and the vertices of the effort between two vertices are given by identifier or name. Refuses a
// vertex that the dialog would not list rather than report an output left empty.
TRecusa Escolha(const TPedidoFT& pedido, const TCandidatosFT& c, TEscolhaGrafo& e) {
    e.Entrada = TextoEscolhido(c.Entradas, pedido.Entrada);
    e.UmElemento = !pedido.EntreVertices;
    if (e.UmElemento) {
        e.Saida = TextoEscolhido(c.Saidas, pedido.Saida);
    } else {
        for (const std::string* dado : {&pedido.Positivo, &pedido.Negativo})
            if (!dado->empty() && EntradaDoVertice(c.Vertices, *dado).empty())
                return TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, kMsgVerticeInexistente + *dado);
        e.Positivo = EntradaDoVertice(c.Vertices, pedido.Positivo);
        e.Negativo = EntradaDoVertice(c.Vertices, pedido.Negativo);
    }
    if (std::string msg = ConferirEscolhaGrafo(e); !msg.empty())
        return TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, std::move(msg));
    return {};
}

} // namespace

TRecusa TComandoGrafo::Verificar(const TVisualDocumento& doc) const {
    TGrafo grafo;
    return ChecarGrafo(doc, grafo);
}

TCandidatosFT TComandoGrafo::Candidatos(const TVisualDocumento& doc) const {
    TCandidatosFT c;
    TGrafo grafo;
    c.Recusa = Preparar(doc, grafo, c);
    return c;
}

TFTDocumento TComandoGrafo::CalcularFT(const TVisualDocumento& doc, const TPedidoFT& pedido,
                                       const TContextoAnalise& contexto) const {
    return Cancelavel<TFTDocumento>([&] {
        TFTDocumento r;
        r.Nome = doc.Desc() + "FT";
        TGrafo grafo;
        r.Recusa = Preparar(doc, grafo, r.Candidatos);
        if (r.Recusa.Houve()) return r;
        TEscolhaGrafo e;
        r.Recusa = Escolha(pedido, r.Candidatos, e);
        if (r.Recusa.Houve()) return r;
        TSaidaGrafo saida;
        if (e.UmElemento) {
            saida.Variavel = e.Saida;
        } else {
            saida.Positivo = GetPositivo(e);
            saida.Negativo = GetNegativo(e);
        }
        TFTDocumento ft = FTDoGrafoLinear(grafo, e.Entrada, saida, contexto.Progresso);
        ft.Nome = std::move(r.Nome);
        ft.Candidatos = std::move(r.Candidatos);
        return ft;
    });
}

TConversaoDocumento TComandoGrafo::Converter(const TVisualDocumento& doc,
                                             const TContextoAnalise& contexto) const {
    return Cancelavel<TConversaoDocumento>([&] {
        TConversaoDocumento r;
        TGrafo grafo;
        r.Recusa = ChecarGrafo(doc, grafo);
        if (r.Recusa.Houve()) return r;
        const TResultadoDFS conversao = ConverterGrafoDFS(grafo, contexto.Progresso);
        if (!conversao.Dfs) {
            r.Recusa = RecusaFalhaDFS(conversao.Falha, conversao.Elemento);
            return r;
        }
        r.Documento = doc.Kind().Catalogo->Make(kDocKindDFS);
        GerarDFS(*r.Documento, doc.Desc() + "DFS", "TDFS", *conversao.Dfs);
        r.Documento->SetMode(kModeSelecionar);
        r.VisaoGrafoDFS = ShowGrafoDFS(conversao, contexto.AlturaLinha, contexto.LarguraColuna);
        return r;
    });
}

} // namespace brelix
