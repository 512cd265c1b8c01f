#pragma once

#include "UnitCliArgumentos.h"

#include "visual/UnitVODocKind.h"

#include <ostream>
#include <string>
#include <vector>

namespace brelix::cli {

// Runs the command the arguments ask for, on documents of the catalogue's kinds: results go to `out`,
// messages to `err`. Raises EUso for a request the document shows to be wrong (a symbol it does not have,
// --mason on a graph) and EFileError for a file that cannot be read or written. Returns the exit status.
int Executar(const TCatalogoDocumentos& catalogo, const TArgumentos& a, std::ostream& out, std::ostream& err);

// The whole program after its name: reads the arguments, runs the command and turns every error
// into its message and exit status.
int Principal(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// From now on the transfer functions the commands build are kept until the process ends instead of
// being freed when their command is done: for a process that ends at once after its command, without
// running destructors (std::quick_exit), which spares freeing millions of terms one by one.
void GuardarResultadosAteOFim();

} // namespace brelix::cli
