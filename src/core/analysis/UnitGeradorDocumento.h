#pragma once

#include <string>

namespace brelix {

class TGrafo;
class TVisualDocumento;

// New documents filled from a graph: the signal-flow diagram a linear graph converts into opens as a
// DFS document, the linear graph a system converts into opens as a graph document. The objects are
// written as object blocks of the document file and read through the document's block parser, so a
// generated document behaves exactly like one read from a file. Elements are wired with connection
// objects; unmoved components then sit midway between their vertices.
//
// Both generators start the document afresh (NewDocument at left 230, top 130, with the size given
// below), leave it unsaved, modified and with nothing selected. A graph whose objects a document
// cannot hold (identities beyond the document's range, say) raises EFileError naming the document;
// the objects read before the fault stay.

// A signal-flow document from a diagram: the variables in two rows, 75 pixels apart (the upper row
// at top 25, the lower at top 250, the last variable of an odd count alone at top 135), each with the
// vertex identifier as ID and Num and the vertex name as description and label; then per branch j
// (from 1) the transmittance "Transmitancia<j>" labelled with its gain and its two connections. The
// window is 300 high and (n div 2 + n mod 2 - 1) x 75 + 125 wide for n variables.
void GerarDFS(TVisualDocumento& doc, const std::string& nome, const std::string& classeCabecalho,
              const TGrafo& dfs);

// A graph document from a linear graph: the vertices at their positions, then every impedance and
// independent source and every two-port (its two halves as one element wired at four ports), then
// the controlled sources with control keys that designate the controlling element. The window is
// max(490, largest X) + 60 wide and max(240, largest Y) + 60 high.
void GerarGrafo(TVisualDocumento& doc, const std::string& nome, const std::string& classeCabecalho,
                const TGrafo& grafo);

} // namespace brelix
