#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitMensagensConversao.h"
#include "analysis/UnitVisaoGrafoDFS.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfParaDFS.h"
#include "symbolic/UnitFTFuncao.h"
#include "visual/UnitVisualDocumento.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brelix {

class TProgresso;

// The two analysis commands of a linear-graph document. Both check the drawing (ValidarGrafo), build
// the linear graph (BuildGrafoGraph) and check its structure (no element from a vertex to itself,
// every element in a closed circuit); a failure fills the check view and nothing is computed.
//  - "Grafo -> DFS" converts the graph into a signal-flow diagram, opens it as a new DFS document and
//    fills the graph-to-DFS view.
//  - "Grafo -> Função de Transferência..." converts it with a chosen output (a variable, or the effort
//    between two vertices), closes the diagram from the output back to the input and applies Mason's
//    formula.

// ---- Grafo -> DFS ----

struct TResultadoGrafoDFS {
    TRecusa Recusa;
    TResultadoDFS Conversao; // every result of the conversion
    // The new DFS document, named after the graph document's description followed by "DFS": unsaved,
    // modified, in tool mode 1. The caller shows it and adds it to the open documents.
    std::unique_ptr<TVisualDocumento> Documento;
    TConteudoGrafoDFS Visao;

    bool Calculado() const { return !Recusa.Houve(); }
};

// The matrix grids of the view take the row height and column width given (ARowHeight, AColWidth).
TResultadoGrafoDFS CalcularDFSGrafo(const TVisualDocumento& doc, std::int32_t alturaLinha = 18,
                                    std::int32_t larguraColuna = 40);

// ---- Grafo -> Função de Transferência ----

// The command up to the choice dialog: check, build, and the three lists the dialog offers.
struct TPreparoFTGrafo {
    TRecusa Recusa;
    std::string Nome; // the document's description followed by "FT"
    TGrafo Grafo;
    std::vector<std::string> Entradas; // E(...) of effort sources, F(...) of flow sources
    std::vector<std::string> Saidas;   // every other variable
    std::vector<std::string> Vertices; // "%d - %s" of every vertex
};
TPreparoFTGrafo PrepararFTGrafo(const TVisualDocumento& doc);

struct TResultadoFTGrafo {
    // The check view, a message of the choice dialog, or one of the two messages of the conversion.
    TRecusa Recusa;
    std::string Nome;
    std::vector<std::string> Entradas;
    std::vector<std::string> Saidas;
    std::vector<std::string> Vertices;
    std::string Entrada; // the chosen list entry
    std::string Saida;   // the chosen variable, or "E(p, n)" for the effort between two vertices
    TGrafo Dfs;          // the diagram with its closing branch; its symbols, DFS among them, sorted
    TFuncao Funcao;

    bool Calculado() const { return !Recusa.Houve(); }
};

// The rest of the command for what the dialog shows when "Calcular" is pressed (or a caller gives):
// the texts must name entries of their lists (letter case ignored), as in the dialog.
TResultadoFTGrafo CalcularFTGrafo(TPreparoFTGrafo preparo, const TEscolhaGrafo& escolha,
                                  TProgresso* progresso = nullptr);
TResultadoFTGrafo CalcularFTGrafo(const TVisualDocumento& doc, const TEscolhaGrafo& escolha,
                                  TProgresso* progresso = nullptr);

// Both commands through the interface every document kind has.
class TComandoGrafo : public TComandoDocumento {
public:
    TRecusa Verificar(TVisualDocumento& doc) const override;
    TCandidatosFT Candidatos(TVisualDocumento& doc) const override;
    TFTDocumento CalcularFT(TVisualDocumento& doc, const TPedidoFT& pedido,
                            const TContextoAnalise& contexto) const override;
    bool Converte() const override { return true; }
    TConversaoDocumento Converter(TVisualDocumento& doc, const TContextoAnalise& contexto) const override;
};

} // namespace brelix
