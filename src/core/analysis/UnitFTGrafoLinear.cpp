#include "analysis/UnitFTGrafoLinear.h"

#include "analysis/UnitMensagensConversao.h"
#include "graph/UnitGrfEstrutura.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfMasonFT.h"
#include "graph/UnitGrfParaDFS.h"

#include <utility>
#include <vector>

namespace brelix {

TRecusa ValidarGrafoLinear(const TGrafo& grafo, const std::string& titulo) {
    std::vector<std::string> curtos;
    std::vector<std::string> desconectados;
    if (CheckEstrutura(grafo, curtos, desconectados)) return {};
    return TRecusa::ComVerificacao(TMotivoRecusa::GrafoInvalido,
                                   ShowCheckGrafo(titulo, curtos, desconectados));
}

TFTDocumento FTDoGrafoLinear(const TGrafo& grafo, const std::string& entrada, const TSaidaGrafo& saida,
                             TProgresso* progresso) {
    TFTDocumento r;
    TConversaoDFS conversao;
    if (saida.EntreVertices()) {
        conversao = FindComponente(grafo, saida.Positivo, saida.Negativo, progresso);
        if (!conversao.Encontrado()) {
            r.Recusa =
                TRecusa::ComMensagem(TMotivoRecusa::VerticesOutraComponente, kMsgVerticesOutraComponente);
            return r;
        }
        r.Saida = NomeEsforcoEntre(saida.Positivo, saida.Negativo);
    } else {
        conversao = ConverterGrafoDFSVariavel(grafo, progresso);
        r.Saida = saida.Variavel;
    }
    // The closing branch needs both variables in the diagram; a diagram is always built with every
    // variable of the graph, so only a failed conversion lacks them.
    if (!conversao.Dfs || AddRamoDFS(*conversao.Dfs, entrada, r.Saida) == nullptr) {
        r.Saida.clear();
        r.Recusa = RecusaFalhaDFS(conversao.Falha, conversao.Elemento);
        return r;
    }
    TGrafo& dfs = *conversao.Dfs;
    r.Entrada = entrada;
    MasonFT(dfs, r.Funcao, progresso);
    if (TRecusa recusa = RecusaNaoFinita(r.Funcao); recusa.Houve()) {
        TFTDocumento recusado;
        recusado.Recusa = std::move(recusa);
        return recusado;
    }
    r.Simbolos = dfs.Simbolos();
    return r;
}

} // namespace brelix
