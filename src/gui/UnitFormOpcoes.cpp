#include "gui/UnitFormOpcoes.h"

#include "gui/UnitFormMsg.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace brelix {

namespace {

// The row height and column width of the matrix tables, in pixels.
constexpr int kMinMedida = 1;
constexpr int kMaxMedida = 999;

QSpinBox* Medida(const char* nome, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(nome));
    spin->setRange(kMinMedida, kMaxMedida);
    return spin;
}

std::optional<QFont> DialogoDeFonte(const QFont& inicial, QWidget* pai) {
    bool escolhida = false;
    const QFont fonte =
        QFontDialog::getFont(&escolhida, inicial, pai, QStringLiteral("Fonte dos Resultados"));
    if (!escolhida) return std::nullopt;
    return fonte;
}

} // namespace

TFormOpcoes::TFormOpcoes(QWidget* parent)
    : QDialog(parent, kFlagsDialogo), EdtF(new QLineEdit(this)), EdtT(new QLineEdit(this)),
      BtnFonte(new QToolButton(this)), EdtA(Medida("EdtA", this)), EdtL(Medida("EdtL", this)),
      CBCnx(new QCheckBox(QStringLiteral("Auto - inserir vértices entre elementos"), this)),
      BtnConfirmar(new QPushButton(QStringLiteral("Confirmar"), this)),
      BtnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)), escolherFonte_(DialogoDeFonte) {
    setObjectName(QStringLiteral("FormOpcoes"));
    setWindowTitle(QStringLiteral("Opções"));
    EdtF->setObjectName(QStringLiteral("EdtF"));
    EdtT->setObjectName(QStringLiteral("EdtT"));
    BtnFonte->setObjectName(QStringLiteral("BtnFonte"));
    BtnFonte->setText(QStringLiteral("..."));
    BtnFonte->setToolTip(QStringLiteral("Alterar Fonte"));
    CBCnx->setObjectName(QStringLiteral("CBCnx"));
    BtnConfirmar->setObjectName(QStringLiteral("BtnConfirmar"));
    BtnCancelar->setObjectName(QStringLiteral("BtnCancelar"));
    BtnConfirmar->setDefault(true);
    connect(BtnFonte, &QToolButton::clicked, this, &TFormOpcoes::AlterarFonte);
    connect(BtnConfirmar, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* fonte = new QGroupBox(QStringLiteral("Fonte dos Resultados"), this);
    auto* nome = new QHBoxLayout;
    nome->addWidget(EdtF, 1);
    nome->addWidget(BtnFonte);
    auto* layoutFonte = new QFormLayout(fonte);
    layoutFonte->addRow(QStringLiteral("Nome"), nome);
    layoutFonte->addRow(QStringLiteral("Tamanho"), EdtT);

    auto* matrizes = new QGroupBox(QStringLiteral("Matrizes A"), this);
    auto* layoutMatrizes = new QFormLayout(matrizes);
    layoutMatrizes->addRow(QStringLiteral("Altura da Linha"), EdtA);
    layoutMatrizes->addRow(QStringLiteral("Largura da Coluna"), EdtL);

    auto* conexoes = new QGroupBox(QStringLiteral("Conexões"), this);
    auto* layoutConexoes = new QVBoxLayout(conexoes);
    layoutConexoes->addWidget(CBCnx);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtnConfirmar);
    botoes->addWidget(BtnCancelar);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(fonte);
    layout->addWidget(matrizes);
    layout->addWidget(conexoes);
    layout->addLayout(botoes);
}

void TFormOpcoes::Preencher(const TConfigOpcoes& config) {
    EdtF->setText(QString::fromStdString(config.RFontName));
    EdtT->setText(QString::number(config.RFontSize));
    EdtA->setValue(config.ARowHeight);
    EdtL->setValue(config.AColWidth);
    CBCnx->setChecked(config.AutoVrt);
    BtnConfirmar->setFocus();
}

TEntradaOpcoes TFormOpcoes::Entrada() const {
    TEntradaOpcoes entrada;
    entrada.FontName = EdtF->text().toStdString();
    entrada.FontSizeText = EdtT->text().toStdString();
    entrada.RowHeight = EdtA->value();
    entrada.ColWidth = EdtL->value();
    entrada.AutoVrt = CBCnx->isChecked();
    return entrada;
}

std::optional<TEntradaOpcoes> TFormOpcoes::Editar(const TConfigOpcoes& config) {
    Preencher(config);
    CentrarNaTela(this);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Entrada();
}

void TFormOpcoes::AlterarFonte() {
    QFont inicial(EdtF->text());
    const std::int32_t tamanho = FontSizeFromText(EdtT->text().toStdString());
    inicial.setPointSize(tamanho > 0 ? tamanho : 8);
    const std::optional<QFont> fonte = escolherFonte_(inicial, this);
    if (!fonte) return;
    EdtF->setText(fonte->family());
    EdtT->setText(QString::number(fonte->pointSize()));
}

} // namespace brelix
