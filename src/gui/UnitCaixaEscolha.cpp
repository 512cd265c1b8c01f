#include "gui/UnitCaixaEscolha.h"

#include "analysis/UnitEscolhaFT.h"

#include <QCompleter>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace brelix {

TCaixaEscolha::TCaixaEscolha(const char* nome, QWidget* parent) : QComboBox(parent) {
    setObjectName(QString::fromLatin1(nome));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &TCaixaEscolha::Conferir);
}

void TCaixaEscolha::SetItens(const std::vector<std::string>& itens) {
    itens_ = itens;
    const QSignalBlocker bloqueio(this);
    clear();
    for (const std::string& item : itens_)
        addItem(QString::fromStdString(item));
    setCurrentIndex(-1);
    clearEditText();
}

void TCaixaEscolha::Escolher(const std::string& texto) {
    const std::string escolhido = TextoEscolhido(itens_, texto);
    const int indice = escolhido.empty() ? -1 : findText(QString::fromStdString(escolhido), Qt::MatchExactly);
    setCurrentIndex(indice);
    if (indice < 0) clearEditText();
}

std::string TCaixaEscolha::Escolhido() {
    Conferir();
    return currentText().toStdString();
}

void TCaixaEscolha::Conferir() {
    const std::string texto = currentText().toStdString();
    const int indice = currentIndex();
    if (indice >= 0 && static_cast<std::size_t>(indice) < itens_.size() &&
        texto == itens_[static_cast<std::size_t>(indice)])
        return;
    Escolher(texto);
}

QHBoxLayout* LinhaBotoesEscolha(QDialog* dialogo, QPushButton* calcular, QPushButton* cancelar) {
    calcular->setObjectName(QStringLiteral("BtnCalcular"));
    cancelar->setObjectName(QStringLiteral("BtnCancelar"));
    calcular->setDefault(true);
    calcular->setAutoDefault(false);
    cancelar->setAutoDefault(false);
    QObject::connect(cancelar, &QPushButton::clicked, dialogo, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(calcular);
    botoes->addWidget(cancelar);
    return botoes;
}

} // namespace brelix
