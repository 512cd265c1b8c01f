#include "core/system/SisDocTestUtil.h"

#include "system/UnitSisRota.h"
#include "system/UnitVOSisTerminais.h"

#include <gtest/gtest.h>

#include <set>

using namespace brelix;
using namespace brelix::testing;

namespace {

bool IsComponentKind(std::int32_t kind) {
    const TSisFamilia f = SisKind(kind)->Familia;
    return f != TSisFamilia::Vertice && f != TSisFamilia::Conexao;
}

} // namespace

TEST(SystemCatalogue, KindsFollowTheRegistryAndTheClassTree) {
    const TDocKindInfo& kind = RegisterSistema();
    EXPECT_EQ(&RegisterSistema(), &kind) << "a second registration changes nothing";
    EXPECT_EQ(kind.DocKind, 2);
    EXPECT_EQ(kind.HeaderClass, "TSistema");
    EXPECT_EQ(kind.Extension, "sis");
    ASSERT_EQ(kind.Classes.size(), 52u);
    for (std::int32_t k = 1; k <= 52; ++k) {
        const TVOClass& c = *kind.ClassOfKind(k);
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Kind, k);
        EXPECT_EQ(kind.FindClass(c.Name), &c);
        EXPECT_FALSE(c.IsAbstract());
        const std::int32_t domain = k <= 9    ? 2
                                    : k <= 20 ? 3
                                    : k <= 31 ? 4
                                    : k <= 42 ? 5
                                    : k <= 48 ? k - 37
                                              : k - 47;
        EXPECT_EQ(c.Domain, domain);
        if (k >= 49)
            EXPECT_TRUE(c.InheritsFrom(ClassSisConexao()));
        else if (k == 1 || k == 10 || k == 21 || k == 32)
            EXPECT_TRUE(c.InheritsFrom(ClassSisVertice()));
        else
            EXPECT_TRUE(c.InheritsFrom(ClassSisDomainComp(c.Domain)) && c.InheritsFrom(ClassSisComp()));
    }
    // The controlled sources of a domain share a parent; references are plain domain components.
    for (std::int32_t k : {3, 5, 12, 14, 23, 25, 34, 36}) {
        const TVOClass& c = *kind.ClassOfKind(k);
        EXPECT_TRUE(c.InheritsFrom(ClassSisCompCtrl(c.Domain))) << c.Name;
        EXPECT_EQ(c.PropWindow, TPropWindow::SisCompCtrl);
    }
    EXPECT_EQ(ClassSisCompCtrl(3).Name, "TVOMctCompCtrl");
    EXPECT_EQ(kind.ClassOfKind(20)->Parent, &ClassSisDomainComp(3));
    EXPECT_EQ(kind.ClassOfKind(31)->Parent->Name, "TVOMcrComp");
    EXPECT_EQ(kind.ClassOfKind(42)->Parent->Name, "TVOHidComp");
    EXPECT_EQ(kind.ClassOfKind(45)->Parent->Name, "TVOAcp");
    EXPECT_FALSE(kind.ClassOfKind(6)->InheritsFrom(ClassSisCompCtrl(2)));
    // Dialog families.
    EXPECT_EQ(kind.ClassOfKind(18)->PropWindow, TPropWindow::SisComp2);
    EXPECT_EQ(kind.ClassOfKind(29)->PropWindow, TPropWindow::SisComp2);
    EXPECT_EQ(kind.ClassOfKind(46)->PropWindow, TPropWindow::SisComp4);
    EXPECT_EQ(kind.ClassOfKind(42)->PropWindow, TPropWindow::SisComp);
    EXPECT_EQ(kind.ClassOfKind(32)->PropWindow, TPropWindow::Vrt);
    EXPECT_EQ(kind.ClassOfKind(51)->PropWindow, TPropWindow::Cnx);
    EXPECT_EQ(SisKind(25)->Hint, "Fonte de Toque Controlada");
    EXPECT_EQ(SisKind(37)->Hint, "Tubo com Resistência Fluída");
    EXPECT_EQ(ToolbarPage(SisKind(47)->Domain), "Acopladores");
    EXPECT_EQ(ToolbarPage(3), "Mec. Translacional");
    EXPECT_EQ(PictureListName(*SisKind(43)), "ImageAcpAcopladorEleMct");
    EXPECT_EQ(SisVertexClass(4)->Name, "TVOMcrVertice");
    EXPECT_EQ(SisWireClass(5)->Name, "TVOHidConexao");
    EXPECT_EQ(SisVertexClass(6), nullptr);
}

