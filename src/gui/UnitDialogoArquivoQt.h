#pragma once

#include "shell/UnitJanelaPrincipal.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace brelix {

// A file dialog of the core (TDialogoArquivo) as the toolkit shows it.

// "description|pattern|description|pattern" as the toolkit's ";;"-separated filters: each description
// already names its patterns in brackets ("Arquivos de DFS (*.dfs)").
QString FiltrosQt(const std::string& filtro);

// The save dialog: the folder and the name it offers, the filter at IndiceFiltro, the extension added
// to a name typed without one, and the question before a file is replaced when asked for. The chosen
// file's full path; nothing when it is cancelled.
std::optional<std::string> DialogoSalvarQt(QWidget* pai, const TDialogoArquivo& dialogo);

} // namespace brelix
