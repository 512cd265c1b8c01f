// The commands "Sistema -> Grafo" and "Sistema -> Função de Transferência...", model side: what they
// hand to the windows and how they refuse documents they cannot analyse, never crashing on them.

#include "core/system/SisDocTestUtil.h"
#include "system/UnitVFSistemaFT.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

// A voltage source and a resistor wired straight to an inductor; the ground drawn as two vertices
// wired together.
Desenho CircuitoRL(const std::string& name) {
    Desenho d(name);
    d.C(kTipoEleFonteTensao, {"A", "G1"});
    TVOSisComp& r = d.C(kTipoEleResistor, {"A", ""});
    Connect(*d.doc, r, 2, d.C(kTipoEleIndutor, {"", "G2"}), 1);
    d.W("G1", "G2");
    return d;
}

} // namespace

TEST(SystemCommands, SystemToGraphHandsOverTheGraphAndTheResultRows) {
    Desenho d = CircuitoRL("Motor");
    // The model holds the components and vertices in the document's order, wires after them.
    const TSistema& model = d.doc->BuildModel();
    int i = 0;
    for (const TVisualObject& o : d.doc->Objects()) {
        if (dynamic_cast<const TVOSisConexao*>(&o) != nullptr) continue;
        const TElemento& e = model.Elementos().At(i++);
        EXPECT_EQ(std::make_tuple(e.Id, e.Nome, e.Tipo, e.Dominio, e.Left, e.Top),
                  std::make_tuple(o.ID(), o.Desc(), o.GetKind(), o.GetDomain(), o.Left(), o.Top()));
    }
    EXPECT_EQ(model.Elementos().Count(), i);
    EXPECT_EQ(model.Conexoes().Count(), 6);
    const TSistemaParaGrafo r = d.doc->SystemToGraph();
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.NomeDocumento, "MotorGrafo");
    EXPECT_EQ(r.Removidos, std::vector<std::string>{"Vertice3"});
    EXPECT_EQ(r.Adicionados, std::vector<std::string>{"_Vertice1"});
    EXPECT_EQ(r.Resultado.Removidos, r.Removidos);
    EXPECT_EQ(r.Resultado.Adicionados, r.Adicionados);
    ASSERT_EQ(r.Resultado.Vertices.size(), 3u);
    ASSERT_EQ(r.Resultado.Ramos.size(), 3u);
    EXPECT_EQ(r.Resultado.Ramos[0], (std::array<std::string, 5>{"1", "FonteTensao1", "1", "2", "v1"}));
    EXPECT_EQ(r.Resultado.Ramos[2][4], "L1.S");
    // The document itself is left as it was, and builds a new model every time.
    EXPECT_EQ(CountVertices(*d.doc), 3);
    EXPECT_EQ(CountWires(*d.doc), 6);
    EXPECT_TRUE(d.doc->SystemToGraph().Ok());
}

TEST(SystemCommands, InvalidSystemsAndGraphsBuildNothing) {
    auto empty = NewSistema();
    const TSistemaParaGrafo none = empty->SystemToGraph();
    EXPECT_EQ(none.Validacao.Problemas, std::vector<std::string>{kMsgNenhumElemento});
    EXPECT_EQ(none.Grafo, nullptr);
    EXPECT_EQ(empty->Modelo(), nullptr);
    const TSistemaParaFT nada = PrepareFT(*empty);
    EXPECT_FALSE(nada.Ok());
    EXPECT_FALSE(ComputeFT(*empty, nada, "E(x)", "E(y)").Ok());

    // A resistor across one vertex: a graph, but no valid linear graph.
    Desenho d = CircuitoRL("Circuito");
    d.C(kTipoEleResistor, {"A", "A"});
    const TSistemaParaFT p = PrepareFT(*d.doc);
    EXPECT_TRUE(p.Validacao.Ok());
    EXPECT_FALSE(p.Ok());
    EXPECT_EQ(p.Curtos, std::vector<std::string>{"Resistor2"});
    EXPECT_TRUE(p.Entradas.empty());
    EXPECT_EQ(ComputeFT(*d.doc, p, "E(FonteTensao1)", "E(Resistor1)").Mensagem, kTituloGrafoNaoValidado);
    EXPECT_TRUE(d.doc->SystemToGraph().Ok()) << "the graph document shows such a graph all the same";
    // Incomplete: the validation names what is missing.
    d.doc->DeleteObject(*d.doc->Objects().FindByDesc("Indutor1"));
    const TSistemaParaGrafo r = d.doc->SystemToGraph();
    EXPECT_EQ(r.Validacao.Problemas, (std::vector<std::string>{"Resistor1", "Vertice3"}));
    EXPECT_EQ(r.Grafo, nullptr);
}

