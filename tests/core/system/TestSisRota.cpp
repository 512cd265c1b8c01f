// Terminals and wire routes of system objects: terminals leave their boxes outwards, routes take their
// expected shapes at the thresholds, and for every pair of terminal layouts and orientations a
// route is an orthogonal polyline of at most six points between the ends.

#include "system/UnitSisRota.h"
#include "system/UnitVOSisTerminais.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <sstream>

using namespace brelix;

namespace {

std::string Text(const TRotaSis& r) {
    std::ostringstream out;
    for (int i = 0; i < r.Count; ++i)
        out << "(" << r.Pontos[static_cast<std::size_t>(i)].X << ","
            << r.Pontos[static_cast<std::size_t>(i)].Y << ")";
    return out.str();
}

// The route is an orthogonal polyline of 2 to 6 points from one end, through its stub, to the other
// end's stub and on to that end (ends in the wire's own coordinates).
bool RunsBetweenTheEnds(const TGeometriaConexaoSis& g) {
    const TRotaSis& r = g.Rota;
    if (r.Count < 2 || r.Count > kMaxPontosRota) return false;
    const std::vector<TPontoRota> p(r.Pontos.begin(), r.Pontos.begin() + r.Count);
    for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i - 1].X != p[i].X && p[i - 1].Y != p[i].Y) return false;
    const auto from = [&p](const TExtremoRota& a, const TExtremoRota& b) {
        return p.front() == TPontoRota{a.X, a.Y} && p[1] == TPontoRota{a.X + 5 * a.DirX, a.Y + 5 * a.DirY} &&
               p[p.size() - 2] == TPontoRota{b.X + 5 * b.DirX, b.Y + 5 * b.DirY} &&
               p.back() == TPontoRota{b.X, b.Y};
    };
    return from(g.Posicao.Extremo1, g.Posicao.Extremo2) || from(g.Posicao.Extremo2, g.Posicao.Extremo1);
}

} // namespace

// Ends in local coordinates and the route laid between them. A terminal leaves its box through a
// 5-pixel stub; a vertex (no direction) takes the way that faces the other end.
TEST(SystemWire, RoutesOfTheFiveShapesAndTheirThresholds) {
    const std::tuple<TExtremoRota, TExtremoRota, const char*> cases[] = {
        // Two vertices one above the other: straight down, the same route when drawn the other way.
        {{20, 20, 0, 0}, {20, 120, 0, 0}, "(20,20)(20,20)(20,120)(20,120)(20,120)"},
        {{20, 120, 0, 0}, {20, 20, 0, 0}, "(20,20)(20,20)(20,120)(20,120)(20,120)"},
        // Terminals in line facing each other: straight across; pointing apart: 15 below the stubs.
        {{30, 20, 1, 0}, {70, 20, -1, 0}, "(30,20)(35,20)(65,20)(65,20)(70,20)"},
        {{10, 20, -1, 0}, {90, 20, 1, 0}, "(10,20)(5,20)(5,35)(95,35)(95,20)(90,20)"},
        // Vertical stubs facing apart meet in the middle column (43.5 gives 40; -47 / 2 / 5 x 5 gives
        // -20, not -25), or close sideways go round 15 right of the right stub; on one row, 4 points.
        {{20, 10, 0, -1}, {67, 80, 0, 1}, "(20,10)(20,5)(40,5)(40,85)(67,85)(67,80)"},
        {{-50, 0, 0, -1}, {3, 60, 0, 1}, "(-50,0)(-50,-5)(-20,-5)(-20,65)(3,65)(3,60)"},
        {{20, 10, 0, -1}, {30, 80, 0, 1}, "(20,10)(20,5)(45,5)(45,85)(30,85)(30,80)"},
        {{115, 105, 0, -1}, {125, 95, 0, 1}, "(115,105)(115,100)(125,100)(125,95)"},
        // An upward stub above a leftward one swings left.
        {{115, 105, 0, -1}, {110, 165, -1, 0}, "(115,105)(115,100)(100,100)(100,165)(105,165)(110,165)"},
        // A vertex above a terminal pointing up points down; beside one pointing left, right.
        {{0, 0, 0, 0}, {40, 50, 0, -1}, "(0,0)(0,0)(0,45)(40,45)(40,50)"},
        {{0, 0, 0, 0}, {50, 40, -1, 0}, "(0,0)(0,0)(45,0)(45,40)(50,40)"},
        // Stubs in one column: stub 1 counts as the left one.
        {{100, 100, 1, 0}, {110, 150, -1, 0}, "(100,100)(105,100)(105,100)(105,150)(105,150)(110,150)"},
        // Up and down stubs 25 apart go round the side, 26 through the middle column; left and right
        // ones likewise.
        {{0, 0, 0, -1}, {25, 50, 0, 1}, "(0,0)(0,-5)(40,-5)(40,55)(25,55)(25,50)"},
        {{0, 0, 0, -1}, {26, 50, 0, 1}, "(0,0)(0,-5)(10,-5)(10,55)(26,55)(26,50)"},
        {{0, 0, -1, 0}, {50, 25, 1, 0}, "(0,0)(-5,0)(-5,40)(55,40)(55,25)(50,25)"},
        {{0, 0, -1, 0}, {50, 26, 1, 0}, "(0,0)(-5,0)(-5,10)(55,10)(55,26)(50,26)"},
        // Two stubs pointing the same way 14 apart count as level (a detour); 15 apart, one corner.
        {{0, 0, 0, -1}, {14, 50, 0, -1}, "(0,0)(0,-5)(15,-5)(15,45)(14,45)(14,50)"},
        {{0, 0, 0, -1}, {15, 50, 0, -1}, "(0,0)(0,-5)(15,-5)(15,45)(15,50)"},
        {{0, 0, -1, 0}, {50, 14, -1, 0}, "(0,0)(-5,0)(-5,15)(45,15)(45,14)(50,14)"},
        {{0, 0, -1, 0}, {50, 15, -1, 0}, "(0,0)(-5,0)(-5,15)(45,15)(50,15)"},
    };
    for (const auto& [a, b, expected] : cases)
        EXPECT_EQ(Text(Route(a, b)), expected) << a.X << "," << a.Y << " " << b.X << "," << b.Y;
}

