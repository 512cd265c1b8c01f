#include "core/system/SisDocTestUtil.h"

#include "common/UnitComErro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace brelix;
using namespace brelix::testing;
namespace fs = std::filesystem;

namespace {

TVOSisConexao* WireAt(const TVisualDocumento& doc, int index) {
    int n = 0;
    for (TVisualObject& o : doc.Objects())
        if (auto* w = dynamic_cast<TVOSisConexao*>(&o); w != nullptr && n++ == index) return w;
    return nullptr;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A left click with the rotate tool.
bool Rotate(TVFSistema& doc, TVisualObject& o) {
    doc.SetMode(kModeGirar);
    return doc.RotateClicked(o, TMouseButton::Left);
}

} // namespace

TEST(SystemWiring, OneWireOrAVertexBetweenTwoComponents) {
    for (bool autoVrt : {false, true}) {
        SCOPED_TRACE(autoVrt ? "AutoVrt" : "plain");
        auto doc = NewSistema();
        doc->SetAutoVrt(autoVrt);
        TVOSisComp& r = PlaceComp(*doc, 6, {100, 100});
        TVOSisComp& l = PlaceComp(*doc, 7, {200, 100});
        EXPECT_EQ(PressTerminal(*doc, r, 2), TObjectPress::PortPicked);
        EXPECT_EQ(doc->TerminalPendente(), (TTerminalPendente{r.ID(), 2, 2, {125, 115}}));
        EXPECT_TRUE(r.PortFlag(2));
        PressTerminal(*doc, l, 1);
        EXPECT_EQ(doc->TerminalPendente(), TTerminalPendente{});
        EXPECT_FALSE(r.PortFlag(2));
        EXPECT_FALSE(l.PortFlag(1));
        if (!autoVrt) {
            ASSERT_EQ(CountWires(*doc), 1);
            const TVOSisConexao& w = *WireAt(*doc, 0);
            EXPECT_EQ(w.ClassName(), "TVOEleConexao");
            EXPECT_EQ(w.ObjID1(), r.ID());
            EXPECT_EQ(w.CntID1(), 2);
            EXPECT_EQ(w.ObjID2(), l.ID());
            EXPECT_EQ(w.CntID2(), 1);
            EXPECT_EQ(CountVertices(*doc), 0);
            // The route runs from terminal to terminal in document coordinates: a straight line here.
            const std::vector<TPonto> points = w.Points();
            ASSERT_FALSE(points.empty());
            EXPECT_EQ(points.front(), (TPonto{125, 115}));
            EXPECT_EQ(points.back(), (TPonto{205, 115}));
            for (const TPonto& p : points)
                EXPECT_EQ(p.Y, 115);
            EXPECT_TRUE(w.HitTest({160, 117}));
            EXPECT_FALSE(w.HitTest({160, 125}));
        } else {
            ASSERT_EQ(CountWires(*doc), 2);
            ASSERT_EQ(CountVertices(*doc), 1);
            const TVisualObject* v = nullptr;
            for (const TVisualObject& o : doc->Objects())
                if (o.GetKind() == 1) v = &o;
            ASSERT_NE(v, nullptr);
            // Midway between (125, 115) and (205, 115), on the grid, centred on the point.
            EXPECT_EQ(v->Position(), (TPonto{150, 100}));
            const TVOSisConexao& w1 = *WireAt(*doc, 0);
            const TVOSisConexao& w2 = *WireAt(*doc, 1);
            EXPECT_EQ(std::make_pair(w1.ObjID1(), w1.CntID1()), std::make_pair(r.ID(), 2));
            EXPECT_EQ(std::make_pair(w1.ObjID2(), w1.CntID2()), std::make_pair(v->ID(), 1));
            EXPECT_EQ(std::make_pair(w2.ObjID1(), w2.CntID1()), std::make_pair(l.ID(), 1));
            EXPECT_EQ(std::make_pair(w2.ObjID2(), w2.CntID2()), std::make_pair(v->ID(), 1));
        }
        EXPECT_EQ(r.ConnectionAt(1), 0);
        EXPECT_NE(r.ConnectionAt(2), 0);
        EXPECT_NE(l.ConnectionAt(1), 0);
    }
}

TEST(SystemWiring, AVertexIsNeverAddedNextToAVertex) {
    auto doc = NewSistema();
    doc->SetAutoVrt(true);
    TVOSisComp& m = PlaceComp(*doc, 17, {100, 100});
    TVOElemento& v = PlaceKind(*doc, 10, {200, 100});
    TVOElemento& v2 = PlaceKind(*doc, 10, {200, 200});
    Connect(*doc, v, 1, m, 2);
    Connect(*doc, v, 1, v2, 1);
    EXPECT_EQ(CountVertices(*doc), 2);
    ASSERT_EQ(CountWires(*doc), 2);
    EXPECT_EQ(WireAt(*doc, 0)->ObjID1(), v.ID()) << "the wire starts at the end picked first";
    EXPECT_EQ(WireAt(*doc, 0)->ClassName(), "TVOMctConexao");
    EXPECT_EQ(WireAt(*doc, 1)->ObjID2(), v2.ID());
    EXPECT_EQ(v.Connections().size(), 2u);
}

TEST(SystemWiring, ATerminalOfAnotherDomainStartsTheWireAgain) {
    auto doc = NewSistema();
    TVOSisComp& r = PlaceComp(*doc, 6, {100, 100});
    TVOSisComp& k = PlaceComp(*doc, 16, {200, 100});
    TVOSisComp& b = PlaceComp(*doc, 15, {300, 100});
    PressTerminal(*doc, r, 1);
    PressTerminal(*doc, k, 1);
    EXPECT_EQ(CountWires(*doc), 0);
    EXPECT_FALSE(r.PortFlag(1)) << "the first object's mark is cleared";
    EXPECT_TRUE(k.PortFlag(1));
    EXPECT_EQ(doc->TerminalPendente().ID, k.ID());
    EXPECT_EQ(doc->TerminalPendente().Type, 3);
    PressTerminal(*doc, b, 2);
    ASSERT_EQ(CountWires(*doc), 1);
    EXPECT_EQ(WireAt(*doc, 0)->ObjID1(), k.ID());
    EXPECT_EQ(WireAt(*doc, 0)->CntID2(), 2);
}

TEST(SystemWiring, CouplerTerminalsTakeWiresOfTheirOwnDomain) {
    auto doc = NewSistema();
    TVOSisComp& motor = PlaceComp(*doc, 44, {200, 200});
    TVOElemento& ve = PlaceKind(*doc, 1, {100, 200});
    TVOElemento& vr = PlaceKind(*doc, 21, {300, 200});
    Connect(*doc, ve, 1, motor, 3); // terminal 3 is rotational
    EXPECT_EQ(CountWires(*doc), 0);
    Connect(*doc, vr, 1, motor, 3);
    ASSERT_EQ(CountWires(*doc), 1);
    EXPECT_EQ(WireAt(*doc, 0)->ClassName(), "TVOMcrConexao");
    Connect(*doc, motor, 1, ve, 1);
    ASSERT_EQ(CountWires(*doc), 2);
    EXPECT_EQ(WireAt(*doc, 1)->ClassName(), "TVOEleConexao");
}

TEST(SystemWiring, DroppingSameObjectAndDeletedPendingEnds) {
    auto doc = NewSistema();
    TVOSisComp& r = PlaceComp(*doc, 6, {100, 100});
    TVOSisComp& c = PlaceComp(*doc, 8, {200, 100});
    // Picking the same terminal again drops it.
    PressTerminal(*doc, r, 1);
    EXPECT_EQ(PressTerminal(*doc, r, 1), TObjectPress::PortPicked);
    EXPECT_EQ(doc->TerminalPendente(), TTerminalPendente{});
    EXPECT_FALSE(r.PortFlag(1));
    // Another terminal of the same object only moves the pending end.
    PressTerminal(*doc, r, 1);
    PressTerminal(*doc, r, 2);
    EXPECT_EQ(doc->TerminalPendente().Terminal, 2);
    EXPECT_EQ(CountWires(*doc), 0);
    // A pending object deleted before the second pick wires nothing.
    doc->DeleteObject(r);
    PressTerminal(*doc, c, 1);
    EXPECT_EQ(CountWires(*doc), 0);
    EXPECT_EQ(doc->TerminalPendente().ID, c.ID());
    // A wired terminal cannot be picked, so it is never wired twice.
    TVOSisComp& l = PlaceComp(*doc, 7, {300, 100});
    Connect(*doc, c, 2, l, 1);
    EXPECT_EQ(CountWires(*doc), 1);
    EXPECT_EQ(PressTerminal(*doc, c, 2), TObjectPress::Nothing);
}

TEST(SystemWiring, WiresFollowRotationAndMoves) {
    auto doc = NewSistema();
    TVOSisComp& r = PlaceComp(*doc, 6, {100, 100});
    TVOElemento& v = PlaceKind(*doc, 1, {200, 200});
    Connect(*doc, r, 2, v, 1);
    const TVOSisConexao& w = *WireAt(*doc, 0);
    EXPECT_EQ(w.Points().front(), (TPonto{125, 115}));
    EXPECT_EQ(w.Points().back(), (TPonto{215, 215}));
    doc->SetMode(kModeGirar);
    Rotate(*doc, r);
    EXPECT_EQ(w.Points().front(), (TPonto{115, 125})) << "Rot 2: terminal 2 at the bottom";
    r.SetPosition({50, 50});
    EXPECT_EQ(w.Points().front(), (TPonto{65, 75}));
    EXPECT_EQ(w.Points().back(), (TPonto{215, 215}));
    // Deleting an end takes the wire along and frees the other end.
    doc->DeleteObject(v);
    EXPECT_EQ(CountWires(*doc), 0);
    EXPECT_EQ(r.ConnectionAt(2), 0);
}

class SystemFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("brelix_sis_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code e;
        fs::remove_all(dir_, e);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

// Every kind in one document, every terminal wired to a vertex of its domain and every such vertex
// to a hub vertex of the domain, some components rotated, a controlled source pointing at a friction
// branch, one label of the user's own. Returns the number of wires.
int BuildEveryKind(TVFSistema& doc) {
    TVOElemento* hubs[4];
    for (std::int32_t d = 2; d <= 5; ++d)
        hubs[d - 2] = &PlaceKind(doc, SisVertexClass(d)->Kind, {700, 100 * d});
    int wires = 0;
    std::int32_t x = 0;
    for (std::int32_t k = 1; k <= 48; ++k) {
        const TSisKindRow& row = *SisKind(k);
        if (row.Terminals == 0) continue;
        TVOSisComp& c = PlaceComp(doc, k, {40 + (x % 8) * 80, 40 + (x / 8) * 80});
        ++x;
        doc.SetMode(kModeGirar);
        for (std::int32_t i = 0; i < k % 3; ++i)
            doc.RotateClicked(c, TMouseButton::Left);
        for (std::int32_t t = 1; t <= row.Terminals; ++t) {
            const std::int32_t domain = SisTerminalDomain(row, t);
            TVOElemento& v = PlaceKind(doc, SisVertexClass(domain)->Kind, {c.Left() + 10 * t, c.Top() + 40});
            Connect(doc, c, t, v, 1);
            Connect(doc, v, 1, *hubs[domain - 2], 1);
            wires += 2;
        }
    }
    // Every controlled source needs its variable; one points at a friction kind's second branch.
    for (TVisualObject& o : doc.Objects())
        if (auto* c = dynamic_cast<TVOSisComp*>(&o); c != nullptr && c->HasControl())
            c->SetControlVariable("i(Resistor1)");
    auto& ctrl = dynamic_cast<TVOSisComp&>(*doc.Objects().FindByDesc("FonteTorqueCtrl1"));
    ctrl.SetControlVariable("V(MassaAtrito1_B)");
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
    const std::string saved = Slurp(Path("todos.sis"));
    EXPECT_EQ(saved.rfind("Object 0: TSistema\r\nDesc=todos\r\n", 0), 0u);
    EXPECT_NE(saved.find("R\xE9sistance \xE0 c\xF4t\xE9"), std::string::npos) << "Windows-1252 on disk";

    auto back = NewSistema();
    back->LoadFile(Path("todos.sis"));
    EXPECT_EQ(back->Desc(), "todos");
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
    EXPECT_EQ(Slurp(Path("todos.sis")), saved);
}

TEST(SystemLoading, AWireOfAnotherDomainOrWithAnUnknownClassIsRefusedOrSkipped) {
    const std::vector<std::string> head = {"Object 0: TSistema", "Desc=x",     "Left=0", "Top=0",
                                           "Width=550",          "Height=300", "end"};
    const auto load = [&](const std::vector<std::string>& objects) {
        auto doc = NewSistema();
        std::vector<std::string> lines = head;
        lines.insert(lines.end(), objects.begin(), objects.end());
        doc->LoadDocument("x.sis", lines);
        return doc;
    };
    const std::vector<std::string> spring = {"Object 1: TVOMctMola",
                                             "Num=1",
                                             "Desc=Mola1",
                                             "Left=0",
                                             "Top=0",
                                             "Lbl=K1",
                                             "LblX=0",
                                             "LblY=-20",
                                             "Gain=K1",
                                             "Rot=1",
                                             "end"};
    const std::vector<std::string> vertex = {"Object 2: TVOMctVertice",
                                             "Num=1",
                                             "Desc=Vertice1",
                                             "Left=50",
                                             "Top=0",
                                             "Lbl=*",
                                             "LblX=0",
                                             "LblY=0",
                                             "end"};
    const auto wire = [](const char* cls) {
        return std::vector<std::string>{std::string("Object 3: ") + cls,
                                        "Num=1",
                                        "Desc=Conexao1",
                                        "Left=0",
                                        "Top=0",
                                        "Lbl=*",
                                        "LblX=0",
                                        "LblY=0",
                                        "ObjID1=1",
                                        "ObjID2=2",
                                        "CntID1=2",
                                        "CntID2=1",
                                        "end"};
    };
    std::vector<std::string> good = spring;
    good.insert(good.end(), vertex.begin(), vertex.end());
    std::vector<std::string> right = good;
    const auto w = wire("TVOMctConexao");
    right.insert(right.end(), w.begin(), w.end());
    EXPECT_EQ(CountWires(*load(right)), 1);
    std::vector<std::string> wrong = good;
    const auto e = wire("TVOEleConexao");
    wrong.insert(wrong.end(), e.begin(), e.end());
    try {
        load(wrong);
        ADD_FAILURE() << "an electrical wire between mechanical terminals loaded";
    } catch (const EFileError& err) {
        EXPECT_NE(std::string(err.what()).find("x.sis"), std::string::npos);
    }
    std::vector<std::string> foreign = good;
    const auto g = wire("TVOGrfConexao");
    foreign.insert(foreign.end(), g.begin(), g.end());
    EXPECT_EQ(load(foreign)->Objects().Count(), 2) << "a graph connection is no class of a system file";
}

TEST(SystemValidation, ProblemListsOfTheCatalogue) {
    auto doc = NewSistema();
    TValidacaoSistema v = doc->Validate();
    EXPECT_EQ(v.Problemas, std::vector<std::string>{kMsgNenhumElemento});
    EXPECT_FALSE(v.Ok());

    TVOSisComp& r = PlaceComp(*doc, 6, {100, 100});
    TVOElemento& v1 = PlaceKind(*doc, 1, {200, 100});
    TVOElemento& v2 = PlaceKind(*doc, 1, {200, 200});
    Connect(*doc, r, 1, v1, 1);
    v = doc->Validate();
    EXPECT_EQ(v.Problemas, (std::vector<std::string>{"Resistor1", "Vertice1", "Vertice2"}));
    Connect(*doc, r, 2, v2, 1);
    EXPECT_EQ(doc->Validate().Problemas, (std::vector<std::string>{"Vertice1", "Vertice2"}));
    TVOSisComp& s = PlaceComp(*doc, 2, {300, 100});
    Connect(*doc, s, 1, v1, 1);
    Connect(*doc, s, 2, v2, 1);
    EXPECT_TRUE(doc->Validate().Ok());

    // A controlled source without its variable, and after its controlling component is deleted.
    TVOSisComp& ctrl = PlaceComp(*doc, 5, {300, 200});
    Connect(*doc, ctrl, 1, v1, 1);
    Connect(*doc, ctrl, 2, v2, 1);
    EXPECT_EQ(doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
    TVOSisComp& c = PlaceComp(*doc, 8, {400, 200});
    Connect(*doc, c, 1, v1, 1);
    Connect(*doc, c, 2, v2, 1);
    ctrl.SetControlVariable("v(Capacitor1)");
    EXPECT_TRUE(doc->Validate().Ok());
    doc->DeleteObject(c);
    EXPECT_EQ(doc->Validate().Problemas, std::vector<std::string>{"FonteCorrenteCtrl1"});
}

TEST(SystemValidation, CouplerGainsAndTheSingleAxisRule) {
    auto doc = NewSistema();
    TVOSisComp& acp = PlaceComp(*doc, 46, {200, 200});
    TVOElemento& vt = PlaceKind(*doc, 10, {100, 200});
    TVOElemento& vr = PlaceKind(*doc, 21, {300, 200});
    TVOSisComp& f = PlaceComp(*doc, 13, {50, 200});
    TVOSisComp& t = PlaceComp(*doc, 24, {350, 200});
    Connect(*doc, acp, 1, vt, 1);
    Connect(*doc, f, 1, vt, 1);
    Connect(*doc, acp, 2, vr, 1);
    Connect(*doc, t, 1, vr, 1);
    EXPECT_TRUE(doc->Validate().Ok());
    acp.SetGain(1, "0");
    EXPECT_TRUE(doc->Validate().Ok()) << "one of gains 1 and 2 may be 0";
    acp.SetGain(2, "0");
    EXPECT_EQ(doc->Validate().Problemas, std::vector<std::string>{"AcopladorMctMcr1"});
    acp.SetGain(2, "Kwf1");
    acp.SetGain(3, "0");
    acp.SetGain(4, "0");
    EXPECT_FALSE(doc->Validate().Ok());
    acp.SetGain(4, "Ktf1");

    // Translational components along both axes; a rotated reference or coupler does not count.
    doc->SetMode(kModeGirar);
    TVOSisComp& ref = PlaceComp(*doc, 20, {100, 300});
    Connect(*doc, ref, 1, vt, 1);
    Rotate(*doc, ref);
    Rotate(*doc, acp);
    EXPECT_TRUE(doc->Validate().Ok());
    TVOSisComp& m = PlaceComp(*doc, 17, {100, 100});
    Connect(*doc, m, 1, vt, 1);
    TVOElemento& vt2 = PlaceKind(*doc, 10, {100, 50});
    Connect(*doc, m, 2, vt2, 1);
    TVOSisComp& ref2 = PlaceComp(*doc, 20, {150, 50});
    Connect(*doc, ref2, 1, vt2, 1);
    EXPECT_TRUE(doc->Validate().Ok()) << "the mass lies horizontally like the force source";
    Rotate(*doc, m);
    const TValidacaoSistema v = doc->Validate();
    EXPECT_TRUE(v.Problemas.empty());
    EXPECT_EQ(v.Mensagem, kMsgMultiDirecional);
    Rotate(*doc, f); // Rot 4: upright too
    Rotate(*doc, m); // Rot 3: horizontal
    EXPECT_EQ(doc->Validate().Mensagem, kMsgMultiDirecional);
    Rotate(*doc, m); // Rot 4: all upright now
    EXPECT_TRUE(doc->Validate().Ok());
    // The rotational domain on its own: a torque source at Rot 3 and an upright spring.
    TVOSisComp& k = PlaceComp(*doc, 27, {300, 300});
    Connect(*doc, k, 1, vr, 1);
    TVOElemento& vr2 = PlaceKind(*doc, 21, {300, 350});
    Connect(*doc, k, 2, vr2, 1);
    TVOSisComp& rr = PlaceComp(*doc, 31, {350, 350});
    Connect(*doc, rr, 1, vr2, 1);
    EXPECT_TRUE(doc->Validate().Ok()) << "spring and torque source both horizontal";
    Rotate(*doc, k);
    EXPECT_EQ(doc->Validate().Mensagem, kMsgMultiDirecional);
}

// Documents made elsewhere may give two components one description (a translational and a rotational
// damper both Amortecedor1), or a description that equals a branch name derived from another one's;
// the conversion would mix their variables up, so validation names them instead.
TEST(SystemValidation, SharedNamesAreListed) {
    auto doc = NewSistema();
    TVOSisComp& bt = PlaceComp(*doc, 15, {100, 100});
    TVOSisComp& br = PlaceComp(*doc, 26, {300, 100});
    TVOSisComp& trf = PlaceComp(*doc, 9, {200, 300});
    TVOSisComp& res = PlaceComp(*doc, 6, {300, 300});
    TVOElemento* v[6];
    for (int i = 0; i < 2; ++i)
        v[i] = &PlaceKind(*doc, 10, {100, 150 + 50 * i});
    for (int i = 2; i < 4; ++i)
        v[i] = &PlaceKind(*doc, 21, {300, 50 + 50 * i});
    for (int i = 4; i < 6; ++i)
        v[i] = &PlaceKind(*doc, 1, {200, 200 + 50 * i});
    TVOSisComp& rt = PlaceComp(*doc, 20, {50, 200});
    TVOSisComp& rr = PlaceComp(*doc, 31, {350, 200});
    Connect(*doc, bt, 1, *v[0], 1);
    Connect(*doc, bt, 2, *v[1], 1);
    Connect(*doc, rt, 1, *v[0], 1);
    Connect(*doc, br, 1, *v[2], 1);
    Connect(*doc, br, 2, *v[3], 1);
    Connect(*doc, rr, 1, *v[2], 1);
    for (std::int32_t t = 1; t <= 4; ++t)
        Connect(*doc, trf, t, *v[4 + (t - 1) % 2], 1);
    Connect(*doc, res, 1, *v[4], 1);
    Connect(*doc, res, 2, *v[5], 1);
    // Every vertex needs two wires: close the loops.
    TVOSisComp& k = PlaceComp(*doc, 16, {100, 250});
    Connect(*doc, k, 1, *v[1], 1);
    Connect(*doc, k, 2, *v[0], 1);
    TVOSisComp& kr = PlaceComp(*doc, 27, {300, 250});
    Connect(*doc, kr, 1, *v[3], 1);
    Connect(*doc, kr, 2, *v[2], 1);
    ASSERT_TRUE(doc->Validate().Ok())
        << (doc->Validate().Problemas.empty() ? doc->Validate().Mensagem : doc->Validate().Problemas[0]);
    // Descriptions written into the file by another program: loading keeps them.
    std::vector<std::string> text = doc->Text("x.sis");
    for (std::string& line : text) {
        if (line == "Desc=" + br.Desc()) line = "Desc=" + bt.Desc();
        if (line == "Desc=" + res.Desc()) line = "Desc=" + trf.Desc() + "_P2";
    }
    auto copy = NewSistema();
    copy->LoadDocument("x.sis", text);
    const TValidacaoSistema verdict = copy->Validate();
    EXPECT_EQ(verdict.Problemas,
              (std::vector<std::string>{std::string(kMsgNomeRepetido) + "Amortecedor1",
                                        std::string(kMsgNomeRepetido) + "Transformador1_P2"}));
    EXPECT_EQ(std::string(kMsgNomeRepetido), "Nome repetido em mais de um componente: ");
    // Two vertices sharing a description are no problem: vertices are not looked up by name.
    std::vector<std::string> vertices = doc->Text("y.sis");
    for (std::string& line : vertices)
        if (line == "Desc=" + v[3]->Desc()) line = "Desc=" + v[0]->Desc();
    auto copy2 = NewSistema();
    copy2->LoadDocument("y.sis", vertices);
    EXPECT_TRUE(copy2->Validate().Ok());
}
