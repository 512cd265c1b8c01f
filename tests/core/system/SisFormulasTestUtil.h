#pragma once

// The textbook transfer function of a DC motor, worked out by hand, and the comparison at random
// points that holds a computed function against such formulas. Mobility analogy: velocity, angular
// velocity, pressure and voltage are efforts; force, torque, volume flow and current are flows.

#include "support/SolucaoLinear.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelix::testsis {

using Complexo = apoio::Complexo;
using TValores = apoio::ValoresSimbolos;

// A DC motor from its armature (ra, la) through an ideal machine (back electromotive force v = kb.W,
// torque T = kt.i) to an inertia j with friction b: the speed over the armature voltage.
inline Complexo MotorCC(double ra, double la, double kb, double kt, double j, double b, Complexo s) {
    return kt / ((la * s + ra) * (j * s + b) + kt * kb);
}

// Compares a computed function with the hand formula, both functions of (values, S), at 12 random
// points, the same ones on every run: each symbol between 0.5 and 3, and S anywhere in the square -2
// to 2 on both axes. The two must agree to 1e-9 of the formula's value.
template <class Obtido, class Formula>
void CompararEmPontos(const std::vector<std::string>& simbolos, Obtido obtido, Formula formula) {
    std::mt19937 rng(7);
    for (int ponto = 0; ponto < 12; ++ponto) {
        const apoio::Ponto p = apoio::PontoAleatorio(rng, simbolos, 0.5, 3.0, -2.0, 2.0);
        const Complexo esperado = formula(p.valores, p.s);
        const Complexo calculado = obtido(p.valores, p.s);
        EXPECT_LT(std::abs(calculado - esperado), 1e-9 * std::abs(esperado))
            << "point " << ponto << ": expected " << esperado << ", got " << calculado;
    }
}

} // namespace brelix::testsis
