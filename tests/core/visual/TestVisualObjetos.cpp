#include "core/visual/VisualTestUtil.h"

#include <gtest/gtest.h>

using namespace brelix;
using namespace brelix::testing;

TEST(Props, KeysAreFoundAfterTheFirstLineAndWrittenInPlaceOrAppended) {
    TProps p({"Object 3: TVOGrfVertice", "Num=3", "Desc=A=B", "Numero=9"});
    EXPECT_EQ(p.Value("Num"), "3");
    EXPECT_EQ(p.Value("Desc"), "A=B"); // the name ends at the first "="
    EXPECT_EQ(p.Value("Nu"), "");      // a prefix of a key is not the key
    EXPECT_FALSE(p.HasKey("Object 3: TVOGrfVertice"));
    EXPECT_FALSE(p.SetValue("Num", "3"));
    EXPECT_TRUE(p.SetValue("Num", "4"));
    EXPECT_TRUE(p.SetValue("Lbl", "*"));
    EXPECT_EQ(p.Lines(), (std::vector<std::string>{"Object 3: TVOGrfVertice", "Num=4", "Desc=A=B", "Numero=9",
                                                   "Lbl=*"}));
}

TEST(Props, TheObjectLineGivesIdentityAndClassOrMinusOne) {
    const TObjectLine a = ParseObjectLine("Object 12: TVOGrfImpedancia");
    EXPECT_TRUE(a.Valid && a.HasID);
    EXPECT_EQ(a.ID, 12);
    EXPECT_EQ(a.ClassName, "TVOGrfImpedancia");
    const TObjectLine b = ParseObjectLine("Object x: TVOGrfVertice");
    EXPECT_TRUE(b.Valid);
    EXPECT_FALSE(b.HasID);
    EXPECT_EQ(b.ID, -1);
    EXPECT_FALSE(ParseObjectLine("Objeto 1: TVOGrfVertice").Valid);
    EXPECT_FALSE(ParseObjectLine("Object 1:TVOGrfVertice").Valid);
}

TEST(EmptyDocument, HasNothingToFindAndNumbersStartAtOne) {
    auto doc = NewGrafo();
    const TListVisualObject& list = doc->Objects();
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.FindByID(1), nullptr);
    EXPECT_EQ(list.FindByDesc("Vertice1"), nullptr);
    EXPECT_EQ(list.IDByDesc("Vertice1"), 0);
    EXPECT_EQ(list.NextNum("TVOGrfVertice"), 1);
    EXPECT_EQ(list.CountOfClass(ClassVisualObject()), 0);
    EXPECT_TRUE(list.Descriptions().empty());
    EXPECT_TRUE(list.GetText().empty());
    EXPECT_FALSE(doc->NeedsSave());
    EXPECT_FALSE(doc->DeleteSelected());
    EXPECT_EQ(doc->Text("Grafo1.grf"), Lines({"Object 0: TGrafo", "Desc=Grafo1", "Left=0", "Top=0",
                                              "Width=550", "Height=300", "end"}));
}

TEST(SingleObject, AVertexHasTheEightLinesAndIsSelected) {
    auto doc = NewGrafo();
    auto& v = Place(*doc, "TVOGrfVertice", {40, 55});
    EXPECT_EQ(v.Props().Lines(), Lines({"Object 1: TVOGrfVertice", "Num=1", "Desc=Vertice1", "Left=40",
                                        "Top=55", "Lbl=*", "LblX=0", "LblY=0"}));
    EXPECT_EQ(v.ID(), 1);
    EXPECT_EQ(v.State(), kStateBody | kStateSelected);
    EXPECT_EQ(doc->Objects().Selected(), &v);
    EXPECT_TRUE(doc->Modified());
    EXPECT_FALSE(v.IsConnected()); // a vertex needs a connection
    EXPECT_EQ(v.GetKind(), 1);
    EXPECT_EQ(v.GetDomain(), 1);
    EXPECT_EQ(v.Margin(), 4);
    EXPECT_EQ(v.HintText(), "Vertice1: (40, 55)");
    const TPortInfo port = v.GetPortInfo(1);
    EXPECT_EQ(port.X, 55);
    EXPECT_EQ(port.Y, 70);
    EXPECT_EQ(port.Type, 1);
}

