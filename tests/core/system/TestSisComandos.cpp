// The commands "Sistema -> Grafo" and "Sistema -> Função de Transferência...", model side: what they
// hand to the windows and how they refuse documents they cannot analyse, never crashing on them.

#include "core/system/SisDocTestUtil.h"
#include "system/UnitVFSistemaFT.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

// The document's text with the control keys of the objects named rewritten, read into a new document.
std::unique_ptr<TVFSistema> ComControle(const TVFSistema& doc,
                                        const std::vector<std::pair<std::int32_t, std::string>>& chaves) {
    std::vector<std::string> text = doc.Text("x.sis");
    std::string atual;
    for (std::string& line : text) {
        if (line.rfind("Object ", 0) == 0) atual.clear();
        for (const auto& [id, keys] : chaves)
            if (line.rfind("Object " + IntToStr(id) + ":", 0) == 0) atual = keys;
        if (atual.empty()) continue;
        const std::size_t at = atual.find(line.substr(0, line.find('=') + 1));
        if (line.find('=') != std::string::npos && at != std::string::npos &&
            (at == 0 || atual[at - 1] == ' '))
            line = atual.substr(at, atual.find(' ', at) - at);
    }
    auto copy = NewSistema();
    copy->LoadDocument("x.sis", text);
    return copy;
}

} // namespace

TEST(SystemCommands, SystemToGraphHandsOverTheGraphAndTheResultRows) {
    auto doc = CircuitoRL("Motor", true);
    // The model holds the components and vertices in the document's order, wires after them.
    const TSistema& model = doc->BuildModel();
    int i = 0;
    for (const TVisualObject& o : doc->Objects()) {
        if (dynamic_cast<const TVOSisConexao*>(&o) != nullptr) continue;
        const TElemento& e = model.Elementos().At(i++);
        EXPECT_EQ(std::make_tuple(e.Id, e.Nome, e.Tipo, e.Dominio, e.Left, e.Top),
                  std::make_tuple(o.ID(), o.Desc(), o.GetKind(), o.GetDomain(), o.Left(), o.Top()));
    }
    EXPECT_EQ(model.Elementos().Count(), i);
    EXPECT_EQ(model.Conexoes().Count(), 6);
    const TSistemaParaGrafo r = doc->SystemToGraph();
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.NomeDocumento, "MotorGrafo");
    EXPECT_EQ(r.Removidos, std::vector<std::string>{"Vertice3"});
    EXPECT_EQ(r.Adicionados, std::vector<std::string>{"_Vertice1"});
    EXPECT_EQ(r.Resultado.Removidos, r.Removidos);
    EXPECT_EQ(r.Resultado.Adicionados, r.Adicionados);
    ASSERT_EQ(r.Grafo->RamoCount(), 3);
    ASSERT_EQ(r.Resultado.Vertices.size(), 3u);
    EXPECT_EQ(r.Resultado.Ramos[0], (std::array<std::string, 5>{"1", "FonteTensao1", "1", "2", "v1"}));
    EXPECT_EQ(r.Resultado.Ramos[2][4], "L1.S");
    // The document itself is left as it was.
    EXPECT_EQ(CountVertices(*doc), 3);
    EXPECT_EQ(CountWires(*doc), 6);
    EXPECT_TRUE(doc->SystemToGraph().Ok()) << "a new model every time";
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

    auto doc = CircuitoRL("Circuito", false);
    // A resistor across one vertex: a graph, but no valid linear graph.
    TVOSisComp& shorted = PlaceComp(*doc, kTipoEleResistor, {300, 300});
    TVOElemento& a = *dynamic_cast<TVOElemento*>(doc->Objects().FindByDesc("Vertice1"));
    Connect(*doc, shorted, 1, a, 1);
    Connect(*doc, shorted, 2, a, 1);
    const TSistemaParaFT p = PrepareFT(*doc);
    EXPECT_TRUE(p.Validacao.Ok());
    EXPECT_FALSE(p.Ok());
    EXPECT_EQ(p.Curtos, std::vector<std::string>{"Resistor2"});
    EXPECT_TRUE(p.Entradas.empty());
    EXPECT_EQ(ComputeFT(*doc, p, "E(FonteTensao1)", "E(Resistor1)").Mensagem, kTituloGrafoNaoValidado);
    EXPECT_TRUE(doc->SystemToGraph().Ok()) << "the graph document shows such a graph all the same";
    // Incomplete: the validation names what is missing.
    doc->DeleteObject(*doc->Objects().FindByDesc("Indutor1"));
    const TSistemaParaGrafo r = doc->SystemToGraph();
    EXPECT_EQ(r.Validacao.Problemas, (std::vector<std::string>{"Resistor1", "Vertice2"}));
    EXPECT_EQ(r.Grafo, nullptr);
}

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
}

