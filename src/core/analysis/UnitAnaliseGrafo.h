#pragma once

#include "graph/UnitGrfGrafo.h"

#include <string>
#include <vector>

namespace brelix {

class TVisualDocumento;

// The analysis of a linear-graph document: the completeness check and the linear graph built from the
// drawing, which both commands of the document ("Grafo -> DFS" and "Grafo -> Função de
// Transferência...") start with. Every step reads the document's objects only.

inline constexpr const char* kMsgGrafoNaoValidado = "Grafo não validado.";
inline constexpr const char* kMsgNenhumVertice = "Nenhum vértice adicionado no grafo";
inline constexpr const char* kMsgNenhumRamo = "Nenhum ramo adicionado no grafo";

// The completeness check, as the check view lists it: the two general messages, the description of
// every vertex without a connection, then of every element that is not complete (a free port, a
// controlled source whose control variable designates nothing, a two-port whose gains of one side are
// both "0"); then branch names that only letter case tells apart (the variables E(...) and F(...) of
// the conversion are looked up ignoring case), and gains that use the symbol DFS. Empty when the
// document can be analysed.
std::vector<std::string> ValidarGrafo(const TVisualDocumento& doc);

// The linear graph of a complete document: the vertices (identifier = Num) in document order, then one
// branch per one-port and two per two-port, numbered 1, 2, 3, ... in document order. A one-port runs
// from the vertex at its port 1 to the one at its port 2 and carries its kind, description, gain text
// and control variable; a two-port of kind k gives the branches <Desc>_P1 (kind 10k + 1, ports 1 -> 2)
// and <Desc>_P2 (kind 10k + 2, ports 3 -> 4), both with the whole gain text, each naming the other as
// its pair. An element with a free port is left out.
TGrafo BuildGrafoGraph(const TVisualDocumento& doc);

} // namespace brelix
