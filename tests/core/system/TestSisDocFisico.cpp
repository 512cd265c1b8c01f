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

// A drawing in progress: vertices by name, components wired terminal by terminal to vertices.
struct Desenho {
    std::unique_ptr<TVFSistema> doc = NewSistema("Teste");
    std::map<std::string, TVOElemento*> vertices;
    std::int32_t x = 20;

    TVOElemento& V(const std::string& name, std::int32_t kind) {
        TVOElemento*& v = vertices[name];
        if (v == nullptr) v = &PlaceKind(*doc, kind, {x += 40, 300});
        return *v;
    }
    // A component of the kind, its terminal i wired to the vertex named vs[i - 1] (made with the
    // vertex kind of that terminal's domain on first use).
    TVOSisComp& C(std::int32_t kind, std::initializer_list<const char*> vs) {
        TVOSisComp& c = PlaceComp(*doc, kind, {x += 40, 100});
        std::int32_t t = 0;
        for (const char* name : vs) {
            ++t;
            const std::int32_t domain = SisTerminalDomain(*SisKind(kind), t);
            Connect(*doc, c, t, V(name, SisVertexClass(domain)->Kind), 1);
        }
        return c;
    }
    // A wire between two vertices.
    void W(const std::string& a, const std::string& b) {
        Connect(*doc, *vertices.at(a), 1, *vertices.at(b), 1);
    }
};

TListSimboloVal Lista(const Valores& v) {
    TListSimboloVal l;
    for (const auto& [name, value] : v)
        l.AddSimbolo(name, value);
    return l;
}

// The function from input to output, after checking that the pair is offered.
TFTSistema Funcao(TVFSistema& doc, const std::string& entrada, const std::string& saida) {
    const TSistemaParaFT preparo = PrepareFT(doc);
    EXPECT_TRUE(preparo.Ok()) << (preparo.Validacao.Problemas.empty() ? preparo.Validacao.Mensagem
                                                                      : preparo.Validacao.Problemas[0]);
    const TFTSistema ft = ComputeFT(doc, preparo, entrada, saida);
    EXPECT_TRUE(ft.Ok()) << ft.Mensagem;
    return ft;
}

// Compares the function with the hand formula at random symbol values and complex S; the function
// holds no symbol the formula does not know.
template <class Formula>
void Comparar(const TFTSistema& ft, const std::vector<std::string>& symbols, Formula formula) {
    ASSERT_TRUE(ft.Ok());
    for (const TSimboloVal& s : ft.Simbolos) {
        const bool known =
            s.Nome == kSimboloDFS || std::find(symbols.begin(), symbols.end(), s.Nome) != symbols.end();
        EXPECT_TRUE(known) << "unexpected symbol " << s.Nome;
    }
    const auto got = [&](const Valores& v, Complex s) { return ft.Funcao.ValorEm(Lista(v), s); };
    testsis::CompararEmPontos(symbols, got, formula);
}

// An n-section ladder: a voltage source, then per section a series resistor (and inductor) and a
// shunt capacitor; the output is the last capacitor's voltage.
Desenho Ladder(int n, bool inductors) {
    Desenho d;
    d.C(2, {"A0", "G"});
    for (int k = 1; k <= n; ++k) {
        const std::string prev = "A" + std::to_string(k - 1);
        const std::string mid = "B" + std::to_string(k);
        const std::string next = "A" + std::to_string(k);
        if (inductors) {
            d.C(6, {prev.c_str(), mid.c_str()});
            d.C(7, {mid.c_str(), next.c_str()});
        } else {
            d.C(6, {prev.c_str(), next.c_str()});
        }
        d.C(8, {next.c_str(), "G"});
    }
    return d;
}

// The ladder by transmission matrices: each section [1 Z; 0 1][1 0; Y 1]; the output voltage over
// the input voltage with no load is 1 / A of the chain.
Complex LadderFormula(const Valores& v, Complex s, int n, bool inductors) {
    Complex a = 1, b = 0, c = 0, d = 1;
    for (int k = 1; k <= n; ++k) {
        const std::string i = std::to_string(k);
        // Descriptions and numbers of the drawing: resistor k, inductor k, capacitor k.
        const Complex z = v.at("R" + i) + (inductors ? s * v.at("L" + i) : Complex(0));
        const Complex y = s * v.at("C" + i);
        // [a b; c d] x [1 z; 0 1] x [1 0; y 1]
        const Complex a1 = a, b1 = a * z + b, c1 = c, d1 = c * z + d;
        a = a1 + b1 * y;
        b = b1;
        c = c1 + d1 * y;
        d = d1;
    }
    return 1.0 / a;
}

