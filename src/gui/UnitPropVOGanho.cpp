#include "gui/UnitPropVOGanho.h"

#include "gui/UnitFiltroTeclas.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace brelix {

namespace {

constexpr int kLarguraGrupo = 90;

QGroupBox* GrupoCampo(const char* nome, const char* titulo, QWidget* campo, QWidget* parent) {
    auto* grupo = new QGroupBox(QString::fromLatin1(titulo), parent);
    grupo->setObjectName(QString::fromLatin1(nome));
    grupo->setFixedWidth(kLarguraGrupo);
    auto* layout = new QVBoxLayout(grupo);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(campo);
    return grupo;
}

QSpinBox* Expoente(const char* nome, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(nome));
    return spin;
}

} // namespace

TJanelaPropVOGanho::TJanelaPropVOGanho(FMensagem mensagem, QWidget* parent)
    : QDialog(parent, kFlagsDialogo), EdtGanho(new QLineEdit(this)), EdtSym(new QLineEdit(this)),
      EdtExpSym(Expoente("EdtExpSym", this)), EdtExpS(Expoente("EdtExpS", this)),
      BtnOK(new QPushButton(QStringLiteral("Ok"), this)),
      BtnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)), mensagem_(std::move(mensagem)) {
    setObjectName(QStringLiteral("PropVOGanho"));
    setWindowTitle(QString::fromUtf8(kCaptionGanho));
    EdtGanho->setObjectName(QStringLiteral("EdtGanho"));
    EdtSym->setObjectName(QStringLiteral("EdtSym"));
    FiltrarTeclasK(EdtGanho);
    FiltrarTeclasSym(EdtSym);
    EdtExpSym->setRange(kMinExpSym, kMaxExpSym);
    EdtExpS->setRange(kMinExpS, kMaxExpS);
    GBGanho = GrupoCampo("GBGanho", "K", EdtGanho, this);
    GBSys = GrupoCampo("GBSys", "Sym", EdtSym, this);
    GBExpSym = GrupoCampo("GBExpSym", "ExpSym", EdtExpSym, this);
    GBExpS = GrupoCampo("GBExpS", "ExpS", EdtExpS, this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancelar->setObjectName(QStringLiteral("BtnCancelar"));
    BtnOK->setDefault(true);
    BtnOK->setAutoDefault(false);
    BtnCancelar->setAutoDefault(false);
    connect(BtnOK, &QPushButton::clicked, this, &TJanelaPropVOGanho::Ok);
    connect(BtnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* campos = new QHBoxLayout;
    campos->setContentsMargins(0, 0, 0, 0);
    campos->setSpacing(0);
    for (QGroupBox* grupo : {GBGanho, GBSys, GBExpSym, GBExpS})
        campos->addWidget(grupo);
    campos->addStretch();
    auto* botoes = new QHBoxLayout;
    botoes->setContentsMargins(4, 0, 4, 0);
    botoes->addStretch();
    botoes->addWidget(BtnOK);
    botoes->addWidget(BtnCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 6);
    layout->addLayout(campos);
    layout->addLayout(botoes);
    AbrirGanho(kCaptionGanho, "1", false, true, true);
}

void TJanelaPropVOGanho::AbrirGanho(const std::string& caption, const std::string& gain, bool allowZero,
                                    bool showExpSym, bool showExpS) {
    regra_.AbrirGanho(caption, gain, allowZero, showExpSym, showExpS);
    setWindowTitle(QString::fromStdString(regra_.Caption()));
    EdtGanho->setText(QString::fromStdString(regra_.K));
    EdtSym->setText(QString::fromStdString(regra_.Sym));
    EdtExpSym->setValue(regra_.ExpSym());
    EdtExpS->setRange(regra_.MinExpS(), regra_.MaxExpS());
    EdtExpS->setValue(regra_.ExpS());
    GBExpSym->setVisible(regra_.ExpSymVisivel());
    GBExpS->setVisible(regra_.ExpSVisivel());
    setFixedWidth(regra_.Largura());
    EdtGanho->setFocus();
}

std::optional<std::string> TJanelaPropVOGanho::Editar(const TPainelGanho& painel) {
    AbrirGanho(painel.TituloEditor, painel.Ganho, painel.PermiteZero, painel.ExpSym, painel.ExpS);
    CentrarNaTela(this);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return regra_.Resultado();
}

void TJanelaPropVOGanho::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    EdtGanho->setFocus();
}

void TJanelaPropVOGanho::Ok() {
    regra_.K = EdtGanho->text().toStdString();
    regra_.Sym = EdtSym->text().toStdString();
    regra_.SetExpSym(EdtExpSym->value());
    regra_.SetExpS(EdtExpS->value());
    const TRespostaGanho resposta = regra_.Ok();
    if (resposta.Fechar) {
        accept();
        return;
    }
    mensagem_(resposta.Mensagem);
    if (resposta.FocoEmK) EdtGanho->setFocus();
}

} // namespace brelix
