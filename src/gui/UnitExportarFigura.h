#pragma once

#include "visual/UnitVisualDocumento.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace brelix {

// "Exportar Figura...": the drawing of a document as a figure for a report, in a vector format (SVG,
// PDF) or as a PNG image. The figure covers the drawing with a margin, on white; the document is drawn
// by the same painting as on screen, at the figure's own scale, without the marks of editing (the
// selection, picked ports).

// The part of the document a figure shows, in document pixels.
QRect AreaFigura(const TVisualDocumento& doc);

// The figure as an image, `escala` device pixels per document pixel.
QImage ImagemFigura(TVisualDocumento& doc, double escala);

// Each writes the file whole or not at all (an existing file is replaced only when the new one is
// complete) and returns false, with the reason in `erro`, when the file cannot be written.
bool ExportarSVG(TVisualDocumento& doc, const QString& arquivo, QString* erro = nullptr);
bool ExportarPDF(TVisualDocumento& doc, const QString& arquivo, QString* erro = nullptr);
bool ExportarPNG(TVisualDocumento& doc, const QString& arquivo, double escala, QString* erro = nullptr);

// By the file's extension (svg, pdf or png, letter case ignored; PNG at twice the screen's scale);
// false for any other extension.
bool ExportarFigura(TVisualDocumento& doc, const QString& arquivo, QString* erro = nullptr);

// The filter of the save dialog, one line per format.
QString FiltroFiguras();

} // namespace brelix
