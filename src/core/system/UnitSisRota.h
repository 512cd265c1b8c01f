#pragma once

#include <array>
#include <cstdint>

namespace brelix {

// Placement and route of a wire of a system document. A wire keeps no bend points: every time it is
// drawn it takes the terminals of its two end objects as they are now and lays an orthogonal
// polyline of at most six points between them, so moving or rotating a component carries its wires
// along.

// Every component and vertex occupies a box of this side; the wire's rectangle covers both end boxes
// with a margin.
inline constexpr std::int32_t kLadoObjetoSis = 30;
inline constexpr std::int32_t kMargemConexaoSis = 5;
inline constexpr int kMaxPontosRota = 6;

struct TPontoRota {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPontoRota&, const TPontoRota&) = default;
};

// The geometry of one end of a wire: the terminal's point and the way the wire leaves it, a unit step
// along x or y for a component terminal and (0, 0) for a vertex.
struct TExtremoRota {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t DirX = 0;
    std::int32_t DirY = 0;
};

// Where a wire sits: its rectangle in document coordinates and its two ends in coordinates local to
// that rectangle (directions unchanged).
struct TPosicaoConexaoSis {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    TExtremoRota Extremo1;
    TExtremoRota Extremo2;
};

// The polyline, from one end point to the other; only the first Count points are in use.
struct TRotaSis {
    std::array<TPontoRota, kMaxPontosRota> Pontos{};
    int Count = 0;
};

// The rectangle covering both end objects (given by their left and top) with the margin, and the two
// ends made local to it. Coordinates too large for the rectangle's arithmetic (only a damaged
// document holds them) are held at the limits of a 32-bit integer instead of overflowing.
TPosicaoConexaoSis Reposition(const TExtremoRota& extremo1, TPontoRota objeto1, const TExtremoRota& extremo2,
                              TPontoRota objeto2);

// The route between two ends (local points): a 5-pixel stub straight out of each terminal, then one
// of five shapes joining the stubs, chosen by the way the stubs point and how far apart they lie.
// Ends without a direction (vertices) take the one that suits the other end. Every segment is
// horizontal or vertical. Directions must be unit steps along one axis or (0, 0).
TRotaSis Route(const TExtremoRota& extremo1, const TExtremoRota& extremo2);

// Both steps, as a wire does before it paints.
struct TGeometriaConexaoSis {
    TPosicaoConexaoSis Posicao;
    TRotaSis Rota;
};
TGeometriaConexaoSis PlaceWire(const TExtremoRota& extremo1, TPontoRota objeto1, const TExtremoRota& extremo2,
                               TPontoRota objeto2);

} // namespace brelix
