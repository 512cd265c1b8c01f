#pragma once

// Textbook transfer functions of the physical systems the tests draw, worked out by hand, and the
// comparison at random points that holds a computed function against them. Mobility analogy:
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

// Series R, L, C driven by a voltage: the capacitor's voltage over the source's.
inline Complexo RLCSerieNoCapacitor(double r, double l, double c, Complexo s) {
    return 1.0 / (l * c * s * s + r * c * s + 1.0);
}

// A force on a mass held by a spring and a damper: the mass's velocity over the force.
inline Complexo MassaMolaAmortecedor(double m, double b, double k, Complexo s) {
    return s / (m * s * s + b * s + k);
}

// A force on a mass with friction b to the ground, or a torque on an inertia with friction: the
// velocity over the force.
inline Complexo MassaComAtrito(double m, double b, Complexo s) {
    return 1.0 / (m * s + b);
}

// A force on mass 1, joined by a spring k to mass 2, each mass with damping b to the ground:
// (M1.s^2 + B1.s + K).x1 - K.x2 = F and (M2.s^2 + B2.s + K).x2 = K.x1 in displacements, so the
// velocity of mass 2 over the force is s.K / ((M1.s^2 + B1.s + K).(M2.s^2 + B2.s + K) - K^2).
inline Complexo DuasMassasPorMola(double m1, double b1, double m2, double b2, double k, Complexo s) {
    const Complexo p1 = m1 * s * s + b1 * s + k;
    const Complexo p2 = m2 * s * s + b2 * s + k;
    return s * k / (p1 * p2 - k * k);
}

// A pressure source fills a reservoir through a resistive pipe: the reservoir's pressure over the
// source's.
inline Complexo ReservatorioPorTubo(double rf, double cf, Complexo s) {
    return 1.0 / (rf * cf * s + 1.0);
}

// A voltage source with resistance rs drives a transformer (v1 = N.v2, i2 = N.i1) loaded by rl: the
// load is seen as N^2.rl, and its voltage over the source's is N.rl / (rs + N^2.rl).
inline Complexo TransformadorComCarga(double n, double rs, double rl) {
    return n * rl / (rs + n * n * rl);
}

// A DC motor from its armature (ra, la) through an ideal machine (back electromotive force v = kb.W,
// torque T = kt.i) to an inertia j with friction b: the speed over the armature voltage.
inline Complexo MotorCC(double ra, double la, double kb, double kt, double j, double b, Complexo s) {
    return kt / ((la * s + ra) * (j * s + b) + kt * kb);
}

// A divider r1, r2 whose lower voltage a controlled source amplifies by a: the amplified voltage
// over the divider's input.
inline Complexo DivisorAmplificado(double a, double r1, double r2) {
    return a * r2 / (r1 + r2);
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
