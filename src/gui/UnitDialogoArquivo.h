#pragma once

#include "shell/UnitJanelaPrincipal.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace brelix {

// The open and save dialogs of the main window as the workspace describes them (TDialogoArquivo):
// filters, the filter shown first, the folder, the name offered, the default extension and the
// question before replacing a file. The main window asks through this interface, so that its tests
// answer without a modal dialog.
class TSeletorArquivos {
public:
    virtual ~TSeletorArquivos() = default;
    // The chosen file's full path; nothing when the dialog is cancelled.
    virtual std::optional<std::string> Abrir(QWidget* pai, const TDialogoArquivo& dialogo) = 0;
    virtual std::optional<std::string> Salvar(QWidget* pai, const TDialogoArquivo& dialogo) = 0;
};

// The toolkit's file dialogs.
std::unique_ptr<TSeletorArquivos> CriarSeletorArquivos();

// "description|pattern|description|pattern" as the toolkit's name filters, one per pair:
// "Arquivos de Grafo (*.grf)". A description that already shows its pattern is kept as it is.
QStringList FiltrosDialogo(const std::string& filtro);
// The extension of a filter's single "*.ext" pattern; empty for "*.*" or several patterns.
QString ExtensaoDoFiltro(const QString& filtroDialogo);

// A dialog set up as described, not yet shown.
void PrepararDialogo(QFileDialog& dialogo, const TDialogoArquivo& descricao, bool salvar);

} // namespace brelix