TEST(SingleObject, DisconnectedComponentsAreIncompleteAndHaveNoVertices) {
    auto doc = NewGrafo();
    auto& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia");
    auto& t = Place<TVOGrfComp>(*doc, "TVOGrfTransformador");
    for (const TVOGrfComp* c : {&z, &t}) {
        EXPECT_FALSE(c->IsConnected());
        for (std::int32_t p = 1; p <= c->NumPorts(); ++p) {
            EXPECT_EQ(c->VertexAt(p), nullptr);
            EXPECT_EQ(c->NeighbourAt(p), nullptr);
            EXPECT_EQ(c->ConnectionAt(p), 0);
        }
    }
    EXPECT_FALSE(z.UpdateLayout()); // nothing to centre between
    EXPECT_EQ(doc->Objects().CountOfClass(ClassGrfComp()), 2);
    EXPECT_EQ(doc->Objects().CountOfClass(ClassGrf2P()), 1);
}

namespace {

struct KindRow {
    const char* ClassName;
    std::int32_t Kind;
    const char* Symbol;
    std::int32_t Ports;
    const char* Gain; // for Num 1
    std::vector<std::string> Descriptions;
    bool Controlled;
    TPropWindow Window;
};

// The graph kinds as the user sees them: symbol, ports, default gain, gain descriptions, window.
const std::vector<KindRow>& GraphRows() {
    static const std::vector<KindRow> rows = {
        {"TVOGrfImpedancia", 2, "Z", 2, "Z1", {"Impedância"}, false, TPropWindow::GrfComp},
        {"TVOGrfFonteEsforco", 3, "E", 2, "E1", {"Esforço"}, false, TPropWindow::GrfComp},
        {"TVOGrfFonteEsforcoCtrl", 4, "Ec", 2, "Ec1", {"Ganho"}, true, TPropWindow::GrfCompCtrl},
        {"TVOGrfFonteFluxo", 5, "F", 2, "F1", {"Fluxo"}, false, TPropWindow::GrfComp},
        {"TVOGrfFonteFluxoCtrl", 6, "Fc", 2, "Fc1", {"Ganho"}, true, TPropWindow::GrfCompCtrl},
        {"TVOGrfTransformador", 7, "T", 4, "N1", {"F2 = N.F1"}, false, TPropWindow::GrfComp},
        {"TVOGrfGirador", 8, "G", 4, "G1", {"E2 = G.F1"}, false, TPropWindow::GrfComp},
        {"TVOGrfDuasPortas",
         9,
         "2",
         4,
         "Kee1;Kef1;Kfe1;Kff1",
         {"E2 = Kee.E1", "E2 = Kef.F1", "F2 = Kfe.E1", "F2 = Kff.F1"},
         false,
         TPropWindow::GrfComp4},
    };
    return rows;
}

} // namespace

TEST(NewObjects, EveryGraphComponentKindGetsItsKeysInFileOrder) {
    for (const KindRow& row : GraphRows()) {
        SCOPED_TRACE(row.ClassName);
        auto doc = NewGrafo();
        auto& c = Place<TVOGrfComp>(*doc, row.ClassName, {20, 30});
        const std::string desc = ClassNamed(*doc, row.ClassName).DescPrefix() + "1";
        std::vector<std::string> expected = {std::string("Object 1: ") + row.ClassName,
                                             "Num=1",
                                             "Desc=" + desc,
                                             "Left=20",
                                             "Top=30",
                                             std::string("Lbl=") + row.Gain,
                                             "LblX=0",
                                             "LblY=-20",
                                             std::string("Gain=") + row.Gain,
                                             "Move=0"};
        if (row.Controlled) expected.insert(expected.end(), {"VarCtrl=0", "VarID=0", "VarPort=0"});
        EXPECT_EQ(c.Props().Lines(), expected);
        EXPECT_EQ(c.GetKind(), row.Kind);
        EXPECT_EQ(doc->Kind().ClassOfKind(row.Kind), &c.Class());
        EXPECT_EQ(c.Symbol(), row.Symbol);
        EXPECT_EQ(c.NumPorts(), row.Ports);
        EXPECT_EQ(c.Data().GainDescriptions, row.Descriptions);
        EXPECT_EQ(c.PropWindow(), row.Window);
        EXPECT_EQ(c.Margin(), row.Ports == 2 ? 3 : 0);
        EXPECT_EQ(c.GetRot(), 1);
        EXPECT_FALSE(c.Props().HasKey("Rot"));
    }
}

