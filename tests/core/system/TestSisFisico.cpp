#include "SisFormulasTestUtil.h"
#include "SisTestUtil.h"

#include "symbolic/UnitGrfGanho.h"
#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

// Textbook systems through the conversion, checked against the textbook formula. The linear graph is
// solved directly, as the equations of its branches and vertices (efforts across a branch from its
// origin to its destination, flows leaving the origin, element equations E = Z.F, sources, two-ports
// E1 = N.E2, F2 = -N.F1 and E2 = Kee.E1 + Kef.F1, F2 = -(Kfe.E1 + Kff.F1)), at random values of
// the parameters and of S. Mobility analogy: velocity, angular velocity, pressure and voltage are
// efforts; force, torque, volume flow and current are flows.

using namespace brelix;
using testsis::TDesenho;

namespace {

using C = testsis::Complexo;
using testsis::TValores;

C Ganho(std::string_view texto, const TValores& valores, C s) {
    const TValorGanho g = ParseGanhoEstrito(texto);
    EXPECT_TRUE(g.Valido) << texto;
    C v = g.K;
    if (g.HasSym) v *= std::pow(C(valores.at(g.Sym)), g.ExpSym);
    return v * std::pow(s, g.ExpS);
}

std::vector<std::string> Partes(const std::string& texto) {
    std::vector<std::string> partes(1);
    for (const char c : texto) {
        if (c == ';')
            partes.emplace_back();
        else
            partes.back() += c;
    }
    return partes;
}

// Gaussian elimination with partial pivoting; the system is square and regular.
std::vector<C> Resolver(std::vector<std::vector<C>> a, std::vector<C> b) {
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::abs(a[i][k]) > std::abs(a[p][k])) p = i;
        std::swap(a[k], a[p]);
        std::swap(b[k], b[p]);
        EXPECT_GT(std::abs(a[k][k]), 1e-12) << "singular network";
        for (std::size_t i = k + 1; i < n; ++i) {
            const C f = a[i][k] / a[k][k];
            for (std::size_t j = k; j < n; ++j)
                a[i][j] -= f * a[k][j];
            b[i] -= f * b[k];
        }
    }
    std::vector<C> x(n);
    for (std::size_t k = n; k-- > 0;) {
        C soma = b[k];
        for (std::size_t j = k + 1; j < n; ++j)
            soma -= a[k][j] * x[j];
        x[k] = soma / a[k][k];
    }
    return x;
}

// Every effort and flow of the graph with the named source at 1 and every other source at 0.
struct TSolucao {
    std::map<std::string, C> E, F;
};

TSolucao ResolverGrafo(const TGrafo& g, const std::string& fonte, const TValores& valores, C s) {
    const std::size_t n = static_cast<std::size_t>(g.RamoCount());
    const std::size_t nv = static_cast<std::size_t>(g.VerticeCount());
    std::map<std::int32_t, std::size_t> indice;
    for (std::size_t v = 0; v < nv; ++v)
        indice[g.Vertice(static_cast<int>(v)).Id] = v;
    std::map<std::string, std::size_t> ramo;
    for (std::size_t b = 0; b < n; ++b)
        ramo[g.Ramo(static_cast<int>(b)).Nome] = b;
    const auto colE = [](std::size_t b) { return b; };
    const auto colF = [n](std::size_t b) { return n + b; };
    const auto colP = [n](std::size_t v) { return 2 * n + v; };
    const auto colVar = [&](const std::string& var) {
        const std::size_t b = ramo.at(var.substr(2, var.size() - 3));
        return var[0] == 'E' ? colE(b) : colF(b);
    };

    std::vector<std::vector<C>> a;
    std::vector<C> rhs;
    const auto linha = [&]() -> std::vector<C>& {
        a.emplace_back(2 * n + nv);
        rhs.push_back(0.0);
        return a.back();
    };
    // Connected parts: each has one grounded vertex and one vertex equation fewer.
    std::vector<std::size_t> pai(nv);
    std::iota(pai.begin(), pai.end(), 0);
    const auto raiz = [&](std::size_t v) {
        while (pai[v] != v)
            v = pai[v];
        return v;
    };
    for (std::size_t b = 0; b < n; ++b) {
        const TRamo& r = g.Ramo(static_cast<int>(b));
        const std::size_t o = indice.at(r.Origem), d = indice.at(r.Destino);
        pai[raiz(o)] = raiz(d);
        auto& topo = linha();
        topo[colE(b)] = 1.0;
        topo[colP(o)] -= 1.0;
        topo[colP(d)] += 1.0;

        const std::vector<std::string> p = Partes(r.TextoGanho);
        switch (r.Tipo) {
        case kRamoImpedancia: {
            auto& l = linha();
            l[colE(b)] = -1.0;
            l[colF(b)] = Ganho(r.TextoGanho, valores, s);
            break;
        }
        case kRamoFonteEsforco:
        case kRamoFonteFluxo: {
            auto& l = linha();
            l[r.Tipo == kRamoFonteEsforco ? colE(b) : colF(b)] = 1.0;
            rhs.back() = r.Nome == fonte ? 1.0 : 0.0;
            break;
        }
        case kRamoFonteEsforcoCtrl:
        case kRamoFonteFluxoCtrl: {
            auto& l = linha();
            l[r.Tipo == kRamoFonteEsforcoCtrl ? colE(b) : colF(b)] = -1.0;
            l[colVar(r.Controle)] += Ganho(r.TextoGanho, valores, s);
            break;
        }
        case kRamoTransformador1:
        case kRamoQuadripolo1: {
            const std::size_t b2 = b + 1; // the conversion adds the halves one after the other
            EXPECT_EQ(g.Ramo(static_cast<int>(b2)).Par, r.Id);
            auto& l1 = linha();
            if (r.Tipo == kRamoTransformador1) {
                const C k = Ganho(r.TextoGanho, valores, s);
                l1[colE(b)] = 1.0;
                l1[colE(b2)] = -k;
                auto& l2 = linha();
                l2[colF(b2)] = 1.0;
                l2[colF(b)] = k;
            } else {
                l1[colE(b2)] = 1.0;
                l1[colE(b)] = -Ganho(p.at(0), valores, s);
                l1[colF(b)] = -Ganho(p.at(1), valores, s);
                auto& l2 = linha();
                l2[colF(b2)] = 1.0;
                l2[colE(b)] = Ganho(p.at(2), valores, s);
                l2[colF(b)] += Ganho(p.at(3), valores, s);
            }
            break;
        }
        default:
            break; // the second half: its equation came with the first
        }
    }
    std::vector<bool> aterrado(nv, false);
    for (std::size_t v = 0; v < nv; ++v) {
        auto& l = linha();
        if (!aterrado[raiz(v)]) {
            aterrado[raiz(v)] = true;
            l[colP(v)] = 1.0;
            continue;
        }
        for (std::size_t b = 0; b < n; ++b) {
            const TRamo& r = g.Ramo(static_cast<int>(b));
            if (indice.at(r.Origem) == v) l[colF(b)] += 1.0;
            if (indice.at(r.Destino) == v) l[colF(b)] -= 1.0;
        }
    }
    EXPECT_EQ(a.size(), 2 * n + nv);
    const std::vector<C> x = Resolver(a, rhs);
    TSolucao sol;
    for (const auto& [nome, b] : ramo) {
        sol.E[nome] = x[colE(b)];
        sol.F[nome] = x[colF(b)];
    }
    return sol;
}

