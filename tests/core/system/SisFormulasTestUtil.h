#pragma once

// The textbook transfer function of a DC motor, worked out by hand, and the comparison at random
// points that holds a computed function against such formulas. Mobility analogy:
// velocity, angular velocity, pressure and voltage are efforts; force, torque, volume flow and
// current are flows.

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace brelix::testsis {

using Complexo = std::complex<double>;
using TValores = std::map<std::string, double>;

// A DC motor from its armature (ra, la) through an ideal machine (back electromotive force v = kb.W,
// torque T = kt.i) to an inertia j with friction b: the speed over the armature voltage.
inline Complexo MotorCC(double ra, double la, double kb, double kt, double j, double b, Complexo s) {
    return kt / ((la * s + ra) * (j * s + b) + kt * kb);
}

// Compares a computed function with the hand formula at `pontos` random points, the same ones on
// every run: each symbol between 0.5 and 3, and S anywhere in the square -2 to 2 on both axes. Both
// are functions of (values, S).
template <class Obtido, class Formula>
void CompararEmPontos(const std::vector<std::string>& simbolos, Obtido obtido, Formula formula,
                      int pontos = 12, unsigned semente = 7) {
    std::mt19937 rng(semente);
    std::uniform_real_distribution<double> valor(0.5, 3.0);
    std::uniform_real_distribution<double> parte(-2.0, 2.0);
    for (int ponto = 0; ponto < pontos; ++ponto) {
        TValores v;
        for (const std::string& nome : simbolos)
            v[nome] = valor(rng);
        const double re = parte(rng);
        const Complexo s(re, parte(rng));
        const Complexo esperado = formula(v, s);
        const Complexo calculado = obtido(v, s);
        EXPECT_LT(std::abs(calculado - esperado), 1e-9 * std::abs(esperado))
            << "point " << ponto << ": expected " << esperado << ", got " << calculado;
    }
}

} // namespace brelix::testsis
