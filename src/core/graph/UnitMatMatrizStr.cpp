#include "graph/UnitMatMatrizStr.h"

#include <algorithm>
#include <utility>

namespace brelix {

TMatrizStr::TMatrizStr(std::int32_t linhas, std::int32_t colunas)
    : linhas_(std::max(linhas, 0)), colunas_(std::max(colunas, 0)) {
    celulas_.resize(static_cast<std::size_t>(linhas_) * static_cast<std::size_t>(colunas_));
    flags_.resize(static_cast<std::size_t>(linhas_), 0);
}

const std::string& TMatrizStr::Get(std::int32_t linha, std::int32_t coluna) const {
    static const std::string zero = "0";
    if (!Dentro(linha, coluna)) return zero;
    const std::string& celula = celulas_[Indice(linha, coluna)];
    return celula.empty() ? zero : celula;
}

void TMatrizStr::Put(std::int32_t linha, std::int32_t coluna, std::string texto) {
    if (Dentro(linha, coluna)) celulas_[Indice(linha, coluna)] = std::move(texto);
}

std::uint8_t TMatrizStr::Flag(std::int32_t linha) const {
    if (linha < 0 || linha >= linhas_) return 0;
    return flags_[static_cast<std::size_t>(linha)];
}

void TMatrizStr::SetFlag(std::int32_t linha, std::uint8_t valor) {
    if (linha >= 0 && linha < linhas_) flags_[static_cast<std::size_t>(linha)] = valor;
}

void TMatrizStr::ClearFlags() {
    std::fill(flags_.begin(), flags_.end(), std::uint8_t{0});
}

std::int32_t TMatrizStr::AppendRows(const TMatrizStr& origem, std::int32_t inicio) {
    std::int32_t destino = inicio;
    for (std::int32_t i = 0; i < origem.linhas_; ++i) {
        if (origem.Flag(i) != 0) continue;
        for (std::int32_t j = 0; j < origem.colunas_; ++j) {
            Put(destino, j, origem.celulas_[origem.Indice(i, j)]);
        }
        ++destino;
    }
    return destino;
}

} // namespace brelix
