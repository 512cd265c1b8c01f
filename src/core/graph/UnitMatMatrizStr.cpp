#include "graph/UnitMatMatrizStr.h"

#include <algorithm>
#include <utility>

namespace brelix {

namespace {

// The first cell of the row at or after the column.
std::vector<TMatrizStr::TCelula>::const_iterator Procurar(const std::vector<TMatrizStr::TCelula>& linha,
                                                          std::int32_t coluna) {
    return std::lower_bound(linha.begin(), linha.end(), coluna,
                            [](const TMatrizStr::TCelula& c, std::int32_t col) { return c.first < col; });
}

} // namespace

TMatrizStr::TMatrizStr(std::int32_t linhas, std::int32_t colunas)
    : linhas_(std::max(linhas, 0)), colunas_(std::max(colunas, 0)) {
    linhasCelulas_.resize(static_cast<std::size_t>(linhas_));
    flags_.resize(static_cast<std::size_t>(linhas_), 0);
}

const std::string& TMatrizStr::Get(std::int32_t linha, std::int32_t coluna) const {
    static const std::string zero = "0";
    if (!Dentro(linha, coluna)) return zero;
    const auto& cells = linhasCelulas_[static_cast<std::size_t>(linha)];
    const auto it = Procurar(cells, coluna);
    return it != cells.end() && it->first == coluna ? it->second : zero;
}

void TMatrizStr::Put(std::int32_t linha, std::int32_t coluna, std::string texto) {
    if (!Dentro(linha, coluna)) return;
    auto& cells = linhasCelulas_[static_cast<std::size_t>(linha)];
    const auto at = cells.begin() + (Procurar(cells, coluna) - cells.cbegin());
    const bool existe = at != cells.end() && at->first == coluna;
    if (texto.empty()) {
        if (existe) cells.erase(at);
        return;
    }
    if (existe)
        at->second = std::move(texto);
    else
        cells.insert(at, {coluna, std::move(texto)});
}

const std::vector<TMatrizStr::TCelula>& TMatrizStr::Celulas(std::int32_t linha) const {
    static const std::vector<TCelula> nenhuma;
    if (linha < 0 || linha >= linhas_) return nenhuma;
    return linhasCelulas_[static_cast<std::size_t>(linha)];
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
        if (destino >= 0 && destino < linhas_) {
            // The source's columns are copied over, empty cells included; the row keeps its cells
            // beyond them.
            auto& cells = linhasCelulas_[static_cast<std::size_t>(destino)];
            std::vector<TCelula> row;
            for (const TCelula& c : origem.Celulas(i))
                if (c.first < colunas_) row.push_back(c);
            for (TCelula& c : cells)
                if (c.first >= origem.colunas_) row.push_back(std::move(c));
            cells = std::move(row);
        }
        ++destino;
    }
    return destino;
}

} // namespace brelix