TEST(SystemCatalogue, EveryKindIsCreatedWithItsKeys) {
    auto doc = NewSistema();
    for (std::int32_t k = 1; k <= 52; ++k) {
        const TSisKindRow& row = *SisKind(k);
        SCOPED_TRACE(row.ClassName);
        TVisualObject& o = doc->NewObject(KindClass(k), {40, 60});
        EXPECT_EQ(o.GetKind(), k);
        // The class's next number, or the next one whose description is free.
        EXPECT_EQ(o.Desc(), KindClass(k).DescPrefix() + IntToStr(o.Num()));
        EXPECT_EQ(o.Left(), 40);
        if (!IsComponentKind(k)) {
            EXPECT_FALSE(o.Props().HasKey("Rot"));
            EXPECT_FALSE(o.Props().HasKey("Gain"));
            continue;
        }
        auto& c = dynamic_cast<TVOSisComp&>(o);
        EXPECT_EQ(c.NumPorts(), row.Terminals);
        EXPECT_EQ(c.NumGains(), static_cast<std::int32_t>(row.Symbols.size()));
        EXPECT_EQ(c.GetRot(), row.InitRot);
        std::string gain;
        for (const std::string& s : row.Symbols)
            gain += (gain.empty() ? "" : ";") + s + IntToStr(c.Num());
        EXPECT_EQ(c.GetGain(0), gain);
        EXPECT_EQ(c.Lbl(), gain);
        const bool horizontal = row.InitRot % 2 == 1;
        EXPECT_EQ(c.LblX(), horizontal ? 0 : -20);
        EXPECT_EQ(c.LblY(), horizontal ? -20 : 0);
        // Keys in file order: the eight common lines, Gain, Rot, then the control keys.
        const auto& lines = c.Props().Lines();
        ASSERT_GE(lines.size(), 10u);
        EXPECT_EQ(lines[8].substr(0, 5), "Gain=");
        EXPECT_EQ(lines[9], "Rot=" + IntToStr(row.InitRot));
        EXPECT_EQ(c.HasControl(), row.Familia == TSisFamilia::CompCtrl);
        if (c.HasControl()) {
            ASSERT_EQ(lines.size(), 13u);
            EXPECT_EQ(lines[10], "VarCtrl=0");
            EXPECT_EQ(lines[11], "VarID=0");
            EXPECT_EQ(lines[12], "VarPort=0");
        } else {
            EXPECT_EQ(lines.size(), 10u);
        }
        EXPECT_FALSE(c.Props().HasKey("Move"));
    }
    EXPECT_EQ(doc->Objects().FindByDesc("Conexao4")->ClassName(), "TVOHidConexao");
    EXPECT_EQ(dynamic_cast<TVOSisComp&>(*doc->Objects().FindByDesc("AcopladorEleMct1")).GetGain(0),
              "Kvv1;Kvi1;Kfv1;Kfi1");
}

TEST(SystemCatalogue, StartingOrientationsOfTheCatalogue) {
    auto doc = NewSistema();
    EXPECT_EQ(PlaceComp(*doc, 2).GetRot(), 2) << "a voltage source starts upright";
    EXPECT_EQ(PlaceComp(*doc, 13).GetRot(), 3) << "a force source starts pointing right";
    EXPECT_EQ(PlaceComp(*doc, 6).GetRot(), 1);
    EXPECT_EQ(PlaceComp(*doc, 33).GetRot(), 2);
    EXPECT_EQ(PlaceComp(*doc, 18).GetGain(0), "M1;B1");
}

TEST(SystemCatalogue, NewObjectsNeverShareADescription) {
    auto doc = NewSistema();
    // Three of every kind, mixed: the domains' dampers, springs, vertices, references and wires all
    // start from the same default descriptions.
    for (int round = 0; round < 3; ++round)
        for (std::int32_t k = 1; k <= 52; ++k)
            doc->NewObject(KindClass(k), {0, 0});
    std::set<std::string> seen;
    for (const TVisualObject& o : doc->Objects())
        EXPECT_TRUE(seen.insert(o.Desc()).second) << o.Desc();
    EXPECT_EQ(seen.size(), 156u);
    auto fresh = NewSistema();
    EXPECT_EQ(PlaceComp(*fresh, 15).Desc(), "Amortecedor1");
    TVOSisComp& rotational = PlaceComp(*fresh, 26);
    EXPECT_EQ(rotational.Desc(), "Amortecedor2");
    EXPECT_EQ(rotational.GetGain(0), "B2") << "the gain follows the number taken";
    EXPECT_EQ(PlaceKind(*fresh, 10).Desc(), "Vertice1");
    EXPECT_EQ(PlaceKind(*fresh, 21).Desc(), "Vertice2");
}

