#pragma once

#include "analysis/UnitResultadoFT.h"
#include "analysis/UnitVisaoGrafoDFS.h"
#include "analysis/UnitVisaoMason.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "shell/UnitComandos.h"
#include "system/UnitSisResultado.h"

#include <optional>

namespace brelix {

// The result windows of the "Resultados" menu.
enum class TJanelaResultado {
    SistemaGrafo, // "Sistema -> Grafo...": the system result
    GrafoDFS,     // "Grafo -> DFS...": the equations and causal assignment of a conversion
    Mason,        // "Mason...": the loops of the last signal-flow analysis
    FT,           // "Função de Transferência...": the transfer-function window
};

// What the result windows show, kept by the main window for the whole run: each analysis replaces
// its window's content, and a result once held is never dropped, so its "Resultados" item stays
// enabled. The windows copy what they show from here.
struct TResultados {
    TResultadoFT FT;
    bool TemFT = false; // a function was computed or read from a file
    std::optional<TConteudoMason> Mason;
    std::optional<TConteudoGrafoDFS> GrafoDFS;
    std::optional<TResultadoSis> SistemaGrafo;
    // The last refusal shown in the check window.
    std::optional<TConteudoVerificacao> Verificacao;

    bool Tem(TJanelaResultado janela) const;
};

// The result window a "Resultados" command shows; none for every other command.
std::optional<TJanelaResultado> JanelaDoResultado(TComando comando);

} // namespace brelix
