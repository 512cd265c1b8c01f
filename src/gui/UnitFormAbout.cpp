#include "gui/UnitFormAbout.h"

#include "gui/UnitIcones.h"
#include "shell/UnitMenuPrincipal.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef BRELIX_VERSAO
#error "the build gives the program's version as BRELIX_VERSAO"
#endif

namespace brelix {

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("Sobre"));
    auto* icone = new QLabel(this);
    icone->setPixmap(IconeDoComando(TComando::SistemaFT).pixmap(QSize(48, 48), devicePixelRatio()));
    auto* nome = new QLabel(QString::fromUtf8(kCaptionPrincipal), this);
    nome->setObjectName(QStringLiteral("LabelNome"));
    QFont grande = nome->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.2);
    nome->setFont(grande);
    auto* versao = new QLabel(QStringLiteral("Versão %1").arg(Versao()), this);
    versao->setObjectName(QStringLiteral("LabelVersao"));
    auto* botoes = new QDialogButtonBox(this);
    QPushButton* fechar = botoes->addButton(QStringLiteral("Fechar"), QDialogButtonBox::AcceptRole);
    fechar->setDefault(true);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* textos = new QVBoxLayout;
    textos->addWidget(nome);
    textos->addWidget(versao);
    auto* topo = new QHBoxLayout;
    topo->addWidget(icone, 0, Qt::AlignTop);
    topo->addSpacing(12);
    topo->addLayout(textos);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addSpacing(8);
    layout->addWidget(botoes);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TFormAbout::Versao() {
    return QStringLiteral(BRELIX_VERSAO);
}

} // namespace brelix
