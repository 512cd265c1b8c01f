#include "gui/UnitCapturas.h"

#include "gui/UnitFormMain.h"
#include "gui/UnitVisualForm.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>

namespace brelix {

namespace {

bool Gravar(const QPixmap& imagem, const QString& arquivo, QString* erro) {
    if (imagem.save(arquivo, "PNG")) return true;
    if (erro != nullptr) *erro = QStringLiteral("Não foi possível gravar %1").arg(arquivo);
    return false;
}

void Processar() {
    QApplication::processEvents();
    QApplication::processEvents();
}

} // namespace

bool SalvarCapturas(TFormMain& principal, const QString& pasta, QString* erro) {
    if (!QDir().mkpath(pasta)) {
        if (erro != nullptr) *erro = QStringLiteral("Não foi possível criar a pasta %1").arg(pasta);
        return false;
    }
    const QDir dir(pasta);
    TAreaTrabalho& area = principal.Area();
    Processar();
    if (QScreen* tela = QGuiApplication::primaryScreen())
        if (!Gravar(tela->grabWindow(0), dir.filePath(QStringLiteral("tela.png")), erro)) return false;

    for (std::size_t i = 0; i < area.Documentos().Count(); ++i) {
        TVisualDocumento& documento = area.Documentos().Get(i);
        area.MostrarDocumento(i);
        Processar();
        if (TVisualForm* janela = principal.JanelaDe(documento)) {
            const QString nome =
                QStringLiteral("documento-%1.png").arg(QString::fromStdString(documento.Desc()));
            if (!Gravar(janela->grab(), dir.filePath(nome), erro)) return false;
        }
    }
    // The other windows on the screen: the property window, and the transfer-function window when a
    // transfer-function file was opened.
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (!janela->isVisible() || janela == &principal || qobject_cast<TVisualForm*>(janela) != nullptr ||
            janela->objectName().isEmpty())
            continue;
        const QString nome = QStringLiteral("janela-%1.png").arg(janela->objectName());
        if (!Gravar(janela->grab(), dir.filePath(nome), erro)) return false;
    }
    // Each page once, in front, while a document of its kind is active.
    for (const TPaginaFerramentas& p : PaginasComponentes()) {
        bool achado = false;
        for (std::size_t i = 0; i < area.Documentos().Count() && !achado; ++i)
            if (area.Documentos().Get(i).DocKind() == p.DocKind) {
                area.MostrarDocumento(i);
                achado = true;
            }
        if (!achado) continue;
        principal.PageControl()->setCurrentIndex(static_cast<int>(p.Pagina));
        Processar();
        const QString nome = QStringLiteral("principal-%1.png").arg(QString::fromStdString(p.Nome));
        if (!Gravar(principal.grab(), dir.filePath(nome), erro)) return false;
    }
    return true;
}

} // namespace brelix
