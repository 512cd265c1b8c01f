#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace brelix {

// A matrix of coefficients written as gain texts, one row per equation and one column per variable;
// an empty cell is a zero. Each row carries a used flag: the flow-continuity row dropped from every
// component, or the equation already assigned to a variable. Reads and writes outside the matrix
// are harmless: a read gives "0", a write does nothing.
//
// The matrix is sparse: an equation names a handful of the 2n variables of a graph, so each row
// keeps only its written cells, in column order. A graph of ten thousand branches has 400 million
// cells and some fifty thousand written ones.
class TMatrizStr {
public:
    // A written cell: its column and its text (never empty).
    using TCelula = std::pair<std::int32_t, std::string>;

    TMatrizStr() = default;
    TMatrizStr(std::int32_t linhas, std::int32_t colunas);

    std::int32_t Linhas() const { return linhas_; }
    std::int32_t Colunas() const { return colunas_; }

    // The cell's text; "0" when it is empty or outside the matrix.
    const std::string& Get(std::int32_t linha, std::int32_t coluna) const;
    // Writes the cell; an empty text empties it.
    void Put(std::int32_t linha, std::int32_t coluna, std::string texto);
    // The written cells of a row in ascending column order (none outside the matrix): every other
    // cell of the row is empty.
    const std::vector<TCelula>& Celulas(std::int32_t linha) const;

    // 0 outside the matrix.
    std::uint8_t Flag(std::int32_t linha) const;
    void SetFlag(std::int32_t linha, std::uint8_t valor);
    void ClearFlags();

    // Copies every unflagged row of the source, in order, into consecutive rows of this matrix from
    // the given row, over the source's columns. Returns the row after the last one written.
    std::int32_t AppendRows(const TMatrizStr& origem, std::int32_t inicio);

private:
    bool Dentro(std::int32_t linha, std::int32_t coluna) const {
        return linha >= 0 && linha < linhas_ && coluna >= 0 && coluna < colunas_;
    }

    std::vector<std::vector<TCelula>> linhasCelulas_;
    std::vector<std::uint8_t> flags_;
    std::int32_t linhas_ = 0;
    std::int32_t colunas_ = 0;
};

} // namespace brelix
