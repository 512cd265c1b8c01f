#pragma once

#include "graph/UnitArvArvore.h"
#include "graph/UnitMatMatrizStr.h"

#include <string>
#include <vector>

namespace brelix {

class TProgresso;

// The causal assignment: every equation (row of the stacked matrix) is solved for one variable of
// its row that is not a source and that no earlier row is solved for. Rows are assigned in order,
// and the variables of a row are tried in column order; the first complete assignment in this
// depth-first order is taken.
struct TAtribuicao {
    bool Completa = false;
    std::vector<int> Resolvidas; // by row: the column solved for
};

// The search that records every trial in the tree, dead ends included: the chain of source
// variables first (a neutral root when there is none), then one level per row. The search may take
// exponential time: a stop by the user, asked of the progress object every few thousand trials,
// raises EAnaliseCancelada.
TAtribuicao AtribuirComArvore(const TMatrizStr& a, const std::vector<char>& fonte,
                              const std::vector<std::string>& nomes, const std::vector<std::string>& fontes,
                              TArvore& busca, TProgresso* progresso = nullptr);

// The same assignment without the tree. A trial is taken only when the rows after it can still be
// matched to distinct free variables, so the search never backtracks: its cost is polynomial where
// the full search may be exponential.
TAtribuicao AtribuirDireto(const TMatrizStr& a, const std::vector<char>& fonte,
                           TProgresso* progresso = nullptr);

// The text of the neutral root when the graph has no source.
inline constexpr const char* kRaizSemFontes = "(nenhuma fonte)";

} // namespace brelix
