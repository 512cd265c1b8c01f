#include "system/UnitSisRota.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using namespace brelix;

namespace {

// A terminal of an object at `obj` (a 30 x 30 box): its position inside the box and its outward
// step. The resistors below use the two-terminal layout: at Rot 1 terminal 1 sits at (5, 15)
// pointing left and terminal 2 at (25, 15) pointing right; at Rot 2 terminal 1 sits at (15, 5)
// pointing up and terminal 2 at (15, 25) pointing down.
TExtremoRota Terminal(TPontoRota obj, int x, int y, int dx, int dy) {
    return {obj.X + x, obj.Y + y, dx, dy};
}
TExtremoRota LeftTerminal(TPontoRota obj) {
    return Terminal(obj, 5, 15, -1, 0);
}
TExtremoRota RightTerminal(TPontoRota obj) {
    return Terminal(obj, 25, 15, 1, 0);
}
TExtremoRota UpTerminal(TPontoRota obj) {
    return Terminal(obj, 15, 5, 0, -1);
}
TExtremoRota DownTerminal(TPontoRota obj) {
    return Terminal(obj, 15, 25, 0, 1);
}
// A vertex is reached at the centre of its box and has no direction.
TExtremoRota VertexEnd(TPontoRota obj) {
    return Terminal(obj, 15, 15, 0, 0);
}

using Path = std::vector<TPontoRota>;

Path Points(const TRotaSis& r) {
    return {r.Pontos.begin(), r.Pontos.begin() + r.Count};
}

std::string Text(const Path& points) {
    std::ostringstream out;
    for (const TPontoRota& p : points)
        out << "(" << p.X << "," << p.Y << ")";
    return out.str();
}

} // namespace

TEST(SystemWire, TheRectangleCoversBothObjectsWithAMarginAndTheEndsBecomeLocal) {
    const TPosicaoConexaoSis p =
        Reposition(RightTerminal({100, 200}), {100, 200}, VertexEnd({40, 260}), {40, 260});
    EXPECT_EQ(p.Left, 35);
    EXPECT_EQ(p.Top, 195);
    EXPECT_EQ(p.Width, 100); // 60 between the lefts + 30 + 2 x 5
    EXPECT_EQ(p.Height, 100);
    EXPECT_EQ(p.Extremo1.X, 125 - 35);
    EXPECT_EQ(p.Extremo1.Y, 215 - 195);
    EXPECT_EQ(p.Extremo1.DirX, 1);
    EXPECT_EQ(p.Extremo2.X, 55 - 35);
    EXPECT_EQ(p.Extremo2.Y, 275 - 195);
    EXPECT_EQ(p.Extremo2.DirY, 0);
}

TEST(SystemWire, TwoVerticesOneAboveTheOtherGiveAStraightVerticalWire) {
    // Vertices at (100, 100) and (100, 200): centres (115, 115) and (115, 215), local (20, 20) and
    // (20, 120). The upper end is given the way down, the lower one the way up; the corner point
    // (Top.x, Bot.y) lies on the line.
    const Path expected{{20, 20}, {20, 20}, {20, 120}, {20, 120}, {20, 120}};
    const TGeometriaConexaoSis g =
        PlaceWire(VertexEnd({100, 100}), {100, 100}, VertexEnd({100, 200}), {100, 200});
    EXPECT_EQ(Text(Points(g.Rota)), Text(expected));
    // Drawn the other way round the route is the same, now starting at end 2 (the upper one).
    const TGeometriaConexaoSis back =
        PlaceWire(VertexEnd({100, 200}), {100, 200}, VertexEnd({100, 100}), {100, 100});
    EXPECT_EQ(Text(Points(back.Rota)), Text(expected));
}