TEST(NewObjects, TheDfsKindsDifferInKindDomainAndGain) {
    auto doc = NewDFS();
    auto& v = Place(*doc, "TVODFSVariavel");
    auto& t = Place<TVOGrfComp>(*doc, "TVODFSTransmitancia");
    auto& x = Place<TVisualObject>(*doc, "TVODFSConexao");
    EXPECT_EQ(v.Desc(), "Variavel1");
    EXPECT_EQ(t.Desc(), "Transmitancia1");
    EXPECT_EQ(x.Desc(), "Conexao1");
    EXPECT_EQ(t.GetGain(0), "K1");
    EXPECT_EQ(t.Data().GainDescriptions, std::vector<std::string>{"Ganho"});
    EXPECT_EQ(t.Symbol(), "T");
    EXPECT_EQ((std::vector<std::int32_t>{v.GetKind(), t.GetKind(), x.GetKind()}),
              (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(t.GetDomain(), 0);
    EXPECT_TRUE(v.Is(ClassGrfVertice()));
    EXPECT_TRUE(t.Is(ClassGrf1P()));
    EXPECT_TRUE(x.Is(ClassGrfConexao()));
    // Signal-flow objects have no effort or flow names.
    EXPECT_EQ(t.EffortVariable(1), "");
    EXPECT_TRUE(t.ControlCandidates().empty());
}

TEST(NewObjects, EveryRegistryPositionIsTheKindCode) {
    for (const TDocKindInfo* kind : DocKinds()) {
        SCOPED_TRACE(kind->HeaderClass);
        for (std::size_t i = 0; i < kind->Classes.size(); ++i) {
            EXPECT_EQ(kind->Classes[i]->Kind, static_cast<std::int32_t>(i + 1));
            EXPECT_FALSE(kind->Classes[i]->IsAbstract());
            EXPECT_EQ(kind->FindClass(kind->Classes[i]->Name), kind->Classes[i]);
        }
        EXPECT_EQ(kind->ClassOfKind(0), nullptr);
        EXPECT_EQ(kind->ClassOfKind(static_cast<std::int32_t>(kind->Classes.size()) + 1), nullptr);
    }
    EXPECT_EQ(FindDocKind(kDocKindGrafo)->Classes.size(), 10u);
    EXPECT_EQ(FindDocKind(kDocKindDFS)->Classes.size(), 3u);
    EXPECT_EQ(FindDocKindByExtension("GRF"), FindDocKind(kDocKindGrafo));
    EXPECT_FALSE(RegisterDocKind(GrafoDocKindInfo())); // a code is registered once
}

TEST(Numbering, NumbersCountPerExactClassAndDescriptionsStayFree) {
    auto doc = NewGrafo();
    Place(*doc, "TVOGrfFonteEsforco");
    auto& ctrl = Place(*doc, "TVOGrfFonteEsforcoCtrl");
    EXPECT_EQ(ctrl.Num(), 1); // a controlled source does not share numbers with a source
    auto& z1 = Place(*doc, "TVOGrfImpedancia");
    auto& z2 = Place(*doc, "TVOGrfImpedancia");
    EXPECT_EQ(z2.Num(), 2);
    // A user named a vertex "Impedancia3": the next impedance skips to the next free description.
    auto& v = Place(*doc, "TVOGrfVertice");
    ASSERT_TRUE(doc->Objects().Rename(v.Desc(), "Impedancia3"));
    auto& z4 = Place<TVOComp>(*doc, "TVOGrfImpedancia");
    EXPECT_EQ(z4.Num(), 4);
    EXPECT_EQ(z4.Desc(), "Impedancia4");
    EXPECT_EQ(z4.GetGain(0), "Z4");
    EXPECT_EQ(z4.Lbl(), "Z4");
    // Numbers continue above the highest, not in gaps.
    ASSERT_TRUE(doc->Objects().Renumber("TVOGrfImpedancia", z1.Num(), 10));
    EXPECT_EQ(doc->Objects().NextNum("TVOGrfImpedancia"), 11);
    const std::vector<std::string> all = doc->Objects().Descriptions();
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const std::string& a, const std::string& b) {
        return CompareUpper(a, b) < 0;
    }));
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
}

