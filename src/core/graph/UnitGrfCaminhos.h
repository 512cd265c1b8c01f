#pragma once

#include "graph/UnitArvArvore.h"
#include "graph/UnitLstListInt.h"

#include <cstdint>

namespace brelix {

class TGrafo;

// Every simple path from the start vertex to the target, depth first in adjacency order. Each path
// found appends its vertex identifiers (start first, target last) to the vertex paths and the
// branches travelled, in order, to the branch paths. With start equal to target the paths are the
// circuits through the start; in an undirected graph a circuit never goes out and back along one
// branch. With stop-at-first the search ends at the first path.
//
// With a search tree the tree receives every step, dead ends included. Without one, work that
// cannot find a path is skipped, with the same paths in the same order: a search for the first path
// never enters again a vertex whose own search found nothing (it costs one walk over the graph), and
// a search for all paths skips every step after which the target can no longer be reached.
void FindCaminhos(const TGrafo& grafo, std::int32_t inicio, std::int32_t alvo, bool pararNoPrimeiro,
                  TListListInt& ramos, TListListInt& vertices, TArvore* busca = nullptr);

// The path of FindCaminhos with the fewest branches, the first found among equals, without listing
// the others: steps that cannot lead to a path shorter than the best one found are skipped. False,
// and both lists left empty, when there is none.
bool FindCaminhoMaisCurto(const TGrafo& grafo, std::int32_t inicio, std::int32_t alvo, TListInt& ramos,
                          TListInt& vertices);

} // namespace brelix
