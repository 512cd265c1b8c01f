#pragma once

#include "graph/UnitGrfLacoOS.h"
#include "symbolic/UnitFTFuncao.h"

namespace brelix {

class TProgresso;

// Replaces the function by the one Mason's formula gives for the loop sets by order (element k holds
// the sets of k + 1 non-touching loops) of a diagram closed by the branch -DFS from the output back to
// the input; then the canonical form.
void FromMason(TFuncao& funcao, const TListListLacoOS& sets, TProgresso* progress = nullptr);

} // namespace brelix