std::vector<std::string> LadderSymbols(int n, bool inductors) {
    std::vector<std::string> s;
    for (int k = 1; k <= n; ++k) {
        s.push_back("R" + std::to_string(k));
        s.push_back("C" + std::to_string(k));
        if (inductors) s.push_back("L" + std::to_string(k));
    }
    return s;
}

} // namespace

TEST(PhysicalSystems, SeriesRLCCircuit) {
    Desenho d;
    d.C(2, {"A", "G"});
    d.C(6, {"A", "B"});
    d.C(7, {"B", "C"});
    d.C(8, {"C", "G"});
    const TFTSistema ft = Funcao(*d.doc, "E(FonteTensao1)", "E(Capacitor1)");
    EXPECT_EQ(ft.Titulo, "TesteFT");
    Comparar(ft, {"R1", "L1", "C1"}, [](const Valores& v, Complex s) {
        return testsis::RLCSerieNoCapacitor(v.at("R1"), v.at("L1"), v.at("C1"), s);
    });
    // The loop current over the source voltage: the admittance of the series branch.
    Comparar(Funcao(*d.doc, "E(FonteTensao1)", "F(Resistor1)"), {"R1", "L1", "C1"},
             [](const Valores& v, Complex s) {
                 return 1.0 / (v.at("R1") + v.at("L1") * s + 1.0 / (v.at("C1") * s));
             });
}

TEST(PhysicalSystems, RCAndRLCLadders) {
    for (bool inductors : {false, true})
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(std::to_string(n) + (inductors ? " RLC" : " RC"));
            Desenho d = Ladder(n, inductors);
            const TFTSistema ft = Funcao(*d.doc, "E(FonteTensao1)", "E(Capacitor" + std::to_string(n) + ")");
            Comparar(ft, LadderSymbols(n, inductors), [n, inductors](const Valores& v, Complex s) {
                return LadderFormula(v, s, n, inductors);
            });
        }
}

TEST(PhysicalSystems, MassSpringDamperWithADrawnReference) {
    Desenho d;
    d.C(13, {"V1"});           // force source
    d.C(17, {"V1", "V2"});     // mass
    d.C(16, {"V2", "Ground"}); // spring
    d.C(15, {"V2", "Ground"}); // damper
    d.C(20, {"Ground"});       // reference
    const TFTSistema ft = Funcao(*d.doc, "F(FonteForca1)", "E(Massa1)");
    Comparar(ft, {"M1", "K1", "B1"}, [](const Valores& v, Complex s) {
        return testsis::MassaMolaAmortecedor(v.at("M1"), v.at("B1"), v.at("K1"), s);
    });
    // The spring's force over the applied force.
    Comparar(Funcao(*d.doc, "F(FonteForca1)", "F(Mola1)"), {"M1", "K1", "B1"},
             [](const Valores& v, Complex s) {
                 return v.at("K1") / (v.at("M1") * s * s + v.at("B1") * s + v.at("K1"));
             });
}

TEST(PhysicalSystems, MassWithFrictionAndNoDrawnReference) {
    Desenho d;
    d.C(13, {"V1"});
    d.C(18, {"V1", "V2"});
    d.W("V1", "V2");
    const TSistemaParaGrafo g = d.doc->SystemToGraph();
    ASSERT_TRUE(g.Ok());
    EXPECT_NE(g.Grafo->FindVerticeNome("RefMct"), nullptr) << "the conversion adds the reference";
    Comparar(Funcao(*d.doc, "F(FonteForca1)", "E(MassaAtrito1_M)"), {"M1", "B1"},
             [](const Valores& v, Complex s) { return testsis::MassaComAtrito(v.at("M1"), v.at("B1"), s); });
}

TEST(PhysicalSystems, TwoMassesJoinedByASpring) {
    Desenho d;
    d.C(13, {"V1"});
    d.C(17, {"V1", "V1"});
    d.C(16, {"V1", "V2"});
    d.C(17, {"V2", "V2"});
    // No damping: the masses float, joined by the spring alone.
    Comparar(Funcao(*d.doc, "F(FonteForca1)", "E(Massa2)"), {"M1", "M2", "K1"},
             [](const Valores& v, Complex s) {
                 return testsis::DuasMassasPorMola(v.at("M1"), 0.0, v.at("M2"), 0.0, v.at("K1"), s);
             });
}