// Every terminal of every layout in every orientation, and a vertex, against every other, the second
// object within 60 pixels on both axes in steps of 3 (both sides of the 15 and 26 pixel thresholds).
TEST(SystemWire, EveryRouteIsAnOrthogonalPolylineBetweenTheEnds) {
    std::set<std::tuple<int, int, int, int>> ways = {{15, 15, 0, 0}}; // a vertex
    for (const TSisKindRow& row : SisKinds())
        for (const TPortGeom& g : SisPortTable(row))
            for (std::size_t r = 0; r < 4; ++r)
                ways.insert({g.X[r], g.Y[r], g.DX[r], g.DY[r]});
    const TPontoRota obj1{300, 300};
    int failures = 0;
    for (const auto& [x1, y1, dx1, dy1] : ways)
        for (const auto& [x2, y2, dx2, dy2] : ways)
            for (int ox = -60; ox <= 60; ox += 3)
                for (int oy = -60; oy <= 60; oy += 3) {
                    const TPontoRota obj2{obj1.X + ox, obj1.Y + oy};
                    const TGeometriaConexaoSis g = PlaceWire({obj1.X + x1, obj1.Y + y1, dx1, dy1}, obj1,
                                                             {obj2.X + x2, obj2.Y + y2, dx2, dy2}, obj2);
                    if (!RunsBetweenTheEnds(g) && ++failures <= 10)
                        ADD_FAILURE() << "offset " << ox << "," << oy << " ends (" << x1 << "," << y1 << ","
                                      << dx1 << "," << dy1 << ") and (" << x2 << "," << y2 << "," << dx2
                                      << "," << dy2 << "): " << Text(g.Rota);
                }
    EXPECT_EQ(failures, 0);
    EXPECT_GE(ways.size(), 9u); // the layouts were read: every way out, from more than one spot
    // Objects at the ends of the integer range: the frame spans it all and nothing overflows.
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max() - 20;
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    const TGeometriaConexaoSis g =
        PlaceWire({hi + 5, hi + 15, -1, 0}, {hi, hi}, {lo + 15, lo + 15, 0, 0}, {lo, lo});
    EXPECT_EQ(std::pair(g.Posicao.Left, g.Posicao.Width), std::pair(lo, hi + 20));
    EXPECT_TRUE(RunsBetweenTheEnds(g)) << Text(g.Rota);
}

TEST(SystemCatalogue, TerminalsLeaveTheirBoxOutwardsOneToASpot) {
    for (const TSisKindRow& row : SisKinds()) {
        SCOPED_TRACE(row.ClassName);
        const TPortTable table = SisPortTable(row);
        ASSERT_EQ(static_cast<std::int32_t>(table.size()), row.Terminals);
        for (std::size_t r = 0; r < 4; ++r) {
            std::set<std::pair<int, int>> places;
            for (const TPortGeom& g : table) {
                EXPECT_EQ(std::abs(g.DX[r]) + std::abs(g.DY[r]), 1);
                const bool outward = (g.DX[r] == -1 && g.X[r] == 5) || (g.DX[r] == 1 && g.X[r] == 25) ||
                                     (g.DY[r] == -1 && g.Y[r] == 5) || (g.DY[r] == 1 && g.Y[r] == 25);
                // A turned reservoir's inlet sits low on its left side and leaves upwards.
                const bool inlet = row.Layout == TSisLayout::Reservatorio && r % 2 == 1 && g.X[r] == 5 &&
                                   g.Y[r] == 20 && g.DY[r] == -1;
                EXPECT_TRUE(outward || inlet)
                    << "terminal at (" << g.X[r] << ", " << g.Y[r] << ") Rot " << r + 1;
                EXPECT_TRUE(places.insert({g.X[r], g.Y[r]}).second) << "two terminals on one spot";
            }
        }
    }
}
