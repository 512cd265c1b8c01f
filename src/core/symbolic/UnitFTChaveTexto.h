#pragma once

#include "symbolic/UnitSymListSimboloExp.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace brelix {

// The text of a symbol product (as EscreverTexto writes it, in the product's current order) is the
// key of like terms and, upper-cased, of their canonical order. A polynomial of a large diagram holds
// millions of terms, so these work on the items without writing the texts, with the same results as
// the texts would give.

// A hash of the text: equal texts give equal hashes.
std::uint64_t HashTexto(const TListSimboloExp& symbols);

// Whether the two products write the same text.
bool MesmoTexto(const TListSimboloExp& a, const TListSimboloExp& b);

// Compares the upper-cased texts byte by byte (as unsigned bytes): negative, zero or positive.
int CompararTextoMaiusculo(const TListSimboloExp& a, const TListSimboloExp& b);

// The first bytes of the upper-cased text, as big-endian words padded with zero bytes: when two
// prefixes differ, they compare as the texts do (a text that ends early is the smaller, and padding
// ties with nothing but a zero byte, when the full comparison decides).
constexpr std::size_t kPalavrasPrefixo = 5;
using TPrefixoTexto = std::array<std::uint64_t, kPalavrasPrefixo>;
TPrefixoTexto PrefixoMaiusculo(const TListSimboloExp& symbols);

// Makes now what the comparisons above look up for every name interned so far (and the ranks of the
// upper-cased names, which sorting a product reads), so that several threads may then sort and
// compare products at once while no new name comes in.
void PrepararComparacoesTexto();

} // namespace brelix
