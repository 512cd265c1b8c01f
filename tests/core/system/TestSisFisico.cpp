#include "SisFormulasTestUtil.h"
#include "SisTestUtil.h"
#include "support/RedeLinear.h"

#include "symbolic/UnitGrfGanho.h"
#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The conversion on its own, before the signal-flow diagram and Mason's formula: the document-level
// suite takes every textbook system through the whole chain; here the graph of the system with the
// richest branches (a coupler's two halves, components wired straight to each other, a drawn
// reference) is solved directly as a network (node potentials, branch flows and the element laws)
// and compared with the textbook formula at random values of the parameters and of S, which shows
// whether a fault lies in the conversion or after it.

using namespace brelix;
using testsis::TDesenho;

namespace {

using C = testsis::Complexo;
using testsis::TValores;

// Converts the system, solves its linear graph directly (support/RedeLinear.h) and compares
// output / input with the formula at random points.
template <class Formula>
void Conferir(TSistema& sistema, const std::string& entrada, const std::string& saida,
              const std::vector<std::string>& simbolos, Formula formula) {
    const TConversaoSistema c = sistema.ToGraph();
    ASSERT_NE(c.Grafo, nullptr) << c.Problemas.front();
    const rede::Rede r = rede::DeGrafo(*c.Grafo, [](const std::string& texto) {
        const TValorGanho g = ParseGanhoEstrito(texto);
        EXPECT_TRUE(g.Valido) << texto;
        return rede::Ganho{g.K, texto, g.HasSym ? g.Sym : "", g.ExpSym, g.ExpS, false};
    });
    const int fonte = r.Posicao(entrada);
    const int elemento = r.Posicao(saida.substr(2, saida.size() - 3));
    ASSERT_GE(fonte, 0) << entrada;
    ASSERT_GE(elemento, 0) << saida;
    const auto obtido = [&](const TValores& v, C s) {
        rede::Solucao sol;
        EXPECT_TRUE(sol.Resolver(r, fonte, v, s)) << "singular network";
        return sol.Ler({saida[0] == 'E' ? rede::Saida::Esforco : rede::Saida::Fluxo, elemento, 0, 0});
    };
    SCOPED_TRACE(saida);
    testsis::CompararEmPontos(simbolos, obtido, formula);
}

} // namespace

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
