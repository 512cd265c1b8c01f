#pragma once

#include "analysis/UnitComandoDocumento.h"

#include <memory>

namespace brelix {

// The catalogue of the program's document kinds, each with its analysis command, in the order the
// file dialogs and the tool pages list them: system, linear graph, signal-flow diagram. The program
// makes it once at start-up and hands it on; documents point into it, so it lives as long as the last
// document.
std::unique_ptr<TCatalogo> CriarCatalogo();

} // namespace brelix
