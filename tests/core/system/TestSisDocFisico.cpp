// Textbook physical systems drawn as documents, through model, linear graph, signal-flow diagram and
// Mason's formula, against their transfer functions worked out by hand at random points. Efforts:
// velocity, angular velocity, pressure, voltage; flows: force, torque, volume flow, current.

#include "analysis/UnitComandoSistema.h"
#include "core/system/SisDocTestUtil.h"
#include "support/SolucaoLinear.h"

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

// Parts drawn as "Kind v1 v2 ..., Kind ...": a component of the catalogue class TVO<Kind> for each part
// ("Kind:gain" gives it that gain), its terminals wired as Desenho::C wires them; and the function
// from `Entrada` to `Saida` against the hand formula.
struct TLivro {
    std::string Nome, Partes, Entrada, Saida;
    std::function<C(const V&, C)> Formula;
};

void Desenhar(Desenho& d, const std::string& partes) {
    std::istringstream in(partes);
    for (std::string parte; std::getline(in, parte, ',');) {
        std::istringstream palavras(parte);
        const std::vector<std::string> nomes{std::istream_iterator<std::string>(palavras), {}};
        const std::string classe = nomes[0].substr(0, nomes[0].find(':'));
        const auto row = std::ranges::find(SisKinds(), "TVO" + classe, &TSisKindRow::ClassName);
        ASSERT_NE(row, SisKinds().end()) << classe;
        TVOSisComp& c = d.C(row->Kind, {nomes.begin() + 1, nomes.end()});
        EXPECT_TRUE(classe == nomes[0] || c.SetGain(0, nomes[0].substr(classe.size() + 1))) << nomes[0];
    }
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
    // Wired straight from component to component: the conversion puts a vertex on each such wire.
    l.push_back({"series RLC", "EleFonteTensao A G, EleResistor A =1, EleIndutor =1 =2, EleCapacitor =2 G",
                 "E(FonteTensao1)", "E(Capacitor1)", [](const V& v, C s) {
                     return 1.0 / (v.at("L1") * v.at("C1") * s * s + v.at("R1") * v.at("C1") * s + 1.0);
                 }});
    // n sections of a series resistor (and inductor) and a shunt capacitor.
    for (const bool ind : {false, true})
        for (int n = 1; n <= 4; ++n) {
            std::string desenho = "EleFonteTensao A0 G";
            for (int k = 1; k <= n; ++k) {
                const std::string a = " A" + std::to_string(k - 1), b = " A" + std::to_string(k);
                const std::string meio = " B" + std::to_string(k);
                desenho +=
                    ind ? ", EleResistor" + a + meio + ", EleIndutor" + meio + b : ", EleResistor" + a + b;
                desenho += ", EleCapacitor" + b + " G";
            }
            l.push_back({std::to_string(n) + (ind ? "-section RLC ladder" : "-section RC ladder"), desenho,
                         "E(FonteTensao1)", "E(Capacitor" + std::to_string(n) + ")",
                         [n, ind](const V& v, C s) { return EscadaFormula(v, s, n, ind); }});
        }
    // Without a drawn reference the wall is a velocity source held at zero (only the input is driven),
    // which ties the far ends of the spring and the damper to the reference the conversion adds.
    for (const std::string parede : {"MctReferencia G", "MctFonteVelocidade G"})
        l.push_back({"mass-spring-damper on " + parede,
                     "MctFonteForca V1, MctMassa V1 V2, MctMola V2 G, MctAmortecedor V2 G, " + parede,
                     "F(FonteForca1)", "E(Massa1)",
                     [](const V& v, C s) { return s / (v.at("M1") * s * s + v.at("B1") * s + v.at("K1")); }});
    // In displacements (M1.s^2 + B1.s + K).x1 - K.x2 = F and (M2.s^2 + B2.s + K).x2 = K.x1.
    l.push_back({"two masses joined by a spring",
                 "MctFonteForca X1, MctMassa X1 =1, MctAmortecedor =1 G, MctMola X1 X2, MctMassa X2 X2, "
                 "MctAmortecedor X2 G, MctReferencia G",
                 "F(FonteForca1)", "E(Massa2)", [](const V& v, C s) {
                     const C k = v.at("K1"), p1 = v.at("M1") * s * s + v.at("B1") * s + k;
                     return s * k / (p1 * (v.at("M2") * s * s + v.at("B2") * s + k) - k * k);
                 }});
    l.push_back({"rotational inertia with friction driven by a torque, the friction's torque",
                 "McrFonteTorque W1, McrInerciaAtrito W1 W1", "F(FonteTorque1)", "F(InerciaAtrito1_B)",
                 [](const V& v, C s) { return v.at("B1") / (v.at("J1") * s + v.at("B1")); }});
    l.push_back({"reservoir fed through a pipe",
                 "HidFontePressao P1, HidTuboResistor P1 P2, HidReservatorio1Cnt P2", "E(FontePressao1)",
                 "E(Reservatorio1Cnt1)",
                 [](const V& v, C s) { return 1.0 / (v.at("Rf1") * v.at("Cf1") * s + 1.0); }});
    // v1 = N.v2 and i2 = N.i1: the load is seen as N^2.R2.
    l.push_back({"electrical transformer",
                 "EleFonteTensao A G1, EleResistor A P, EleTransformador P G1 S G2, EleResistor S G2",
                 "E(FonteTensao1)", "E(Resistor2)", [](const V& v, C) {
                     return C(v.at("N1") * v.at("R2") / (v.at("R1") + v.at("N1") * v.at("N1") * v.at("R2")));
                 }});
    // An ideal machine: the speed is the back voltage over Kb, the torque Kt times the current.
    l.push_back(
        {"DC motor with the electrical / rotational coupler",
         "EleFonteTensao A G, EleResistor A =1, EleIndutor =1 =2, AcpAcopladorEleMcr:Kb^-1;0;0;Kt =2 G W, "
         "McrInerciaAtrito W Wr, McrReferencia Wr",
         "E(FonteTensao1)", "E(InerciaAtrito1_J)", [](const V& v, C s) {
             return v.at("Kt") /
                    ((v.at("L1") * s + v.at("R1")) * (v.at("J1") * s + v.at("B1")) + v.at("Kt") * v.at("Kb"));
         }});
    return l;
}

} // namespace

// Agreement to 1e-9 at 12 random points, the same on every run: each symbol of the function between
// 0.5 and 3, S in the square -2 to 2 on both axes; a symbol the function lacks fails the formula.
TEST(PhysicalSystems, TextbookSystemsAgreeWithTheirHandFormulas) {
    for (const TLivro& livro : Livros()) {
        SCOPED_TRACE(livro.Nome);
        Desenho d;
        Desenhar(d, livro.Partes);
        const TFTDocumento ft = CatalogoCompleto().Comando(*d.doc).CalcularFT(
            *d.doc, {livro.Entrada, livro.Saida, false, {}, {}}, {});
        ASSERT_TRUE(ft.Calculado()) << ft.Recusa.Mensagem;
        std::vector<std::string> simbolos;
        for (const TSimboloVal& s : ft.Simbolos)
            if (s.Nome != kSimboloDFS) simbolos.push_back(s.Nome);
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
