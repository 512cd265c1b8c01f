#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brelix {

// A matrix of coefficients written as gain texts, one row per equation and one column per variable;
// an empty cell is a zero. Each row carries a used flag: the flow-continuity row dropped from every
// component, or the equation already assigned to a variable. Reads and writes outside the matrix
// are harmless: a read gives "0", a write does nothing.
class TMatrizStr {
public:
    TMatrizStr() = default;
    TMatrizStr(std::int32_t linhas, std::int32_t colunas);

    std::int32_t Linhas() const { return linhas_; }
    std::int32_t Colunas() const { return colunas_; }

    // The cell's text; "0" when it is empty or outside the matrix.
    const std::string& Get(std::int32_t linha, std::int32_t coluna) const;
    void Put(std::int32_t linha, std::int32_t coluna, std::string texto);

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
    std::size_t Indice(std::int32_t linha, std::int32_t coluna) const {
        return static_cast<std::size_t>(linha) * static_cast<std::size_t>(colunas_) +
               static_cast<std::size_t>(coluna);
    }

    std::vector<std::string> celulas_;
    std::vector<std::uint8_t> flags_;
    std::int32_t linhas_ = 0;
    std::int32_t colunas_ = 0;
};

} // namespace brelix
