// Textbook physical systems drawn as system documents and taken through the whole analysis (model,
// linear graph, signal-flow diagram, Mason's formula), compared at random points with their transfer
// functions worked out by hand. Mobility analogy: velocity, angular velocity, pressure and voltage
// are efforts; force, torque, volume flow and current are flows.

#include "core/system/SisDocTestUtil.h"
#include "support/SolucaoLinear.h"
#include "system/UnitVFSistemaFT.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>

using namespace brelix;
using namespace brelix::testing;

namespace {

using C = apoio::Complexo;
using V = apoio::ValoresSimbolos;

// A system, the pair of variables its function joins, the symbols of the formula (separated by
// spaces) and the formula.
struct TLivro {
    std::string Nome;
    std::function<void(Desenho&)> Desenhar;
    std::string Entrada, Saida, Simbolos;
    std::function<C(const V&, C)> Formula;
};

// An n-section ladder: a voltage source, then per section a series resistor (and inductor) and a
// shunt capacitor; the last capacitor is grounded at a vertex of its own wired to the ground vertex.
void Escada(Desenho& d, int n, bool indutores) {
    d.C(kTipoEleFonteTensao, {"A0", "G"});
    for (int k = 1; k <= n; ++k) {
        const std::string ant = "A" + std::to_string(k - 1), meio = "B" + std::to_string(k);
        const std::string prox = "A" + std::to_string(k);
        d.C(kTipoEleResistor, {ant.c_str(), (indutores ? meio : prox).c_str()});
        if (indutores) d.C(kTipoEleIndutor, {meio.c_str(), prox.c_str()});
        d.C(kTipoEleCapacitor, {prox.c_str(), k == n ? "H" : "G"});
    }
    d.W("H", "G");
}

// The ladder by transmission matrices: the chain [a b; c d] times each section's [1 Z; 0 1][1 0; Y 1];
// the unloaded output voltage over the input voltage is 1 / a.
C EscadaFormula(const V& v, C s, int n, bool indutores) {
    C a = 1, b = 0, c = 0, d = 1;
    for (int k = 1; k <= n; ++k) {
        const std::string i = std::to_string(k);
        const C z = v.at("R" + i) + (indutores ? s * v.at("L" + i) : C(0));
        const C y = s * v.at("C" + i);
        const C bz = a * z + b, dz = c * z + d;
        a += bz * y, b = bz, c += dz * y, d = dz;
    }
    return 1.0 / a;
}

std::vector<TLivro> Livros() {
    std::vector<TLivro> l;
    // Series RLC wired straight from component to component: the conversion puts a vertex on each
    // such wire.
    const auto rlc = [](Desenho& d) {
        d.C(kTipoEleFonteTensao, {"A", "G"});
        TVOSisComp& ind = d.C(kTipoEleIndutor, {"", ""});
        Connect(*d.doc, d.C(kTipoEleResistor, {"A", ""}), 2, ind, 1);
        Connect(*d.doc, ind, 2, d.C(kTipoEleCapacitor, {"", "G"}), 1);
    };
    l.push_back({"series RLC", rlc, "E(FonteTensao1)", "E(Capacitor1)", "R1 L1 C1", [](const V& v, C s) {
                     return 1.0 / (v.at("L1") * v.at("C1") * s * s + v.at("R1") * v.at("C1") * s + 1.0);
                 }});
    for (const bool ind : {false, true})
        for (int n = 1; n <= 4; ++n) {
            std::string simbolos;
            for (int k = 1; k <= n; ++k)
                for (const std::string p : {" R", " C", " L"})
                    if (p != " L" || ind) simbolos += p + std::to_string(k);
            l.push_back({std::to_string(n) + (ind ? "-section RLC ladder" : "-section RC ladder"),
                         [n, ind](Desenho& d) { Escada(d, n, ind); }, "E(FonteTensao1)",
                         "E(Capacitor" + std::to_string(n) + ")", simbolos,
                         [n, ind](const V& v, C s) { return EscadaFormula(v, s, n, ind); }});
        }
    // Without a drawn reference the wall is a velocity source held at zero (only the input is driven),
    // which ties the far ends of the spring and the damper to the reference the conversion adds.
    for (const bool referencia : {true, false})
        l.push_back({referencia ? "mass-spring-damper on a reference" : "mass-spring-damper on a wall",
                     [referencia](Desenho& d) {
                         d.C(kTipoMctFonteForca, {"V1"});
                         d.C(kTipoMctMassa, {"V1", "V2"});
                         d.C(kTipoMctMola, {"V2", "Ground"});
                         d.C(kTipoMctAmortecedor, {"V2", "Ground"});
                         d.C(referencia ? kTipoMctReferencia : kTipoMctFonteVelocidade, {"Ground"});
                     },
                     "F(FonteForca1)", "E(Massa1)", "M1 K1 B1 V1",
                     [](const V& v, C s) { return s / (v.at("M1") * s * s + v.at("B1") * s + v.at("K1")); }});
    // In displacements (M1.s^2 + B1.s + K).x1 - K.x2 = F and (M2.s^2 + B2.s + K).x2 = K.x1.
    l.push_back({"two masses joined by a spring",
                 [](Desenho& d) {
                     d.C(kTipoMctFonteForca, {"X1"});
                     TVOSisComp& m1 = d.C(kTipoMctMassa, {"X1", ""});
                     Connect(*d.doc, m1, 2, d.C(kTipoMctAmortecedor, {"", "G"}), 1);
                     d.C(kTipoMctMola, {"X1", "X2"});
                     d.C(kTipoMctMassa, {"X2", "X2"});
                     d.C(kTipoMctAmortecedor, {"X2", "G"});
                     d.C(kTipoMctReferencia, {"G"});
                 },
                 "F(FonteForca1)", "E(Massa2)", "M1 M2 B1 B2 K1",
                 [](const V& v, C s) {
                     const C k = v.at("K1");
                     const C p1 = v.at("M1") * s * s + v.at("B1") * s + k;
                     return s * k / (p1 * (v.at("M2") * s * s + v.at("B2") * s + k) - k * k);
                 }});
    l.push_back({"rotational inertia with friction driven by a torque, the friction's torque",
                 [](Desenho& d) {
                     d.C(kTipoMcrFonteTorque, {"W1"});
                     d.C(kTipoMcrInerciaAtrito, {"W1", "W1"});
                 },
                 "F(FonteTorque1)", "F(InerciaAtrito1_B)", "J1 B1",
                 [](const V& v, C s) { return v.at("B1") / (v.at("J1") * s + v.at("B1")); }});
    l.push_back({"reservoir fed through a resistive pipe",
                 [](Desenho& d) {
                     d.C(kTipoHidFontePressao, {"P1"});
                     d.C(kTipoHidTuboResistor, {"P1", "P2"});
                     d.C(kTipoHidReservatorio1Cnt, {"P2"});
                 },
                 "E(FontePressao1)", "E(Reservatorio1Cnt1)", "Rf1 Cf1",
                 [](const V& v, C s) { return 1.0 / (v.at("Rf1") * v.at("Cf1") * s + 1.0); }});
    // v1 = N.v2 and i2 = N.i1: the load is seen as N^2.R2.
    l.push_back({"electrical transformer",
                 [](Desenho& d) {
                     d.C(kTipoEleFonteTensao, {"A", "G1"});
                     d.C(kTipoEleResistor, {"A", "P"});
                     d.C(kTipoEleTransformador, {"P", "G1", "S", "G2"});
                     d.C(kTipoEleResistor, {"S", "G2"});
                 },
                 "E(FonteTensao1)", "E(Resistor2)", "R1 R2 N1",
                 [](const V& v, C) {
                     return C(v.at("N1") * v.at("R2") / (v.at("R1") + v.at("N1") * v.at("N1") * v.at("R2")));
                 }});
    // An ideal machine: the speed is the back voltage over Kb, the torque Kt times the current.
    l.push_back({"DC motor with the electrical / rotational coupler",
                 [](Desenho& d) {
                     d.C(kTipoEleFonteTensao, {"A", "G"});
                     TVOSisComp& ind = d.C(kTipoEleIndutor, {"", ""});
                     TVOSisComp& motor = d.C(kTipoAcpEleMcr, {"", "G", "W"});
                     Connect(*d.doc, d.C(kTipoEleResistor, {"A", ""}), 2, ind, 1);
                     Connect(*d.doc, ind, 2, motor, 1);
                     d.C(kTipoMcrInerciaAtrito, {"W", "Wr"});
                     d.C(kTipoMcrReferencia, {"Wr"});
                     ASSERT_TRUE(motor.SetGain(0, "Kb^-1;0;0;Kt"));
                 },
                 "E(FonteTensao1)", "E(InerciaAtrito1_J)", "R1 L1 Kb Kt J1 B1",
                 [](const V& v, C s) {
                     return v.at("Kt") / ((v.at("L1") * s + v.at("R1")) * (v.at("J1") * s + v.at("B1")) +
                                          v.at("Kt") * v.at("Kb"));
                 }});
    return l;
}

} // namespace

