#pragma once

#include "shell/UnitComandos.h"
#include "shell/UnitFerramentas.h"

#include <cstdint>
#include <optional>

namespace brelix {

// Which component pages the main window shows and which page is in front, following the kind of the
// active document, and which "Algoritmos" commands that kind allows. A system document shows the five
// system pages and brings back the one that was in front when a system was last active; a graph
// shows "Grafo", a signal-flow diagram "DFS"; without a document the page control is hidden.
class TEstadoPaginas {
public:
    // The user brought a page to the front.
    void EscolherPagina(TPagina pagina) { atual_ = pagina; }

    // The active document changed (or was refreshed): its kind, none when no document is active.
    void Atualizar(std::optional<std::int32_t> docKindAtivo);

    bool Visivel(TPagina pagina) const;
    bool ControleVisivel() const { return docKind_.has_value(); }
    TPagina Atual() const { return atual_; }
    TPagina UltimaSistema() const { return ultimaSistema_; }

    // An "Algoritmos" item and its button are enabled exactly when the pages of the document kind the
    // command reads are shown. True for every command outside that menu.
    bool Habilitado(TComando comando) const;

private:
    std::optional<std::int32_t> docKind_;
    TPagina atual_ = TPagina::Ele;
    TPagina ultimaSistema_ = TPagina::Ele;
};

// The document kind an "Algoritmos" command reads (system, graph or signal flow); none for every
// other command.
std::optional<std::int32_t> DocKindDoAlgoritmo(TComando comando);

} // namespace brelix
