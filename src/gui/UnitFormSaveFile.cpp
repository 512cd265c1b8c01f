#include "gui/UnitFormSaveFile.h"

#include "gui/UnitFormMsg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelix {

namespace {

// The dialog's results beyond Accepted and Rejected.
constexpr int kNao = 2;

} // namespace

TFormSaveFile::TFormSaveFile(QWidget* parent)
    : QDialog(parent, kFlagsDialogo), LabelPergunta(new QLabel(this)),
      BtnSim(new QPushButton(QStringLiteral("Sim"), this)),
      BtnNao(new QPushButton(QStringLiteral("Não"), this)),
      BtnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)) {
    setObjectName(QStringLiteral("FormSaveFile"));
    setWindowTitle(QStringLiteral("Brelix"));
    LabelPergunta->setObjectName(QStringLiteral("LabelPergunta"));
    LabelPergunta->setAlignment(Qt::AlignCenter);
    LabelPergunta->setTextFormat(Qt::PlainText);
    LabelPergunta->setWordWrap(true);
    LabelPergunta->setFixedWidth(365);
    LabelPergunta->setMinimumHeight(40);
    BtnSim->setObjectName(QStringLiteral("BtnSim"));
    BtnNao->setObjectName(QStringLiteral("BtnNao"));
    BtnCancelar->setObjectName(QStringLiteral("BtnCancelar"));
    BtnSim->setDefault(true);
    connect(BtnSim, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnNao, &QPushButton::clicked, this, [this] { done(kNao); });
    connect(BtnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtnSim);
    botoes->addWidget(BtnNao);
    botoes->addWidget(BtnCancelar);
    botoes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(LabelPergunta);
    layout->addLayout(botoes);
}

void TFormSaveFile::Preparar(const std::string& pergunta) {
    LabelPergunta->setText(QString::fromStdString(pergunta));
    BtnSim->setFocus();
}

TSaveAnswer TFormSaveFile::Perguntar(const std::string& pergunta) {
    Preparar(pergunta);
    CentrarNaTela(this);
    switch (exec()) {
    case QDialog::Accepted:
        return TSaveAnswer::Sim;
    case kNao:
        return TSaveAnswer::Nao;
    default:
        return TSaveAnswer::Cancelar;
    }
}

} // namespace brelix