TEST(SystemWire, ResistorsInLineFacingEachOtherGiveAStraightHorizontalWire) {
    // Resistors at Rot 1 at (100, 100) and (160, 100): the right terminal of the first, (125, 115),
    // to the left terminal of the second, (165, 115); local (30, 20) and (70, 20), stubs at x 35 and
    // 65. The corner point is the right stub itself.
    const TGeometriaConexaoSis g =
        PlaceWire(RightTerminal({100, 100}), {100, 100}, LeftTerminal({160, 100}), {160, 100});
    EXPECT_EQ(Text(Points(g.Rota)), Text({{30, 20}, {35, 20}, {65, 20}, {65, 20}, {70, 20}}));
}

TEST(SystemWire, ResistorsInLinePointingApartRunFifteenPixelsBelowTheStubs) {
    // Same resistors; the left terminal of the first, local (10, 20), to the right terminal of the
    // second, local (90, 20). The stubs at (5, 20) and (95, 20) point apart.
    const TGeometriaConexaoSis g =
        PlaceWire(LeftTerminal({100, 100}), {100, 100}, RightTerminal({160, 100}), {160, 100});
    EXPECT_EQ(Text(Points(g.Rota)), Text({{10, 20}, {5, 20}, {5, 35}, {95, 35}, {95, 20}, {90, 20}}));
}

TEST(SystemWire, VerticalStubsFacingApartFarSidewaysMeetInTheMiddleColumn) {
    // Resistors at Rot 2: the upper terminal of one at (100, 100), (115, 105), and the lower terminal
    // of one at (147, 150), (162, 175). Rectangle at (95, 95): local ends (20, 10) and (67, 80), stubs
    // (20, 5) and (67, 85), 47 apart sideways. Their middle, 43.5, becomes 43 and then 40.
    const TGeometriaConexaoSis g =
        PlaceWire(UpTerminal({100, 100}), {100, 100}, DownTerminal({147, 150}), {147, 150});
    EXPECT_EQ(Text(Points(g.Rota)), Text({{20, 10}, {20, 5}, {40, 5}, {40, 85}, {67, 85}, {67, 80}}));

    // The divisions truncate toward zero, which a negative middle shows: stubs at x -50 and 3 sum
    // to -47, -47 / 2 = -23, -23 / 5 = -4, so the column is -20 (not -25 as flooring would give).
    const TRotaSis r = Route({-50, 0, 0, -1}, {3, 60, 0, 1});
    EXPECT_EQ(Text(Points(r)), Text({{-50, 0}, {-50, -5}, {-20, -5}, {-20, 65}, {3, 65}, {3, 60}}));
}

TEST(SystemWire, VerticalStubsFacingApartCloseSidewaysGoRoundTheRightStub) {
    // Upper terminal of a resistor at (100, 100) and lower terminal of one at (110, 150): stubs at
    // local (20, 5) and (30, 85), 10 apart sideways; the wire passes 15 right of the right stub.
    const TGeometriaConexaoSis g =
        PlaceWire(UpTerminal({100, 100}), {100, 100}, DownTerminal({110, 150}), {110, 150});
    EXPECT_EQ(Text(Points(g.Rota)), Text({{20, 10}, {20, 5}, {45, 5}, {45, 85}, {30, 85}, {30, 80}}));
    // Stubs on one row (the lower terminal's object 30 higher): a plain four-point wire.
    const TRotaSis level = Route({115, 105, 0, -1}, {125, 95, 0, 1});
    EXPECT_EQ(Text(Points(level)), Text({{115, 105}, {115, 100}, {125, 100}, {125, 95}}));
}

TEST(SystemWire, AnUpwardStubAboveALeftwardStubSwingsLeft) {
    // Upper terminal (115, 105) of a resistor at (100, 100) above the left terminal (110, 165) of one
    // at (105, 150): stubs (115, 100) and (105, 165), 10 apart sideways. The wire leaves upward, turns
    // 15 to the left (the lower stub points left) and comes down to the lower stub.
    const TRotaSis r = Route(UpTerminal({100, 100}), LeftTerminal({105, 150}));
    EXPECT_EQ(Text(Points(r)),
              Text({{115, 105}, {115, 100}, {100, 100}, {100, 165}, {105, 165}, {110, 165}}));
}

