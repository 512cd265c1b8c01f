#include "SisFormulasTestUtil.h"
#include "SisTestUtil.h"
#include "support/RedeLinear.h"

#include "symbolic/UnitGrfGanho.h"
#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Textbook systems through the conversion, checked against the textbook formula: the linear graph is
// solved directly as a network (node potentials, branch flows and the element laws), at random
// values of the parameters and of S. Mobility analogy: velocity, angular velocity, pressure and voltage are
// efforts; force, torque, volume flow and current are flows.

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

TEST(SisFisico, SeriesRLCCircuit) {
    TDesenho d;
    const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
    const auto r = d.Comp(kTipoEleResistor, "R1", "R");
    const auto l = d.Comp(kTipoEleIndutor, "L1", "L");
    const auto c = d.Comp(kTipoEleCapacitor, "C1", "C");
    const auto [n1, n0] = d.Verts(kTipoEleVertice, {"N1", "N0"});
    d.Liga(vs, {n1, n0});
    d.Fio(r, 1, n1, 1);
    d.Fio(r, 2, l, 1); // straight from component to component
    d.Fio(l, 2, c, 1);
    d.Fio(c, 2, n0, 1);
    Conferir(d.S, "Vs", "E(C1)", {"R", "L", "C"}, [](const TValores& v, C s) {
        return testsis::RLCSerieNoCapacitor(v.at("R"), v.at("L"), v.at("C"), s);
    });
}

TEST(SisFisico, TwoSectionRCLadder) {
    TDesenho d;
    const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto c1 = d.Comp(kTipoEleCapacitor, "C1", "C1");
    const auto r2 = d.Comp(kTipoEleResistor, "R2", "R2");
    const auto c2 = d.Comp(kTipoEleCapacitor, "C2", "C2");
    const auto [n1, n2, n3, n0, m0] = d.Verts(kTipoEleVertice, {"N1", "N2", "N3", "N0", "M0"});
    d.Liga(vs, {n1, n0});
    d.Liga(r1, {n1, n2});
    d.Liga(c1, {n2, n0});
    d.Liga(r2, {n2, n3});
    d.Liga(c2, {n3, m0});
    d.Fio(m0, 1, n0, 1); // the ground drawn as two vertices wired together
    Conferir(d.S, "Vs", "E(C2)", {"R1", "R2", "C1", "C2"}, [](const TValores& v, C s) {
        const double ra = v.at("R1"), rb = v.at("R2"), ca = v.at("C1"), cb = v.at("C2");
        return 1.0 / (ra * ca * rb * cb * s * s + (ra * ca + rb * cb + ra * cb) * s + 1.0);
    });
}

TEST(SisFisico, ElectricalTransformerReflectsItsLoad) {
    TDesenho d;
    const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
    const auto rs = d.Comp(kTipoEleResistor, "Rs", "Rs");
    const auto t = d.Comp(kTipoEleTransformador, "T1", "N");
    const auto rl = d.Comp(kTipoEleResistor, "RL", "RL");
    const auto [n1, n2, n0, s1, s0] = d.Verts(kTipoEleVertice, {"N1", "N2", "N0", "S1", "S0"});
    d.Liga(vs, {n1, n0});
    d.Liga(rs, {n1, n2});
    d.Liga(t, {n2, n0, s1, s0});
    d.Liga(rl, {s1, s0});
    Conferir(d.S, "Vs", "E(RL)", {"Rs", "RL", "N"}, [](const TValores& v, C) {
        return testsis::TransformadorComCarga(v.at("N"), v.at("Rs"), v.at("RL"));
    });
}

TEST(SisFisico, MassSpringDamperDrivenByAForce) {
    for (const bool referencia : {true, false}) {
        TDesenho d;
        const auto f = d.Comp(kTipoMctFonteForca, "F1", "F");
        const auto m = d.Comp(kTipoMctMassa, "M1", "M");
        const auto k = d.Comp(kTipoMctMola, "K1", "K");
        const auto b = d.Comp(kTipoMctAmortecedor, "B1", "B");
        const auto [va, vb] = d.Verts(kTipoMctVertice, {"Va", "Vb"});
        d.Liga(f, {va});
        d.Liga(m, {va, vb});
        if (referencia) {
            const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref");
            const auto g = d.Vert(kTipoMctVertice, "G");
            d.Liga(k, {vb, g});
            d.Liga(b, {g, vb});
            d.Liga(ref, {g});
        } else {
            // No reference drawn: the wall is a velocity source held at zero (only the input is
            // driven), which ties the far ends of the spring and the damper to the reference the
            // conversion adds.
            const auto wall = d.Comp(kTipoMctFonteVelocidade, "Parede", "V0");
            const auto g = d.Vert(kTipoMctVertice, "G");
            d.Liga(k, {vb, g});
            d.Liga(b, {g, vb});
            d.Liga(wall, {g});
        }
        Conferir(d.S, "F1", "E(M1)", {"M", "K", "B", "V0"}, [](const TValores& v, C s) {
            return testsis::MassaMolaAmortecedor(v.at("M"), v.at("B"), v.at("K"), s);
        });
    }
}

TEST(SisFisico, MassWithFrictionDrivenByAForceWithoutADrawnReference) {
    TDesenho d;
    testsis::DesenharMassaComAtrito(d);
    Conferir(d.S, "F1", "E(MB1_M)", {"M1", "B1"},
             [](const TValores& v, C s) { return testsis::MassaComAtrito(v.at("M1"), 2.5 * v.at("B1"), s); });
}

