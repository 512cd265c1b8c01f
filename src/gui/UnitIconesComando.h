#pragma once

#include "gui/UnitIcones.h"

class QPainter;

namespace brelix {

// The picture of a command's icon in a 24 x 24 box: pages, disks and folders for the file commands,
// the pointer, a wire and a turning arrow for the tools, and "from -> to" pairs of small signs for the
// analyses (a zigzag for a system, two joined circles for a graph, two dots and an arrow for a
// signal-flow diagram, a fraction for a transfer function).
void PintarComando(QPainter& p, TComando comando);

} // namespace brelix
