#include "system/UnitVFSistemaFT.h"

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
        r.Mensagem =
            preparo.Validacao.Mensagem.empty() ? kTituloGrafoNaoValidado : preparo.Validacao.Mensagem;
        return r;
    }
    r.Entrada = Offered(preparo.Entradas, entrada);
    r.Saida = Offered(preparo.Saidas, saida);
    if (r.Entrada.empty() || r.Saida.empty()) {
        r = TFTSistema();
        r.Mensagem = kMsgEntradaSaida;
        return r;
    }
    TConversaoDFS conversao = ConverterGrafoDFSVariavel(*preparo.Grafo);
    if (!conversao.Dfs || AddRamoDFS(*conversao.Dfs, r.Entrada, r.Saida) == nullptr) {
        const std::string mensagem = MsgFalhaDFS(conversao.Falha, conversao.Elemento);
        r = TFTSistema();
        r.Mensagem = mensagem;
        return r;
    }
    r.Funcao.FromMason(MasonOS(*conversao.Dfs));
    if (std::string msg = r.Funcao.MotivoNaoFinito(); !msg.empty()) {
        r = TFTSistema();
        r.Mensagem = std::move(msg);
        return r;
    }
    r.Simbolos = conversao.Dfs->Simbolos();
    r.Titulo = documento.Desc() + "FT";
    return r;
}

} // namespace brelix
