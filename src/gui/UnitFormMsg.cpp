#include "gui/UnitFormMsg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace brelix {

namespace {

constexpr int kLarguraLabel = 365;

} // namespace

void CentrarNaTela(QWidget* janela) {
    QScreen* tela = janela->parentWidget() != nullptr ? janela->parentWidget()->screen()
                                                      : QGuiApplication::primaryScreen();
    if (tela == nullptr) return;
    // The layout settles the size of a dialog that has not been shown yet.
    if (janela->layout() != nullptr) janela->layout()->activate();
    QRect area = janela->frameGeometry();
    area.moveCenter(tela->availableGeometry().center());
    janela->move(area.topLeft());
}

TFormMsg::TFormMsg(QWidget* parent)
    : QDialog(parent, kFlagsDialogo), LabelMsg(new QLabel(this)),
      BtnCancel(new QPushButton(QStringLiteral("Fechar"), this)) {
    setObjectName(QStringLiteral("FormMsg"));
    setWindowTitle(QStringLiteral("Brelix"));
    LabelMsg->setObjectName(QStringLiteral("LabelMsg"));
    LabelMsg->setAlignment(Qt::AlignCenter);
    LabelMsg->setFixedWidth(kLarguraLabel);
    // A long message (a file error names the whole path) wraps instead of being cut off.
    LabelMsg->setWordWrap(true);
    LabelMsg->setTextFormat(Qt::PlainText);
    LabelMsg->setMinimumHeight(40);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setDefault(true);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtnCancel);
    botoes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(LabelMsg);
    layout->addLayout(botoes);
}

void TFormMsg::Preparar(const std::string& texto) {
    LabelMsg->setText(QString::fromStdString(texto));
    BtnCancel->setFocus();
}

void TFormMsg::ShowMsg(const std::string& texto) {
    Preparar(texto);
    CentrarNaTela(this);
    exec();
}

} // namespace brelix
