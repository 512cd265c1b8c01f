// Editing a document without its window: connecting through picked ports, drag steps, the arrow and
// hit test of a graph connection, control variables, renaming and renumbering.

#include "core/visual/VisualTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace brelix;
using namespace brelix::testing;

namespace {

// Five components, then two vertices (the impedance to their lower right), nothing connected.
struct Graph {
    std::unique_ptr<TVisualDocumento> doc = NewDoc();
    TVOGrfComp& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia", {300, 300});
    TVOGrfComp& k = Place<TVOGrfComp>(*doc, "TVOGrfDuasPortas");
    TVOGrfComp& t = Place<TVOGrfComp>(*doc, "TVOGrfTransformador");
    TVOGrfComp& ec = Place<TVOGrfComp>(*doc, "TVOGrfFonteEsforcoCtrl");
    TVOGrfComp& fc = Place<TVOGrfComp>(*doc, "TVOGrfFonteFluxoCtrl");
    TVOElemento& v1 = Place(*doc, "TVOGrfVertice", {0, 0});
    TVOElemento& v2 = Place(*doc, "TVOGrfVertice", {100, 50});
};

std::vector<std::string> Keys(const TVOComp& c) {
    return {c.Props().Value("VarCtrl"), c.Props().Value("VarID"), c.Props().Value("VarPort")};
}

} // namespace

TEST(ConnectProtocol, AVertexAndAComponentPortMakeAConnectionThatFollowsThePorts) {
    Graph g;
    PickBoth(*g.doc, g.v1, 1, g.z, 1);
    ASSERT_EQ(Connections(*g.doc).size(), 1u);
    EXPECT_EQ(Connections(*g.doc)[0]->Props().Lines(),
              Lines({"Object 8: TVOGrfConexao", "Num=1", "Desc=Conexao1", "Left=0", "Top=0", "Lbl=*",
                     "LblX=0", "LblY=0", "ObjID1=6", "ObjID2=1", "CntID1=1", "CntID2=1"}));
    // The picking order does not decide the direction, the component's port does: port 2 runs out.
    PickBoth(*g.doc, g.v2, 1, g.z, 2);
    const TVOConexao* d = Connections(*g.doc).back();
    EXPECT_EQ(std::make_tuple(d->ObjID1(), d->CntID1(), d->ObjID2(), d->CntID2()),
              std::make_tuple(g.z.ID(), 2, g.v2.ID(), 1));
    // An unmoved one-port sits midway between its vertices.
    g.doc->UpdateLayout();
    EXPECT_EQ(g.z.Position(), (TPonto{50, 25}));
}

TEST(ConnectProtocol, PairsThatMayNotJoinDeletedPendingElementsAndTakenPorts) {
    Graph g;
    PickBoth(*g.doc, g.v1, 1, g.v2, 1); // two vertices: the second waits, the first's mark is cleared
    EXPECT_EQ(g.doc->PendingEnd(), (TPendingEnd{g.v2.ID(), 1}));
    g.doc->PortClicked(false, g.v2.ID(), {}, 1, 1);
    // The pending element disappears before its partner is picked: no connection to it.
    g.doc->PortClicked(true, g.v1.ID(), {}, 1, 1);
    const std::int32_t gone = g.v1.ID();
    g.doc->DeleteObject(g.v1);
    EXPECT_EQ(g.doc->PendingEnd(), TPendingEnd{});
    g.doc->PortClicked(true, gone, {}, 1, 1); // a stale report from the display
    g.doc->PortClicked(true, g.z.ID(), {}, 1, 1);
    EXPECT_TRUE(Connections(*g.doc).empty());
    // Reports that bypass the picking rules still cannot double a port.
    PickBoth(*g.doc, g.v2, 1, g.z, 1);
    PickBoth(*g.doc, g.v2, 1, g.z, 1);
    EXPECT_EQ(Connections(*g.doc).size(), 1u);
    EXPECT_EQ(Inconsistency(*g.doc), "");
}

TEST(PortPicking, ComponentPortsWithinThreePixelsFirstFreePortAndToggling) {
    Graph g;
    g.doc->SetMode(kModeConectar);
    EXPECT_EQ(g.doc->PickPort(g.z, {7, 15}), TPortPick::Miss); // 4 pixels from port 1
    EXPECT_EQ(g.doc->PickPort(g.z, {5, 18}), TPortPick::Picked);
    EXPECT_EQ(g.doc->PendingEnd(), (TPendingEnd{g.z.ID(), 1}));
    EXPECT_EQ(g.doc->PickPort(g.z, {26, 15}), TPortPick::Picked); // another port: the first is cleared
    EXPECT_FALSE(g.z.PortFlag(1));
    EXPECT_EQ(g.doc->PickPort(g.z, {26, 15}), TPortPick::Dropped);
    EXPECT_EQ(g.doc->PendingEnd(), TPendingEnd{});
    // A vertex's port is its whole sensitive rectangle (margin 4).
    EXPECT_EQ(g.doc->PickPort(g.v1, {3, 10}), TPortPick::Miss);
    EXPECT_EQ(g.doc->PickPort(g.v1, {4, 25}), TPortPick::Picked);
    EXPECT_EQ(g.doc->PickPort(g.z, {3, 15}), TPortPick::Picked);
    ASSERT_EQ(Connections(*g.doc).size(), 1u);
    EXPECT_EQ(g.doc->PickPort(g.z, {3, 15}), TPortPick::Busy);
}

