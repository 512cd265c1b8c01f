#pragma once

#include "symbolic/UnitFTListFator.h"

#include <array>
#include <complex>
#include <string>
#include <string_view>

namespace brelix {

class TListSimboloVal;

// The closing branch of Mason's formula carries this symbol: the loop sets that hold it make up the
// numerator. A user symbol of the same name would be taken for it.
inline constexpr std::string_view kSimboloDFS = "DFS";

// What the export for the external simulation program receives: gain x N(s) / D(s), with N and D
// monic, as the coefficients of S^0 .. S^8.
struct TValoresVarnel {
    double Ganho = 0.0;
    std::array<double, 9> N{};
    std::array<double, 9> D{};
};

// A symbolic transfer function: numerator / denominator.
class TFuncao {
public:
    TListFator Num;
    TListFator Den;

    // Canonical form: no null term but a lone one, no negative exponent of a symbol, no negative
    // power of S, terms in canonical order. Common factors are not cancelled.
    void Simplificar();
    // Evaluates both polynomials (see TListFator::Avaliar); false when either cannot be evaluated.
    bool Avaliar(const TListSimboloVal& values);
    // The normalised sensitivity x/T . dT/dx as a new function: x.(D.dN/dx - N.dD/dx) / (N.D).
    TFuncao Sensibilidade(std::string_view name) const;
    // The values handed to the export, from the last Avaliar: gain = numerator lead / denominator
    // lead (0 when the latter is 0) and the monic coefficients of S^0 .. S^8.
    TValoresVarnel ValoresVarnel() const;
    // The value of numerator / denominator for the symbol values at a complex S.
    std::complex<double> ValorEm(const TListSimboloVal& values, std::complex<double> s) const;

    // Products and sums of large gains can pass the range of the real numbers: a function with such
    // a coefficient means nothing and no file may hold it. The message naming the first such term
    // ("O coeficiente do termo C1.L1.S^2 do denominador passa do limite dos números reais."), or
    // empty when every coefficient is a real number.
    std::string MotivoNaoFinito() const;
    // After Avaliar: why the numeric form is no real numbers for these values, naming the
    // coefficient (or the gain) that passes the range; empty when it is.
    std::string MotivoNumericoNaoFinito() const;
};

} // namespace brelix
