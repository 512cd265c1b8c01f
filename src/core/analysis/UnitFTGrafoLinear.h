#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "graph/UnitGrfGrafo.h"

#include <cstdint>
#include <string>

namespace brelix {

class TProgresso;

// The end that the transfer-function commands of a linear-graph document and of a system document
// share: both arrive at a linear graph (drawn, or converted from the system) and a chosen input and
// output, and go on from there in the same way.

// The structural check of a linear graph: no element from a vertex to itself, every element in a
// closed circuit. Otherwise the check view with the two lists under the caller's title.
TRecusa ValidarGrafoLinear(const TGrafo& grafo, const std::string& titulo);

// The output of the transfer function: a variable of the graph's output list, or (without one) the
// effort between two vertices given by their identifiers.
struct TSaidaGrafo {
    std::string Variavel;
    std::int32_t Positivo = 0;
    std::int32_t Negativo = 0;

    bool EntreVertices() const { return Variavel.empty(); }
};

// From a valid linear graph, an entry of its input list and the output to the transfer function: the
// graph converted into a signal-flow diagram (for the effort between two vertices, with that effort
// added to the diagram as its output, from the part of the graph that holds both vertices), the
// closing branch from the output back to the input, Mason's loop sets and the function assembled
// from them. Fills Entrada, Saida ("E(p, n)" for the effort between vertices), Funcao and Simbolos
// (the diagram's symbols, DFS among them), or the refusal: vertices in separate parts of the graph,
// or a diagram that the conversion could not build. A stop by the user raises EAnaliseCancelada.
TFTDocumento FTDoGrafoLinear(const TGrafo& grafo, const std::string& entrada, const TSaidaGrafo& saida,
                             TProgresso* progresso);

} // namespace brelix
