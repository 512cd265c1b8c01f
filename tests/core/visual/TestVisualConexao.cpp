#include "core/visual/VisualTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace brelix;
using namespace brelix::testing;

namespace {

// A graph with two vertices and an impedance, nothing connected.
struct SmallGraph {
    std::unique_ptr<TVisualDocumento> doc = NewGrafo();
    TVOElemento& v1 = Place(*doc, "TVOGrfVertice", {0, 0});
    TVOElemento& v2 = Place(*doc, "TVOGrfVertice", {100, 50});
    TVOGrfComp& z = Place<TVOGrfComp>(*doc, "TVOGrfImpedancia", {300, 300});
};

} // namespace

TEST(ConnectProtocol, AVertexAndAComponentPortMakeAConnectionThatFollowsThePorts) {
    SmallGraph g;
    PickBoth(*g.doc, g.v1, 1, g.z, 1);
    TVOConexao* c = LastConnection(*g.doc);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Props().Lines(),
              Lines({"Object 4: TVOGrfConexao", "Num=1", "Desc=Conexao1", "Left=0", "Top=0", "Lbl=*",
                     "LblX=0", "LblY=0", "ObjID1=1", "ObjID2=3", "CntID1=1", "CntID2=1"}));
    EXPECT_EQ(g.z.ConnectionAt(1), c->ID());
    EXPECT_EQ(g.v1.Connections(), std::vector<std::int32_t>{c->ID()});
    EXPECT_EQ(g.z.VertexAt(1), &g.v1);
    EXPECT_EQ(g.doc->PendingEnd(), TPendingEnd{});
    EXPECT_FALSE(g.v1.PortFlag(1) || g.z.PortFlag(1));
    EXPECT_EQ(g.doc->Objects().Selected(), c);
    // The picking order does not decide the direction, the component's port does: port 2 runs out.
    PickBoth(*g.doc, g.v2, 1, g.z, 2);
    TVOConexao* d = LastConnection(*g.doc);
    EXPECT_EQ(std::make_tuple(d->ObjID1(), d->CntID1(), d->ObjID2(), d->CntID2()),
              std::make_tuple(g.z.ID(), 2, g.v2.ID(), 1));
    EXPECT_TRUE(g.z.IsConnected());
    // An unmoved one-port now sits midway between its vertices.
    EXPECT_TRUE(g.z.UpdateLayout());
    EXPECT_EQ(g.z.Position(), (TPonto{50, 25}));
    EXPECT_EQ(Inconsistency(*g.doc), "");
}

TEST(ConnectProtocol, TwoVerticesOrTwoComponentsMakeNoConnection) {
    SmallGraph g;
    auto& z2 = Place<TVOGrfComp>(*g.doc, "TVOGrfImpedancia");
    PickBoth(*g.doc, g.v1, 1, g.v2, 1);
    EXPECT_EQ(CountConnections(*g.doc), 0);
    EXPECT_FALSE(g.v1.PortFlag(1)); // the first one's mark is cleared
    EXPECT_TRUE(g.v2.PortFlag(1));
    EXPECT_EQ(g.doc->PendingEnd(), (TPendingEnd{g.v2.ID(), 1}));
    g.v2.TogglePortFlag(1);
    g.doc->PortClicked(false, g.v2.ID(), {}, 1, 1);
    PickBoth(*g.doc, g.z, 1, z2, 2);
    EXPECT_EQ(CountConnections(*g.doc), 0);
    EXPECT_EQ(g.doc->PendingEnd(), (TPendingEnd{z2.ID(), 2}));
}

