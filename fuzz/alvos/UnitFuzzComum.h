#pragma once

// What the fuzz targets share: the bytes of a file as its lines, and the checks every result of the
// program must pass whatever it was made from.

#include "UnitFuzzAlvos.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelix::fuzz {

// A file's bytes as the readers see them: Windows-1252 decoded to UTF-8, split at every line end.
std::vector<std::string> Linhas(std::string_view bytes);

// Raises EFalhaAlvo naming the target and the fault.
[[noreturn]] void Falha(std::string_view alvo, const std::string& oque);
inline void Exigir(bool condicao, std::string_view alvo, const std::string& oque) {
    if (!condicao) Falha(alvo, oque);
}

// No number the program shows or writes is NaN or infinite. Texts are checked only where no name
// can stand (a symbol may well be called INF): the numeric form of a function.
void ExigirSemNaoFinitos(std::string_view alvo, const std::vector<std::string>& textosNumericos);

} // namespace brelix::fuzz
