#include "system/UnitSisRota.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <limits>

namespace brelix {

namespace {

// The arithmetic runs in 64 bits so that no document position, however large, overflows it.
using Coord = std::int64_t;

constexpr Coord kStub = 5;      // straight run out of a terminal before any bend
constexpr Coord kDetour = 15;   // how far a wire swings out to go round a stub
constexpr Coord kFarApart = 26; // facing-apart stubs at least this far apart sideways meet in the middle
constexpr Coord kAligned = 15;  // stubs closer than this on one axis count as in line on it
constexpr Coord kGrid = 5;      // a wire's middle run keeps to the placement grid

std::int32_t Clamp32(Coord value) {
    return static_cast<std::int32_t>(std::clamp<Coord>(value, std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max()));
}

[[maybe_unused]] bool IsStep(const TExtremoRota& e) {
    return (e.DirX == 0 && std::abs(e.DirY) <= 1) || (e.DirY == 0 && std::abs(e.DirX) <= 1);
}

// A stub: the point kStub out of a terminal, the direction it leaves in (completed for vertices) and
// the terminal's point it comes from.
struct Stub {
    Coord X = 0;
    Coord Y = 0;
    Coord DX = 0;
    Coord DY = 0;
    Coord EndX = 0;
    Coord EndY = 0;

    bool HasDirection() const { return DX != 0 || DY != 0; }
    bool Up() const { return DY == -1; }
    bool Down() const { return DY == 1; }
    bool Left() const { return DX == -1; }
    bool Right() const { return DX == 1; }
};

Stub MakeStub(const TExtremoRota& e) {
    return {e.X + kStub * e.DirX, e.Y + kStub * e.DirY, e.DirX, e.DirY, e.X, e.Y};
}

// The two stubs named by position. On a tie stub 1 is both the left and the top one.
struct Stubs {
    Stub S[2];
    int Lft = 0;
    int Top = 0;
    Coord AX = 0;
    Coord AY = 0;
    Coord MX = 0;
    Coord MY = 0;