TEST(ConnectProtocol, DroppingOrRepickingAndDeletedPendingElements) {
    SmallGraph g;
    g.doc->PortClicked(true, g.z.ID(), {}, 1, 1);
    g.doc->PortClicked(true, g.z.ID(), {}, 1, 2); // the same element again
    EXPECT_EQ(g.doc->PendingEnd(), (TPendingEnd{g.z.ID(), 2}));
    g.doc->PortClicked(false, g.z.ID(), {}, 1, 2);
    EXPECT_EQ(g.doc->PendingEnd(), TPendingEnd{});
    // The pending element disappears before its partner is picked: no connection to it.
    g.doc->PortClicked(true, g.v1.ID(), {}, 1, 1);
    const std::int32_t gone = g.v1.ID();
    g.doc->DeleteObject(g.v1);
    EXPECT_EQ(g.doc->PendingEnd(), TPendingEnd{});
    g.doc->PortClicked(true, gone, {}, 1, 1); // a stale report from the display
    g.doc->PortClicked(true, g.z.ID(), {}, 1, 1);
    EXPECT_EQ(CountConnections(*g.doc), 0);
    EXPECT_EQ(g.doc->PendingEnd(), (TPendingEnd{g.z.ID(), 1}));
}

TEST(ConnectProtocol, AConnectedPortIsNeverGivenASecondConnection) {
    SmallGraph g;
    PickBoth(*g.doc, g.v1, 1, g.z, 1);
    // Reports that bypass the picking rules still cannot double a port.
    g.doc->PortClicked(true, g.v2.ID(), {}, 1, 1);
    g.doc->PortClicked(true, g.z.ID(), {}, 1, 1);
    EXPECT_EQ(CountConnections(*g.doc), 1);
    auto& orphan = dynamic_cast<TVOConexao&>(g.doc->NewObject(ClassGrfConexao(), {0, 0}));
    EXPECT_FALSE(orphan.Connect(g.v2.ID(), 1, 1, g.z.ID()));
    EXPECT_EQ(orphan.ObjID1(), 0);
    EXPECT_FALSE(orphan.Connect(g.v2.ID(), 1, 5, g.z.ID())); // no port 5
    EXPECT_FALSE(orphan.Connect(g.v2.ID(), 1, 2, 99));       // no object 99
    EXPECT_TRUE(orphan.Connect(g.v2.ID(), 1, 2, g.z.ID()));
    EXPECT_FALSE(orphan.Connect(g.v1.ID(), 1, 2, g.z.ID())); // already attached
    EXPECT_EQ(Inconsistency(*g.doc), "");
}

TEST(ConnectProtocol, SignalFlowDocumentsJoinVariablesAndTransmittances) {
    auto doc = NewDFS();
    auto& a = Place(*doc, "TVODFSVariavel");
    auto& b = Place(*doc, "TVODFSVariavel");
    auto& t = Place<TVOGrfComp>(*doc, "TVODFSTransmitancia");
    PickBoth(*doc, a, 1, t, 1);
    PickBoth(*doc, t, 2, b, 1);
    ASSERT_EQ(CountConnections(*doc), 2);
    EXPECT_EQ(LastConnection(*doc)->ClassName(), "TVODFSConexao");
    EXPECT_EQ(LastConnection(*doc)->Desc(), "Conexao2");
    EXPECT_EQ(t.VertexAt(1), &a);
    EXPECT_EQ(t.VertexAt(2), &b);
    EXPECT_TRUE(t.IsConnected() && a.IsConnected() && b.IsConnected());
    PickBoth(*doc, a, 1, b, 1);
    EXPECT_EQ(CountConnections(*doc), 2);
}

