#pragma once

#include "analysis/UnitVisaoMason.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"
#include "symbolic/UnitFTFuncao.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TProgresso;
class TVisualDocumento;

// The analysis of a signal-flow (DFS) document: "DFS -> Função de Transferência...". The drawing is
// checked, turned into a signal-flow graph whose vertices are the variables (identifier = Num) and
// whose branches are the transmittances (identifier = Num, pointing from port 1 to port 2); the user
// chooses an input among the variables no transmittance enters and an output among the others;
// Mason's formula then gives the transfer function. Every step reads the document's objects only and
// leaves the document unchanged.

inline constexpr const char* kMsgDFSNaoValidado = "DFS não validado.";
inline constexpr const char* kMsgNenhumaVariavel = "Nenhuma variável adicionada no DFS";
inline constexpr const char* kMsgNenhumaTransmitancia = "Nenhuma transmitância adicionada no DFS";
// Two variables whose names differ only in letter case cannot be told apart in the choice lists.
inline constexpr const char* kMsgDescricaoRepetida = "Descrição repetida: ";
// The closing branch of Mason's formula carries the symbol DFS; a gain using it would be taken for it.
inline constexpr const char* kMsgSimboloReservado = "O símbolo DFS é reservado: ";

// The completeness check, as the check view lists it: the two general messages, the description of
// every variable without a connection, then of every transmittance not connected at both ports, then
// repeated variable names and gains that use the symbol DFS. Empty when the document can be analysed.
std::vector<std::string> ValidarDFS(const TVisualDocumento& doc);

// The signal-flow graph of a complete document: the variables in document order, then the
// transmittances in document order with their gain texts parsed. A transmittance with a free port is
// left out.
TGrafo BuildDFSGraph(const TVisualDocumento& doc);

// The command up to the choice dialog: check, build, and the candidate lists the dialog offers.
struct TPreparoFTDFS {
    TRecusa Recusa;                    // the check view when the document is incomplete
    std::string Nome;                  // the result's name: the document's description followed by "FT"
    TGrafo Grafo;                      // as BuildDFSGraph made it, with the marks of the candidates
    std::vector<std::string> Entradas; // variables no transmittance enters, in document order
    std::vector<std::string> Saidas;   // variables some transmittance enters
};
TPreparoFTDFS PrepararFTDFS(const TVisualDocumento& doc);

// Everything the command computed: the Mason view's and the transfer-function window's content.
struct TResultadoFTDFS {
    // The check view (incomplete document) or a message of the choice dialog; nothing else is then
    // filled but what came before the refusal.
    TRecusa Recusa;
    std::string Nome;
    std::vector<std::string> Entradas;
    std::vector<std::string> Saidas;
    std::string Entrada; // the chosen list entries
    std::string Saida;
    TGrafo Grafo;          // with the closing branch "DFS"; its symbols, DFS among them, sorted
    TResultadoMason Mason; // the loop search, loops, non-touching table, forest and loop sets
    TFuncao Funcao;        // the transfer function Saida / Entrada
    TConteudoMason VisaoMason;

    bool Calculado() const { return !Recusa.Houve(); }
};

// The rest of the command for the names the dialog returned (or a caller typed): each must name a
// candidate of its list (letter case ignored), else the dialog's message is the refusal.
TResultadoFTDFS CalcularFTDFS(TPreparoFTDFS preparo, std::string_view entrada, std::string_view saida,
                              TProgresso* progresso = nullptr);

// The whole command on a document, for callers without a dialog.
TResultadoFTDFS CalcularFTDFS(const TVisualDocumento& doc, std::string_view entrada, std::string_view saida,
                              TProgresso* progresso = nullptr);

} // namespace brelix
