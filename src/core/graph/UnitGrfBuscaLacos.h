#pragma once

#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfLaco.h"

namespace brelix {

class TGrafo;

// Finds every loop of the diagram once, from its vertex of smallest identifier, following the
// branches: starts in vertex-list order, then depth first in adjacency order. With a search tree
// the tree receives every step, dead ends included; without one, steps into vertices from which the
// start can no longer be reached are skipped, which leaves the loops and their order unchanged.
TListLaco BuscaLacos(const TGrafo& grafo, TArvore* busca);

} // namespace brelix