TEST(SystemFTCommand, TwoSourcesForcingOneEffortOrAMultiDirectionalSystemHaveNoFunction) {
    auto doc = NewSistema();
    TVOElemento& a = PlaceKind(*doc, kTipoEleVertice, {100, 40});
    TVOElemento& g = PlaceKind(*doc, kTipoEleVertice, {100, 200});
    for (std::int32_t kind : {kTipoEleFonteTensao, kTipoEleFonteTensao, kTipoEleResistor}) {
        TVOSisComp& c = PlaceComp(*doc, kind);
        Connect(*doc, c, 1, a, 1);
        Connect(*doc, c, 2, g, 1);
    }
    const TSistemaParaFT p = PrepareFT(*doc);
    ASSERT_TRUE(p.Ok());
    EXPECT_EQ(ComputeFT(*doc, p, "E(FonteTensao1)", "F(Resistor1)").Mensagem, kMsgDFSSemExito);

    auto mech = NewSistema();
    TVOSisComp& f = PlaceComp(*mech, kTipoMctFonteForca, {40, 100});
    TVOSisComp& m = PlaceComp(*mech, kTipoMctMassa, {120, 100});
    TVOElemento& v = PlaceKind(*mech, kTipoMctVertice, {100, 40});
    Connect(*mech, f, 1, v, 1);
    Connect(*mech, m, 1, v, 1);
    Connect(*mech, m, 2, v, 1);
    mech->SetMode(kModeGirar);
    mech->RotateClicked(m, TMouseButton::Left);
    const TSistemaParaFT q = PrepareFT(*mech);
    EXPECT_EQ(q.Validacao.Mensagem, kMsgMultiDirecional);
    EXPECT_EQ(ComputeFT(*mech, q, "F(FonteForca1)", "E(Massa1)").Mensagem, kMsgMultiDirecional);
}

// A document that passes validation yet names something the conversion cannot take (a controlled
// source pointing at a reference, which gives no branch) is refused with the conversion's reasons.
TEST(SystemCommands, AControlVariableOutsideTheBranchesIsRefused) {
    auto doc = NewSistema();
    TVOSisComp& f = PlaceComp(*doc, kTipoMctFonteForca, {40, 100});
    TVOSisComp& ctrl = PlaceComp(*doc, kTipoMctFonteForcaCtrl, {80, 100});
    TVOSisComp& m = PlaceComp(*doc, kTipoMctMassa, {120, 100});
    TVOSisComp& ref = PlaceComp(*doc, kTipoMctReferencia, {160, 100});
    TVOElemento& v = PlaceKind(*doc, kTipoMctVertice, {100, 40});
    TVOElemento& w = PlaceKind(*doc, kTipoMctVertice, {100, 200});
    Connect(*doc, f, 1, v, 1);
    Connect(*doc, ctrl, 1, v, 1);
    Connect(*doc, m, 1, v, 1);
    Connect(*doc, m, 2, w, 1);
    Connect(*doc, ref, 1, w, 1);
    ctrl.SetControlVariable("V(Referencia1)");
    ASSERT_EQ(ctrl.ControlVariable(), "V(Referencia1)");
    ASSERT_TRUE(doc->Validate().Ok());
    const TSistemaParaGrafo g = doc->SystemToGraph();
    EXPECT_EQ(g.Grafo, nullptr);
    ASSERT_FALSE(g.Validacao.Problemas.empty());
    EXPECT_NE(g.Validacao.Problemas[0].find("FonteForcaCtrl1"), std::string::npos)
        << g.Validacao.Problemas[0];
    // Pointed at the mass instead (keys written by another program), it converts.
    auto copy = ComControle(*doc, {{ctrl.ID(), "VarID=" + IntToStr(m.ID())}});
    const TSistemaParaGrafo ok = copy->SystemToGraph();
    ASSERT_TRUE(ok.Ok());
    EXPECT_EQ(ok.Grafo->Ramo(ok.Grafo->RamoCount() - 1).Controle, "E(Massa1)");
}

// Keys that the property window would never produce (a source controlled by itself, another by a
// controlled source) pass validation; the analysis then gives a function or refuses, never crashes.
TEST(SystemFTCommand, SelfControlledAndChainedControlledSourcesNeverCrash) {
    auto doc = NewSistema();
    TVOElemento& a = PlaceKind(*doc, kTipoEleVertice, {100, 40});
    TVOElemento& b = PlaceKind(*doc, kTipoEleVertice, {100, 160});
    TVOElemento& g = PlaceKind(*doc, kTipoEleVertice, {100, 220});
    const auto comp = [&](std::int32_t kind, TVOElemento& from, TVOElemento& to) -> TVOSisComp& {
        TVOSisComp& c = PlaceComp(*doc, kind);
        Connect(*doc, c, 1, from, 1);
        Connect(*doc, c, 2, to, 1);
        return c;
    };
    comp(kTipoEleFonteTensao, a, g);
    comp(kTipoEleResistor, a, b);
    TVOSisComp& c1 = comp(kTipoEleFonteTensaoCtrl, b, g);
    TVOSisComp& c2 = comp(kTipoEleFonteCorrenteCtrl, b, g);
    const std::string on = "VarID=" + IntToStr(c1.ID()) + " VarPort=1";
    auto copy = ComControle(*doc, {{c1.ID(), "VarCtrl=i " + on}, {c2.ID(), "VarCtrl=v " + on}});
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
