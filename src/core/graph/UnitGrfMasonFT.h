#pragma once

#include "graph/UnitGrfLacoOS.h"
#include "symbolic/UnitFTFuncao.h"

namespace brelix {

class TProgresso;

// Replaces the function by the one Mason's formula gives for the loop sets by order (element k holds
// the sets of k + 1 non-touching loops) of a diagram closed by the branch -DFS from the output back to
// the input; then the canonical form. With a progress object: the stage, the orders and every set
// done; a stop by the user raises EAnaliseCancelada, the function then left partly assembled.
void FromMason(TFuncao& funcao, const TListListLacoOS& sets, TProgresso* progress = nullptr);

} // namespace brelix
