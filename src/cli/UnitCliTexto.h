#pragma once

#include "analysis/UnitVisaoGrade.h"
#include "analysis/UnitVisaoVerificacao.h"

#include <ostream>

namespace brelix::cli {

struct TRelatorioFT;
struct TRelatorioVariaveis;

// The plain-text form of each command's result, with the windows' own titles and labels.

// The check view: its title, then every problem on its own line; the two lists of a linear graph
// that is not valid under the captions of their tabs.
void EscreverRecusa(std::ostream& os, const TRecusa& recusa);

// A grid of a result window: its header, then its body rows, columns aligned.
void EscreverGrade(std::ostream& os, const TGradeTexto& grade, const char* recuo = "  ");

void EscreverVariaveis(std::ostream& os, const TRelatorioVariaveis& r);
void EscreverFT(std::ostream& os, const TRelatorioFT& r);

} // namespace brelix::cli