TEST(SystemCatalogue, RotationCyclesAndTheLabelFollowsUnlessMoved) {
    auto doc = NewSistema();
    doc->SetMode(kModeGirar);
    for (std::int32_t k = 1; k <= 48; ++k) {
        if (!IsComponentKind(k)) continue;
        TVOSisComp& c = PlaceComp(*doc, k);
        SCOPED_TRACE(c.ClassName());
        const std::int32_t start = c.GetRot();
        std::vector<std::int32_t> seen;
        for (std::int32_t i = 0; i < c.Orientations(); ++i) {
            EXPECT_TRUE(doc->RotateClicked(c, TMouseButton::Left));
            seen.push_back(c.GetRot());
            const bool horizontal = c.GetRot() % 2 == 1;
            const bool fixed = k == 39 || k == 40;
            EXPECT_EQ(c.LblX(), fixed ? 0 : (horizontal ? 0 : -20));
            EXPECT_EQ(c.LblY(), fixed ? -20 : (horizontal ? -20 : 0));
        }
        EXPECT_EQ(c.GetRot(), start) << "back to the start after a full turn";
        std::set<std::int32_t> distinct(seen.begin(), seen.end());
        EXPECT_EQ(static_cast<std::int32_t>(distinct.size()), c.Orientations());
        EXPECT_TRUE(c.Modified());
    }
    TVOSisComp& trf = PlaceComp(*doc, 9);
    doc->RotateClicked(trf, TMouseButton::Left);
    EXPECT_EQ(trf.GetRot(), 2);
    EXPECT_EQ(trf.Picture(2), 2);
    doc->RotateClicked(trf, TMouseButton::Left);
    EXPECT_EQ(trf.GetRot(), 1);
    EXPECT_EQ(PictureNumber(4, 2), 2);
    EXPECT_EQ(PictureNumber(3, 2), 1);
    EXPECT_EQ(PictureNumber(3, 4), 3);
    // A label placed by the user stays; one emptied is left alone.
    TVOSisComp& r = PlaceComp(*doc, 6);
    r.SetLblX(7);
    doc->RotateClicked(r, TMouseButton::Left);
    EXPECT_EQ(r.LblX(), 7);
    EXPECT_EQ(r.LblY(), -20);
    TVOSisComp& l = PlaceComp(*doc, 7);
    l.SetLbl("");
    doc->RotateClicked(l, TMouseButton::Left);
    EXPECT_EQ(l.LblX(), 0);
    EXPECT_EQ(l.LblY(), -20);
    // Only the left button of the rotate tool turns components; vertices do not turn.
    EXPECT_FALSE(doc->RotateClicked(r, TMouseButton::Right));
    doc->SetMode(kModeSelecionar);
    EXPECT_FALSE(doc->RotateClicked(r, TMouseButton::Left));
    doc->SetMode(kModeGirar);
    EXPECT_FALSE(doc->RotateClicked(PlaceKind(*doc, 1), TMouseButton::Left));
    EXPECT_EQ(r.GetRot(), 2);
}

