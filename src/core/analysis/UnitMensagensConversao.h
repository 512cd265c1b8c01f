#pragma once

namespace brelix {

// The messages with which the commands that convert a linear graph into a signal-flow diagram (of a
// graph document and of a system document) report a conversion that produced nothing.

// No complete causal assignment: the equations cannot all be solved for one variable each.
inline constexpr const char* kMsgDFSSemExito = "O algoritmo de cálculo do DFS não obteve êxito.";
// The effort between two vertices asked for as the output, from two separate parts of the graph.
inline constexpr const char* kMsgVerticesOutraComponente =
    "Os vértices da saída devem pertencer a mesma componente do grafo.";

} // namespace brelix
