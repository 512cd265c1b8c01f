#include "gui/UnitFormSplash.h"

#include "gui/UnitIcones.h"
#include "shell/UnitMenuPrincipal.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace brelix {

TFormSplash::TFormSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      barra_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("FormSplash"));
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);

    auto* icone = new QLabel(this);
    icone->setPixmap(IconeDoComando(TComando::SistemaFT).pixmap(QSize(64, 64), devicePixelRatio()));
    auto* nome = new QLabel(QString::fromUtf8(kCaptionPrincipal), this);
    QFont grande = nome->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    nome->setFont(grande);
    barra_->setRange(0, MaximoSplash());
    barra_->setValue(0);
    barra_->setTextVisible(false);

    auto* topo = new QHBoxLayout;
    topo->addWidget(icone);
    topo->addSpacing(16);
    topo->addWidget(nome, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addLayout(topo);
    layout->addSpacing(16);
    layout->addWidget(barra_);
    adjustSize();
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->geometry().center() - rect().center());
}

void TFormSplash::Avancar() {
    barra_->setValue(barra_->value() + 1);
    // Nothing else runs while the program starts; let the bar be drawn.
    if (isVisible()) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int TFormSplash::Passo() const {
    return barra_->value();
}

int TFormSplash::Maximo() const {
    return barra_->maximum();
}

void PercorrerInicio(TFormSplash& splash, const std::function<void(const TPassoInicio&)>& criar) {
    for (const TPassoInicio& passo : PassosInicio()) {
        criar(passo);
        if (passo.AvancaSplash) splash.Avancar();
    }
}

} // namespace brelix
