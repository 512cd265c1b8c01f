#pragma once

#include "visual/UnitVOCnx.h"

#include <array>
#include <cstdint>

namespace brelix {

struct TPontoReal {
    double X = 0.0;
    double Y = 0.0;
};

// Where a straight connection with a direction arrow is drawn, from the centres c1 (ObjID1) and c2
// (ObjID2) of its ends, in document coordinates.
struct TGrfCnxGeometria {
    // The area the connection covers: 5 pixels around the line.
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // 0 when both ends share the coordinate; 1 when the second end lies further right (down); 2 when
    // further left (up).
    std::int32_t DirX = 0;
    std::int32_t DirY = 0;
    TPonto From;
    TPonto To;
    // The filled triangle at the middle of the line: tip towards c2, base across the line. No arrow
    // when the two centres coincide.
    bool HasArrow = false;
    std::array<TPontoReal, 3> Arrow{}; // tip, then the two corners of the base
};

// The arrow is L = 3·√3 long: the tip L/2 ahead of the midpoint, the base L/2 behind it, 3 pixels to
// each side of the line.
TGrfCnxGeometria GrfCnxGeometria(TPonto c1, TPonto c2);

// The straight connection of graphs and signal-flow diagrams, pointing from ObjID1 to ObjID2.
class TVOGrfConexao : public TVOConexao {
public:
    using TVOConexao::TVOConexao;
    // The geometry from the ends' current centres; an end that is missing counts as the origin.
    TGrfCnxGeometria Geometria() const;
};

} // namespace brelix
