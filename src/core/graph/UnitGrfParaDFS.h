#pragma once

#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfEquacoes.h"
#include "graph/UnitGrfEstrutura.h"
#include "graph/UnitGrfGrafo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelix {

class TProgresso;

// The conversion of a validated linear graph into a signal-flow diagram: every branch gives an
// effort and a flow variable; the element and topological equations are solved, each for one
// variable chosen by the causal assignment, and every solved equation becomes transmittances from
// its other variables into the solved one. Variable k of the 2n is vertex k + 1 of the diagram;
// transmittance t is named "T<t>". The graph itself is never changed. With a progress object the
// entry points report their stage, and a stop by the user raises EAnaliseCancelada.

// Why a conversion produced no diagram.
enum class TFalhaDFS {
    Nenhuma,
    SemAtribuicao,         // no complete causal assignment exists
    ControleDesconhecido,  // a controlled source's control text names no variable (Elemento)
    PortaSemPar,           // a two-port's first port names no second port (Elemento)
    SaidaForaDaComponente, // the output vertices are not both in one component (found flag false)
    GanhoForaDoLimite      // a transmittance's gain passes the range of the real numbers (Elemento:
                           // the variable its equation is solved for)
};

// The effort between two vertices as the output: an extra variable "E(p, n)" fed by the efforts
// along the shortest path from p to n in the component that holds both.
struct TSaidaEsforco {
    std::int32_t Positivo = 0;
    std::int32_t Negativo = 0;
    const TGrafo* Componente = nullptr;
};

// How the causal assignment is searched: recording every trial in the tree (for the result view),
// or directly to the same assignment without the tree.
enum class TBuscaCausal { ComArvore, Direta };

// Everything the conversion computes, for the result view.
struct TResultadoDFS {
    std::optional<TGrafo> Dfs; // none on failure
    TFalhaDFS Falha = TFalhaDFS::Nenhuma;
    std::string Elemento;                // the element a failure names, if any
    TEquacoes Equacoes;                  // variables, variable lists and the matrices A1 to A5 and A
    std::vector<std::string> Resolvidas; // entry r: the variable row r of A is solved for
    // Variables added to carry a transmittance gain that does not fit in one gain text, named
    // "I(T<t>)" after the transmittance t that enters them, numbered after the 2n variables.
    std::vector<std::string> Intermediarias;
    TArvore Busca; // the causal assignment's search; empty when searched directly
};

// The result of the conversions that only hand on the diagram.
struct TConversaoDFS {
    std::optional<TGrafo> Dfs;
    TFalhaDFS Falha = TFalhaDFS::Nenhuma;
    std::string Elemento;
    bool Encontrado() const { return Falha != TFalhaDFS::SaidaForaDaComponente; }
};

// The conversion itself, from the graph split by SplitComponentes; with an output, the component
// holds both of its vertices.
TResultadoDFS BuildDFS(const TGrafo& grafo, const TComponentes& componentes, const TSaidaEsforco* saida,
                       TBuscaCausal modo, TProgresso* progresso = nullptr);

// For the result view: every result, the search tree with every trial.
TResultadoDFS ConverterGrafoDFS(const TGrafo& grafo, TProgresso* progresso = nullptr);
// With a variable of the graph as output: the diagram only.
TConversaoDFS ConverterGrafoDFSVariavel(const TGrafo& grafo, TProgresso* progresso = nullptr);
// With the effort between two vertices as output, named NomeEsforcoEntre (positive, negative). Not
// found when no component holds both vertices; nothing is built then.
TConversaoDFS FindComponente(const TGrafo& grafo, std::int32_t positivo, std::int32_t negativo,
                             TProgresso* progresso = nullptr);
// "E(p, n)".
std::string NomeEsforcoEntre(std::int32_t positivo, std::int32_t negativo);

// The candidate inputs (efforts of effort sources, flows of flow sources) and outputs (every other
// variable), branch by branch, the effort before the flow.
void ListVariaveis(const TGrafo& grafo, std::vector<std::string>& entradas, std::vector<std::string>& saidas);
// "<identifier> - <name>" of every vertex, in order.
void ListVertices(const TGrafo& grafo, std::vector<std::string>& lista);

} // namespace brelix
