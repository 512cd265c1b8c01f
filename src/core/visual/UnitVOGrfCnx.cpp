#include "visual/UnitVOGrfCnx.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brelix {

namespace {

std::int32_t Direction(std::int32_t from, std::int32_t to) {
    if (to == from) return 0;
    return to > from ? 1 : 2;
}

} // namespace

TGrfCnxGeometria GrfCnxGeometria(TPonto c1, TPonto c2) {
    TGrfCnxGeometria g;
    g.Left = std::min(c1.X, c2.X) - 5;
    g.Top = std::min(c1.Y, c2.Y) - 5;
    g.Width = std::abs(c2.X - c1.X) + 10;
    g.Height = std::abs(c2.Y - c1.Y) + 10;
    g.DirX = Direction(c1.X, c2.X);
    g.DirY = Direction(c1.Y, c2.Y);
    g.From = c1;
    g.To = c2;
    if (c1 == c2) return g;

    const double dx = c2.X - c1.X;
    const double dy = c2.Y - c1.Y;
    const double length = std::hypot(dx, dy);
    const double ux = dx / length;
    const double uy = dy / length;
    const double half = 3.0 * std::sqrt(3.0) / 2.0;
    const TPontoReal mid{(c1.X + c2.X) / 2.0, (c1.Y + c2.Y) / 2.0};
    const TPontoReal base{mid.X - ux * half, mid.Y - uy * half};
    g.HasArrow = true;
    g.Arrow[0] = {mid.X + ux * half, mid.Y + uy * half};
    g.Arrow[1] = {base.X - uy * 3.0, base.Y + ux * 3.0};
    g.Arrow[2] = {base.X + uy * 3.0, base.Y - ux * 3.0};
    return g;
}

TGrfCnxGeometria TVOGrfConexao::Geometria() const {
    const std::vector<TPonto> points = Points();
    if (points.size() < 2) return GrfCnxGeometria({}, {});
    return GrfCnxGeometria(points.front(), points.back());
}

} // namespace brelix
