#include "core/system/SisDocTestUtil.h"

#include "common/UnitComErro.h"
#include "support/PastaTemp.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

namespace {

TVOSisConexao* WireAt(const TVisualDocumento& doc, int index) {
    int n = 0;
    for (TVisualObject& o : doc.Objects())
        if (auto* w = dynamic_cast<TVOSisConexao*>(&o); w != nullptr && n++ == index) return w;
    return nullptr;
}

std::string Ends(const TVOSisConexao& w) {
    return IntToStr(w.ObjID1()) + "." + IntToStr(w.CntID1()) + "-" + IntToStr(w.ObjID2()) + "." +
           IntToStr(w.CntID2());
}

// A left click with the rotate tool.
bool Rotate(TVFSistema& doc, TVisualObject& o) {
    doc.SetMode(kModeGirar);
    return doc.RotateClicked(o, TMouseButton::Left);
}

} // namespace

TEST(SystemWiring, OneWireOrAVertexMidwayBetweenTwoComponents) {
    for (bool autoVrt : {false, true}) {
        SCOPED_TRACE(autoVrt ? "AutoVrt" : "plain");
        auto doc = NewSistema();
        doc->SetAutoVrt(autoVrt);
        TVOSisComp& r = PlaceComp(*doc, kTipoEleResistor, {100, 100});
        TVOSisComp& l = PlaceComp(*doc, kTipoEleIndutor, {200, 100});
        EXPECT_EQ(PressTerminal(*doc, r, 2), TObjectPress::PortPicked);
        EXPECT_EQ(doc->TerminalPendente(), (TTerminalPendente{r.ID(), 2, 2, {125, 115}}));
        EXPECT_TRUE(r.PortFlag(2));
        PressTerminal(*doc, l, 1);
        EXPECT_EQ(doc->TerminalPendente(), TTerminalPendente{});
        EXPECT_FALSE(r.PortFlag(2) || l.PortFlag(1));
        if (!autoVrt) {
            ASSERT_EQ(CountWires(*doc), 1);
            const TVOSisConexao& w = *WireAt(*doc, 0);
            EXPECT_EQ(w.ClassName(), "TVOEleConexao");
            EXPECT_EQ(Ends(w), IntToStr(r.ID()) + ".2-" + IntToStr(l.ID()) + ".1");
            // From terminal to terminal in document coordinates: a straight line here.
            EXPECT_EQ(w.Points().front(), (TPonto{125, 115}));
            EXPECT_EQ(w.Points().back(), (TPonto{205, 115}));
            EXPECT_TRUE(w.HitTest({160, 117}));
            EXPECT_FALSE(w.HitTest({160, 125}));
        } else {
            // Midway between (125, 115) and (205, 115), on the grid, centred on the point.
            ASSERT_EQ(CountVertices(*doc), 1);
            const TVisualObject& v = *doc->Objects().FindByDesc("Vertice1");
            EXPECT_EQ(v.Position(), (TPonto{150, 100}));
            ASSERT_EQ(CountWires(*doc), 2);
            EXPECT_EQ(Ends(*WireAt(*doc, 0)), IntToStr(r.ID()) + ".2-" + IntToStr(v.ID()) + ".1");
            EXPECT_EQ(Ends(*WireAt(*doc, 1)), IntToStr(l.ID()) + ".1-" + IntToStr(v.ID()) + ".1");
        }
        EXPECT_EQ(r.ConnectionAt(1), 0);
        EXPECT_NE(r.ConnectionAt(2), 0);
        EXPECT_NE(l.ConnectionAt(1), 0);
    }
}

