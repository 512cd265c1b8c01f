// brelix [DOCUMENT...]: shows each document given (sis, grf or dfs) in a window of its own, or a new
// system document when none is given. Ctrl + wheel zooms, Ctrl+0 returns to 100 %, and "Exportar
// Figura..." writes the drawing as SVG, PDF or PNG.

#include "common/UnitComErro.h"
#include "gui/UnitCanvasDocumento.h"
#include "gui/UnitExportarFigura.h"
#include "gui/UnitIcones.h"
#include "shell/UnitCatalogo.h"
#include "visual/UnitVODocKind.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>

#include <memory>
#include <vector>

namespace {

using namespace brelix;

// A document's window, for as long as the main window is not built: the canvas in a scroll area and
// the export command.
std::unique_ptr<QMainWindow> JanelaDocumento(TVisualDocumento& doc) {
    auto janela = std::make_unique<QMainWindow>();
    janela->setWindowTitle(QString::fromStdString(doc.FileName()));
    auto* rolagem = new QScrollArea(janela.get());
    auto* canvas = new TCanvasDocumento(doc);
    rolagem->setWidget(canvas);
    rolagem->setWidgetResizable(true);
    rolagem->setBackgroundRole(QPalette::Base);
    janela->setCentralWidget(rolagem);
    QAction* exportar =
        janela->menuBar()
            ->addMenu(QStringLiteral("Arquivo"))
            ->addAction(IconeDoComando(TComando::ExportarFigura), QStringLiteral("Exportar Figura..."));
    QMainWindow* dono = janela.get();
    QObject::connect(exportar, &QAction::triggered, dono, [dono, &doc]() {
        const QString arquivo = QFileDialog::getSaveFileName(
            dono, QStringLiteral("Exportar Figura"), QString::fromStdString(doc.Desc()), FiltroFiguras());
        if (arquivo.isEmpty()) return;
        QString erro;
        if (!ExportarFigura(doc, arquivo, &erro)) QMessageBox::critical(dono, QStringLiteral("Brelix"), erro);
    });
    janela->resize(canvas->sizeHint().grownBy(QMargins(0, 0, 24, 48)));
    return janela;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brelix"));
    const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    std::vector<std::unique_ptr<TVisualDocumento>> documentos;
    for (const QString& arquivo : QApplication::arguments().mid(1)) {
        try {
            documentos.push_back(AbrirDocumento(catalogo->Documentos(), arquivo.toStdString()));
        } catch (const EFileError& e) {
            QMessageBox::critical(nullptr, QStringLiteral("Brelix"), QString::fromStdString(e.what()));
        }
    }
    if (QApplication::arguments().size() <= 1) {
        documentos.push_back(catalogo->Documentos().Make(kDocKindSistema));
        documentos.back()->NewDocument("Sistema1");
    }
    if (documentos.empty()) return 1;
    std::vector<std::unique_ptr<QMainWindow>> janelas;
    for (const std::unique_ptr<TVisualDocumento>& doc : documentos) {
        doc->DeselectAll(); // a document window shows its document without a selection when it opens
        janelas.push_back(JanelaDocumento(*doc));
        janelas.back()->show();
    }
    return QApplication::exec();
}