    Stub& L() { return S[Lft]; }
    Stub& R() { return S[1 - Lft]; }
    Stub& T() { return S[Top]; }
    Stub& B() { return S[1 - Top]; }
};

Stubs NameStubs(const TExtremoRota& e1, const TExtremoRota& e2) {
    Stubs s;
    s.S[0] = MakeStub(e1);
    s.S[1] = MakeStub(e2);
    s.Lft = s.S[0].X <= s.S[1].X ? 0 : 1;
    s.Top = s.S[0].Y <= s.S[1].Y ? 0 : 1;
    s.AX = std::abs(s.S[0].X - s.S[1].X);
    s.AY = std::abs(s.S[0].Y - s.S[1].Y);
    // The middle of the stubs on the grid; integer division truncates toward zero.
    s.MX = (s.S[0].X + s.S[1].X) / 2 / kGrid * kGrid;
    s.MY = (s.S[0].Y + s.S[1].Y) / 2 / kGrid * kGrid;
    return s;
}

// A vertex end has no way out of its own: it takes the one that faces the other end, on the axis
// the other end already uses (vertical when neither has one).
void CompleteDirections(Stubs& s) {
    if (!s.T().HasDirection() && !s.B().HasDirection()) {
        s.T().DY = 1;
        s.B().DY = -1;
    }
    if (s.T().DY != 0 || s.B().DY != 0) {
        if (!s.T().HasDirection()) s.T().DY = 1;
        if (!s.B().HasDirection()) s.B().DY = -1;
    }
    if (s.L().DX != 0 || s.R().DX != 0) {
        if (!s.L().HasDirection()) s.L().DX = 1;
        if (!s.R().HasDirection()) s.R().DX = -1;
    }
}

class RouteBuilder {
public:
    void Add(Coord x, Coord y) {
        assert(rota_.Count < kMaxPontosRota && "a wire's route has at most six points");
        rota_.Pontos[static_cast<std::size_t>(rota_.Count++)] = {Clamp32(x), Clamp32(y)};
    }
    // From a terminal to its stub.
    void Begin(const Stub& s) {
        Add(s.EndX, s.EndY);
        Add(s.X, s.Y);
    }
    // From a stub to its terminal.
    void Finish(const Stub& s) {
        Add(s.X, s.Y);
        Add(s.EndX, s.EndY);
    }
    const TRotaSis& Rota() const { return rota_; }

private:
    TRotaSis rota_;
};

// The stubs point away from each other vertically: close side by side the wire swings round beside
// the right stub, far apart it crosses in the middle column.
void RouteApartVertical(Stubs& s, RouteBuilder& b) {
    b.Begin(s.T());
    if (s.AX < kFarApart) {
        if (s.AY != 0) {
            b.Add(s.R().X + kDetour, s.T().Y);
            b.Add(s.R().X + kDetour, s.B().Y);
        }
    } else {
        b.Add(s.MX, s.T().Y);
        b.Add(s.MX, s.B().Y);
    }
    b.Finish(s.B());
}

// The same, horizontally: round below the lower stub, or across the middle row.
void RouteApartHorizontal(Stubs& s, RouteBuilder& b) {
    b.Begin(s.L());
    if (s.AY < kFarApart) {
        if (s.AX != 0) {
            b.Add(s.L().X, s.B().Y + kDetour);
            b.Add(s.R().X, s.B().Y + kDetour);
        }
    } else {
        b.Add(s.L().X, s.MY);
        b.Add(s.R().X, s.MY);
    }
    b.Finish(s.R());
}

// One stub nearly above the other: a vertical run, moved sideways out of the way of a stub that
// points back along it.
void RouteInColumn(Stubs& s, RouteBuilder& b) {
    Stub& top = s.T();
    Stub& bot = s.B();
    b.Begin(top);
    if (top.Up()) {
        const Coord side = bot.Left() ? -kDetour : kDetour;
        b.Add(top.X + side, top.Y);
        b.Add(top.X + side, bot.Y);
    } else if (bot.Down()) {
        const Coord side = top.Left() ? -kDetour : kDetour;
        b.Add(bot.X + side, top.Y);
        b.Add(bot.X + side, bot.Y);
    } else if (top.Right() || bot.Right()) {
        b.Add(s.R().X, top.Y);
        b.Add(s.R().X, bot.Y);
    } else if (top.Left() || bot.Left()) {
        b.Add(s.L().X, top.Y);
        b.Add(s.L().X, bot.Y);
    } else {
        b.Add(top.X, bot.Y);
    }
    b.Finish(bot);
}

// The stubs nearly level: a horizontal run, moved up or down out of the way of a stub that points
// back along it.
void RouteInRow(Stubs& s, RouteBuilder& b) {
    Stub& lft = s.L();
    Stub& rgt = s.R();
    b.Begin(lft);
    if (lft.Left()) {
        const Coord side = rgt.Up() ? -kDetour : kDetour;
        b.Add(lft.X, lft.Y + side);
        b.Add(rgt.X, lft.Y + side);
    } else if (rgt.Right()) {
        const Coord side = lft.Up() ? -kDetour : kDetour;
        b.Add(lft.X, rgt.Y + side);
        b.Add(rgt.X, rgt.Y + side);
    } else if (lft.Down() || rgt.Down()) {
        b.Add(lft.X, s.B().Y);
        b.Add(rgt.X, s.B().Y);
    } else if (lft.Up() || rgt.Up()) {
        b.Add(lft.X, s.T().Y);
        b.Add(rgt.X, s.T().Y);
    } else {
        b.Add(rgt.X, lft.Y);
    }
    b.Finish(rgt);
}

// Apart on both axes: a single corner.
void RouteCorner(Stubs& s, RouteBuilder& b) {
    Stub& top = s.T();
    Stub& bot = s.B();
    b.Begin(top);
    if (top.Up())
        b.Add(bot.X, top.Y);
    else if (bot.Down())
        b.Add(top.X, bot.Y);
    else if (top.Right() || bot.Right())
        b.Add(s.R().X, s.L().Y);
    else if (top.Left() || bot.Left())
        b.Add(s.L().X, s.R().Y);
    else
        b.Add(top.X, bot.Y);
    b.Finish(bot);
}

} // namespace

TPosicaoConexaoSis Reposition(const TExtremoRota& extremo1, TPontoRota objeto1, const TExtremoRota& extremo2,
                              TPontoRota objeto2) {
    const Coord minLeft = std::min<Coord>(objeto1.X, objeto2.X);
    const Coord maxLeft = std::max<Coord>(objeto1.X, objeto2.X);
    const Coord minTop = std::min<Coord>(objeto1.Y, objeto2.Y);
    const Coord maxTop = std::max<Coord>(objeto1.Y, objeto2.Y);
    const Coord left = minLeft - kMargemConexaoSis;
    const Coord top = minTop - kMargemConexaoSis;
    const Coord span = kLadoObjetoSis + 2 * kMargemConexaoSis;

    TPosicaoConexaoSis p;
    p.Left = Clamp32(left);
    p.Top = Clamp32(top);
    p.Width = Clamp32(maxLeft - minLeft + span);
    p.Height = Clamp32(maxTop - minTop + span);
    p.Extremo1 = extremo1;
    p.Extremo1.X = Clamp32(extremo1.X - left);
    p.Extremo1.Y = Clamp32(extremo1.Y - top);
    p.Extremo2 = extremo2;
    p.Extremo2.X = Clamp32(extremo2.X - left);
    p.Extremo2.Y = Clamp32(extremo2.Y - top);
    return p;
}

TRotaSis Route(const TExtremoRota& extremo1, const TExtremoRota& extremo2) {
    assert(IsStep(extremo1) && IsStep(extremo2) &&
           "a terminal leaves by a unit step along one axis, or not at all");
    Stubs s = NameStubs(extremo1, extremo2);
    CompleteDirections(s);
    RouteBuilder b;
    if (s.T().Up() && s.B().Down())
        RouteApartVertical(s, b);
    else if (s.L().Left() && s.R().Right())
        RouteApartHorizontal(s, b);
    else if (s.AX < kAligned)
        RouteInColumn(s, b);
    else if (s.AY < kAligned)
        RouteInRow(s, b);
    else
        RouteCorner(s, b);
    return b.Rota();
}

TGeometriaConexaoSis PlaceWire(const TExtremoRota& extremo1, TPontoRota objeto1, const TExtremoRota& extremo2,
                               TPontoRota objeto2) {
    TGeometriaConexaoSis g;
    g.Posicao = Reposition(extremo1, objeto1, extremo2, objeto2);
    g.Rota = Route(g.Posicao.Extremo1, g.Posicao.Extremo2);
    return g;
}

} // namespace brelix