TEST(PortPicking, ComponentPortsWithinThreePixelsFirstFreePortAndToggling) {
    SmallGraph g;
    g.doc->SetMode(kModeConectar);
    EXPECT_EQ(g.doc->PickPort(g.z, {7, 15}), TPortPick::Miss); // 4 pixels from port 1
    EXPECT_EQ(g.doc->PickPort(g.z, {5, 18}), TPortPick::Picked);
    EXPECT_TRUE(g.z.PortFlag(1));
    EXPECT_EQ(g.doc->PendingEnd(), (TPendingEnd{g.z.ID(), 1}));
    EXPECT_EQ(g.doc->PickPort(g.z, {26, 15}), TPortPick::Picked); // another port: the first is cleared
    EXPECT_FALSE(g.z.PortFlag(1));
    EXPECT_EQ(g.doc->PickPort(g.z, {26, 15}), TPortPick::Dropped);
    EXPECT_EQ(g.doc->PendingEnd(), TPendingEnd{});
    // A vertex's port is its whole sensitive rectangle (margin 4).
    EXPECT_EQ(g.doc->PickPort(g.v1, {3, 10}), TPortPick::Miss);
    EXPECT_EQ(g.doc->PickPort(g.v1, {4, 25}), TPortPick::Picked);
    EXPECT_EQ(g.doc->PickPort(g.z, {3, 15}), TPortPick::Picked);
    ASSERT_EQ(CountConnections(*g.doc), 1);
    EXPECT_EQ(g.doc->PickPort(g.z, {3, 15}), TPortPick::Busy);
    // Ports of a two-port 15 pixels apart: a press between (3, 7) and (3, 22) hits neither.
    auto& k = Place<TVOGrfComp>(*g.doc, "TVOGrfDuasPortas");
    EXPECT_EQ(HitPort(k, {3, 15}).Kind, TPortHitKind::None);
    EXPECT_EQ(HitPort(k, {26, 25}).Port, 4);
}

TEST(PortPicking, PressesPickWithTheRightButtonAlwaysAndTheLeftOneWhileConnecting) {
    SmallGraph g;
    const TPonto cursor{500, 500};
    EXPECT_EQ(g.doc->PressObject(g.z, {3, 15}, cursor, TMouseButton::Left), TObjectPress::Dragging);
    EXPECT_FALSE(g.z.PortFlag(1));
    EXPECT_EQ(g.z.State(), kStateDragging);
    g.doc->ReleaseObject(g.z, {15, 15});
    EXPECT_EQ(g.z.State(), kStateBody | kStateSelected);
    EXPECT_EQ(g.doc->PressObject(g.z, {3, 15}, cursor, TMouseButton::Right), TObjectPress::PortPicked);
    EXPECT_TRUE(g.z.PortFlag(1));
    g.doc->SetMode(kModeConectar);
    EXPECT_EQ(g.doc->PressObject(g.v1, {15, 15}, cursor, TMouseButton::Left), TObjectPress::PortPicked);
    ASSERT_EQ(CountConnections(*g.doc), 1);
    // A press on a connected port neither picks it nor starts a drag.
    g.doc->SetMode(kModeSelecionar);
    EXPECT_EQ(g.doc->PressObject(g.z, {3, 15}, cursor, TMouseButton::Right), TObjectPress::Nothing);
    EXPECT_FALSE(g.z.PortFlag(1));
    // A release outside the object clears the selection.
    g.doc->ReleaseObject(g.z, {0, 0});
    EXPECT_EQ(g.doc->Objects().Selected(), nullptr);
}