TEST(SystemCatalogue, TerminalsLeaveTheirBoxOutwardsAndCarryTheirDomain) {
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0) continue;
        SCOPED_TRACE(row.ClassName);
        const TPortTable table = SisPortTable(row);
        ASSERT_EQ(static_cast<std::int32_t>(table.size()), row.Terminals);
        for (std::size_t r = 0; r < 4; ++r) {
            std::set<std::pair<int, int>> places;
            for (const TPortGeom& g : table) {
                EXPECT_EQ(std::abs(g.DX[r]) + std::abs(g.DY[r]), 1);
                // The outward step points away from the box from the terminal's side of it.
                const bool outward = (g.DX[r] == -1 && g.X[r] == 5) || (g.DX[r] == 1 && g.X[r] == 25) ||
                                     (g.DY[r] == -1 && g.Y[r] == 5) || (g.DY[r] == 1 && g.Y[r] == 25);
                EXPECT_TRUE(outward) << "terminal at (" << g.X[r] << ", " << g.Y[r] << ") Rot " << r + 1;
                EXPECT_TRUE(places.insert({g.X[r], g.Y[r]}).second) << "two terminals on one spot";
                EXPECT_EQ(g.Color, DomainColour(g.Type));
            }
        }
        // Two-orientation layouts repeat themselves for Rot 3 and 4, as their pictures do.
        if (row.Orientations != 2) continue;
        for (const TPortGeom& g : table)
            EXPECT_TRUE(g.X[2] == g.X[0] && g.Y[3] == g.Y[1] && g.DX[2] == g.DX[0] && g.DY[3] == g.DY[1]);
    }
    // Spot checks against the catalogue's figures.
    const auto at = [](std::int32_t kind, std::int32_t t, std::int32_t rot) {
        const TPortGeom g = SisPortTable(*SisKind(kind))[static_cast<std::size_t>(t - 1)];
        const std::size_t r = static_cast<std::size_t>(rot - 1);
        return std::array<std::int32_t, 4>{g.X[r], g.Y[r], g.DX[r], g.DY[r]};
    };
    using A = std::array<std::int32_t, 4>;
    EXPECT_EQ(at(6, 1, 2), (A{15, 5, 0, -1}));
    EXPECT_EQ(at(6, 2, 4), (A{15, 5, 0, -1}));
    EXPECT_EQ(at(9, 2, 2), (A{5, 5, 0, -1}));
    EXPECT_EQ(at(9, 4, 1), (A{25, 25, 1, 0}));
    EXPECT_EQ(at(19, 2, 1), (A{25, 15, 1, 0}));
    EXPECT_EQ(at(30, 2, 2), (A{5, 25, 0, 1}));
    EXPECT_EQ(at(41, 1, 2), (A{15, 5, 0, -1}));
    EXPECT_EQ(at(40, 1, 2), (A{25, 20, 1, 0}));
    EXPECT_EQ(at(40, 2, 2), (A{5, 20, -1, 0}));
    EXPECT_EQ(at(43, 1, 3), (A{25, 5, 1, 0}));
    EXPECT_EQ(at(44, 2, 4), (A{5, 25, 0, 1}));
    EXPECT_EQ(at(45, 3, 4), (A{15, 5, 0, -1}));
    // Terminal domains: couplers 43 to 45 have two electrical terminals and one of the other domain;
    // couplers 46 to 48 one of each.
    const auto types = [](std::int32_t kind) {
        std::vector<std::int32_t> t;
        for (const TPortGeom& g : SisPortTable(*SisKind(kind)))
            t.push_back(g.Type);
        return t;
    };
    EXPECT_EQ(types(43), (std::vector<std::int32_t>{2, 2, 3}));
    EXPECT_EQ(types(44), (std::vector<std::int32_t>{2, 2, 4}));
    EXPECT_EQ(types(45), (std::vector<std::int32_t>{2, 2, 5}));
    EXPECT_EQ(types(46), (std::vector<std::int32_t>{3, 4}));
    EXPECT_EQ(types(47), (std::vector<std::int32_t>{3, 5}));
    EXPECT_EQ(types(48), (std::vector<std::int32_t>{4, 5}));
    EXPECT_EQ(types(37), (std::vector<std::int32_t>{5, 5}));
    EXPECT_EQ(DomainColour(3), 0xFF00FF);
    EXPECT_EQ(DomainColour(4), 0xFF0000);
    EXPECT_EQ(DomainColour(5), 0x008000);
    EXPECT_EQ(DomainColour(2), 0);
}

