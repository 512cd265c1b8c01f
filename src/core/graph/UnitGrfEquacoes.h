#pragma once

#include "graph/UnitGrfEstrutura.h"
#include "graph/UnitMatMatrizStr.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brelix {

class TProgresso;

// The variables of a linear graph and its equations as coefficient matrices. Branch i of n has its
// effort at column i and its flow at column n + i; every matrix has those 2n columns and each row is
// an equation "sum of coefficient x variable = 0" with the coefficients written as gain texts.
struct TEquacoes {
    int N = 0;                            // branches
    std::vector<std::string> Variaveis;   // E(name) of every branch, then F(name)
    std::vector<std::string> Orientadas;  // E(name, origin, destination), then F(...)
    std::vector<std::string> Esforcos;    // the E(...) names
    std::vector<std::string> Fluxos;      // the F(...) names
    std::vector<std::string> Fontes;      // efforts of effort sources, then flows of flow sources
    std::vector<std::string> Dependentes; // every other variable, in the same order
    std::vector<char> Fonte;              // by column: the variable is a source
    TMatrizStr A1;                        // impedances: E = Z.F
    TMatrizStr A2;                        // controlled sources: X = K.Y
    TMatrizStr A3;                        // transformers, gyrators, generic two-ports
    TMatrizStr A4;                        // effort compatibility, one circuit per chord
    TMatrizStr A5;                        // flow continuity, one row per vertex
    TMatrizStr A;                         // A4, A1, A2, A3 and the unflagged rows of A5
    // An element whose equation cannot be written: a controlled source whose control names no
    // variable, or a two-port port whose other port is missing. Empty when none.
    std::string ElementoInvalido;
    bool ControleDesconhecido = false; // which of the two faults ElementoInvalido has
};

// Writes the variables and every equation of the graph, given its components (SplitComponentes). A
// stop by the user, asked of the progress object now and then, raises EAnaliseCancelada.
TEquacoes MontarEquacoes(const TGrafo& grafo, const TComponentes& componentes,
                         TProgresso* progresso = nullptr);

// The column of a variable name, ignoring letter case; -1 when no variable has it.
int ColunaDe(const TEquacoes& eq, std::string_view nome);

// The position of every branch identifier in the graph's branch list (the first one on repeats).
using TIndiceRamos = std::unordered_map<std::int32_t, int>;
TIndiceRamos IndexarRamos(const TGrafo& grafo);

// Writes into a row the efforts along a path of the linear graph: 1 where a step follows its branch
// from origin to destination, -1 where it goes against it.
void PutEsforcosCaminho(const TGrafo& grafo, const TIndiceRamos& indice, const TListInt& ramos,
                        const TListInt& vertices, TMatrizStr& matriz, std::int32_t linha);

// A coefficient that is zero: the empty cell, "0", or any gain text whose coefficient is 0.
bool CoeficienteNulo(const std::string& celula);

} // namespace brelix
