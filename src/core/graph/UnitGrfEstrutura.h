#pragma once

#include "graph/UnitGrfGrafo.h"
#include "graph/UnitLstListInt.h"

#include <string>
#include <vector>

namespace brelix {

// The structural side of a linear graph: the undirected copy on which it is analysed, its
// validation, its connected components and a spanning forest whose chords give the circuit
// equations. Every result is a new object owned by the caller; the graph itself is not changed.

using TListGrafo = std::vector<TGrafo>;

// An undirected graph with the same vertices and branches in the same order (identifiers, names,
// kinds, ends and positions); gains become "0", pairs 0 and control texts empty.
TGrafo CopyEstrutura(const TGrafo& grafo);

// Clears both lists, then lists the elements joining a vertex to itself (short list) and the ends'
// names of elements touching a vertex that lies in no closed circuit (unconnected list), each name
// once. True when both lists are empty.
bool CheckEstrutura(const TGrafo& grafo, std::vector<std::string>& curtos,
                    std::vector<std::string>& desconectados);

struct TComponentes {
    TGrafo Estrutura{false}; // the structural copy
    int Count = 0;
    // One undirected graph per component, in the order found: its vertices in the order they were
    // absorbed (the vertex the component started from last), then the structural copy's branches
    // whose origin lies in it.
    TListGrafo Lista;
};

// Splits the structural copy of the graph into its connected components by contracting, from the
// first vertex left, each neighbour in turn into it.
TComponentes SplitComponentes(const TGrafo& grafo);

struct TFloresta {
    TGrafo Arvores{false}; // the graph without its chords: its branches are the tree branches
    TListInt Cordas;       // in the order removed
};

// A spanning forest: from each vertex in turn (the last one excepted), while a circuit through it
// exists, the branch by which the first circuit leaves it becomes a chord. No kind of element is
// preferred; the chords follow from the order of vertices and branches only.
TFloresta FindFloresta(const TGrafo& grafo);

} // namespace brelix