TEST(SystemCatalogue, VariableNamesOfOneAndTwoBranchKinds) {
    auto doc = NewSistema();
    EXPECT_EQ(PlaceComp(*doc, 6).EffortVariable(1), "v(Resistor1)");
    EXPECT_EQ(PlaceComp(*doc, 9).FlowVariable(2), "i(Transformador1_P2)");
    TVOSisComp& m = PlaceComp(*doc, 18);
    EXPECT_EQ(m.EffortVariable(1), "V(MassaAtrito1_M)");
    EXPECT_EQ(m.FlowVariable(2), "F(MassaAtrito1_B)");
    EXPECT_EQ(m.BranchNames(), (std::vector<std::string>{"MassaAtrito1_M", "MassaAtrito1_B"}));
    TVOSisComp& j = PlaceComp(*doc, 29);
    EXPECT_EQ(j.EffortVariable(1), "W(InerciaAtrito1_J)");
    EXPECT_EQ(j.FlowVariable(1), "T(InerciaAtrito1_J)");
    EXPECT_EQ(PlaceComp(*doc, 39).FlowVariable(1), "Q(Reservatorio1Cnt1)");
    EXPECT_TRUE(PlaceComp(*doc, 20).BranchNames().empty());
    TVOSisComp& acp = PlaceComp(*doc, 44);
    EXPECT_EQ(acp.BranchNames(), (std::vector<std::string>{"AcopladorEleMcr1_P1", "AcopladorEleMcr1_P2"}));
    // Candidates for a controlled source: never the source itself, references, couplers or other
    // controlled sources; the friction kinds offer both branches.
    TVOSisComp& ctrl = PlaceComp(*doc, 3);
    PlaceComp(*doc, 5);
    const std::vector<std::string> names = doc->Objects().ControlVariables(ctrl);
    const std::vector<std::string> expected = {
        "F(MassaAtrito1_B)",    "F(MassaAtrito1_M)",    "Q(Reservatorio1Cnt1)", "i(Resistor1)",
        "i(Transformador1_P1)", "i(Transformador1_P2)", "T(InerciaAtrito1_B)",  "T(InerciaAtrito1_J)",
        "V(MassaAtrito1_B)",    "V(MassaAtrito1_M)",    "P(Reservatorio1Cnt1)", "v(Resistor1)",
        "v(Transformador1_P1)", "v(Transformador1_P2)", "W(InerciaAtrito1_B)",  "W(InerciaAtrito1_J)"};
    std::vector<std::string> fixed = expected;
    std::vector<std::string> sortedNames = names;
    std::sort(sortedNames.begin(), sortedNames.end());
    std::sort(fixed.begin(), fixed.end());
    EXPECT_EQ(sortedNames, fixed);
    // Choosing a friction kind's second branch stores port 2 and names it again.
    ctrl.SetControlVariable("F(MassaAtrito1_B)");
    EXPECT_EQ(ctrl.Props().Value("VarPort"), "2");
    EXPECT_EQ(ctrl.ControlVariable(), "F(MassaAtrito1_B)");
}

// Every wire, between any two terminals of any layouts in any orientations, and vertices, at many
// distances and sides, is an orthogonal route of at most six points from one terminal to the other.
TEST(SystemCatalogue, NoWireRouteExceedsSixPoints) {
    struct End {
        TExtremoRota Local; // relative to the object's left and top
    };
    std::vector<End> ends;
    std::set<TSisLayout> layouts;
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0 || !layouts.insert(row.Layout).second) continue;
        for (const TPortGeom& g : SisPortTable(row))
            for (std::size_t r = 0; r < 4; ++r)
                ends.push_back({{g.X[r], g.Y[r], g.DX[r], g.DY[r]}});
    }
    ends.push_back({{15, 15, 0, 0}}); // a vertex
    ASSERT_EQ(layouts.size(), 7u);
    long routes = 0;
    for (const End& a : ends)
        for (const End& b : ends)
            for (int ox = -90; ox <= 90; ox += 15)
                for (int oy = -90; oy <= 90; oy += 15) {
                    const TPontoRota objA{200, 200};
                    const TPontoRota objB{200 + ox, 200 + oy};
                    const TExtremoRota ea{a.Local.X + objA.X, a.Local.Y + objA.Y, a.Local.DirX, a.Local.DirY};
                    const TExtremoRota eb{b.Local.X + objB.X, b.Local.Y + objB.Y, b.Local.DirX, b.Local.DirY};
                    const TGeometriaConexaoSis g = PlaceWire(ea, objA, eb, objB);
                    const TRotaSis& r = g.Rota;
                    ++routes;
                    ASSERT_GE(r.Count, 2);
                    ASSERT_LE(r.Count, 6);
                    const TPontoRota first{ea.X - g.Posicao.Left, ea.Y - g.Posicao.Top};
                    const TPontoRota last{eb.X - g.Posicao.Left, eb.Y - g.Posicao.Top};
                    const bool forward = r.Pontos[0] == first && r.Pontos[r.Count - 1] == last;
                    const bool backward = r.Pontos[0] == last && r.Pontos[r.Count - 1] == first;
                    ASSERT_TRUE(forward || backward);
                    for (int i = 1; i < r.Count; ++i)
                        ASSERT_TRUE(r.Pontos[i].X == r.Pontos[i - 1].X || r.Pontos[i].Y == r.Pontos[i - 1].Y);
                }
    EXPECT_GT(routes, 100000);
}