TEST(SystemWiring, WiresJoinTerminalsOfOneDomainAndNeverAVertexNextToAVertex) {
    auto doc = NewSistema();
    doc->SetAutoVrt(true);
    TVOSisComp& r = PlaceComp(*doc, kTipoEleResistor, {100, 100});
    TVOSisComp& k = PlaceComp(*doc, kTipoMctMola, {200, 100});
    TVOSisComp& b = PlaceComp(*doc, kTipoMctAmortecedor, {300, 100});
    // A terminal of another domain starts the wire again from itself.
    PressTerminal(*doc, r, 1);
    PressTerminal(*doc, k, 1);
    EXPECT_EQ(CountWires(*doc), 0);
    EXPECT_FALSE(r.PortFlag(1)) << "the first object's mark is cleared";
    EXPECT_EQ(doc->TerminalPendente().ID, k.ID());
    EXPECT_EQ(doc->TerminalPendente().Type, kDominioMct);
    PressTerminal(*doc, k, 1); // dropped
    // A vertex picked first: the wire starts there, and no vertex is added next to it.
    TVOElemento& v = PlaceKind(*doc, kTipoMctVertice, {200, 200});
    Connect(*doc, v, 1, b, 2);
    EXPECT_EQ(CountVertices(*doc), 1);
    ASSERT_EQ(CountWires(*doc), 1);
    EXPECT_EQ(WireAt(*doc, 0)->ObjID1(), v.ID());
    EXPECT_EQ(WireAt(*doc, 0)->ClassName(), "TVOMctConexao");
    // A coupler's terminals take wires of their own domains: the motor's third is rotational.
    TVOSisComp& motor = PlaceComp(*doc, kTipoAcpEleMcr, {200, 300});
    TVOElemento& ve = PlaceKind(*doc, kTipoEleVertice, {100, 300});
    TVOElemento& vr = PlaceKind(*doc, kTipoMcrVertice, {300, 300});
    Connect(*doc, ve, 1, motor, 3);
    EXPECT_EQ(CountWires(*doc), 1);
    Connect(*doc, vr, 1, motor, 3);
    Connect(*doc, motor, 1, ve, 1);
    ASSERT_EQ(CountWires(*doc), 3);
    EXPECT_EQ(WireAt(*doc, 1)->ClassName(), "TVOMcrConexao");
    EXPECT_EQ(WireAt(*doc, 2)->ClassName(), "TVOEleConexao");
}

TEST(SystemWiring, DroppedRepickedAndDeletedPendingEndsAndBusyTerminals) {
    auto doc = NewSistema();
    TVOSisComp& r = PlaceComp(*doc, kTipoEleResistor, {100, 100});
    TVOSisComp& c = PlaceComp(*doc, kTipoEleCapacitor, {200, 100});
    // Picking the same terminal again drops it; another terminal of the same object moves the end.
    PressTerminal(*doc, r, 1);
    EXPECT_EQ(PressTerminal(*doc, r, 1), TObjectPress::PortPicked);
    EXPECT_EQ(doc->TerminalPendente(), TTerminalPendente{});
    EXPECT_FALSE(r.PortFlag(1));
    PressTerminal(*doc, r, 1);
    PressTerminal(*doc, r, 2);
    EXPECT_EQ(doc->TerminalPendente().Terminal, 2);
    // A pending object deleted before the second pick wires nothing.
    doc->DeleteObject(r);
    PressTerminal(*doc, c, 1);
    EXPECT_EQ(CountWires(*doc), 0);
    EXPECT_EQ(doc->TerminalPendente().ID, c.ID());
    // A wired terminal cannot be picked, so it is never wired twice.
    TVOSisComp& l = PlaceComp(*doc, kTipoEleIndutor, {300, 100});
    Connect(*doc, c, 2, l, 1);
    EXPECT_EQ(CountWires(*doc), 1);
    EXPECT_EQ(PressTerminal(*doc, c, 2), TObjectPress::Nothing);
}

TEST(SystemWiring, WiresFollowRotationAndMovesAndGoWithTheirEnds) {
    auto doc = NewSistema();
    TVOSisComp& r = PlaceComp(*doc, kTipoEleResistor, {100, 100});
    TVOElemento& v = PlaceKind(*doc, kTipoEleVertice, {200, 200});
    Connect(*doc, r, 2, v, 1);
    const TVOSisConexao& w = *WireAt(*doc, 0);
    EXPECT_EQ(w.Points().front(), (TPonto{125, 115}));
    EXPECT_EQ(w.Points().back(), (TPonto{215, 215}));
    Rotate(*doc, r);
    EXPECT_EQ(w.Points().front(), (TPonto{115, 125})) << "Rot 2: terminal 2 at the bottom";
    r.SetPosition({50, 50});
    EXPECT_EQ(w.Points().front(), (TPonto{65, 75}));
    EXPECT_EQ(w.Points().back(), (TPonto{215, 215}));
    doc->DeleteObject(v);
    EXPECT_EQ(CountWires(*doc), 0);
    EXPECT_EQ(r.ConnectionAt(2), 0);
}

class SystemFiles : public apoio::PastaTemp {};