// Each function from input to output agrees with the hand formula to 1e-9 at 12 random points (the same on
// every run): each symbol between 0.5 and 3, S anywhere in the square -2 to 2 on both axes. The function
// holds no symbol the formula does not know.
TEST(PhysicalSystems, TextbookSystemsAgreeWithTheirHandFormulas) {
    for (const TLivro& livro : Livros()) {
        SCOPED_TRACE(livro.Nome);
        Desenho d;
        livro.Desenhar(d);
        const TSistemaParaFT preparo = PrepareFT(*d.doc);
        ASSERT_TRUE(preparo.Ok()) << (preparo.Validacao.Problemas.empty() ? preparo.Validacao.Mensagem
                                                                          : preparo.Validacao.Problemas[0]);
        const TFTSistema ft = ComputeFT(*d.doc, preparo, livro.Entrada, livro.Saida);
        ASSERT_TRUE(ft.Ok()) << ft.Mensagem;
        std::istringstream palavras(livro.Simbolos);
        const std::vector<std::string> simbolos{std::istream_iterator<std::string>(palavras), {}};
        for (const TSimboloVal& s : ft.Simbolos)
            EXPECT_TRUE(s.Nome == kSimboloDFS || std::ranges::count(simbolos, s.Nome) == 1) << s.Nome;
        std::mt19937 rng(7);
        for (int ponto = 0; ponto < 12; ++ponto) {
            const apoio::Ponto p = apoio::PontoAleatorio(rng, simbolos, 0.5, 3.0, -2.0, 2.0);
            const C esperado = livro.Formula(p.valores, p.s);
            const C obtido = ft.Funcao.ValorEm(apoio::Valores(p.valores), p.s);
            EXPECT_LT(std::abs(obtido - esperado), 1e-9 * std::abs(esperado))
                << "point " << ponto << ": expected " << esperado << ", got " << obtido;
        }
    }
}
