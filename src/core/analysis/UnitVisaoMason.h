#pragma once

#include "analysis/UnitVisaoGrade.h"

#include <vector>

namespace brelix {

class TListSimboloVal;
struct TResultadoMason;

// The Mason result window ("Resultados"): one tab per intermediate result of Mason's formula.
inline constexpr const char* kAbaSimbolos = "Símbolos";
inline constexpr const char* kAbaBuscaLacos = "Busca de Laços";
inline constexpr const char* kAbaLacos = "Laços";
inline constexpr const char* kAbaLacosDisjuntos = "Laços Disjuntos";
inline constexpr const char* kAbaFlorestaDisjuntos = "Floresta de Laços Disjuntos";
inline constexpr const char* kAbaOrdemSuperior = "Laços de Ordem Superior";

struct TConteudoMason {
    TGradeTexto Simbolos;              // "Símbolo"
    std::vector<TItemArvore> Busca;    // the loop search: vertex identifiers
    TGradeTexto Lacos;                 // "Nº Laço", "Vértices"
    TGradeTexto Disjuntos;             // "Nº Laço", "Laços Disjuntos"
    std::vector<TItemArvore> Floresta; // the non-touching forest: loop numbers
    TGradeTexto OrdemSuperior;         // "Ordem", "Nº Laço", "Laços", "Ganho"
};

// The grids with their heads and widths and no body row, as the window is created.
TConteudoMason ConteudoMasonVazio();

// Everything the Mason view shows for a diagram's symbols (with DFS, as CollectSimbolos left them)
// and Mason's results. Loops are numbered from 1 in every grid and tree. Sorts the symbol products of
// the loop sets, which their gain texts ask for.
TConteudoMason ShowMason(const TListSimboloVal& simbolos, TResultadoMason& mason);

} // namespace brelix
