#pragma once

// Signal-flow diagrams of known shape for the benchmarks: their loop and loop-set counts grow in a
// known way with their size.

#include "graph/UnitGrfGrafo.h"

#include <string>

namespace brelix::bench {

struct TDiagrama {
    TGrafo grafo;
    std::string entrada;
    std::string saida;
};

// The prefix followed by the numbers, joined by "_": X3, A1_2.
inline std::string Nome(const char* prefixo, int i, int j = -1) {
    std::string nome = prefixo;
    nome += std::to_string(i);
    if (j >= 0) {
        nome += '_';
        nome += std::to_string(j);
    }
    return nome;
}

// A chain of n variables X1 ... Xn: the forward gain Gi from Xi to Xi+1 and the feedback -Hi back.
// Each neighbouring pair makes a loop that touches only its neighbours' loops, and the forward path
// closed by the closing branch touches them all, so the loop sets number Fibonacci(n + 1), that is
// 1,346,269 for n = 30.
inline TDiagrama DiagramaCadeia(int n) {
    TDiagrama d{TGrafo(true), "X1", Nome("X", n)};
    for (int i = 1; i <= n; ++i)
        d.grafo.AddVertice(i, Nome("X", i));
    int ramo = 0;
    for (int i = 1; i < n; ++i) {
        d.grafo.AddTransmitancia(++ramo, Nome("G", i), Nome("G", i), i, i + 1);
        d.grafo.AddTransmitancia(++ramo, Nome("H", i), Nome("-1.H", i), i + 1, i);
    }
    return d;
}

// A state-space diagram of n fully coupled states: the input U drives X1, every state feeds every
// other (Ai_j) and itself (-1.Pi.S^-1), and Xn drives the output Y. Its loops are every elementary
// cycle of the complete graph on the states, its forward paths every simple path from X1 to Xn.
inline TDiagrama DiagramaDenso(int n) {
    TDiagrama d{TGrafo(true), "U", "Y"};
    d.grafo.AddVertice(1, "U");
    for (int i = 1; i <= n; ++i)
        d.grafo.AddVertice(i + 1, Nome("X", i));
    d.grafo.AddVertice(n + 2, "Y");
    int ramo = 0;
    d.grafo.AddTransmitancia(++ramo, "B", "B", 1, 2);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            if (i != j) {
                d.grafo.AddTransmitancia(++ramo, Nome("A", i, j), Nome("A", i, j), i + 1, j + 1);
                continue;
            }
            std::string ganho = "-1.";
            ganho += Nome("P", i);
            ganho += ".S^-1";
            d.grafo.AddTransmitancia(++ramo, Nome("P", i), ganho, i + 1, i + 1);
        }
    d.grafo.AddTransmitancia(++ramo, "C", "C", n + 1, n + 2);
    return d;
}

// An n-section RLC ladder as a linear graph: the voltage source Vs from N0 to the ground, then per
// section k a series resistor Rk (N(k-1) to Mk) and inductor Lk (Mk to Nk) and a shunt capacitor Ck
// (Nk to the ground). Vertices first, then the branches in that order, as a document builder adds
// them. The output of interest is the effort of the last capacitor.
inline TGrafo GrafoEscadaRLC(int n) {
    TGrafo g(true);
    g.AddVertice(1, "Terra");
    g.AddVertice(2, "N0");
    for (int k = 1; k <= n; ++k) {
        g.AddVertice(2 * k + 1, Nome("M", k));
        g.AddVertice(2 * k + 2, Nome("N", k));
    }
    int ramo = 0;
    g.AddRamo(++ramo, kRamoFonteEsforco, "Vs", "1", 2, 1);
    for (int k = 1; k <= n; ++k) {
        const int anterior = 2 * k, meio = 2 * k + 1, no = 2 * k + 2;
        g.AddRamo(++ramo, kRamoImpedancia, Nome("R", k), Nome("R", k), anterior, meio);
        g.AddRamo(++ramo, kRamoImpedancia, Nome("L", k), Nome("L", k) + ".S", meio, no);
        g.AddRamo(++ramo, kRamoImpedancia, Nome("C", k), Nome("C", k) + "^-1.S^-1", no, 1);
    }
    return g;
}

} // namespace brelix::bench
