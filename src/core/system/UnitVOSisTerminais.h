#pragma once

#include "system/UnitVOSisCatalogo.h"
#include "visual/UnitVOElemento.h"

namespace brelix {

// The terminal geometry of a kind: positions in the 30 x 30 box and outward steps for Rot 1 to 4,
// each terminal's domain (the Type handed to the document when it is picked) and colour. Layouts
// with two orientations repeat them for Rot 3 and 4, as their pictures do. Empty for vertices and
// wires.
TPortTable SisPortTable(const TSisKindRow& row);

} // namespace brelix
