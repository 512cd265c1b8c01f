#pragma once

// Functions written as their storage lines, for the tests of the transfer-function result, its file
// and the Varnel export.

#include "support/PastaTemp.h"
#include "support/SolucaoLinear.h"

#include "symbolic/UnitFTFuncao.h"

#include <string>
#include <vector>

namespace apoio {

// A polynomial from its storage lines "K;ExpS;symbols;", in the order given.
inline brelix::TListFator Poli(const std::vector<std::string>& lines) {
    brelix::TListFator p;
    p.ReadLines(lines);
    return p;
}

inline brelix::TFuncao Funcao(const std::vector<std::string>& num, const std::vector<std::string>& den) {
    brelix::TFuncao f;
    f.Num = Poli(num);
    f.Den = Poli(den);
    return f;
}

} // namespace apoio
