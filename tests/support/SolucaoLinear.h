#pragma once

// Numeric oracles shared by the tests: linear equations solved directly in complex numbers, the
// equations of a signal-flow diagram, random points of the symbols and of S, and the relative
// comparison of two values.

#include "symbolic/UnitSymListSimboloVal.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace apoio {

using Complexo = std::complex<double>;
using ValoresSimbolos = std::map<std::string, double>;

// Solves a.x = b by Gaussian elimination with partial pivoting. False when a pivot is below
// `singular` times the largest entry of a (a singular or nearly singular system).
inline bool Resolver(std::vector<std::vector<Complexo>> a, std::vector<Complexo> b, std::vector<Complexo>& x,
                     double singular = 1e-9) {
    const std::size_t n = b.size();
    double escala = 0.0;
    for (const auto& linha : a)
        for (const Complexo& v : linha)
            escala = std::max(escala, std::abs(v));
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivo = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::abs(a[r][c]) > std::abs(a[pivo][c])) pivo = r;
        if (std::abs(a[pivo][c]) < singular * std::max(escala, 1.0)) return false;
        std::swap(a[c], a[pivo]);
        std::swap(b[c], b[pivo]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const Complexo f = a[r][c] / a[c][c];
            if (f == Complexo(0.0)) continue;
            for (std::size_t k = c; k < n; ++k)
                a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    x.assign(n, 0.0);
    for (std::size_t i = n; i-- > 0;) {
        Complexo soma = b[i];
        for (std::size_t k = i + 1; k < n; ++k)
            soma -= a[i][k] * x[k];
        x[i] = soma / a[i][i];
    }
    return true;
}

// A branch of a signal-flow diagram between variable positions, with its gain at one point.
struct RamoNumerico {
    std::size_t de = 0;
    std::size_t para = 0;
    Complexo ganho;
};

// The diagram's own equations: the input is 1 and every other variable the sum of its entering
// branches, each its gain times the variable it leaves. False when they are (nearly) singular.
inline bool ResolverDiagrama(std::size_t n, const std::vector<RamoNumerico>& ramos, std::size_t entrada,
                             std::vector<Complexo>& x, double singular = 1e-9) {
    std::vector<std::vector<Complexo>> a(n, std::vector<Complexo>(n, 0.0));
    std::vector<Complexo> b(n, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        a[i][i] = 1.0;
    b[entrada] = 1.0;
    for (const RamoNumerico& r : ramos)
        a[r.para][r.de] -= r.ganho;
    return Resolver(std::move(a), std::move(b), x, singular);
}

// Relative closeness of two complex values.
inline bool Perto(Complexo a, Complexo b, double tol = 1e-7) {
    return std::abs(a - b) <= tol * std::max({1.0, std::abs(a), std::abs(b)});
}

struct Ponto {
    ValoresSimbolos valores;
    Complexo s;
};

// Every named symbol between `lo` and `hi`, and S with both parts between `sLo` and `sHi`.
inline Ponto PontoAleatorio(std::mt19937& rng, const std::vector<std::string>& nomes, double lo = 0.5,
                            double hi = 2.0, double sLo = 0.2, double sHi = 1.5) {
    std::uniform_real_distribution<double> valor(lo, hi);
    std::uniform_real_distribution<double> parte(sLo, sHi);
    Ponto p;
    for (const std::string& nome : nomes)
        p.valores[nome] = valor(rng);
    const double re = parte(rng);
    p.s = Complexo(re, parte(rng));
    return p;
}

inline brelix::TListSimboloVal Valores(const ValoresSimbolos& m) {
    brelix::TListSimboloVal v;
    for (const auto& [nome, valor] : m)
        v.AddSimbolo(nome, valor);
    return v;
}

} // namespace apoio
