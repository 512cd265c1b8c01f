// Textbook physical systems drawn as system documents, taken through the whole analysis (model,
// linear graph, signal-flow diagram, Mason's formula) and compared at random points with their
// transfer functions worked out by hand. Mobility analogy: velocity, angular velocity, pressure and
// voltage are efforts; force, torque, volume flow and current are flows.

#include "core/system/SisDocTestUtil.h"
#include "core/system/SisFormulasTestUtil.h"
#include "system/UnitVFSistemaFT.h"

#include <gtest/gtest.h>

#include <complex>
#include <map>

using namespace brelix;
using namespace brelix::testing;

namespace {

using Complex = testsis::Complexo;
using Valores = testsis::TValores;

// The function from input to output (a pair the choice offers) compared with the hand formula at
// random symbol values and complex S; the function holds no symbol the formula does not know.
template <class Formula>
void Conferir(TVFSistema& doc, const std::string& entrada, const std::string& saida,
              const std::vector<std::string>& symbols, Formula formula) {
    SCOPED_TRACE(entrada + " -> " + saida);
    const TSistemaParaFT preparo = PrepareFT(doc);
    ASSERT_TRUE(preparo.Ok()) << (preparo.Validacao.Problemas.empty() ? preparo.Validacao.Mensagem
                                                                      : preparo.Validacao.Problemas[0]);
    const TFTSistema ft = ComputeFT(doc, preparo, entrada, saida);
    ASSERT_TRUE(ft.Ok()) << ft.Mensagem;
    for (const TSimboloVal& s : ft.Simbolos)
        EXPECT_TRUE(s.Nome == kSimboloDFS ||
                    std::find(symbols.begin(), symbols.end(), s.Nome) != symbols.end())
            << "unexpected symbol " << s.Nome;
    const auto got = [&](const Valores& v, Complex s) { return ft.Funcao.ValorEm(apoio::Valores(v), s); };
    testsis::CompararEmPontos(symbols, got, formula);
}

// An n-section ladder: a voltage source, then per section a series resistor (and inductor) and a
// shunt capacitor; the output is the last capacitor's voltage. The last capacitor is grounded at a
// vertex of its own wired to the ground vertex.
Desenho Ladder(int n, bool inductors) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A0", "G"});
    for (int k = 1; k <= n; ++k) {
        const std::string prev = "A" + std::to_string(k - 1);
        const std::string mid = "B" + std::to_string(k);
        const std::string next = "A" + std::to_string(k);
        if (inductors) {
            d.C(kTipoEleResistor, {prev.c_str(), mid.c_str()});
            d.C(kTipoEleIndutor, {mid.c_str(), next.c_str()});
        } else {
            d.C(kTipoEleResistor, {prev.c_str(), next.c_str()});
        }
        d.C(kTipoEleCapacitor, {next.c_str(), k == n ? "H" : "G"});
    }
    d.W("H", "G");
    return d;
}

// The ladder by transmission matrices: the chain [a b; c d] times each section's [1 Z; 0 1][1 0; Y 1];
// the output voltage over the input voltage with no load is 1 / a.
Complex LadderFormula(const Valores& v, Complex s, int n, bool inductors) {
    Complex a = 1, b = 0, c = 0, d = 1;
    for (int k = 1; k <= n; ++k) {
        const std::string i = std::to_string(k);
        const Complex z = v.at("R" + i) + (inductors ? s * v.at("L" + i) : Complex(0));
        const Complex y = s * v.at("C" + i);
        const Complex bz = a * z + b, dz = c * z + d;
        a += bz * y, b = bz, c += dz * y, d = dz;
    }
    return 1.0 / a;
}

} // namespace