TEST(SystemWire, AVertexTakesTheWayThatFacesTheOtherEnd) {
    // A vertex at (0, 0) with a component terminal below and to the right pointing up, at (40, 50):
    // the vertex, the upper stub, points down, and the wire turns once under it.
    EXPECT_EQ(Text(Points(Route({0, 0, 0, 0}, {40, 50, 0, -1}))),
              Text({{0, 0}, {0, 0}, {0, 45}, {40, 45}, {40, 50}}));
    // With a terminal pointing left at (50, 40) the vertex, the left stub, points right.
    EXPECT_EQ(Text(Points(Route({0, 0, 0, 0}, {50, 40, -1, 0}))),
              Text({{0, 0}, {0, 0}, {45, 0}, {45, 40}, {50, 40}}));
}

TEST(SystemWire, StubsInOneColumnKeepStubOneAsTheLeftOne) {
    // Stub 1 at (105, 100) pointing right and stub 2 at (105, 150) pointing left share their x, so
    // stub 1 counts as the left one: the stubs do not point apart and the wire runs down the column.
    EXPECT_EQ(Text(Points(Route({100, 100, 1, 0}, {110, 150, -1, 0}))),
              Text({{100, 100}, {105, 100}, {105, 100}, {105, 150}, {105, 150}, {110, 150}}));
}

TEST(SystemWire, TheThresholdsFallBetweenTheNumbersGiven) {
    // Upward stub (0, -5), downward stub 25 or 26 to the right: round the side below 26, through
    // the middle column ((0 + 26) / 2 / 5 x 5 = 10) from 26 on.
    EXPECT_EQ(Text(Points(Route({0, 0, 0, -1}, {25, 50, 0, 1}))),
              Text({{0, 0}, {0, -5}, {40, -5}, {40, 55}, {25, 55}, {25, 50}}));
    EXPECT_EQ(Text(Points(Route({0, 0, 0, -1}, {26, 50, 0, 1}))),
              Text({{0, 0}, {0, -5}, {10, -5}, {10, 55}, {26, 55}, {26, 50}}));
    // Leftward stub (-5, 0), rightward stub 25 or 26 lower: below the lower stub, or the middle row.
    EXPECT_EQ(Text(Points(Route({0, 0, -1, 0}, {50, 25, 1, 0}))),
              Text({{0, 0}, {-5, 0}, {-5, 40}, {55, 40}, {55, 25}, {50, 25}}));
    EXPECT_EQ(Text(Points(Route({0, 0, -1, 0}, {50, 26, 1, 0}))),
              Text({{0, 0}, {-5, 0}, {-5, 10}, {55, 10}, {55, 26}, {50, 26}}));
    // Two upward stubs 14 apart sideways count as one above the other (a detour to the right); 15
    // apart they are joined by a single corner.
    EXPECT_EQ(Text(Points(Route({0, 0, 0, -1}, {14, 50, 0, -1}))),
              Text({{0, 0}, {0, -5}, {15, -5}, {15, 45}, {14, 45}, {14, 50}}));
    EXPECT_EQ(Text(Points(Route({0, 0, 0, -1}, {15, 50, 0, -1}))),
              Text({{0, 0}, {0, -5}, {15, -5}, {15, 45}, {15, 50}}));
    // Two leftward stubs 14 apart vertically count as level (a detour below); 15 apart, one corner.
    EXPECT_EQ(Text(Points(Route({0, 0, -1, 0}, {50, 14, -1, 0}))),
              Text({{0, 0}, {-5, 0}, {-5, 15}, {45, 15}, {45, 14}, {50, 14}}));
    EXPECT_EQ(Text(Points(Route({0, 0, -1, 0}, {50, 15, -1, 0}))),
              Text({{0, 0}, {-5, 0}, {-5, 15}, {45, 15}, {50, 15}}));
}