TEST(Deletion, AnElementTakesItsConnectionsAndFreesTheOtherEnds) {
    SmallGraph g;
    PickBoth(*g.doc, g.v1, 1, g.z, 1);
    PickBoth(*g.doc, g.z, 2, g.v2, 1);
    auto& t = Place<TVOGrfComp>(*g.doc, "TVOGrfTransformador");
    PickBoth(*g.doc, g.v1, 1, t, 3);
    ASSERT_EQ(CountConnections(*g.doc), 3);
    // A selected vertex deleted: its connections go, the component ports are free.
    g.doc->SelectObject(&g.v1);
    g.doc->SetModified(false);
    ASSERT_TRUE(g.doc->DeleteSelected());
    EXPECT_EQ(CountConnections(*g.doc), 1);
    EXPECT_EQ(g.z.ConnectionAt(1), 0);
    EXPECT_NE(g.z.ConnectionAt(2), 0);
    EXPECT_EQ(t.ConnectionAt(3), 0);
    EXPECT_EQ(g.doc->Objects().Count(), 4);
    EXPECT_TRUE(g.doc->Modified());
    EXPECT_EQ(Inconsistency(*g.doc), "");
    // A selected connection removed by the cascade of a component leaves no selection.
    g.doc->SelectObject(LastConnection(*g.doc));
    g.doc->DeleteObject(g.z);
    EXPECT_EQ(g.doc->Objects().Selected(), nullptr);
    EXPECT_TRUE(g.v2.Connections().empty());
    EXPECT_EQ(Inconsistency(*g.doc), "");
    // A connection alone leaves its ends consistent.
    PickBoth(*g.doc, g.v2, 1, t, 1);
    g.doc->DeleteObject(*LastConnection(*g.doc));
    EXPECT_TRUE(g.v2.Connections().empty());
    EXPECT_EQ(t.ConnectionAt(1), 0);
    EXPECT_EQ(Inconsistency(*g.doc), "");
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
        const std::int32_t width = coord(random) + 300;
        const std::int32_t height = coord(random) + 300;
        const TDragStep step = DragStep(pos, {30, 30}, offset, cursor, width, height);
        for (int axis = 0; axis < 2; ++axis) {
            const int p = axis == 0 ? step.Position.X : step.Position.Y;
            const int wanted = axis == 0 ? pos.X + cursor.X - offset.X : pos.Y + cursor.Y - offset.Y;
            const int limit = (axis == 0 ? width : height) - 30 - 5;
            int expected = 0;
            for (int candidate = 0; candidate <= std::min(wanted, limit); candidate += 5)
                expected = candidate;
            ASSERT_EQ(p, expected) << "step " << i << " axis " << axis;
        }
        EXPECT_EQ(step.Offset.X - offset.X, step.Position.X - pos.X);
        EXPECT_EQ(step.Offset.Y - offset.Y, step.Position.Y - pos.Y);
    }
}

TEST(Geometry, DraggingAnObjectMarksItMovedAndAutoCentreLetsItBe) {
    SmallGraph g;
    PickBoth(*g.doc, g.v1, 1, g.z, 1);
    PickBoth(*g.doc, g.z, 2, g.v2, 1);
    g.doc->UpdateLayout();
    ASSERT_EQ(g.z.Position(), (TPonto{50, 25}));
    g.z.SetModified(false);
    g.z.BeginDrag({1000, 1000});
    g.z.DragTo({1013, 1032}, 550, 300);
    EXPECT_EQ(g.z.Position(), (TPonto{60, 55}));
    EXPECT_EQ(g.z.DragOffset(), (TPonto{1010, 1030}));
    EXPECT_TRUE(g.z.Move());
    EXPECT_TRUE(g.z.Modified());
    EXPECT_EQ(g.z.HintText(), "Impedancia1: (60, 55)");
    g.v2.SetPosition({400, 200});
    g.doc->UpdateLayout();
    EXPECT_EQ(g.z.Position(), (TPonto{60, 55}));
}

TEST(Geometry, PlacementSensitiveRectangleAndLabel) {
    EXPECT_EQ(PlacementByClick({23, 47}), (TPonto{15, 40}));
    EXPECT_EQ(PlacementByClick({5, 9}), (TPonto{0, 0}));
    SmallGraph g;
    EXPECT_TRUE(InsideSensitive(g.v1, {4, 25}));
    EXPECT_FALSE(InsideSensitive(g.v1, {26, 10}));
    EXPECT_TRUE(InsideSensitive(g.z, {3, 26}));
    EXPECT_FALSE(InsideSensitive(g.z, {2, 15}));
    // The impedance's label is its gain, 20 pixels above its centre (315, 315).
    EXPECT_TRUE(LabelVisible(g.z));
    EXPECT_EQ(LabelPosition(g.z, 20, 10), (TPonto{305, 290}));
    EXPECT_FALSE(LabelVisible(g.v1));
}

