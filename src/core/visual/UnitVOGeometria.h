#pragma once

#include "visual/UnitVisualObject.h"

#include <cstdint>
#include <vector>

namespace brelix {

class TVOElemento;

// The geometry of objects that needs no display: the display only draws what these compute and feeds
// them mouse positions.

// One step of dragging: the cursor moved from `offset` to `cursor` (screen pixels). The new position
// follows the cursor, stays at least 5 pixels inside the right and bottom edges of the document
// (window width, client height), never goes left of or above 0, and snaps down to a multiple of 5.
// Offset is advanced by the distance actually moved.
struct TDragStep {
    TPonto Position;
    TPonto Offset;
};
TDragStep DragStep(TPonto position, TPonto size, TPonto offset, TPonto cursor, std::int32_t docWidth,
                   std::int32_t docClientHeight);

// Where a new object goes when the document is clicked at `click`: the 5-pixel grid point just above
// and left of the click.
TPonto PlacementByClick(TPonto click);

// A point in the object's own pixels inside its sensitive rectangle (inset by Margin).
bool InsideSensitive(const TVisualObject& o, TPonto local);

// The label shows when Lbl is not empty and the object is not being dragged; it is centred on the
// object's centre, shifted by LblX, LblY. Sizes are the label's text extent.
bool LabelVisible(const TVisualObject& o);
TPonto LabelPosition(const TVisualObject& o, std::int32_t labelWidth, std::int32_t labelHeight);

// A press at `local` (object pixels) on an element's ports. A component's port is hit within 3 pixels
// of its position; the first hit port without a connection is taken, and a hit on connected ports only
// is Busy. A vertex's single port is its whole sensitive rectangle.
enum class TPortHitKind { None, Busy, Port };
struct TPortHit {
    TPortHitKind Kind = TPortHitKind::None;
    std::int32_t Port = 0;
};
TPortHit HitPort(const TVOElemento& e, TPonto local);

// Tool modes of a document.
constexpr std::int32_t kModeSelecionar = 1;
constexpr std::int32_t kModeConectar = 2;
constexpr std::int32_t kModeGirar = 3;

enum class TMouseButton { Left, Right, Middle };

// A press picks ports with the left button in Connect mode, and with the right button in any mode.
bool PortPickAllowed(std::int32_t mode, TMouseButton button);

// A point hits a polyline when it lies within 3 pixels of a segment, measured vertically for a
// sloping segment (and horizontally for an upright one), within the segment's horizontal (vertical)
// extent.
bool HitTestPolyline(const std::vector<TPonto>& points, TPonto p);

} // namespace brelix
