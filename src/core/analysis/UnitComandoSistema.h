#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitMensagensConversao.h"
#include "graph/UnitGrfGrafo.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"
#include "system/UnitVFSistema.h"

#include <memory>
#include <string>
#include <vector>

namespace brelix {

// The command "Sistema -> Função de Transferência...", model side. It is split at the user's choice:
// PrepareFT validates, builds and converts the system and offers the candidates of the choice dialog;
// ComputeFT takes the choice through the signal-flow diagram and Mason's formula.

inline constexpr const char* kTituloGrafoNaoValidado = "Grafo do sistema não validado.";
// Names that the choice did not offer (only a caller without the dialog can give them).
inline constexpr const char* kMsgEntradaSaida =
    "Escolha uma entrada e uma saída entre as variáveis oferecidas.";

// Up to the choice: the linear graph and the candidates. A graph that is no valid linear graph gives
// its two problem lists (elements joining a vertex to itself, elements off every closed circuit) for
// the check view under kTituloGrafoNaoValidado, and no candidates.
struct TSistemaParaFT {
    TValidacaoSistema Validacao;
    std::vector<std::string> Curtos;
    std::vector<std::string> Desconectados;
    std::unique_ptr<TGrafo> Grafo;
    std::vector<std::string> Entradas;
    std::vector<std::string> Saidas;
    bool GrafoValido() const { return Curtos.empty() && Desconectados.empty(); }
    bool Ok() const { return Validacao.Ok() && Grafo != nullptr && GrafoValido(); }
};

// The transfer function from the chosen input to the chosen output, for the transfer-function window
// (titled Titulo), with the diagram's symbols. Mensagem is set, and nothing else, when the diagram
// could not be built or the names are not among the candidates.
struct TFTSistema {
    TMotivoRecusa Motivo = TMotivoRecusa::Nenhum;
    std::string Mensagem;
    std::string Titulo;
    std::string Entrada;
    std::string Saida;
    TFuncao Funcao;
    TListSimboloVal Simbolos;
    bool Ok() const { return Mensagem.empty(); }
};

TSistemaParaFT PrepareFT(TVFSistema& documento);
// Names as the candidates give them; letter case is ignored.
TFTSistema ComputeFT(const TVFSistema& documento, const TSistemaParaFT& preparo, const std::string& entrada,
                     const std::string& saida);

// "Sistema -> Grafo" opens the graph the system converts to as a new graph document and fills the
// system result window; "Sistema -> Função de Transferência..." offers the variables of that graph.
class TComandoSistema : public TComandoDocumento {
public:
    TRecusa Verificar(TVisualDocumento& doc) const override;
    TCandidatosFT Candidatos(TVisualDocumento& doc) const override;
    TFTDocumento CalcularFT(TVisualDocumento& doc, const TPedidoFT& pedido,
                            const TContextoAnalise& contexto) const override;
    bool Converte() const override { return true; }
    TConversaoDocumento Converter(TVisualDocumento& doc, const TContextoAnalise& contexto) const override;
};

} // namespace brelix
