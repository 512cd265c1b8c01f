#pragma once

#include "analysis/UnitVisaoGrade.h"

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

struct TConteudoGrafoDFS {
    TGradeTexto Variaveis; // "Tipo", "Elemento", "Variável": every effort, then every flow
    // Matrix grids: the fixed column numbers the equations, the fixed row the variables (columns
    // 1 to 2n); an empty coefficient shows "0".
    TGradeTexto A1;
    TGradeTexto A2;
    TGradeTexto A3;
    TGradeTexto A4;
    TGradeTexto A5; // every row, the one dropped from each component included
    TGradeTexto A;
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
