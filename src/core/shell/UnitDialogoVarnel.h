#pragma once

#include "analysis/UnitResultadoFT.h"
#include "shell/UnitJanelaPrincipal.h"
#include "shell/UnitOpcoes.h"

namespace brelix {

// The save dialog of "Salvar Arquivo do Varnel" in the transfer-function window.
inline constexpr const char* kFiltroVarnel = "Arquivos do Varnel (*.vrn)|*.vrn";
inline constexpr const char* kExtensaoVarnel = "vrn";

// It starts in the default folder, offers the result's file name with the extension vrn (so that
// confirming it never replaces the transfer-function file) and asks before replacing a file.
TDialogoArquivo DialogoVarnel(const TResultadoFT& resultado, const TConfigOpcoes& config);

} // namespace brelix
