#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brelix {

class TArvore;
struct TNo;

// What the result windows copy into their grids and trees. The windows keep no state of their own:
// every text is computed here, so the same results can be printed without a display.

// A read-only grid: one fixed header row and, for the matrix grids, a fixed first column holding the
// row numbers. The grid always keeps at least one body row under its header, so an empty result shows
// the header and one blank row.
struct TGradeTexto {
    std::vector<std::string> Cabecalhos;          // the header row, one text per column
    std::vector<std::int32_t> Larguras;           // column widths in pixels, one per column
    std::int32_t AlturaLinha = 18;                // default row height in pixels
    bool ColunaFixa = false;                      // column 0 is fixed (row heads)
    std::vector<std::vector<std::string>> Linhas; // the body rows, each with one text per column

    // max(body rows + 1, 2).
    int RowCount() const;
    int ColCount() const { return static_cast<int>(Cabecalhos.size()); }
    // Row 0 is the header; a row or column outside the filled body (the blank row) reads empty.
    const std::string& Celula(int row, int col) const;
};

// A grid with the given column heads and widths and no body row yet.
TGradeTexto NovaGrade(std::vector<std::string> cabecalhos, std::vector<std::int32_t> larguras);

// One item of a tree view. Items come in pre-order: a parent before its children, children in their
// order, so a widget is filled by one pass that appends each item under the item Pai (-1: a
// top-level item). Long searches make deep trees, which this flat form copies without recursion.
struct TItemArvore {
    int Pai = -1;
    std::string Texto;
    bool operator==(const TItemArvore&) const = default;
};

// Every node of the tree or forest, roots in order, each item's text given by `texto`.
std::vector<TItemArvore> ItensArvore(const TArvore& arvore,
                                     const std::function<std::string(const TNo&)>& texto);

// The numbers joined as the result grids write lists: "3, 1, 4"; empty for no number.
std::string ListaNumeros(const std::vector<std::int32_t>& numeros, std::int32_t soma = 0);

} // namespace brelix
