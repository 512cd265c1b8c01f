#pragma once

#include <string>

namespace brelix {

// The gain of the transmittance that an equation solved for one variable gives from another of its
// variables: with c_d the coefficient of the solved variable and c_q that of the other, -c_q / c_d.
//
// A gain text holds one coefficient, at most one symbol with exponent 1 or -1 and a power of S, so
// the quotient of two such gains does not always fit in one text (-Kef/Kee names two symbols, and
// R / R^-1 is a square). Then the transmittance becomes two in series through an intermediate
// variable: c_q into it, and -1/c_d out of it, whose product is the exact quotient.
struct TGanhoSolucao {
    // False when the quotient (or -1/c_d) passes the range of the real numbers: no gain text holds it.
    bool Valido = true;
    bool Serie = false;
    std::string Texto;   // the single gain, when it fits in one text
    std::string Termo;   // with Serie: c_q, from the other variable into the intermediate one
    std::string Divisor; // with Serie: -1/c_d, from the intermediate variable into the solved one
};

// Both coefficients are gain texts that are not zero. Two whole numbers give their quotient as a
// real number (1, -1, 0,5); any other pair is multiplied as gains.
TGanhoSolucao GanhoSolucao(const std::string& resolvida, const std::string& outra);

} // namespace brelix
