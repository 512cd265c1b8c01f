#pragma once

#include "graph/UnitGrfLacoOS.h"
#include "symbolic/UnitFTFuncao.h"

namespace brelix {

class TGrafo;
class TProgresso;

// Replaces the function by the one Mason's formula gives for the loop sets by order (element k holds
// the sets of k + 1 non-touching loops) of a diagram closed by the branch -DFS from the output back to
// the input; then the canonical form. With a progress object: the stage, the orders and every set
// done; a stop by the user raises EAnaliseCancelada, the function then left partly assembled.
void FromMason(TFuncao& funcao, const TListListLacoOS& sets, TProgresso* progress = nullptr);

// FromMason(funcao, MasonOS(grafo, progress), progress) without ever holding the loop sets: each set's
// term is looked up among the distinct terms as the walk of the sets finds it, and only its coefficient
// and the term's index are kept, so that memory grows with the distinct terms and not with the sets
// and their products. The function is the same term for term, in the same order and with the same
// coefficients to the last bit: every term's coefficient is summed in FromMason's order (the orders
// ascending, each order's sets in lexicographic order), and every term keeps the product of its first
// set in that order. Progress and a stop by the user as in MasonOS and FromMason.
void MasonFT(TGrafo& grafo, TFuncao& funcao, TProgresso* progress = nullptr);

} // namespace brelix
