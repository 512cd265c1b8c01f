#include "analysis/UnitComandoSistema.h"

#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitFTGrafoLinear.h"
#include "analysis/UnitGeradorDocumento.h"
#include "graph/UnitGrfParaDFS.h"
#include "system/UnitSisResultado.h"
#include "system/UnitVFSistema.h"
#include "visual/UnitVODocKind.h"

#include <memory>
#include <utility>

namespace brelix {

namespace {

const TVFSistema& Sistema(const TVisualDocumento& doc) {
    return dynamic_cast<const TVFSistema&>(doc);
}

// The linear graph a system converts into, with the names of the vertices the conversion added and
// merged away; or why the system was refused.
struct TGrafoDoSistema {
    TRecusa Recusa;
    std::unique_ptr<TGrafo> Grafo;
    std::vector<std::string> Adicionados;
    std::vector<std::string> Removidos;
};

// Validation, the model and its conversion. The model is the analysis' own: the document keeps
// nothing of it, whether the conversion succeeds, fails or is stopped. A model the conversion refuses
// (a damaged file's faults that the document's validation lets through) joins the check view.
TGrafoDoSistema ConverterSistema(const TVFSistema& sistema, TProgresso* progresso) {
    TGrafoDoSistema r;
    const TValidacaoSistema validacao = sistema.Validate();
    if (!validacao.Problemas.empty()) {
        r.Recusa = TRecusa::ComVerificacao(TMotivoRecusa::Incompleto,
                                           ShowCheckLista(kTituloSistemaNaoValidado, validacao.Problemas));
        return r;
    }
    if (!validacao.Mensagem.empty()) {
        r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::MultiDirecional, validacao.Mensagem);
        return r;
    }
    const std::unique_ptr<TSistema> modelo = sistema.BuildModel();
    TConversaoSistema conversao = modelo->ToGraph(r.Adicionados, r.Removidos, progresso);
    if (conversao.Grafo == nullptr) {
        std::vector<std::string>& problemas = conversao.Problemas;
        if (problemas.empty()) problemas.emplace_back(kTituloSistemaNaoValidado);
        r.Recusa = TRecusa::ComVerificacao(TMotivoRecusa::Incompleto,
                                           ShowCheckLista(kTituloSistemaNaoValidado, problemas));
        return r;
    }
    r.Grafo = std::move(conversao.Grafo);
    return r;
}

// Up to the choice of the transfer function: the system converted and its graph a valid linear graph.
TGrafoDoSistema GrafoValidado(const TVFSistema& sistema, TProgresso* progresso) {
    TGrafoDoSistema r = ConverterSistema(sistema, progresso);
    if (!r.Recusa.Houve()) r.Recusa = ValidarGrafoLinear(*r.Grafo, kTituloGrafoNaoValidado);
    return r;
}

} // namespace

TRecusa TComandoSistema::Verificar(const TVisualDocumento& doc) const {
    return GrafoValidado(Sistema(doc), nullptr).Recusa;
}

TCandidatosFT TComandoSistema::Candidatos(const TVisualDocumento& doc) const {
    TCandidatosFT c;
    const TGrafoDoSistema g = GrafoValidado(Sistema(doc), nullptr);
    c.Recusa = g.Recusa;
    if (!c.Recusa.Houve()) ListVariaveis(*g.Grafo, c.Entradas, c.Saidas);
    return c;
}

TFTDocumento TComandoSistema::CalcularFT(const TVisualDocumento& doc, const TPedidoFT& pedido,
                                         const TContextoAnalise& contexto) const {
    return Cancelavel<TFTDocumento>([&] {
        TFTDocumento r;
        r.Nome = doc.Desc() + "FT";
        const TGrafoDoSistema g = GrafoValidado(Sistema(doc), contexto.Progresso);
        r.Recusa = g.Recusa;
        if (r.Recusa.Houve()) return r;
        ListVariaveis(*g.Grafo, r.Candidatos.Entradas, r.Candidatos.Saidas);
        if (pedido.EntreVertices) {
            r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, kMsgEsforcoEntreSoGrafo);
            return r;
        }
        // The system's choice is the signal-flow document's dialog: only list entries can be chosen.
        const std::string entrada = TextoEscolhido(r.Candidatos.Entradas, pedido.Entrada);
        TSaidaGrafo saida;
        saida.Variavel = TextoEscolhido(r.Candidatos.Saidas, pedido.Saida);
        if (std::string msg = ConferirEscolhaDFS(entrada, saida.Variavel); !msg.empty()) {
            r.Recusa = TRecusa::ComMensagem(TMotivoRecusa::EscolhaInvalida, std::move(msg));
            return r;
        }
        TFTDocumento ft = FTDoGrafoLinear(*g.Grafo, entrada, saida, contexto.Progresso);
        ft.Nome = std::move(r.Nome);
        ft.Candidatos = std::move(r.Candidatos);
        return ft;
    });
}

TConversaoDocumento TComandoSistema::Converter(const TVisualDocumento& doc,
                                               const TContextoAnalise& contexto) const {
    return Cancelavel<TConversaoDocumento>([&] {
        TConversaoDocumento r;
        TGrafoDoSistema g = ConverterSistema(Sistema(doc), contexto.Progresso);
        r.Recusa = std::move(g.Recusa);
        if (r.Recusa.Houve()) return r;
        r.Documento = doc.Kind().Catalogo->Make(kDocKindGrafo);
        GerarGrafo(*r.Documento, doc.Desc() + "Grafo", "TGrafo", *g.Grafo);
        r.Documento->SetMode(kModeSelecionar);
        r.ResultadoSis = FillResultadoSis(*g.Grafo, g.Removidos, g.Adicionados);
        return r;
    });
}

} // namespace brelix
