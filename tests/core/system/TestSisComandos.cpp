// Building the system model from a document and the command "Sistema -> Grafo", model side: what
// they hand to the windows and how they refuse documents they cannot analyse.

#include "core/system/SisDocTestUtil.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

TEST(SystemCommands, TheModelCopiesComponentsVerticesAndThenWires) {
    auto doc = CircuitoRL("Motor", true);
    // Objects in the order components and vertices were made, wires after them.
    TVOSisComp& ctrl = PlaceComp(*doc, 5, {300, 100});
    TVOSisComp& m = PlaceComp(*doc, 29, {300, 300});
    ctrl.SetControlVariable("T(InerciaAtrito1_B)");
    m.SetGain(2, "Bm");
    const TSistema& model = doc->BuildModel();
    ASSERT_EQ(model.Elementos().Count(), 8);
    std::vector<std::int32_t> ids;
    for (const TVisualObject& o : doc->Objects())
        if (dynamic_cast<const TVOSisConexao*>(&o) == nullptr) ids.push_back(o.ID());
    for (int i = 0; i < model.Elementos().Count(); ++i) {
        const TElemento& e = model.Elementos().At(i);
        EXPECT_EQ(e.Id, ids[static_cast<std::size_t>(i)]);
        const TVisualObject& o = *doc->Objects().FindByID(e.Id);
        EXPECT_EQ(e.Nome, o.Desc());
        EXPECT_EQ(e.Tipo, o.GetKind());
        EXPECT_EQ(e.Dominio, o.GetDomain());
        EXPECT_EQ(e.Left, o.Left());
        EXPECT_EQ(e.Top, o.Top());
    }
    const TElemento& fonte = *model.Elementos().Find(ctrl.ID());
    EXPECT_EQ(fonte.VarControle, "F(InerciaAtrito1_B)") << "the domain letter becomes the graph's";
    EXPECT_EQ(fonte.NumTerminais, 2);
    EXPECT_EQ(model.Elementos().Find(m.ID())->Ganho, "J1;Bm");
    EXPECT_EQ(model.Elementos().Find(doc->Objects().IDByDesc("Vertice1"))->NumTerminais, 0);
    EXPECT_EQ(model.Conexoes().Count(), 6);
    EXPECT_EQ(model.Contagem(2), 7);
    EXPECT_EQ(model.Contagem(4), 1);
    EXPECT_EQ(doc->Modelo(), &model);
}

TEST(SystemCommands, SystemToGraphHandsOverTheGraphAndTheResultRows) {
    auto doc = CircuitoRL("Motor", true);
    ASSERT_TRUE(doc->Validate().Ok());
    const TSistemaParaGrafo r = doc->SystemToGraph();
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.NomeDocumento, "MotorGrafo");
    EXPECT_EQ(r.Removidos, std::vector<std::string>{"Vertice3"});
    EXPECT_EQ(r.Adicionados, std::vector<std::string>{"_Vertice1"});
    EXPECT_EQ(r.Resultado.Removidos, r.Removidos);
    EXPECT_EQ(r.Resultado.Adicionados, r.Adicionados);
    EXPECT_EQ(r.Grafo->VerticeCount(), 3);
    ASSERT_EQ(r.Grafo->RamoCount(), 3);
    ASSERT_EQ(r.Resultado.Vertices.size(), 3u);
    for (std::size_t i = 1; i < r.Resultado.Vertices.size(); ++i)
        EXPECT_LT(std::stoi(r.Resultado.Vertices[i - 1][0]), std::stoi(r.Resultado.Vertices[i][0]));
    EXPECT_EQ(r.Resultado.Ramos[0], (std::array<std::string, 5>{"1", "FonteTensao1", "1", "2", "v1"}));
    EXPECT_EQ(r.Resultado.Ramos[2][1], "Indutor1");
    EXPECT_EQ(r.Resultado.Ramos[2][4], "L1.S");
    // The document keeps the model it built, and builds a new one every time.
    EXPECT_TRUE(doc->SystemToGraph().Ok());
    EXPECT_NE(doc->Modelo(), nullptr);
    // Nothing in the document changed.
    EXPECT_EQ(CountVertices(*doc), 3);
    EXPECT_EQ(CountWires(*doc), 6);
}

TEST(SystemCommands, AnInvalidSystemBuildsNothing) {
    auto empty = NewSistema();
    const TSistemaParaGrafo none = empty->SystemToGraph();
    EXPECT_FALSE(none.Ok());
    EXPECT_EQ(none.Validacao.Problemas, std::vector<std::string>{kMsgNenhumElemento});
    EXPECT_EQ(none.Grafo, nullptr);
    EXPECT_TRUE(none.NomeDocumento.empty());
    EXPECT_EQ(empty->Modelo(), nullptr);
    auto doc = CircuitoRL("Motor", true);
    doc->DeleteObject(*doc->Objects().FindByDesc("Indutor1"));
    const TSistemaParaGrafo r = doc->SystemToGraph();
    EXPECT_EQ(r.Validacao.Problemas, (std::vector<std::string>{"Resistor1", "Vertice3"}));
    EXPECT_TRUE(r.Adicionados.empty());
}

// A document that passes validation yet names something the conversion cannot take (a controlled
// source pointing at a reference, which gives no branch) is refused with the conversion's reasons,
// never converted or crashed on.
TEST(SystemCommands, AControlVariableOutsideTheBranchesIsRefused) {
    auto doc = NewSistema();
    TVOSisComp& f = PlaceComp(*doc, 13, {40, 100});
    TVOSisComp& ctrl = PlaceComp(*doc, 14, {80, 100});
    TVOSisComp& m = PlaceComp(*doc, 17, {120, 100});
    TVOSisComp& ref = PlaceComp(*doc, 20, {160, 100});
    TVOElemento& v = PlaceKind(*doc, 10, {100, 40});
    TVOElemento& w = PlaceKind(*doc, 10, {100, 200});
    Connect(*doc, f, 1, v, 1);
    Connect(*doc, ctrl, 1, v, 1);
    Connect(*doc, m, 1, v, 1);
    Connect(*doc, m, 2, w, 1);
    Connect(*doc, ref, 1, w, 1);
    ctrl.SetControlVariable("V(Referencia1)");
    ASSERT_EQ(ctrl.ControlVariable(), "V(Referencia1)");
    ASSERT_TRUE(doc->Validate().Ok());
    const TSistemaParaGrafo g = doc->SystemToGraph();
    EXPECT_FALSE(g.Ok());
    ASSERT_FALSE(g.Validacao.Problemas.empty());
    EXPECT_NE(g.Validacao.Problemas[0].find("FonteForcaCtrl1"), std::string::npos)
        << g.Validacao.Problemas[0];
    EXPECT_EQ(g.Grafo, nullptr);
    // Pointed at the mass instead (keys written by another program), it converts.
    std::vector<std::string> text = doc->Text("x.sis");
    for (std::string& line : text)
        if (line == "VarID=" + IntToStr(ref.ID())) line = "VarID=" + IntToStr(m.ID());
    auto copy = NewSistema();
    copy->LoadDocument("x.sis", text);
    EXPECT_EQ(
        dynamic_cast<const TVOSisComp&>(*copy->Objects().FindByDesc("FonteForcaCtrl1")).ControlVariable(),
        "V(Massa1)");
    const TSistemaParaGrafo ok = copy->SystemToGraph();
    ASSERT_TRUE(ok.Ok());
    EXPECT_EQ(ok.Grafo->Ramo(ok.Grafo->RamoCount() - 1).Controle, "E(Massa1)");
}
