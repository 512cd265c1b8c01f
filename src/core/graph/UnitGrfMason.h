#pragma once

#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfLaco.h"
#include "graph/UnitGrfLacoOS.h"
#include "graph/UnitGrfRamo.h"
#include "graph/UnitLstListInt.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TGrafo;
class TProgresso;

// Marks every vertex that some branch enters as an output candidate (2) and every other vertex that
// has no mark yet as an input candidate (1); then lists the names of both kinds in vertex order.
// Marks are never reset.
void MarkEntradaSaida(TGrafo& grafo, std::vector<std::string>& entradas, std::vector<std::string>& saidas);

// Adds the closing branch "DFS", of gain -1.DFS, from the output back to the input: every forward
// path followed by it becomes a loop, so the loop sets carry the numerator of the transfer function
// (the sets with DFS) besides its denominator. Its identifier is the largest positive branch
// identifier + 1 (1 when none is positive). Adds nothing and returns none when a name is unknown.
TRamo* AddRamoDFS(TGrafo& grafo, std::string_view entrada, std::string_view saida);

// Everything Mason's gain formula computes, for the result view.
struct TResultadoMason {
    TArvore Busca;           // every step of the loop search, from one root per vertex
    TArvore Floresta;        // node ids are loop indices; every root-to-node path is a set
    TListListLacoOS LacosOS; // element k: the sets of k + 1 mutually non-touching loops
    TListListInt Disjuntos;  // row i: the loops after i that share no vertex with loop i
    TListLaco Lacos;
};

// Collects the diagram's symbols, finds every loop and every set of mutually non-touching loops
// with their gain products. Sets of each order come in lexicographic order of their loop indices.
// With a progress object, the two stages (loop search, non-touching sets) are reported as they begin,
// and a stop by the user raises EAnaliseCancelada.
TResultadoMason Mason(TGrafo& grafo, TProgresso* progresso = nullptr);

// The same loop sets as Mason, built straight from the non-touching table without the search tree
// or the forest.
TListListLacoOS MasonOS(TGrafo& grafo, TProgresso* progresso = nullptr);

} // namespace brelix
