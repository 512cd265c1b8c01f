#include "UnitCliRelatorio.h"

#include "visual/UnitVODocKind.h"

namespace brelix::cli {

std::string TituloValido(std::int32_t docKind) {
    switch (docKind) {
    case kDocKindDFS:
        return "DFS validado.";
    case kDocKindGrafo:
        return "Grafo validado.";
    default:
        return "Sistema validado.";
    }
}

std::string SemBrancoFinal(std::string texto) {
    while (!texto.empty() && texto.back() == ' ')
        texto.pop_back();
    return texto;
}

} // namespace brelix::cli
