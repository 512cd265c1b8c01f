#pragma once

#include "graph/UnitGrfGrafo.h"

#include <string>
#include <vector>

namespace brelix {

class TVisualDocumento;

// The analysis of a signal-flow (DFS) document, "DFS -> Função de Transferência...", starts here: the
// drawing is checked and turned into a signal-flow graph whose vertices are the variables (identifier
// = Num) and whose branches are the transmittances (identifier = Num, pointing from port 1 to port 2).
// Both steps read the document's objects only. The command itself is TComandoDFS.

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

} // namespace brelix
