#pragma once

#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfLaco.h"

namespace brelix {

class TGrafo;
class TProgresso;

// Finds every loop of the diagram once, from its vertex of smallest identifier, following the
// branches: starts in vertex-list order, then depth first in adjacency order. With a search tree
// the tree receives every step, dead ends included; without one, steps into vertices from which the
// start can no longer be reached are skipped, which leaves the loops and their order unchanged. A
// stop by the user, asked of the progress object now and then, raises EAnaliseCancelada.
TListLaco BuscaLacos(const TGrafo& grafo, TArvore* busca, TProgresso* progresso = nullptr);

} // namespace brelix
