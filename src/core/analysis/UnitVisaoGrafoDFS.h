#pragma once

#include "analysis/UnitVisaoGrade.h"
#include "graph/UnitMatMatrizStr.h"

#include <cstdint>
#include <vector>

namespace brelix {

struct TResultadoDFS;

// The graph-to-DFS result window ("Resultados"): the variables of the conversion, its equation
// matrices, the search of the causal assignment and the variable each equation is solved for.

inline constexpr const char* kAbaVariaveis = "Variáveis";
inline constexpr const char* kAbaBuscaCausal = "Algoritmo de Busca";
inline constexpr const char* kAbaSolucao = "Solução";
// The matrix tabs are captioned A1 to A5 and A; their group boxes:
inline constexpr const char* kGrupoA1 = "Matriz de Impedâncias";
inline constexpr const char* kGrupoA2 = "Matriz de Fontes Controladas";
inline constexpr const char* kGrupoA3 = "Matriz de Transformação e Giração";
inline constexpr const char* kGrupoA4 = "Matriz de Compatibilidade de Esforço";
inline constexpr const char* kGrupoA5 = "Matriz de Continuidade de Fluxo";
inline constexpr const char* kGrupoA = "Matriz de Equações";

// A matrix grid: the fixed column numbers the equations, the fixed row the variables (columns 1 to
// 2n); an empty coefficient shows "0". A graph of ten thousand branches has four hundred million
// cells, so the grid keeps the sparse matrix and a view asks for the cells it shows (a table model
// answers data() for the rows on screen) instead of holding a text per cell.
struct TGradeMatriz {
    TMatrizStr Matriz;
    std::int32_t AlturaLinha = 18;
    std::int32_t LarguraColuna = 40;

    // The header row and one row per equation, at least one row under the header (a blank one).
    std::int64_t RowCount() const;
    // The fixed column and one column per variable.
    int ColCount() const { return 1 + Matriz.Colunas(); }
    // Row 0 is the header ("" then "1" to "2n"); column 0 the equation's number; the blank row of
    // an empty matrix and anything outside the grid read empty.
    std::string Celula(std::int64_t row, int col) const;
};

struct TConteudoGrafoDFS {
    TGradeTexto Variaveis; // "Tipo", "Elemento", "Variável": every effort, then every flow
    TGradeMatriz A1;
    TGradeMatriz A2;
    TGradeMatriz A3;
    TGradeMatriz A4;
    TGradeMatriz A5; // every row, the one dropped from each component included
    TGradeMatriz A;
    std::vector<TItemArvore> Busca; // the chain of sources, then one level per equation
    TGradeTexto Solucao;            // "Equação" A[1], A[2], ... in the rows of A; "Variável"
};

// The grids with their heads and no body row, as the window is created; matrix grids 18 x 40.
TConteudoGrafoDFS ConteudoGrafoDFSVazio();

// Everything the view shows for a conversion's results. The matrix grids take the row height and
// column width of the options (ARowHeight, AColWidth).
TConteudoGrafoDFS ShowGrafoDFS(const TResultadoDFS& conversao, std::int32_t alturaLinha,
                               std::int32_t larguraColuna);

} // namespace brelix
