#include "gui/UnitFormProgress.h"

#include "gui/UnitFormMsg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelix {

TFormProgress::TFormProgress(QWidget* parent, int atrasoMs, int intervaloMs)
    : QDialog(parent, kFlagsDialogo), LabelEtapa(new QLabel(this)), LabelOrdem(new QLabel(this)),
      Barra(new QProgressBar(this)), BtnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)),
      atrasoMs_(atrasoMs), intervaloMs_(intervaloMs) {
    setObjectName(QStringLiteral("FormProgress"));
    setWindowTitle(QStringLiteral("Brelix"));
    setModal(true);
    LabelEtapa->setObjectName(QStringLiteral("LabelEtapa"));
    LabelOrdem->setObjectName(QStringLiteral("LabelOrdem"));
    Barra->setObjectName(QStringLiteral("Barra"));
    Barra->setTextVisible(true);
    Barra->setMinimumWidth(320);
    BtnCancelar->setObjectName(QStringLiteral("BtnCancelar"));
    connect(BtnCancelar, &QPushButton::clicked, this, &TFormProgress::Cancelar);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtnCancelar);
    botoes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(LabelEtapa);
    layout->addWidget(Barra);
    layout->addWidget(LabelOrdem);
    layout->addLayout(botoes);

    fim_.setInterval(25);
    connect(&fim_, &QTimer::timeout, this, &TFormProgress::FimTalvez);
}

void TFormProgress::IniciarEtapa(TEtapaAnalise etapa) {
    etapa_ = etapa;
    ordens_.clear();
    ordem_ = conjuntos_ = passo_ = 0;
    Atender();
}

void TFormProgress::IniciarProgresso(const std::vector<std::string>& lines) {
    ordens_ = lines;
    Atender();
}

void TFormProgress::IniciarOrdem(int order, int count) {
    ordem_ = order;
    conjuntos_ = count;
    passo_ = 0;
    Atender();
}

void TFormProgress::PassoProgresso(int set) {
    // Called for every loop set: only noted here, shown when events are next handled.
    passo_ = set;
}

bool TFormProgress::Cancelado() {
    Atender();
    return cancelado_;
}

void TFormProgress::Atender() {
    if (!rodando_) {
        rodando_ = true;
        cancelado_ = false;
        relogio_.start();
        ultimoAtendimento_ = 0;
        fim_.start();
    }
    if (dentro_) return;
    const qint64 agora = relogio_.elapsed();
    if (!isVisible() && agora >= atrasoMs_) Mostrar();
    if (agora - ultimoAtendimento_ < intervaloMs_) return;
    ultimoAtendimento_ = agora;
    if (isVisible()) Mostrar();
    dentro_ = true;
    // Until the window shows, the user's input waits: nothing may change a document under the analysis.
    QCoreApplication::processEvents(isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    dentro_ = false;
}

void TFormProgress::Mostrar() {
    LabelEtapa->setText(QString::fromUtf8(TextoEtapa(etapa_)));
    if (etapa_ == TEtapaAnalise::FuncaoTransferencia && conjuntos_ > 0) {
        Barra->setRange(0, conjuntos_);
        Barra->setValue(std::min(passo_, conjuntos_));
        const std::size_t i = static_cast<std::size_t>(ordem_ - 1);
        LabelOrdem->setText(QStringLiteral("Ordem ") + (i < ordens_.size()
                                                            ? QString::fromStdString(ordens_[i])
                                                            : QString::number(ordem_)));
    } else {
        Barra->setRange(0, 0); // a stage that does not know its length
        LabelOrdem->clear();
    }
    if (isVisible()) return;
    CentrarNaTela(this);
    show();
    raise();
}

void TFormProgress::Cancelar() {
    cancelado_ = true;
    BtnCancelar->setEnabled(false);
}

void TFormProgress::reject() {
    // Escape or the close button stop the analysis; the window goes when the analysis has ended.
    if (rodando_) {
        Cancelar();
        return;
    }
    QDialog::reject();
}

void TFormProgress::closeEvent(QCloseEvent* evento) {
    if (rodando_) {
        Cancelar();
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TFormProgress::FimTalvez() {
    // The timer fires inside the analysis only while it hands events on; anywhere else the analysis
    // has returned.
    if (!dentro_) Terminar();
}

void TFormProgress::Terminar() {
    fim_.stop();
    rodando_ = false;
    cancelado_ = false;
    hide();
    BtnCancelar->setEnabled(true);
}

} // namespace brelix
