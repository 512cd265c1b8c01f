#pragma once

#include "visual/UnitVisualDocumento.h"
#include "visual/UnitVisualObject.h"

#include <QColor>
#include <QFont>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>

class QPainter;

namespace brelix {

// Painting of the objects of a document. Every function here draws in document pixels: the painter's
// transform alone carries the zoom, the device pixel ratio or the resolution of an exported figure, so
// the same drawing is sharp at any scale. Painting only reads the objects: the positions that derive
// from other objects (an unmoved graph component between its vertices) come from the document's
// UpdateLayout, run before painting, and wire routes and arrow heads from the core's geometry.

// A colour as documents write it: blue in the high byte, red in the low one (0x0000FF is red).
QColor CorDocumento(std::int32_t cor);

// The font of labels, vertex numbers and component symbols: 8 points on a 96-dot-per-inch screen,
// given in pixels so that it scales with the drawing.
QFont FonteDocumento();

// On screen the painting shows the editing too (the selection in red and by its corners, the outline
// of a dragged object, the picked ports in red); a figure for a report shows only the drawing, as if
// nothing were selected, dragged or picked.
enum class TEstiloPintura { Tela, Figura };

// One object: its body (only while the object's state asks for it), its free ports, the outline while
// it is dragged, the selection corners, and its label.
void PintarObjeto(QPainter& p, const TVisualObject& o, TEstiloPintura estilo = TEstiloPintura::Tela);

// Every object of the document, connections first so that they lie behind the rest.
void PintarDocumento(QPainter& p, const TVisualDocumento& doc, TEstiloPintura estilo = TEstiloPintura::Tela);

// Where the object's label is drawn, in document pixels; none while it is hidden (empty text, or the
// object is being dragged).
std::optional<QRect> AreaLegenda(const TVisualObject& o);

// The rectangle of document pixels the drawing covers: every object's box, wire and label. Empty for
// a document without objects.
QRect AreaDesenho(const TVisualDocumento& doc);

// A new object of the class, alone, as a document makes it (its keys and defaults, number 1, at the
// origin), unselected and without its label: what tool buttons and the sheet of pictures show.
std::unique_ptr<TVisualObject> ObjetoAmostra(const TVOClass& cls);

} // namespace brelix