// Every kind in one document, every terminal wired to a vertex of its domain and every such vertex
// to a hub vertex of the domain, some components rotated, a controlled source pointing at a friction
// branch, one label of the user's own. Returns the number of wires.
int BuildEveryKind(TVFSistema& doc) {
    TVOElemento* hubs[4];
    for (std::int32_t d = kDominioEle; d <= kDominioHid; ++d)
        hubs[d - 2] = &PlaceKind(doc, SisVertexClass(d)->Kind, {700, 100 * d});
    int wires = 0;
    std::int32_t x = 0;
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0) continue;
        TVOSisComp& c = PlaceComp(doc, row.Kind, {40 + (x % 8) * 80, 40 + (x / 8) * 80});
        ++x;
        for (std::int32_t i = 0; i < row.Kind % 3; ++i)
            Rotate(doc, c);
        for (std::int32_t t = 1; t <= row.Terminals; ++t) {
            const std::int32_t domain = SisTerminalDomain(row, t);
            TVOElemento& v = PlaceKind(doc, SisVertexClass(domain)->Kind, {c.Left() + 10 * t, c.Top() + 40});
            Connect(doc, c, t, v, 1);
            Connect(doc, v, 1, *hubs[domain - 2], 1);
            wires += 2;
        }
    }
    for (TVisualObject& o : doc.Objects())
        if (auto* c = dynamic_cast<TVOSisComp*>(&o); c != nullptr && c->HasControl())
            c->SetControlVariable("i(Resistor1)");
    dynamic_cast<TVOSisComp&>(*doc.Objects().FindByDesc("FonteTorqueCtrl1"))
        .SetControlVariable("V(MassaAtrito1_B)");
    doc.Objects().FindByDesc("Resistor1")->SetLbl("Résistance à côté");
    return wires;
}

TEST_F(SystemFiles, EveryKindSurvivesSavingAndReadingBackByteForByte) {
    auto doc = NewSistema();
    const int wires = BuildEveryKind(*doc);
    ASSERT_EQ(CountWires(*doc), wires);
    ASSERT_EQ(doc->Objects().FindByDesc("FonteTorqueCtrl1")->Props().Value("VarPort"), "2");
    EXPECT_TRUE(doc->Validate().Problemas.empty());
    doc->SaveDocument(Path("todos.sis"));
    EXPECT_FALSE(doc->NeedsSave());
    const std::string saved = apoio::Slurp(Path("todos.sis"));
    EXPECT_EQ(saved.rfind("Object 0: TSistema\r\nDesc=todos\r\n", 0), 0u);
    EXPECT_NE(saved.find("R\xE9sistance \xE0 c\xF4t\xE9"), std::string::npos) << "Windows-1252 on disk";

    auto back = NewSistema();
    back->LoadFile(Path("todos.sis"));
    ASSERT_EQ(back->Objects().Count(), doc->Objects().Count());
    for (int i = 0; i < doc->Objects().Count(); ++i) {
        EXPECT_EQ(back->Objects()[i].Props(), doc->Objects()[i].Props());
        EXPECT_EQ(&back->Objects()[i].Class(), &doc->Objects()[i].Class());
        if (const auto* w = dynamic_cast<const TVOSisConexao*>(&back->Objects()[i])) {
            EXPECT_EQ(w->Points(), dynamic_cast<const TVOSisConexao&>(doc->Objects()[i]).Points());
        }
    }
    EXPECT_FALSE(back->NeedsSave());
    const auto& ctrl = dynamic_cast<const TVOSisComp&>(*back->Objects().FindByDesc("FonteTorqueCtrl1"));
    EXPECT_EQ(ctrl.ControlVariable(), "V(MassaAtrito1_B)");
    EXPECT_TRUE(back->Validate().Problemas.empty());
    back->SaveDocument();
    EXPECT_EQ(apoio::Slurp(Path("todos.sis")), saved);
}

TEST(SystemLoading, AWireOfAnotherDomainIsRefusedAndOneOfAnotherDocumentKindSkipped) {
    auto doc = NewSistema();
    Connect(*doc, PlaceComp(*doc, kTipoMctMola), 2, PlaceKind(*doc, kTipoMctVertice), 1);
    const std::string wire = "Object 3: TVOMctConexao";
    ASSERT_EQ(CountWires(*Reread(*doc, "", "")), 1);
    try {
        Reread(*doc, wire, "Object 3: TVOEleConexao");
        ADD_FAILURE() << "an electrical wire between mechanical terminals loaded";
    } catch (const EFileError& err) {
        EXPECT_EQ(err.FileName(), "x.sis");
        EXPECT_TRUE(err.Line() >= 28 && err.Line() <= 40) << "a line of the wire's block, not " << err.Line();
    }
    EXPECT_EQ(Reread(*doc, wire, "Object 3: TVOGrfConexao")->Objects().Count(), 2);
}