TEST(PhysicalSystems, SeriesRLCCircuitWiredStraightFromComponentToComponent) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G"});
    TVOSisComp& r = d.C(kTipoEleResistor, {"A", ""});
    TVOSisComp& l = d.C(kTipoEleIndutor, {"", ""});
    TVOSisComp& c = d.C(kTipoEleCapacitor, {"", "G"});
    Connect(*d.doc, r, 2, l, 1); // the conversion puts a vertex on each of these wires
    Connect(*d.doc, l, 2, c, 1);
    // The capacitor's voltage over the source's: 1 / (L.C.s^2 + R.C.s + 1).
    Conferir(*d.doc, "E(FonteTensao1)", "E(Capacitor1)", {"R1", "L1", "C1"}, [](const Valores& v, Complex s) {
        return 1.0 / (v.at("L1") * v.at("C1") * s * s + v.at("R1") * v.at("C1") * s + 1.0);
    });
    // The loop current over the source voltage: the admittance of the series branch.
    Conferir(*d.doc, "E(FonteTensao1)", "F(Resistor1)", {"R1", "L1", "C1"}, [](const Valores& v, Complex s) {
        return 1.0 / (v.at("R1") + v.at("L1") * s + 1.0 / (v.at("C1") * s));
    });
}

TEST(PhysicalSystems, RCAndRLCLadders) {
    for (bool inductors : {false, true})
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(std::to_string(n) + (inductors ? " RLC" : " RC"));
            Desenho d = Ladder(n, inductors);
            std::vector<std::string> symbols;
            for (int k = 1; k <= n; ++k)
                for (const std::string p : {"R", "C", "L"})
                    if (p != "L" || inductors) symbols.push_back(p + std::to_string(k));
            Conferir(
                *d.doc, "E(FonteTensao1)", "E(Capacitor" + std::to_string(n) + ")", symbols,
                [n, inductors](const Valores& v, Complex s) { return LadderFormula(v, s, n, inductors); });
        }
}

TEST(PhysicalSystems, MassSpringDamperWithADrawnReferenceOrAWallHeldStill) {
    for (const bool referencia : {true, false}) {
        SCOPED_TRACE(referencia ? "reference" : "wall");
        Desenho d;
        d.C(kTipoMctFonteForca, {"V1"});
        d.C(kTipoMctMassa, {"V1", "V2"});
        d.C(kTipoMctMola, {"V2", "Ground"});
        d.C(kTipoMctAmortecedor, {"V2", "Ground"});
        // Without a reference the wall is a velocity source held at zero (only the input is driven),
        // which ties the far ends of the spring and the damper to the reference the conversion adds.
        d.C(referencia ? kTipoMctReferencia : kTipoMctFonteVelocidade, {"Ground"});
        const std::vector<std::string> symbols = {"M1", "K1", "B1", "V1"};
        // The mass's velocity over the force: s / (M.s^2 + B.s + K).
        Conferir(*d.doc, "F(FonteForca1)", "E(Massa1)", symbols, [](const Valores& v, Complex s) {
            return s / (v.at("M1") * s * s + v.at("B1") * s + v.at("K1"));
        });
        // The spring's force over the applied force.
        Conferir(*d.doc, "F(FonteForca1)", "F(Mola1)", symbols, [](const Valores& v, Complex s) {
            return v.at("K1") / (v.at("M1") * s * s + v.at("B1") * s + v.at("K1"));
        });
    }
}

TEST(PhysicalSystems, MassWithFrictionAndNoDrawnReference) {
    Desenho d;
    d.C(kTipoMctFonteForca, {"V1"});
    TVOSisComp& mb = d.C(kTipoMctMassaAtrito, {"V1", "V2"});
    ASSERT_TRUE(mb.SetGain(2, "2,5.B1"));
    d.W("V1", "V2"); // both sides on one vertex: the conversion adds the reference
    Conferir(*d.doc, "F(FonteForca1)", "E(MassaAtrito1_M)", {"M1", "B1"},
             [](const Valores& v, Complex s) { return 1.0 / (v.at("M1") * s + 2.5 * v.at("B1")); });
}

