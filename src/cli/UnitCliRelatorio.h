#pragma once

#include "analysis/UnitVisaoMason.h"
#include "analysis/UnitVisaoVerificacao.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelix {
class TResultadoFT;
}

namespace brelix::cli {

// What a run of ft or show reports: the transfer function as the transfer-function window holds
// it (with the values given on the command line), and what was asked besides.
struct TRelatorioFT {
    const TResultadoFT* Resultado = nullptr;
    std::optional<TConteudoMason> Mason; // --mason
    bool Sensibilidade = false;          // --sensitivity: the result holds it
    std::string SimboloSensibilidade;
    std::string ArquivoFT;     // -o, once written
    std::string ArquivoVarnel; // --varnel, once written
};

// The candidates of a transfer-function choice, as the variables command reports them.
struct TRelatorioVariaveis {
    std::int32_t DocKind = 0;
    std::vector<std::string> Entradas;
    std::vector<std::string> Saidas;
    std::vector<std::string> Vertices;
};

// What check says of a document that can be analysed: "Sistema validado.", "Grafo validado.",
// "DFS validado." beside the titles of the refusals ("Sistema não validado.", ...).
std::string TituloValido(std::int32_t docKind);

// The polynomial texts of the windows end with a blank after every term; printed on a line of
// their own, the last one is dropped.
std::string SemBrancoFinal(std::string texto);

} // namespace brelix::cli
