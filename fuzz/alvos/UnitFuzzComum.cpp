#include "UnitFuzzComum.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComCodificacao.h"

namespace brelix::fuzz {

std::vector<std::string> Linhas(std::string_view bytes) {
    return SplitLines(Win1252ToUtf8(bytes));
}

void Falha(std::string_view alvo, const std::string& oque) {
    throw EFalhaAlvo(std::string(alvo) + ": " + oque);
}

void ExigirSemNaoFinitos(std::string_view alvo, const std::vector<std::string>& textos) {
    for (const std::string& t : textos)
        Exigir(t.find("NAN") == std::string::npos && t.find("INF") == std::string::npos, alvo,
               "a text shows NaN or an infinity: " + t);
}

} // namespace brelix::fuzz
