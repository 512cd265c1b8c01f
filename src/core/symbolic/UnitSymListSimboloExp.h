#pragma once

#include "symbolic/UnitSymNome.h"

#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TListSimboloVal;

// One factor name^exponent of a symbol product.
struct TSimboloExp {
    TIdSimbolo Id = 0;
    std::int32_t Exp = 0;

    const std::string& Nome() const { return NomeSimbolo(Id); }
};

// A product of symbols with integer exponents, in insertion order; the empty list is the product 1.
// Built only through the operations below, a name occurs at most once.
class TListSimboloExp {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const TSimboloExp& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
    TSimboloExp& operator[](int i) { return items_[static_cast<std::size_t>(i)]; }
    std::vector<TSimboloExp>::const_iterator begin() const { return items_.begin(); }
    std::vector<TSimboloExp>::const_iterator end() const { return items_.end(); }
    // Where the items lie in memory, for passes that ask for them ahead (null when there are none).
    const TSimboloExp* Dados() const { return items_.data(); }

    // First item with that exact (case-sensitive) name; -1 when none.
    int IndexOfSimbolo(std::string_view name) const;
    int IndexOfSimbolo(TIdSimbolo id) const;

    // Multiplies the product by name^exponent: adds the exponent to the name's item, or appends a new
    // item. The reference stays valid until the list next changes size.
    TSimboloExp& AddSimbolo(std::string_view name, std::int32_t exp);
    TSimboloExp& AddSimbolo(TIdSimbolo id, std::int32_t exp);
    // Multiplies the other product in, item by item in its order.
    void MulSimbolos(const TListSimboloExp& other);
    // AddSimbolo for every factor in order, when the factors' symbols are distinct: slotPorId gives,
    // by symbol id, 1 + the factor's index (0: none; ids past its end are none), and vistos, as many
    // as the factors and all false, is scratch left all false. Linear in the product and the factors.
    void MulDistintos(const std::vector<TSimboloExp>& factors, const std::vector<int>& slotPorId,
                      std::vector<char>& vistos);
    // AddSimbolo for every factor in order, in time linear in their number (a file may give one
    // term a hundred thousand symbols; looking each up in the list would be quadratic).
    void AddSimbolos(const std::vector<TSimboloExp>& factors);
    // Appends a factor whose symbol the product does not hold yet, without looking it up: for
    // builders that merge whole products themselves and know the symbol is new.
    void AppendNovo(TIdSimbolo id, std::int32_t exp) {
        assert(IndexOfSimbolo(id) < 0 && "a symbol occurs at most once in a product");
        items_.push_back({id, exp});
    }
    void Reserve(int n) { items_.reserve(static_cast<std::size_t>(n)); }
    // The product 1, keeping the room of the list.
    void Clear() { items_.clear(); }

    // Keeps, for the name, the smaller of its exponent and the given one (appends when absent).
    TSimboloExp& MinSimbolo(TIdSimbolo id, std::int32_t exp);
    void MinSimbolos(const TListSimboloExp& other);

    void DeleteSimbolo(int index);
    void DeleteZeros();        // removes the items with exponent 0
    void DeleteNaoNegativos(); // removes the items with exponent 0 or more

    // Sorts by upper-cased name (the exchange procedure that also fixes the order of names that
    // differ only in case), then writes "Cx.L^-1.R^2"; items with exponent 0 are left out.
    std::string Texto();
    void Sort();
    // Appends the text of the product in its current order (Texto without the sort): for products
    // known to be sorted, written into a reused buffer. Upper-cased: the text with its names
    // upper-cased, the key by which terms are ordered.
    void EscreverTexto(std::string& out, bool upperCased = false) const;
    // The length of that text, for writers that make room for millions of texts at once.
    std::size_t TamanhoTexto() const;

    // The product of value(name)^exponent over the items; a name without a value counts as 0.
    double Valor(const TListSimboloVal& values) const;

private:
    // Products up to this size are sorted through the ranks of the names when they are at hand.
    static constexpr std::size_t kMaxOrdenacaoRapida = 64;
    bool SortPorRank();
    // The exchange procedure's order for a long product, in n log n.
    void SortLongo();

    std::vector<TSimboloExp> items_;
};

} // namespace brelix
