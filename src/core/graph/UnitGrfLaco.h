#pragma once

#include "graph/UnitLstListInt.h"
#include "symbolic/UnitSymListSimboloExp.h"

#include <cstdint>
#include <vector>

namespace brelix {

class TGanho;

// One loop of a signal-flow diagram with the product of its branch gains.
struct TLaco {
    double K = 1.0;
    std::int32_t ExpS = 0;
    TListSimboloExp Simbolos;
    TListInt Vertices; // from the start vertex back to it: the start stands first and last
    TListInt Ramos;    // in the order travelled

    void InsertVertice(std::int32_t id) { Vertices.Insert(0, id); }
    // Puts the branch in front and multiplies its gain into the loop's gain.
    void InsertRamo(std::int32_t branchId, const TGanho& gain);
    // Multiplies a branch gain into the loop's gain, leaving the branch list alone.
    void MulGanho(const TGanho& gain);
};

// The loops of a diagram, numbered by position from 0.
using TListLaco = std::vector<TLaco>;

} // namespace brelix
