#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brelix {

// Symbol names are interned: every distinct name gets a small number for the life of the process.
// Symbol products then hold numbers instead of strings, so that the millions of loop-set products of
// a large diagram stay cheap to copy, multiply and compare. The table only grows. New names come in
// on one thread only; several threads may read the table at once while none comes in.
using TIdSimbolo = std::int32_t;

TIdSimbolo IdSimbolo(std::string_view name);
const std::string& NomeSimbolo(TIdSimbolo id);
// The name with its ASCII letters upper-cased: the key by which symbol lists are sorted.
const std::string& NomeMaiusculo(TIdSimbolo id);

// The names (or the upper-cased names) laid end to end in one text, with where each begins and its
// length by id: for writers of long texts that look up millions of names. Valid until the next new
// name. At least kFolgaNomes bytes follow every name, so that a short name may be copied as one
// whole block of that size.
constexpr std::size_t kFolgaNomes = 16;
struct TNomesPlanos {
    const char* Texto;
    const std::uint32_t* Inicio;
    const std::uint32_t* Tamanho;
};
TNomesPlanos NomesPlanos(bool upperCased = false);

// Ranks of the upper-cased names, indexed by id: comparing two ranks compares the upper-cased names
// byte by byte (names equal when upper-cased share a rank). The table is made again only once the
// names have been asked for often enough since a new name came in to pay for it; until then, and
// whenever it is out of date, the result is null and the caller compares the names themselves. A
// non-null table is valid until the next new name.
const std::uint32_t* RanksMaiusculos();
// Makes that table now, however few have asked for it: before several threads sort products, so that
// they only read it.
void PrepararRanksMaiusculos();
// The number of names interned so far (the ids are 0 to that number less one).
std::size_t ContagemSimbolos();

} // namespace brelix
