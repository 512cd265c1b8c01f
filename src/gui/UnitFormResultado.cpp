#include "gui/UnitFormResultado.h"

#include "gui/UnitFormMsg.h"
#include "gui/UnitVistasResultado.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace brelix {

TFormResultado::TFormResultado(const char* nome, const char* caption, QWidget* parent)
    : QWidget(parent, Qt::Tool), PageControl(new QTabWidget(this)) {
    setObjectName(QString::fromLatin1(nome));
    setWindowTitle(QString::fromUtf8(caption));
    resize(650, 300);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setDocumentMode(true);
    PageControl->setUsesScrollButtons(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);
}

void TFormResultado::Exibir(const TConfigOpcoes& config, QWidget* abaAtiva) {
    AplicarFonteResultados(this, config);
    PageControl->setCurrentWidget(abaAtiva);
    if (!posicionada_) {
        // Centred once; afterwards it opens where the user left it.
        CentrarNaTela(this);
        posicionada_ = true;
    }
    show();
    raise();
    activateWindow();
}

} // namespace brelix