TEST(SystemValidation, ProblemListsNameWhatIsIncomplete) {
    Desenho d;
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{kMsgNenhumElemento});
    TVOSisComp& r = d.C(kTipoEleResistor, {"A", ""});
    d.V("B", kTipoEleVertice);
    EXPECT_EQ(d.doc->Validate().Problemas, (std::vector<std::string>{"Resistor1", "Vertice1", "Vertice2"}));
    Connect(*d.doc, r, 2, *d.vertices["B"], 1);
    d.C(kTipoEleFonteTensao, {"A", "B"});
    EXPECT_TRUE(d.doc->Validate().Ok());
    // A controlled source without its variable, and after its controlling component is deleted.
    TVOSisComp& ctrl = d.C(kTipoEleFonteCorrenteCtrl, {"A", "B"});
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
    TVOSisComp& c = d.C(kTipoEleCapacitor, {"A", "B"});
    ctrl.SetControlVariable("v(Capacitor1)");
    EXPECT_TRUE(d.doc->Validate().Ok());
    d.doc->DeleteObject(c);
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
}

TEST(SystemValidation, CouplerGainsAndTheSingleAxisRule) {
    Desenho d;
    TVOSisComp& acp = d.C(kTipoAcpMctMcr, {"X", "W"});
    TVOSisComp& f = d.C(kTipoMctFonteForca, {"X"});
    TVOSisComp& t = d.C(kTipoMcrFonteTorque, {"W"});
    // One of gains 1 and 2 may be 0, and one of gains 3 and 4.
    acp.SetGain(1, "0");
    EXPECT_TRUE(d.doc->Validate().Ok());
    acp.SetGain(2, "0");
    EXPECT_EQ(d.doc->Validate().Problemas, std::vector<std::string>{"AcopladorMctMcr1"});
    acp.SetGain(2, "Kwf1");
    acp.SetGain(3, "0");
    acp.SetGain(4, "0");
    EXPECT_FALSE(d.doc->Validate().Ok());
    acp.SetGain(4, "Ktf1");

    // Translational components along both axes; a rotated reference or coupler does not count.
    Rotate(*d.doc, d.C(kTipoMctReferencia, {"X"}));
    Rotate(*d.doc, acp);
    TVOSisComp& m = d.C(kTipoMctMassa, {"X", "X"});
    EXPECT_TRUE(d.doc->Validate().Ok()) << "the mass lies horizontally like the force source";
    Rotate(*d.doc, m);
    const TValidacaoSistema v = d.doc->Validate();
    EXPECT_TRUE(v.Problemas.empty());
    EXPECT_EQ(v.Mensagem, kMsgMultiDirecional);
    Rotate(*d.doc, f); // Rot 4: upright too
    Rotate(*d.doc, m); // Rot 3: horizontal
    EXPECT_EQ(d.doc->Validate().Mensagem, kMsgMultiDirecional);
    Rotate(*d.doc, m); // Rot 4: all upright now
    EXPECT_TRUE(d.doc->Validate().Ok());
    // The rotational domain on its own: a torque source at Rot 3 and a spring along it, then upright.
    TVOSisComp& k = d.C(kTipoMcrMola, {"W", "W"});
    EXPECT_TRUE(d.doc->Validate().Ok()) << "spring and torque source both horizontal";
    Rotate(*d.doc, k);
    EXPECT_EQ(d.doc->Validate().Mensagem, kMsgMultiDirecional);
    EXPECT_EQ(t.GetRot(), 3);
}

// Documents made elsewhere may give two components one description (a translational and a rotational
// damper both Amortecedor1), or a description that equals a branch name derived from another one's;
// the conversion would mix their variables up, so validation names them instead.
TEST(SystemValidation, SharedNamesAreListed) {
    Desenho d;
    TVOSisComp& bt = d.C(kTipoMctAmortecedor, {"X", "X"});
    TVOSisComp& br = d.C(kTipoMcrAmortecedor, {"W", "W"});
    TVOSisComp& trf = d.C(kTipoEleTransformador, {"A", "B", "A", "B"});
    TVOSisComp& res = d.C(kTipoEleResistor, {"A", "B"});
    ASSERT_TRUE(d.doc->Validate().Ok());
    // Descriptions written into the file by another program: loading keeps them.
    auto copy = Reread(*Reread(*d.doc, "Desc=" + br.Desc(), "Desc=" + bt.Desc()), "Desc=" + res.Desc(),
                       "Desc=" + trf.Desc() + "_P2");
    EXPECT_EQ(copy->Validate().Problemas,
              (std::vector<std::string>{"Nome repetido em mais de um componente: Amortecedor1",
                                        "Nome repetido em mais de um componente: Transformador1_P2"}));
    // Two vertices sharing a description are no problem: vertices are not looked up by name.
    EXPECT_TRUE(Reread(*d.doc, "Desc=" + d.vertices["W"]->Desc(), "Desc=" + d.vertices["X"]->Desc())
                    ->Validate()
                    .Ok());
}
