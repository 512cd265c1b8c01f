// The command "Sistema -> Função de Transferência...", model side: the candidates it offers and how it
// refuses what it cannot analyse.

#include "core/system/SisDocTestUtil.h"
#include "system/UnitVFSistemaFT.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

TEST(SystemFTCommand, CandidatesAndTheChoice) {
    auto doc = CircuitoRL("Circuito", false);
    const TSistemaParaFT p = PrepareFT(*doc);
    ASSERT_TRUE(p.Ok());
    EXPECT_EQ(p.Entradas, std::vector<std::string>{"E(FonteTensao1)"});
    EXPECT_EQ(p.Saidas, (std::vector<std::string>{"F(FonteTensao1)", "E(Resistor1)", "F(Resistor1)",
                                                  "E(Indutor1)", "F(Indutor1)"}));
    // Names the choice did not offer: a source is no output, an unknown name no input.
    EXPECT_EQ(ComputeFT(*doc, p, "E(FonteTensao1)", "E(FonteTensao1)").Mensagem, kMsgEntradaSaida);
    EXPECT_EQ(ComputeFT(*doc, p, "E(Nada)", "E(Resistor1)").Mensagem, kMsgEntradaSaida);
    const TFTSistema ft = ComputeFT(*doc, p, "e(fontetensao1)", "f(RESISTOR1)");
    ASSERT_TRUE(ft.Ok()) << "letter case is ignored";
    EXPECT_EQ(ft.Entrada, "E(FonteTensao1)");
    EXPECT_EQ(ft.Saida, "F(Resistor1)");
    EXPECT_EQ(ft.Titulo, "CircuitoFT");
    std::vector<std::string> symbols;
    for (const TSimboloVal& s : ft.Simbolos)
        symbols.push_back(s.Nome);
    EXPECT_NE(std::find(symbols.begin(), symbols.end(), "R1"), symbols.end());
    EXPECT_NE(std::find(symbols.begin(), symbols.end(), "L1"), symbols.end());
}

TEST(SystemFTCommand, RefusalsStopBeforeTheNextStage) {
    auto empty = NewSistema();
    const TSistemaParaFT none = PrepareFT(*empty);
    EXPECT_FALSE(none.Ok());
    EXPECT_EQ(none.Validacao.Problemas, std::vector<std::string>{kMsgNenhumElemento});
    EXPECT_EQ(none.Grafo, nullptr);
    EXPECT_FALSE(ComputeFT(*empty, none, "E(x)", "E(y)").Ok());

    // A graph that is no valid linear graph: a resistor across one vertex.
    auto doc = CircuitoRL("Circuito", false);
    TVOSisComp& shorted = PlaceComp(*doc, 6, {300, 300});
    TVOElemento& a = *dynamic_cast<TVOElemento*>(doc->Objects().FindByDesc("Vertice1"));
    Connect(*doc, shorted, 1, a, 1);
    Connect(*doc, shorted, 2, a, 1);
    const TSistemaParaFT p = PrepareFT(*doc);
    EXPECT_TRUE(p.Validacao.Ok());
    EXPECT_FALSE(p.GrafoValido());
    EXPECT_FALSE(p.Ok());
    EXPECT_EQ(p.Curtos, std::vector<std::string>{"Resistor2"});
    EXPECT_TRUE(p.Entradas.empty());
    const TFTSistema ft = ComputeFT(*doc, p, "E(FonteTensao1)", "E(Resistor1)");
    EXPECT_EQ(ft.Mensagem, kTituloGrafoNaoValidado);
    EXPECT_TRUE(doc->SystemToGraph().Ok()) << "the graph document shows such a graph all the same";

    // Mechanical components along both axes: the message of the single-axis rule.
    auto mech = NewSistema();
    TVOSisComp& f = PlaceComp(*mech, 13, {40, 100});
    TVOSisComp& m = PlaceComp(*mech, 17, {120, 100});
    TVOElemento& v = PlaceKind(*mech, 10, {100, 40});
    Connect(*mech, f, 1, v, 1);
    Connect(*mech, m, 1, v, 1);
    Connect(*mech, m, 2, v, 1);
    mech->SetMode(kModeGirar);
    mech->RotateClicked(m, TMouseButton::Left);
    const TSistemaParaFT q = PrepareFT(*mech);
    EXPECT_EQ(q.Validacao.Mensagem, kMsgMultiDirecional);
    EXPECT_EQ(ComputeFT(*mech, q, "F(FonteForca1)", "E(Massa1)").Mensagem, kMsgMultiDirecional);
}