TEST(SystemFTCommand, CandidatesAndTheChoice) {
    Desenho d = CircuitoRL("Circuito");
    const TSistemaParaFT p = PrepareFT(*d.doc);
    ASSERT_TRUE(p.Ok());
    EXPECT_EQ(p.Entradas, std::vector<std::string>{"E(FonteTensao1)"});
    EXPECT_EQ(p.Saidas, (std::vector<std::string>{"F(FonteTensao1)", "E(Resistor1)", "F(Resistor1)",
                                                  "E(Indutor1)", "F(Indutor1)"}));
    // Names the choice did not offer: a source is no output, an unknown name no input.
    EXPECT_EQ(ComputeFT(*d.doc, p, "E(FonteTensao1)", "E(FonteTensao1)").Mensagem, kMsgEntradaSaida);
    EXPECT_EQ(ComputeFT(*d.doc, p, "E(Nada)", "E(Resistor1)").Mensagem, kMsgEntradaSaida);
    const TFTSistema ft = ComputeFT(*d.doc, p, "e(fontetensao1)", "f(RESISTOR1)");
    ASSERT_TRUE(ft.Ok()) << "letter case is ignored";
    EXPECT_EQ(ft.Entrada, "E(FonteTensao1)");
    EXPECT_EQ(ft.Saida, "F(Resistor1)");
    EXPECT_EQ(ft.Titulo, "CircuitoFT");
}

TEST(SystemFTCommand, TwoSourcesForcingOneEffortOrAMultiDirectionalSystemHaveNoFunction) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G"});
    d.C(kTipoEleFonteTensao, {"A", "G"});
    d.C(kTipoEleResistor, {"A", "G"});
    const TSistemaParaFT p = PrepareFT(*d.doc);
    ASSERT_TRUE(p.Ok());
    EXPECT_EQ(ComputeFT(*d.doc, p, "E(FonteTensao1)", "F(Resistor1)").Mensagem, kMsgDFSSemExito);

    Desenho e;
    e.C(kTipoMctFonteForca, {"X"});
    TVOSisComp& m = e.C(kTipoMctMassa, {"X", "X"});
    e.doc->SetMode(kModeGirar);
    ASSERT_TRUE(e.doc->RotateClicked(m, TMouseButton::Left));
    const TSistemaParaFT q = PrepareFT(*e.doc);
    EXPECT_EQ(q.Validacao.Mensagem, kMsgMultiDirecional);
    EXPECT_EQ(ComputeFT(*e.doc, q, "F(FonteForca1)", "E(Massa1)").Mensagem, kMsgMultiDirecional);
}

// A document that passes validation yet names something the conversion cannot take (a controlled
// source pointing at a reference, which gives no branch) is refused with the conversion's reasons.
TEST(SystemCommands, AControlVariableOutsideTheBranchesIsRefused) {
    Desenho d;
    d.C(kTipoMctFonteForca, {"V"});
    TVOSisComp& ctrl = d.C(kTipoMctFonteForcaCtrl, {"V"});
    TVOSisComp& m = d.C(kTipoMctMassa, {"V", "W"});
    TVOSisComp& ref = d.C(kTipoMctReferencia, {"W"});
    ctrl.SetControlVariable("V(Referencia1)");
    ASSERT_EQ(ctrl.ControlVariable(), "V(Referencia1)");
    ASSERT_TRUE(d.doc->Validate().Ok());
    const TSistemaParaGrafo g = d.doc->SystemToGraph();
    EXPECT_EQ(g.Grafo, nullptr);
    ASSERT_FALSE(g.Validacao.Problemas.empty());
    EXPECT_NE(g.Validacao.Problemas[0].find("FonteForcaCtrl1"), std::string::npos)
        << g.Validacao.Problemas[0];
    // Pointed at the mass instead (keys written by another program), it converts.
    const TSistemaParaGrafo ok =
        Reread(*d.doc, "VarID=" + IntToStr(ref.ID()), "VarID=" + IntToStr(m.ID()))->SystemToGraph();
    ASSERT_TRUE(ok.Ok());
    EXPECT_EQ(ok.Grafo->Ramo(ok.Grafo->RamoCount() - 1).Controle, "E(Massa1)");
}

// Keys that the property window would never produce (a source controlled by itself, another by a
// controlled source) pass validation; the analysis then gives a function or refuses, never crashes.
TEST(SystemFTCommand, SelfControlledAndChainedControlledSourcesNeverCrash) {
    Desenho d;
    d.C(kTipoEleFonteTensao, {"A", "G"});
    TVOSisComp& r = d.C(kTipoEleResistor, {"A", "B"});
    TVOSisComp& c1 = d.C(kTipoEleFonteTensaoCtrl, {"B", "G"});
    d.C(kTipoEleFonteCorrenteCtrl, {"B", "G"}).SetControlVariable("v(Resistor1)");
    c1.SetControlVariable("i(Resistor1)");
    // Both now name the first controlled source instead of the resistor.
    auto copy = Reread(*d.doc, "VarID=" + IntToStr(r.ID()), "VarID=" + IntToStr(c1.ID()));
    EXPECT_EQ(dynamic_cast<const TVOSisComp&>(*copy->Objects().FindByID(c1.ID())).ControlVariable(),
              "i(FonteTensaoCtrl1)");
    ASSERT_TRUE(copy->Validate().Ok());
    const TSistemaParaFT p = PrepareFT(*copy);
    EXPECT_TRUE(!p.Ok() || !p.Entradas.empty());
    for (const std::string& in : p.Entradas)
        for (const std::string& out : p.Saidas) {
            const TFTSistema ft = ComputeFT(*copy, p, in, out);
            EXPECT_TRUE(ft.Ok() || ft.Mensagem == kMsgDFSSemExito) << ft.Mensagem;
        }
}
