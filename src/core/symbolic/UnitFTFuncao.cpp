#include "symbolic/UnitFTFuncao.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace brelix {

namespace {

// -n, saturated: a hand-edited file may hold an exponent of -2^31, whose negation has no 32-bit value.
std::int32_t Oposto(std::int32_t n) {
    return n == std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::max() : -n;
}

// For every symbol of any term (numerator first, then denominator, in order of first occurrence), the
// smallest exponent with which it occurs, keeping only the negative ones: the powers of the symbols
// by which both polynomials are multiplied so that no term keeps a symbol in a denominator. A table
// by interned name stands for the first-match lookup of MinSimbolos, which would be quadratic here.
// zeros tells whether any exponent is 0.
std::vector<TSimboloExp> MenoresExpoentesNegativos(const TListFator& num, const TListFator& den,
                                                   bool& zeros) {
    std::vector<TSimboloExp> smallest;
    zeros = false;
    std::vector<int> slotById;
    for (const TListFator* poly : {&num, &den}) {
        const std::vector<TFator>& terms = poly->Termos();
        for (std::size_t i = 0; i < terms.size(); ++i) {
            AnteciparProduto(terms, i + kAdiante, terms.size());
            for (const TSimboloExp& item : terms[i].Simbolos) {
                zeros = zeros || item.Exp == 0;
                const auto id = static_cast<std::size_t>(item.Id);
                if (id >= slotById.size()) slotById.resize(id + 1, -1);
                int& slot = slotById[id];
                if (slot < 0) {
                    slot = static_cast<int>(smallest.size());
                    smallest.push_back(item);
                } else {
                    TSimboloExp& known = smallest[static_cast<std::size_t>(slot)];
                    known.Exp = std::min(known.Exp, item.Exp);
                }
            }
        }
    }
    std::erase_if(smallest, [](const TSimboloExp& item) { return item.Exp >= 0; });
    return smallest;
}

// Adds to `into` the product of every term of `outer` with every term of `inner`, outer terms first.
void AddProdutos(TListFator& into, const TListFator& outer, const TListFator& inner, std::int32_t sign) {
    for (const TFator& o : outer) {
        for (const TFator& i : inner) {
            TFator product = o.Mul(sign, i);
            into.AddFator(product.ExpS, std::move(product.Simbolos), product.K);
        }
    }
}

} // namespace

void TFuncao::Simplificar() {
    Num.DeleteFatoresNulos();
    Den.DeleteFatoresNulos();
    bool zeros = false;
    std::vector<TSimboloExp> negative = MenoresExpoentesNegativos(Num, Den, zeros);
    for (TSimboloExp& item : negative)
        item.Exp = Oposto(item.Exp);
    Num.MulSimbolos(negative);
    Den.MulSimbolos(negative);
    // Without a zero exponent before and with nothing multiplied in, there is none to delete.
    if (zeros || !negative.empty()) {
        Num.DeleteZeros();
        Den.DeleteZeros();
    }
    const std::int32_t lowest = std::min(Num.MinExpS(), Den.MinExpS());
    if (lowest < 0) {
        Num.ShiftS(Oposto(lowest));
        Den.ShiftS(Oposto(lowest));
    }
    Num.Ordenar();
    Den.Ordenar();
}

bool TFuncao::Avaliar(const TListSimboloVal& values) {
    const bool num = Num.Avaliar(values);
    const bool den = Den.Avaliar(values);
    return num && den;
}

TFuncao TFuncao::Sensibilidade(std::string_view name) const {
    const TIdSimbolo x = IdSimbolo(name);
    TListFator dNum(Num);
    dNum.Derivar(x);
    TListFator dDen(Den);
    dDen.Derivar(x);

    TFuncao result;
    AddProdutos(result.Num, Den, dNum, 1);
    AddProdutos(result.Num, Num, dDen, -1);
    result.Num.MulSimbolo(x, 1);
    // A symbol that occurs nowhere leaves no product: the sensitivity is then 0, written as the null
    // constant term, as FromMason writes a numerator that no path reaches.
    if (result.Num.Empty()) result.Num.AddFator(0, 0.0);
    AddProdutos(result.Den, Num, Den, 1);
    result.Simplificar();
    return result;
}

TValoresVarnel TFuncao::ValoresVarnel() const {
    TValoresVarnel values;
    for (std::int32_t i = 0; i < 9; ++i) {
        values.N[static_cast<std::size_t>(i)] = Num.Coef(i);
        values.D[static_cast<std::size_t>(i)] = Den.Coef(i);
    }
    values.Ganho = Den.Lead() != 0.0 ? Num.Lead() / Den.Lead() : 0.0;
    return values;
}

std::complex<double> TFuncao::ValorEm(const TListSimboloVal& values, std::complex<double> s) const {
    return Num.ValorEm(values, s) / Den.ValorEm(values, s);
}

std::string TFuncao::MotivoNaoFinito() const {
    for (const auto& [polinomio, nome] : {std::pair{&Num, "numerador"}, std::pair{&Den, "denominador"}})
        for (const TFator& term : *polinomio)
            if (!std::isfinite(term.K)) {
                TFator copia(term);
                copia.K = 1.0;
                return "O coeficiente do termo " + copia.Texto().substr(2) + " do " + nome +
                       " passa do limite dos números reais.";
            }
    return {};
}

std::string TFuncao::MotivoNumericoNaoFinito() const {
    const std::string inicio = "A função de transferência não pode ser avaliada com estes valores: ";
    for (const auto& [polinomio, nome] : {std::pair{&Num, "numerador"}, std::pair{&Den, "denominador"}}) {
        const std::int32_t p = polinomio->PotenciaNaoFinita();
        if (p >= 0)
            return inicio + "o coeficiente de S^" + std::to_string(p) + " do " + nome +
                   " passa do limite dos números reais.";
    }
    if (Den.Lead() != 0.0 && !std::isfinite(Num.Lead() / Den.Lead()))
        return inicio + "o ganho passa do limite dos números reais.";
    return {};
}

} // namespace brelix