TEST(PhysicalSystems, TwoMassesJoinedByASpring) {
    Desenho d;
    d.C(kTipoMctFonteForca, {"X1"});
    TVOSisComp& m1 = d.C(kTipoMctMassa, {"X1", ""});
    TVOSisComp& b1 = d.C(kTipoMctAmortecedor, {"", "G"});
    Connect(*d.doc, m1, 2, b1, 1);
    d.C(kTipoMctMola, {"X1", "X2"});
    d.C(kTipoMctMassa, {"X2", "X2"});
    d.C(kTipoMctAmortecedor, {"X2", "G"});
    d.C(kTipoMctReferencia, {"G"});
    // In displacements (M1.s^2 + B1.s + K).x1 - K.x2 = F and (M2.s^2 + B2.s + K).x2 = K.x1, so the
    // velocity of mass 2 over the force is s.K / ((M1.s^2 + B1.s + K).(M2.s^2 + B2.s + K) - K^2).
    Conferir(*d.doc, "F(FonteForca1)", "E(Massa2)", {"M1", "M2", "B1", "B2", "K1"},
             [](const Valores& v, Complex s) {
                 const Complex k = v.at("K1");
                 const Complex p1 = v.at("M1") * s * s + v.at("B1") * s + k;
                 const Complex p2 = v.at("M2") * s * s + v.at("B2") * s + k;
                 return s * k / (p1 * p2 - k * k);
             });
}

TEST(PhysicalSystems, RotationalInertiaWithFrictionDrivenByATorque) {
    Desenho d;
    d.C(kTipoMcrFonteTorque, {"W1"});
    d.C(kTipoMcrInerciaAtrito, {"W1", "W1"});
    Conferir(*d.doc, "F(FonteTorque1)", "E(InerciaAtrito1_J)", {"J1", "B1"},
             [](const Valores& v, Complex s) { return 1.0 / (v.at("J1") * s + v.at("B1")); });
    // The torque taken by the friction.
    Conferir(*d.doc, "F(FonteTorque1)", "F(InerciaAtrito1_B)", {"J1", "B1"},
             [](const Valores& v, Complex s) { return v.at("B1") / (v.at("J1") * s + v.at("B1")); });
}

TEST(PhysicalSystems, ReservoirFedThroughAPipe) {
    Desenho d;
    d.C(kTipoHidFontePressao, {"P1"});
    d.C(kTipoHidTuboResistor, {"P1", "P2"});
    d.C(kTipoHidReservatorio1Cnt, {"P2"});
    Conferir(*d.doc, "E(FontePressao1)", "E(Reservatorio1Cnt1)", {"Rf1", "Cf1"},
             [](const Valores& v, Complex s) { return 1.0 / (v.at("Rf1") * v.at("Cf1") * s + 1.0); });
    // Through an inertive pipe into a two-connection reservoir that drains through a resistive one.
    Desenho e;
    e.C(kTipoHidFonteVazao, {"P1"});
    e.C(kTipoHidTuboIndutor, {"P1", "P2"});
    e.C(kTipoHidReservatorio2Cnt, {"P2", "P3"});
    e.C(kTipoHidTuboResistor, {"P3", "Ground"});
    e.C(kTipoHidReferencia, {"Ground"});
    Conferir(*e.doc, "F(FonteVazao1)", "E(Reservatorio2Cnt1)", {"Lf1", "Cf1", "Rf1"},
             [](const Valores& v, Complex s) { return 1.0 / (v.at("Cf1") * s + 1.0 / v.at("Rf1")); });
}

TEST(PhysicalSystems, ElectricalTransformer) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G1"});
    d.C(kTipoEleResistor, {"A", "P"});
    d.C(kTipoEleTransformador, {"P", "G1", "S", "G2"}); // v1 = N.v2 and i2 = N.i1
    d.C(kTipoEleResistor, {"S", "G2"});
    // The load is seen as N^2.R2: its voltage over the source's is N.R2 / (R1 + N^2.R2).
    Conferir(*d.doc, "E(FonteTensao1)", "E(Resistor2)", {"R1", "R2", "N1"}, [](const Valores& v, Complex) {
        return Complex(v.at("N1") * v.at("R2") / (v.at("R1") + v.at("N1") * v.at("N1") * v.at("R2")));
    });
}