TEST(Geometry, TheArrowLiesOnTheLineAtTheMiddlePointingToTheSecondEnd) {
    const double half = 3.0 * std::sqrt(3.0) / 2.0;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coord(-200, 200);
    for (int i = 0; i < 500; ++i) {
        const TPonto c1{coord(random), coord(random)};
        const TPonto c2{coord(random), coord(random)};
        const TGrfCnxGeometria g = GrfCnxGeometria(c1, c2);
        EXPECT_EQ(g.Left, std::min(c1.X, c2.X) - 5);
        EXPECT_EQ(g.Width, std::abs(c1.X - c2.X) + 10);
        EXPECT_EQ(g.DirX, c1.X == c2.X ? 0 : (c2.X > c1.X ? 1 : 2));
        EXPECT_EQ(g.DirY, c1.Y == c2.Y ? 0 : (c2.Y > c1.Y ? 1 : 2));
        if (c1 == c2) {
            EXPECT_FALSE(g.HasArrow);
            continue;
        }
        ASSERT_TRUE(g.HasArrow);
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
}

TEST(Geometry, HitTestWithinThreePixelsOfTheLine) {
    const std::vector<TPonto> flat = {{0, 10}, {100, 10}};
    EXPECT_TRUE(HitTestPolyline(flat, {50, 13}));
    EXPECT_FALSE(HitTestPolyline(flat, {50, 14}));
    EXPECT_FALSE(HitTestPolyline(flat, {101, 10}));
    const std::vector<TPonto> upright = {{20, 0}, {20, 80}};
    EXPECT_TRUE(HitTestPolyline(upright, {17, 40}));
    EXPECT_FALSE(HitTestPolyline(upright, {16, 40}));
    EXPECT_FALSE(HitTestPolyline(upright, {20, 81}));
    const std::vector<TPonto> slope = {{0, 0}, {100, 50}};
    EXPECT_TRUE(HitTestPolyline(slope, {40, 23}));
    EXPECT_FALSE(HitTestPolyline(slope, {40, 24}));
    EXPECT_FALSE(HitTestPolyline({{5, 5}}, {5, 5}));
}

TEST(Geometry, ClicksOnConnectionsSelectThemAndElsewherePlaceTheChosenClass) {
    SmallGraph g;
    g.z.SetPosition({100, 0});
    PickBoth(*g.doc, g.v1, 1, g.z, 1); // from (15, 15) to (115, 15)
    TVOConexao* c = LastConnection(*g.doc);
    g.doc->DeselectAll();
    EXPECT_EQ(g.doc->ClickAt({60, 17}, nullptr), c);
    EXPECT_EQ(c->State(), kStateBody | kStateSelected);
    EXPECT_EQ(g.doc->ClickAt({60, 40}, nullptr), nullptr);
    EXPECT_EQ(g.doc->Objects().Selected(), nullptr);
    TVisualObject* placed = g.doc->ClickAt({60, 40}, &ClassNamed(*g.doc, "TVOGrfFonteFluxo"));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Position(), (TPonto{55, 35}));
    // A class of another kind of document only clears the selection.
    EXPECT_EQ(g.doc->ClickEmptyArea(&ClassDFSVariavel(), {60, 40}), nullptr);
    EXPECT_EQ(g.doc->Objects().Selected(), nullptr);
}

TEST(Selection, ThePropertyWindowFollowsTheSelectedKind) {
    SmallGraph g;
    PickBoth(*g.doc, g.v1, 1, g.z, 1);
    g.doc->DeselectAll();
    TPropSwitch s = g.doc->SelectObject(&g.v1);
    EXPECT_EQ(s.Hide, TPropWindow::VisualForm);
    EXPECT_EQ(s.Show, TPropWindow::Vrt);
    s = g.doc->SelectObject(LastConnection(*g.doc));
    EXPECT_EQ(s.Hide, TPropWindow::Vrt);
    EXPECT_EQ(s.Show, TPropWindow::Cnx);
    EXPECT_EQ(g.v1.State(), kStateBody);
    s = g.doc->DeselectAll();
    EXPECT_EQ(s.Hide, TPropWindow::Cnx);
    EXPECT_EQ(s.Show, TPropWindow::VisualForm);
}
