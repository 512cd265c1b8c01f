#include "gui/UnitFormCheckGrf.h"

#include "gui/UnitFormMsg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace brelix {

namespace {

QPlainTextEdit* Memo(const char* nome, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(nome));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}

QString Linhas(const std::vector<std::string>& linhas) {
    QStringList texto;
    for (const std::string& linha : linhas)
        texto << QString::fromStdString(linha);
    return texto.join(QLatin1Char('\n'));
}

int Indice(TAbaVerificacao aba) {
    switch (aba) {
    case TAbaVerificacao::NaoValidados:
        return 0;
    case TAbaVerificacao::EmCurto:
        return 1;
    case TAbaVerificacao::NaoConectados:
        break;
    }
    return 2;
}

} // namespace

TFormCheckGrf::TFormCheckGrf(QWidget* parent)
    : QDialog(parent, kFlagsDialogo), PanelMsg(new QLabel(this)), PageControl(new QTabWidget(this)),
      MemoV(Memo("MemoV", this)), MemoC(Memo("MemoC", this)), MemoD(Memo("MemoD", this)),
      BtnFechar(new QPushButton(QStringLiteral("Fechar"), this)) {
    setObjectName(QStringLiteral("FormCheckGrf"));
    setWindowTitle(QStringLiteral("Brelix"));
    setFixedSize(375, 200);
    PanelMsg->setObjectName(QStringLiteral("PanelMsg"));
    PanelMsg->setText(QStringLiteral("Mensagem"));
    PanelMsg->setTextFormat(Qt::PlainText);
    PanelMsg->setAlignment(Qt::AlignCenter);
    PanelMsg->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelMsg->setFixedHeight(40);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setDocumentMode(true);
    PageControl->addTab(MemoV, QString::fromUtf8(kAbaNaoValidados));
    PageControl->addTab(MemoC, QString::fromUtf8(kAbaEmCurto));
    PageControl->addTab(MemoD, QString::fromUtf8(kAbaNaoConectados));
    BtnFechar->setObjectName(QStringLiteral("BtnFechar"));
    BtnFechar->setDefault(true);
    connect(BtnFechar, &QPushButton::clicked, this, &QDialog::accept);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtnFechar);
    botoes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(PanelMsg);
    layout->addWidget(PageControl, 1);
    layout->addLayout(botoes);
}

void TFormCheckGrf::Preencher(const TConteudoVerificacao& conteudo) {
    PanelMsg->setText(QString::fromStdString(conteudo.Mensagem));
    MemoV->setPlainText(Linhas(conteudo.NaoValidados));
    MemoC->setPlainText(Linhas(conteudo.EmCurto));
    MemoD->setPlainText(Linhas(conteudo.NaoConectados));
    PageControl->setTabVisible(0, conteudo.NaoValidadosVisivel);
    PageControl->setTabVisible(1, conteudo.EmCurtoVisivel);
    PageControl->setTabVisible(2, conteudo.NaoConectadosVisivel);
    PageControl->setCurrentIndex(Indice(conteudo.AbaAtiva));
    BtnFechar->setFocus();
}

void TFormCheckGrf::ShowCheck(const TConteudoVerificacao& conteudo) {
    Preencher(conteudo);
    CentrarNaTela(this);
    exec();
}

} // namespace brelix