TEST(PhysicalSystems, DCMotorDrawnWithTheElectricalRotationalCoupler) {
    // The armature wired straight from component to component, the inertia grounded by a reference.
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G"});
    TVOSisComp& r = d.C(kTipoEleResistor, {"A", ""});
    TVOSisComp& l = d.C(kTipoEleIndutor, {"", ""});
    TVOSisComp& motor = d.C(kTipoAcpEleMcr, {"", "G", "W"});
    Connect(*d.doc, r, 2, l, 1);
    Connect(*d.doc, l, 2, motor, 1);
    d.C(kTipoMcrInerciaAtrito, {"W", "Wr"});
    d.C(kTipoMcrReferencia, {"Wr"});
    // An ideal machine: the speed is the back voltage over Kb, the torque Kt times the current.
    ASSERT_TRUE(motor.SetGain(1, "Kb^-1"));
    ASSERT_TRUE(motor.SetGain(2, "0"));
    ASSERT_TRUE(motor.SetGain(3, "0"));
    ASSERT_TRUE(motor.SetGain(4, "Kt"));
    Conferir(*d.doc, "E(FonteTensao1)", "E(InerciaAtrito1_J)", {"R1", "L1", "Kb", "Kt", "J1", "B1"},
             [](const Valores& v, Complex s) {
                 return testsis::MotorCC(v.at("R1"), v.at("L1"), v.at("Kb"), v.at("Kt"), v.at("J1"),
                                         v.at("B1"), s);
             });
}

TEST(PhysicalSystems, RackAndPinionCouplesTranslationToRotation) {
    // A torque turns a pinion of radius r (the translational / rotational coupler, port 1
    // translational): W = V / r and T = r.F. With a mass M on the rack and an inertia J on the
    // shaft, W / T = 1 / ((J + M.r^2).s).
    Desenho d;
    d.C(kTipoMcrFonteTorque, {"W"});
    d.C(kTipoMcrInercia, {"W", "W"});
    TVOSisComp& pinhao = d.C(kTipoAcpMctMcr, {"X", "W"});
    d.C(kTipoMctMassa, {"X", "X"});
    ASSERT_TRUE(pinhao.SetGain(0, "r^-1;0;0;r"));
    Conferir(*d.doc, "F(FonteTorque1)", "E(Inercia1)", {"J1", "M1", "r"}, [](const Valores& v, Complex s) {
        return 1.0 / ((v.at("J1") + v.at("M1") * v.at("r") * v.at("r")) * s);
    });
}

TEST(PhysicalSystems, ControlledSourcesFollowTheBranchesTheyName) {
    // A divider R1, R2 drives a voltage amplifier of gain Kv1 into R3 and a current amplifier of
    // gain Ki1 into R4: E(R3) = Kv1.R2 / (R1 + R2) and E(R4) = Ki1.R4 / (R1 + R2).
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G"});
    TVOSisComp& r1 = d.C(kTipoEleResistor, {"A", "B"});
    TVOSisComp& r2 = d.C(kTipoEleResistor, {"B", "G"});
    TVOSisComp& vc = d.C(kTipoEleFonteTensaoCtrl, {"C", "G"});
    d.C(kTipoEleResistor, {"C", "G"});
    TVOSisComp& ic = d.C(kTipoEleFonteCorrenteCtrl, {"D", "G"});
    d.C(kTipoEleResistor, {"D", "G"});
    vc.SetControlVariable(r2.EffortVariable(1));
    ic.SetControlVariable(r1.FlowVariable(1));
    EXPECT_EQ(vc.ControlVariable(), "v(Resistor2)");
    EXPECT_EQ(ic.ControlVariable(), "i(Resistor1)");
    const std::vector<std::string> symbols = {"R1", "R2", "R3", "R4", "Kv1", "Ki1"};
    Conferir(*d.doc, "E(FonteTensao1)", "E(Resistor3)", symbols, [](const Valores& v, Complex) {
        return Complex(v.at("Kv1") * v.at("R2") / (v.at("R1") + v.at("R2")));
    });
    Conferir(*d.doc, "E(FonteTensao1)", "E(Resistor4)", symbols, [](const Valores& v, Complex) {
        return Complex(v.at("Ki1") * v.at("R4") / (v.at("R1") + v.at("R2")));
    });
    // The model stores the graph's names of the variables.
    const TSistema* model = d.doc->Modelo();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->Elementos().Find(vc.ID())->VarControle, "E(Resistor2)");
    EXPECT_EQ(model->Elementos().Find(ic.ID())->VarControle, "F(Resistor1)");
}
