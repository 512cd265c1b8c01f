#pragma once

#include <QImage>

namespace brelix {

// One sheet with the picture of every system kind that has one (vertices, components, references and
// couplers) in each of its orientations, then every graph and signal-flow kind, each under its kind
// code and hint; drawn by the same painting as the documents, `escala` image pixels per document pixel.
// It is there to judge the pictures by eye and to show them in the user guide.
QImage FolhaSimbolos(double escala);

} // namespace brelix