// Converts the system and compares output / input with the formula at random points.
template <class Formula>
void Conferir(TSistema& sistema, const std::string& entrada, const std::string& saida,
              const std::vector<std::string>& simbolos, Formula formula) {
    const TConversaoSistema c = sistema.ToGraph();
    ASSERT_NE(c.Grafo, nullptr) << c.Problemas.front();
    const std::string ramo = saida.substr(2, saida.size() - 3);
    const auto obtido = [&](const TValores& v, C s) {
        const TSolucao sol = ResolverGrafo(*c.Grafo, entrada, v, s);
        return saida[0] == 'E' ? sol.E.at(ramo) : sol.F.at(ramo);
    };
    SCOPED_TRACE(saida);
    testsis::CompararEmPontos(simbolos, obtido, formula);
}

} // namespace

// The conversion on its own, before the signal-flow diagram and Mason's formula: the document-level
// suite takes every textbook system through the whole chain; here the graph of the system with the
// richest branches (a coupler's two halves, components wired straight to each other, a drawn
// reference) is solved directly, which shows whether a fault lies in the conversion or after it.

TEST(SisFisico, DCMotorWithTheElectricalRotationalCoupler) {
    // A voltage source Va, an armature Ra, La wired straight from component to component, the
    // electrical / rotational coupler Motor (back electromotive force v = Kb.W, so W = v / Kb; torque
    // T = Kt.i) and an inertia J with friction, grounded by a drawn reference.
    TDesenho d;
    const auto va = d.Comp(kTipoEleFonteTensao, "Va", "Va");
    const auto ra = d.Comp(kTipoEleResistor, "Ra", "Ra");
    const auto la = d.Comp(kTipoEleIndutor, "La", "La");
    const auto motor = d.Comp(kTipoAcpEleMcr, "Motor", "Kb^-1;0;0;Kt");
    const auto j = d.Comp(kTipoMcrInerciaAtrito, "J", "J;B");
    const auto ref = d.Comp(kTipoMcrReferencia, "Ref1", "Ref");
    const auto [n1, n0] = d.Verts(kTipoEleVertice, {"N1", "N0"});
    const auto [w1, wr] = d.Verts(kTipoMcrVertice, {"W1", "Wr"});
    d.Liga(va, {n1, n0});
    d.Fio(ra, 1, n1, 1);
    d.Fio(ra, 2, la, 1);
    d.Fio(la, 2, motor, 1);
    d.Fio(motor, 2, n0, 1);
    d.Fio(motor, 3, w1, 1);
    d.Liga(j, {w1, wr});
    d.Liga(ref, {wr});
    Conferir(d.S, "Va", "E(J_J)", {"Ra", "La", "Kb", "Kt", "J", "B"}, [](const TValores& v, C s) {
        return testsis::MotorCC(v.at("Ra"), v.at("La"), v.at("Kb"), v.at("Kt"), v.at("J"), v.at("B"), s);
    });
}