TEST(SisFisico, TwoMassesJoinedByASpring) {
    TDesenho d;
    const auto f = d.Comp(kTipoMctFonteForca, "F1", "F");
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto b1 = d.Comp(kTipoMctAmortecedor, "B1", "B1");
    const auto k = d.Comp(kTipoMctMola, "K1", "K");
    const auto m2 = d.Comp(kTipoMctMassa, "M2", "M2");
    const auto b2 = d.Comp(kTipoMctAmortecedor, "B2", "B2");
    const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref");
    const auto [x1, x2, g] = d.Verts(kTipoMctVertice, {"X1", "X2", "G"});
    d.Liga(f, {x1});
    d.Fio(m1, 1, x1, 1);
    d.Fio(m1, 2, b1, 1);
    d.Fio(b1, 2, g, 1);
    d.Liga(k, {x1, x2});
    d.Liga(m2, {x2, x2});
    d.Liga(b2, {x2, g});
    d.Liga(ref, {g});
    Conferir(d.S, "F1", "E(M2)", {"M1", "M2", "B1", "B2", "K"}, [](const TValores& v, C s) {
        return testsis::DuasMassasPorMola(v.at("M1"), v.at("B1"), v.at("M2"), v.at("B2"), v.at("K"), s);
    });
}

TEST(SisFisico, ReservoirFedThroughAPipe) {
    // A pressure source through a pipe into a reservoir.
    TDesenho d;
    const auto p = d.Comp(kTipoHidFontePressao, "P1", "P");
    const auto rf = d.Comp(kTipoHidTuboResistor, "Rf1", "Rf");
    const auto c = d.Comp(kTipoHidReservatorio1Cnt, "C1", "Cf");
    const auto [h1, h2] = d.Verts(kTipoHidVertice, {"H1", "H2"});
    d.Liga(p, {h1});
    d.Liga(rf, {h1, h2});
    d.Liga(c, {h2});
    Conferir(d.S, "P1", "E(C1)", {"Rf", "Cf"},
             [](const TValores& v, C s) { return testsis::ReservatorioPorTubo(v.at("Rf"), v.at("Cf"), s); });
}

TEST(SisFisico, DCMotorWithTheElectricalRotationalCoupler) {
    TDesenho d;
    testsis::DesenharMotorCC(d, false);
    Conferir(d.S, "Va", "E(J_J)", {"Ra", "La", "Kb", "Kt", "J", "B"}, [](const TValores& v, C s) {
        return testsis::MotorCC(v.at("Ra"), v.at("La"), v.at("Kb"), v.at("Kt"), v.at("J"), v.at("B"), s);
    });
}

TEST(SisFisico, RackAndPinionCouplesTranslationToRotation) {
    // A torque source turns a pinion of radius r (translational / rotational coupler): the rack's
    // velocity is r.W and the torque the rack's force takes is r.F. With a mass M on the rack and an
    // inertia J on the shaft, W / T = 1 / ((J + M.r^2).s).
    TDesenho d;
    const auto t = d.Comp(kTipoMcrFonteTorque, "T1", "T");
    const auto j = d.Comp(kTipoMcrInercia, "J1", "J");
    // Port 1 translational, port 2 rotational: W = V / r and T = r.F.
    const auto pinhao = d.Comp(kTipoAcpMctMcr, "P", "r^-1;0;0;r");
    const auto m = d.Comp(kTipoMctMassa, "M1", "M");
    const auto w = d.Vert(kTipoMcrVertice, "W");
    const auto x = d.Vert(kTipoMctVertice, "X");
    d.Liga(t, {w});
    d.Liga(j, {w, w});
    d.Liga(pinhao, {x, w});
    d.Liga(m, {x, x});
    Conferir(d.S, "T1", "E(J1)", {"J", "M", "r"}, [](const TValores& v, C s) {
        return 1.0 / ((v.at("J") + v.at("M") * v.at("r") * v.at("r")) * s);
    });
}

TEST(SisFisico, ControlledSourcesFollowTheirVariables) {
    // A divider R1, R2 drives a voltage amplifier of gain A into RL and a current amplifier of gain
    // Bt into RM: E(RL) = A.R2 / (R1 + R2) and E(RM) = Bt.RM / (R1 + R2).
    const auto desenhar = [](TDesenho& d) {
        const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
        const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
        const auto r2 = d.Comp(kTipoEleResistor, "R2", "R2");
        const auto vc = d.Comp(kTipoEleFonteTensaoCtrl, "Vc", "A", "v(R2)");
        const auto rl = d.Comp(kTipoEleResistor, "RL", "RL");
        const auto ic = d.Comp(kTipoEleFonteCorrenteCtrl, "Ic", "Bt", "i(R1)");
        const auto rm = d.Comp(kTipoEleResistor, "RM", "RM");
        const auto [n1, n2, n3, n4, n0] = d.Verts(kTipoEleVertice, {"N1", "N2", "N3", "N4", "N0"});
        d.Liga(vs, {n1, n0});
        d.Liga(r1, {n1, n2});
        d.Liga(r2, {n2, n0});
        d.Liga(vc, {n3, n0});
        d.Liga(rl, {n3, n0});
        d.Liga(ic, {n4, n0});
        d.Liga(rm, {n4, n0});
    };
    const std::vector<std::string> simbolos = {"R1", "R2", "A", "RL", "Bt", "RM"};
    TDesenho d1;
    desenhar(d1);
    Conferir(d1.S, "Vs", "E(RL)", simbolos, [](const TValores& v, C) {
        return testsis::DivisorAmplificado(v.at("A"), v.at("R1"), v.at("R2"));
    });
    TDesenho d2;
    desenhar(d2);
    Conferir(d2.S, "Vs", "E(RM)", simbolos,
             [](const TValores& v, C) { return C(v.at("Bt") * v.at("RM") / (v.at("R1") + v.at("R2"))); });
}