TEST(PhysicalSystems, RotationalInertiaWithFrictionDrivenByATorque) {
    Desenho d;
    d.C(24, {"W1"});
    d.C(29, {"W1", "W1"});
    Comparar(Funcao(*d.doc, "F(FonteTorque1)", "E(InerciaAtrito1_J)"), {"J1", "B1"},
             [](const Valores& v, Complex s) { return testsis::MassaComAtrito(v.at("J1"), v.at("B1"), s); });
    // The torque taken by the friction.
    Comparar(Funcao(*d.doc, "F(FonteTorque1)", "F(InerciaAtrito1_B)"), {"J1", "B1"},
             [](const Valores& v, Complex s) { return v.at("B1") / (v.at("J1") * s + v.at("B1")); });
}

TEST(PhysicalSystems, ReservoirFedThroughAPipe) {
    Desenho d;
    d.C(33, {"P1"});
    d.C(37, {"P1", "P2"});
    d.C(39, {"P2"});
    Comparar(Funcao(*d.doc, "E(FontePressao1)", "E(Reservatorio1Cnt1)"), {"Rf1", "Cf1"},
             [](const Valores& v, Complex s) {
                 return testsis::ReservatorioPorTubo(v.at("Rf1"), v.at("Cf1"), s);
             });
    // Through an inertive pipe into a two-connection reservoir that drains through a resistive one.
    Desenho e;
    e.C(35, {"P1"});
    e.C(38, {"P1", "P2"});
    e.C(40, {"P2", "P3"});
    e.C(37, {"P3", "Ground"});
    e.C(42, {"Ground"});
    Comparar(Funcao(*e.doc, "F(FonteVazao1)", "E(Reservatorio2Cnt1)"), {"Lf1", "Cf1", "Rf1"},
             [](const Valores& v, Complex s) { return 1.0 / (v.at("Cf1") * s + 1.0 / v.at("Rf1")); });
}

TEST(PhysicalSystems, ElectricalTransformer) {
    Desenho d;
    d.C(2, {"A", "G1"});
    d.C(6, {"A", "P"});
    d.C(9, {"P", "G1", "S", "G2"}); // i2 = N.i1 and v2 = v1 / N
    d.C(6, {"S", "G2"});
    Comparar(Funcao(*d.doc, "E(FonteTensao1)", "E(Resistor2)"), {"R1", "R2", "N1"},
             [](const Valores& v, Complex) {
                 return testsis::TransformadorComCarga(v.at("N1"), v.at("R1"), v.at("R2"));
             });
}

TEST(PhysicalSystems, DCMotorDrawnWithTheElectricalRotationalCoupler) {
    Desenho d;
    d.C(2, {"A", "G"});
    d.C(6, {"A", "B"});
    d.C(7, {"B", "C"});
    TVOSisComp& motor = d.C(44, {"C", "G", "W"});
    d.C(29, {"W", "W"});
    // An ideal machine of constant Km: the speed is the back voltage over Km, the torque Km times the
    // current.
    ASSERT_TRUE(motor.SetGain(1, "Km^-1"));
    ASSERT_TRUE(motor.SetGain(2, "0"));
    ASSERT_TRUE(motor.SetGain(3, "0"));
    ASSERT_TRUE(motor.SetGain(4, "Km"));
    Comparar(Funcao(*d.doc, "E(FonteTensao1)", "E(InerciaAtrito1_J)"), {"R1", "L1", "Km", "J1", "B1"},
             [](const Valores& v, Complex s) {
                 return testsis::MotorCC(v.at("R1"), v.at("L1"), v.at("Km"), v.at("Km"), v.at("J1"),
                                         v.at("B1"), s);
             });
}

TEST(PhysicalSystems, AControlledSourceFollowsTheBranchItNames) {
    // A divider R1, R2 feeds a voltage-controlled voltage source of gain Kv1 that drives R3.
    Desenho d;
    d.C(2, {"A", "G"});
    d.C(6, {"A", "B"});
    TVOSisComp& r2 = d.C(6, {"B", "G"});
    TVOSisComp& amp = d.C(3, {"C", "G"});
    d.C(6, {"C", "G"});
    amp.SetControlVariable(r2.EffortVariable(1));
    EXPECT_EQ(amp.ControlVariable(), "v(Resistor2)");
    Comparar(Funcao(*d.doc, "E(FonteTensao1)", "E(Resistor3)"), {"R1", "R2", "R3", "Kv1"},
             [](const Valores& v, Complex) {
                 return testsis::DivisorAmplificado(v.at("Kv1"), v.at("R1"), v.at("R2"));
             });
    // The model stores the graph's name of the variable.
    const TSistema* model = d.doc->Modelo();
    ASSERT_NE(model, nullptr);
    const TElemento* e = model->Elementos().Find(amp.ID());
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->VarControle, "E(Resistor2)");
}
