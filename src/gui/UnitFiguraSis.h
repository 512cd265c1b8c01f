#pragma once

#include "system/UnitVOSisCatalogo.h"
#include "visual/UnitVOElemento.h"

#include <QPainterPath>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace brelix {

// The picture of a system component, drawn from paths in the component's own 30 x 30 box. Coordinates
// are pixel centres: the point (x, y) is the middle of pixel (x, y), so a one-pixel line at an integer
// coordinate covers exactly one row or column of pixels, and the terminal (5, 15) of the table is the
// pixel the terminal mark is centred on. The leads of every picture end exactly on its terminals.
struct TFiguraSis {
    QPainterPath Condutores;          // leads and open strokes, drawn first so that bodies cover them
    std::vector<QPainterPath> Corpos; // closed bodies, each white inside with a black outline, in order
    QPainterPath Marcas;              // strokes over the bodies (signs, arrow shafts, hatching)
    QPainterPath Solidos;             // filled black (arrow heads, plates, discs)

    TFiguraSis Transformada(const QTransform& t) const;
    bool Vazia() const;
    // The box around everything drawn, pen included.
    QRectF Limites() const;
};

// The picture of a kind for picture number `picture`, 1 to its number of orientations: picture 1 is
// drawn with the terminals of orientation 1, and every other picture is the symmetry of the box that
// carries those terminals onto the ones of its orientation (see SimetriaDaOrientacao). Empty for
// vertices and wires.
TFiguraSis FiguraSis(const TSisKindRow& row, std::int32_t picture);

// The symmetry of the 30 x 30 box (a turn or a mirror) that takes every terminal of orientation 1, with
// its outward direction, onto the same terminal of orientation `rot`: the first that does of no change,
// the quarter turn, the mirror left-right, the quarter turn mirrored top-bottom, then the others. None
// when no symmetry does (the second orientation of the reservoir with two outlets, whose inlet leaves
// upwards).
std::optional<QTransform> SimetriaDaOrientacao(const TPortTable& table, std::int32_t rot);

// Draws the picture at the painter's origin (the component's top-left corner, in pixel-centre
// coordinates): black pen one pixel wide, bodies filled white.
void DesenharFiguraSis(QPainter& p, const TFiguraSis& figura);

} // namespace brelix