TEST(Geometry, DragStepsStayInsideAndOnTheGrid) {
    // Against the rule written out directly: follow the cursor, keep 5 pixels from the right and
    // bottom edges, never go below 0, snap down to a multiple of 5.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coord(-300, 900);
    for (int i = 0; i < 2000; ++i) {
        const TPonto pos{coord(random), coord(random)};
        const TPonto offset{coord(random), coord(random)};
        const TPonto cursor{coord(random), coord(random)};
        const TPonto area{coord(random) + 300, coord(random) + 300};
        const TDragStep step = DragStep(pos, {30, 30}, offset, cursor, area.X, area.Y);
        for (int axis = 0; axis < 2; ++axis) {
            const int p = axis == 0 ? step.Position.X : step.Position.Y;
            const int wanted = axis == 0 ? pos.X + cursor.X - offset.X : pos.Y + cursor.Y - offset.Y;
            const int limit = (axis == 0 ? area.X : area.Y) - 30 - 5;
            int expected = 0;
            for (int candidate = 0; candidate <= std::min(wanted, limit); candidate += 5)
                expected = candidate;
            ASSERT_EQ(p, expected) << "step " << i << " axis " << axis;
        }
        EXPECT_EQ(step.Offset.X - offset.X, step.Position.X - pos.X);
        EXPECT_EQ(step.Offset.Y - offset.Y, step.Position.Y - pos.Y);
    }
}

TEST(Geometry, TheConnectionsArrowLiesAtTheMiddlePointingToTheSecondEndAndPressesHitNearTheLine) {
    const double half = 3.0 * std::sqrt(3.0) / 2.0;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coord(-200, 200);
    for (int i = 0; i < 500; ++i) {
        const TPonto c1{coord(random), coord(random)};
        const TPonto c2{coord(random), coord(random)};
        const TGrfCnxGeometria g = GrfCnxGeometria(c1, c2);
        EXPECT_EQ(std::make_pair(g.Left, g.Width),
                  std::make_pair(std::min(c1.X, c2.X) - 5, std::abs(c1.X - c2.X) + 10));
        EXPECT_EQ(g.DirX, c1.X == c2.X ? 0 : (c2.X > c1.X ? 1 : 2));
        EXPECT_EQ(g.DirY, c1.Y == c2.Y ? 0 : (c2.Y > c1.Y ? 1 : 2));
        ASSERT_EQ(g.HasArrow, c1 != c2);
        if (c1 == c2) continue;
        const double mx = (c1.X + c2.X) / 2.0, my = (c1.Y + c2.Y) / 2.0;
        const double dx = c2.X - c1.X, dy = c2.Y - c1.Y, len = std::hypot(dx, dy);
        const auto along = [&](TPontoReal p) { return ((p.X - mx) * dx + (p.Y - my) * dy) / len; };
        const auto across = [&](TPontoReal p) { return ((p.X - mx) * dy - (p.Y - my) * dx) / len; };
        EXPECT_NEAR(along(g.Arrow[0]), half, 1e-9);
        EXPECT_NEAR(across(g.Arrow[0]), 0.0, 1e-9);
        EXPECT_NEAR(along(g.Arrow[1]), -half, 1e-9);
        EXPECT_NEAR(along(g.Arrow[2]), -half, 1e-9);
        EXPECT_NEAR(std::fabs(across(g.Arrow[1])), 3.0, 1e-9);
        EXPECT_NEAR(across(g.Arrow[1]), -across(g.Arrow[2]), 1e-9);
    }
    // A press hits a connection within 3 pixels of its line.
    EXPECT_TRUE(HitTestPolyline({{0, 10}, {100, 10}}, {50, 13}));
    EXPECT_FALSE(HitTestPolyline({{0, 10}, {100, 10}}, {50, 14}));
    EXPECT_FALSE(HitTestPolyline({{0, 10}, {100, 10}}, {101, 10}));
    EXPECT_TRUE(HitTestPolyline({{20, 0}, {20, 80}}, {17, 40}));
    EXPECT_FALSE(HitTestPolyline({{20, 0}, {20, 80}}, {16, 40}));
    EXPECT_FALSE(HitTestPolyline({{20, 0}, {20, 80}}, {20, 81}));
    EXPECT_TRUE(HitTestPolyline({{0, 0}, {100, 50}}, {40, 23}));
    EXPECT_FALSE(HitTestPolyline({{0, 0}, {100, 50}}, {40, 24}));
    EXPECT_FALSE(HitTestPolyline({{5, 5}}, {5, 5}));
}

