#pragma once

#include "graph/UnitGrfLaco.h"
#include "graph/UnitLstListInt.h"
#include "symbolic/UnitSymListSimboloExp.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelix {

// A set of mutually non-touching loops with the product of their gains.
struct TLacoOS {
    double K = 1.0;
    std::int32_t ExpS = 0;
    TListSimboloExp Simbolos;
    TListInt Lacos; // loop indices, ascending

    // Puts the loop index in front and multiplies the loop's gain in.
    void InsertLaco(std::int32_t index, const TLaco& laco);
    // The set's gain as the Mason view shows it: "- 2,00.C.R.S", "+ S^2", "+ 3,00". Sorts the symbols.
    std::string TextoGanho();
};

// The sets of one order, in lexicographic order of their loop indices.
using TListLacoOS = std::vector<TLacoOS>;
// Element k holds the sets of k + 1 loops.
using TListListLacoOS = std::vector<TListLacoOS>;

} // namespace brelix