TEST(SystemFTCommand, TwoSourcesForcingOneEffortHaveNoDiagram) {
    auto doc = NewSistema();
    TVOSisComp& v1 = PlaceComp(*doc, 2, {40, 100});
    TVOSisComp& v2 = PlaceComp(*doc, 2, {100, 100});
    TVOSisComp& r = PlaceComp(*doc, 6, {160, 100});
    TVOElemento& a = PlaceKind(*doc, 1, {100, 40});
    TVOElemento& g = PlaceKind(*doc, 1, {100, 200});
    for (TVOSisComp* c : {&v1, &v2, &r}) {
        Connect(*doc, *c, 1, a, 1);
        Connect(*doc, *c, 2, g, 1);
    }
    const TSistemaParaFT p = PrepareFT(*doc);
    ASSERT_TRUE(p.Ok());
    EXPECT_EQ(ComputeFT(*doc, p, "E(FonteTensao1)", "F(Resistor1)").Mensagem, kMsgDFSSemExito);
}

// Keys that the property window would never produce (a source controlled by itself, another by a
// controlled source) pass validation; the analysis then gives a function or refuses, never crashes.
TEST(SystemFTCommand, SelfControlledAndChainedControlledSourcesNeverCrash) {
    auto doc = NewSistema();
    TVOSisComp& v = PlaceComp(*doc, 2, {40, 100});
    TVOSisComp& c1 = PlaceComp(*doc, 3, {80, 100});
    TVOSisComp& c2 = PlaceComp(*doc, 5, {120, 100});
    TVOSisComp& r = PlaceComp(*doc, 6, {160, 100});
    TVOElemento& a = PlaceKind(*doc, 1, {100, 40});
    TVOElemento& b = PlaceKind(*doc, 1, {100, 160});
    TVOElemento& g = PlaceKind(*doc, 1, {100, 220});
    Connect(*doc, v, 1, a, 1);
    Connect(*doc, v, 2, g, 1);
    Connect(*doc, r, 1, a, 1);
    Connect(*doc, r, 2, b, 1);
    Connect(*doc, c1, 1, b, 1);
    Connect(*doc, c1, 2, g, 1);
    Connect(*doc, c2, 1, b, 1);
    Connect(*doc, c2, 2, g, 1);
    std::vector<std::string> text = doc->Text("x.sis");
    bool inC1 = false, inC2 = false;
    for (std::string& line : text) {
        if (line.rfind("Object ", 0) == 0) {
            inC1 = line == "Object " + IntToStr(c1.ID()) + ": TVOEleFonteTensaoCtrl";
            inC2 = line == "Object " + IntToStr(c2.ID()) + ": TVOEleFonteCorrenteCtrl";
        }
        if (!inC1 && !inC2) continue;
        if (line == "VarCtrl=0") line = inC1 ? "VarCtrl=i" : "VarCtrl=v";
        if (line == "VarID=0") line = "VarID=" + IntToStr(c1.ID());
        if (line == "VarPort=0") line = "VarPort=1";
    }
    auto copy = NewSistema();
    copy->LoadDocument("x.sis", text);
    EXPECT_EQ(
        dynamic_cast<const TVOSisComp&>(*copy->Objects().FindByDesc("FonteTensaoCtrl1")).ControlVariable(),
        "i(FonteTensaoCtrl1)");
    ASSERT_TRUE(copy->Validate().Ok());
    const TSistemaParaFT p = PrepareFT(*copy);
    int functions = 0;
    for (const std::string& in : p.Entradas)
        for (const std::string& out : p.Saidas) {
            const TFTSistema ft = ComputeFT(*copy, p, in, out);
            EXPECT_TRUE(ft.Ok() || ft.Mensagem == kMsgDFSSemExito) << ft.Mensagem;
            functions += ft.Ok() ? 1 : 0;
        }
    EXPECT_TRUE(!p.Ok() || !p.Entradas.empty());
    RecordProperty("functions", functions);
}