// True when the route is an orthogonal polyline of 2 to 6 points that runs from end a, through a's
// stub, to b's stub and on to end b.
bool RunsFromTo(const TRotaSis& r, const TExtremoRota& a, const TExtremoRota& b) {
    if (r.Count < 2 || r.Count > kMaxPontosRota) return false;
    const Path p = Points(r);
    if (p.front() != TPontoRota{a.X, a.Y} || p.back() != TPontoRota{b.X, b.Y}) return false;
    if (p[1] != TPontoRota{a.X + 5 * a.DirX, a.Y + 5 * a.DirY}) return false;
    if (p[p.size() - 2] != TPontoRota{b.X + 5 * b.DirX, b.Y + 5 * b.DirY}) return false;
    for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i - 1].X != p[i].X && p[i - 1].Y != p[i].Y) return false;
    return true;
}

// For every pair of ways out (none, right, left, down, up) and every offset of the second object
// within 60 pixels on both axes (one-pixel steps, so every tie and both sides of the 15 and 26 pixel
// thresholds occur), the wire is an orthogonal polyline of 2 to 6 points from one end point to the
// other, leaving each terminal through its own stub.
TEST(SystemWire, EveryRouteIsAnOrthogonalPolylineBetweenTheEnds) {
    struct Way {
        int x, y, dx, dy;
    };
    const Way ways[] = {{15, 15, 0, 0}, {25, 15, 1, 0}, {5, 15, -1, 0}, {15, 25, 0, 1}, {15, 5, 0, -1}};
    const TPontoRota obj1{300, 300};
    int failures = 0;
    for (const Way& w1 : ways)
        for (const Way& w2 : ways)
            for (int ox = -60; ox <= 60; ++ox)
                for (int oy = -60; oy <= 60; ++oy) {
                    const TPontoRota obj2{obj1.X + ox, obj1.Y + oy};
                    const TExtremoRota e1 = Terminal(obj1, w1.x, w1.y, w1.dx, w1.dy);
                    const TExtremoRota e2 = Terminal(obj2, w2.x, w2.y, w2.dx, w2.dy);
                    const TGeometriaConexaoSis g = PlaceWire(e1, obj1, e2, obj2);
                    const TExtremoRota& l1 = g.Posicao.Extremo1;
                    const TExtremoRota& l2 = g.Posicao.Extremo2;
                    if (RunsFromTo(g.Rota, l1, l2) || RunsFromTo(g.Rota, l2, l1)) continue;
                    if (++failures <= 10)
                        ADD_FAILURE() << "ways (" << w1.dx << "," << w1.dy << ") and (" << w2.dx << ","
                                      << w2.dy << "), offset (" << ox << "," << oy << "), ends "
                                      << Text({{l1.X, l1.Y}, {l2.X, l2.Y}}) << ": " << Text(Points(g.Rota));
                }
    EXPECT_EQ(failures, 0);
}

TEST(SystemWire, PositionsAtTheLimitsOfTheIntegerRangeDoNotOverflow) {
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max() - 20;
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    const TGeometriaConexaoSis g =
        PlaceWire(Terminal({hi, hi}, 5, 15, -1, 0), {hi, hi}, VertexEnd({lo, lo}), {lo, lo});
    EXPECT_EQ(g.Posicao.Left, lo);
    EXPECT_EQ(g.Posicao.Width, std::numeric_limits<std::int32_t>::max());
    ASSERT_GE(g.Rota.Count, 2);
    for (int i = 1; i < g.Rota.Count; ++i) {
        const TPontoRota u = g.Rota.Pontos[static_cast<std::size_t>(i - 1)];
        const TPontoRota v = g.Rota.Pontos[static_cast<std::size_t>(i)];
        EXPECT_TRUE(u.X == v.X || u.Y == v.Y) << Text(Points(g.Rota));
    }
}