TEST(Numbering, IdentitiesGrowAndAreNotReusedWhileOpen) {
    auto doc = NewGrafo();
    auto& a = Place(*doc, "TVOGrfVertice");
    auto& b = Place(*doc, "TVOGrfVertice");
    EXPECT_EQ(b.ID(), 2);
    doc->DeleteObject(b);
    auto& c = Place(*doc, "TVOGrfVertice");
    EXPECT_EQ(c.ID(), 3);
    EXPECT_EQ(c.Num(), 2); // numbers come from the objects present
    EXPECT_EQ(doc->Objects().FindByID(a.ID()), &a);
}

TEST(Labels, EmptyIsStoredAsStarAndTextsTheFileCannotHoldAreRefused) {
    auto doc = NewGrafo();
    auto& v = Place(*doc, "TVOGrfVertice");
    v.SetModified(false);
    EXPECT_TRUE(v.SetLbl("Nó de saída €"));
    EXPECT_EQ(v.Lbl(), "Nó de saída €");
    EXPECT_TRUE(v.Modified());
    EXPECT_TRUE(v.SetLbl(""));
    EXPECT_EQ(v.Props().Value("Lbl"), "*");
    EXPECT_EQ(v.Lbl(), "");
    v.SetModified(false);
    EXPECT_FALSE(v.SetLbl("Ω"));
    EXPECT_FALSE(v.SetLbl("duas\nlinhas"));
    EXPECT_EQ(v.Props().Value("Lbl"), "*");
    EXPECT_FALSE(v.Modified());
}

TEST(Setters, MarkModifiedOnlyOnChangeAndMoveOnlyWhereItExists) {
    auto doc = NewGrafo();
    auto& v = Place(*doc, "TVOGrfVertice");
    auto& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia");
    v.SetModified(false);
    v.SetLblX(0);
    v.SetPosition(v.Position());
    EXPECT_FALSE(v.Modified());
    v.SetMove(true);
    EXPECT_FALSE(v.Props().HasKey("Move")); // vertices never gain it
    EXPECT_FALSE(v.Modified());
    z.SetModified(false);
    z.SetMove(true);
    EXPECT_TRUE(z.Move());
    EXPECT_TRUE(z.Modified());
    z.SetRot(3);
    EXPECT_FALSE(z.Props().HasKey("Rot")); // graph kinds never rotate
}

TEST(Gains, PiecesAreReadAndReplacedOneByOne) {
    auto doc = NewGrafo();
    auto& k = Place<TVOComp>(*doc, "TVOGrfDuasPortas");
    EXPECT_EQ(k.NumGains(), 4);
    EXPECT_EQ(k.GetGain(3), "Kfe1");
    EXPECT_EQ(k.GetGain(5), "");
    k.SetModified(false);
    EXPECT_TRUE(k.SetGain(2, "0"));
    EXPECT_EQ(k.GetGain(0), "Kee1;0;Kfe1;Kff1");
    EXPECT_TRUE(k.Modified());
    EXPECT_FALSE(k.SetGain(5, "R"));
    EXPECT_FALSE(k.SetGain(1, "a;b"));
    EXPECT_FALSE(k.SetGain(1, "Ω"));
    EXPECT_EQ(k.GetGain(0), "Kee1;0;Kfe1;Kff1");
    // A short gain text is padded to the kind's gains when one of them is set.
    EXPECT_TRUE(k.SetGain(0, "A"));
    EXPECT_TRUE(k.SetGain(3, "C"));
    EXPECT_EQ(k.GetGain(0), "A;;C;");
}

TEST(VariableNames, OnePortsNameTheElementTwoPortsTheirPorts) {
    auto doc = NewGrafo();
    auto& z = Place<TVOComp>(*doc, "TVOGrfImpedancia");
    auto& k = Place<TVOComp>(*doc, "TVOGrfDuasPortas");
    EXPECT_EQ(z.EffortVariable(1), "E(Impedancia1)");
    EXPECT_EQ(z.FlowVariable(2), "F(Impedancia1)");
    EXPECT_EQ(k.FlowVariable(2), "F(DuasPortas1_P2)");
    EXPECT_EQ(k.ControlCandidates(),
              Lines({"E(DuasPortas1_P1)", "E(DuasPortas1_P2)", "F(DuasPortas1_P1)", "F(DuasPortas1_P2)"}));
    EXPECT_EQ(EffortLetter(3), 'V');
    EXPECT_EQ(FlowLetter(2), 'i');
    EXPECT_EQ(EffortLetter(6), '\0');
}