// A press goes to the element whose box holds it, the later one where two overlap; never to a
// connection, whatever lies under its line; outside every box to nothing.
TEST(Geometry, APressGoesToTheTopmostElementUnderIt) {
    auto doc = NewDoc();
    auto& v = Place(*doc, "TVOGrfVertice", {100, 100});
    auto& z = Place(*doc, "TVOGrfImpedancia", {120, 100});
    auto& w = Place(*doc, "TVOGrfVertice", {300, 100});
    PickBoth(*doc, v, 1, z, 1);
    ASSERT_EQ(Connections(*doc).size(), 1u);
    const TListVisualObject& objects = doc->Objects();
    struct Caso {
        TPonto p;
        const TVisualObject* esperado;
    };
    for (const Caso& c :
         {Caso{{100, 100}, &v}, Caso{{119, 129}, &v}, Caso{{120, 100}, &z}, Caso{{129, 110}, &z},
          Caso{{149, 129}, &z}, Caso{{150, 110}, nullptr}, Caso{{99, 110}, nullptr},
          Caso{{100, 130}, nullptr}, Caso{{315, 115}, &w}, Caso{{200, 115}, nullptr}})
        EXPECT_EQ(objects.ElementAt(c.p), c.esperado) << c.p.X << ", " << c.p.Y;
}

// Offered sorted from the other uncontrolled components, stored as letter, identity and port, following
// a rename and a renumbering, and cleared when the component goes.
TEST(ControlVariables, CandidatesKeysRenamesAndDeletion) {
    Graph g;
    EXPECT_EQ(g.doc->Objects().ControlVariables(g.ec),
              Lines({"E(DuasPortas1_P1)", "E(DuasPortas1_P2)", "E(Impedancia1)", "E(Transformador1_P1)",
                     "E(Transformador1_P2)", "F(DuasPortas1_P1)", "F(DuasPortas1_P2)", "F(Impedancia1)",
                     "F(Transformador1_P1)", "F(Transformador1_P2)"}));
    for (const char* nothing : {"", "E(Nada)", "E", "E()", "(Impedancia1", "É(Impedancia1)"}) {
        g.fc.SetControlVariable(nothing);
        EXPECT_EQ(Keys(g.fc), Lines({"0", "0", "0"})) << nothing;
    }
    g.ec.SetControlVariable("E(Impedancia1)");
    EXPECT_EQ(Keys(g.ec), Lines({"E", "1", "1"}));
    g.fc.SetControlVariable("F(DuasPortas1_P2)");
    EXPECT_EQ(Keys(g.fc), Lines({"F", "2", "2"}));
    ASSERT_TRUE(g.doc->Objects().Rename("Impedancia1", "Carga"));
    EXPECT_EQ(g.ec.ControlVariable(), "E(Carga)");
    ASSERT_TRUE(g.doc->Objects().Renumber("TVOGrfDuasPortas", 1, 5));
    EXPECT_EQ(g.fc.ControlVariable(), "F(DuasPortas5_P2)");
    g.doc->DeleteObject(g.z);
    EXPECT_EQ(Keys(g.ec), Lines({"0", "0", "0"}));
    EXPECT_EQ(g.fc.ControlVariable(), "F(DuasPortas5_P2)"); // the other source is untouched
}

// A description in use or that the file cannot hold is refused, and so is such a label; a new number
// is refused when taken in the class; the default description follows it unless that is taken or
// the description is the user's own.
TEST(Names, RenamingAndRenumbering) {
    Graph g;
    g.z.SetModified(false);
    for (const char* refused : {"DuasPortas1", "", "Ω1"})
        EXPECT_FALSE(g.doc->Objects().Rename("Impedancia1", refused)) << refused;
    EXPECT_FALSE(g.z.SetLbl("Ω") || g.z.SetLbl("duas\nlinhas"));
    EXPECT_EQ(std::make_tuple(g.z.Desc(), g.z.Lbl(), g.z.Modified()),
              std::make_tuple("Impedancia1", "Z1", false));
    auto& z2 = Place<TVOGrfComp>(*g.doc, "TVOGrfImpedancia");
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 1, 2));
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 1, 0));
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 9, 10)); // no impedance numbered 9
    ASSERT_TRUE(g.doc->Objects().Renumber("TVOGrfImpedancia", 1, 7));   // another class's 1 is no matter
    EXPECT_EQ(std::make_pair(g.z.Num(), g.z.Desc()), std::make_pair(7, std::string("Impedancia7")));
    ASSERT_TRUE(g.doc->Objects().Rename("Transformador1", "Impedancia8"));
    EXPECT_FALSE(g.doc->Objects().Renumber("TVOGrfImpedancia", 2, 8));
    EXPECT_EQ(std::make_pair(z2.Num(), z2.Desc()), std::make_pair(2, std::string("Impedancia2")));
    ASSERT_TRUE(g.doc->Objects().Rename("DuasPortas1", "Acoplamento"));
    ASSERT_TRUE(g.doc->Objects().Renumber("TVOGrfDuasPortas", 1, 3));
    EXPECT_EQ(std::make_pair(g.k.Num(), g.k.Desc()), std::make_pair(3, std::string("Acoplamento")));
}
