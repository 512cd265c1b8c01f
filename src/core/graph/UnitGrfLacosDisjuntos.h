#pragma once

#include "graph/UnitGrfLaco.h"
#include "graph/UnitGrfLacoOS.h"
#include "graph/UnitLstListInt.h"

#include <cstddef>
#include <functional>

namespace brelix {

class TProgresso;

// Both ask the progress object, when given, now and then whether the user stopped the analysis, and
// then raise EAnaliseCancelada.

// Row i lists, ascending, the loops j > i that share no vertex with loop i. Sharing a branch is not
// what counts: loops that meet at a vertex touch.
TListListInt TabelaDisjuntos(const TListLaco& lacos, TProgresso* progresso = nullptr);

// Every set of mutually non-touching loops with the product of its gains, by order: element k holds
// the sets of k + 1 loops in lexicographic order of their indices. The sets come straight from the
// table: below a set, the candidates for the next loop are those of the set's last loop that follow
// it and touch none of the set, so no tree of the sets is ever built. Each set is built exactly as
// if its loops were inserted one by one from the last to the first (TLacoOS::InsertLaco), products
// and symbol order included.
TListListLacoOS ConjuntosDisjuntos(const TListListInt& tabela, const TListLaco& lacos,
                                   TProgresso* progresso = nullptr);

// The same sets, built in the same way, handed one by one to visita(order index, set) instead of being
// kept: each loop alone, followed by the sets that begin with it, each set followed by the sets that
// extend it (the pre-order of the forest of sets). Filtered by order, the visits come in the order of
// ConjuntosDisjuntos. The set handed over is valid only during the call.
void PercorrerLacosOS(const TListListInt& tabela, const TListLaco& lacos,
                      const std::function<void(std::size_t, const TLacoOS&)>& visita,
                      TProgresso* progresso = nullptr);

} // namespace brelix
