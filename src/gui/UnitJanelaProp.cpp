#include "gui/UnitJanelaProp.h"

#include "gui/UnitFiltroTeclas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

namespace brelix {

TJanelaProp::TJanelaProp(TPropWindow familia, const char* nome, TServicosPropriedades servicos,
                         QWidget* parent)
    : QWidget(parent, Qt::Tool), CBComp(new QComboBox(this)), grade_(new QGridLayout),
      servicos_(std::move(servicos)), familia_(familia) {
    setObjectName(QString::fromLatin1(nome));
    setWindowTitle(QString::fromUtf8(kCaptionPropriedades));
    // The window follows the selection of a document without taking the focus from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    CBComp->setObjectName(QStringLiteral("CBComp"));
    CBComp->setEditable(true);
    CBComp->setInsertPolicy(QComboBox::NoInsert);
    CBComp->setMaxVisibleItems(20);
    connect(CBComp, &QComboBox::activated, this, &TJanelaProp::EscolherComponente);
    connect(CBComp->lineEdit(), &QLineEdit::returnPressed, this, &TJanelaProp::DigitarComponente);

    auto* componentes = new QGroupBox(QStringLiteral("Componentes"), this);
    auto* layoutComponentes = new QVBoxLayout(componentes);
    layoutComponentes->setContentsMargins(4, 4, 4, 4);
    layoutComponentes->addWidget(CBComp);
    grade_->setColumnStretch(1, 1);
    grade_->setHorizontalSpacing(6);
    grade_->setVerticalSpacing(3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(componentes);
    layout->addLayout(grade_);
    layout->addStretch();
    setFixedWidth(250);
}

QLineEdit* TJanelaProp::Campo(const std::string& nome) const {
    for (const auto& [n, edit] : campos_)
        if (n == nome) return edit;
    return nullptr;
}

QLineEdit* TJanelaProp::NovoCampo(const TCampoProp& campo,
                                  std::function<TRespostaCampo(const std::string&)> aoReturn) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(campo.Nome));
    edit->setReadOnly(campo.Tipo == TTipoCampo::EditSomenteLeitura);
    FiltrarTeclas(edit, campo.Filtro);
    const int linha = grade_->rowCount();
    grade_->addWidget(new QLabel(QString::fromStdString(campo.Rotulo), this), linha, 0);
    grade_->addWidget(edit, linha, 1, 1, 2);
    campos_.emplace_back(campo.Nome, edit);
    if (aoReturn)
        connect(edit, &QLineEdit::returnPressed, this, [this, edit, aoReturn = std::move(aoReturn)] {
            if (Documento() == nullptr) return;
            Responder(edit, aoReturn(edit->text().toStdString()));
        });
    return edit;
}

void TJanelaProp::PreencherComponentes(int selecionado) {
    const QSignalBlocker bloqueio(CBComp);
    CBComp->clear();
    if (TVisualDocumento* doc = Documento())
        for (const std::string& desc : Componentes(*doc))
            CBComp->addItem(QString::fromStdString(desc));
    CBComp->setCurrentIndex(selecionado);
    if (selecionado < 0) CBComp->clearEditText();
}

void TJanelaProp::Responder(QLineEdit* campo, const TRespostaCampo& resposta) {
    Atualizar();
    if (!resposta.Mensagem.empty() && servicos_.Mensagem) servicos_.Mensagem(resposta.Mensagem);
    campo->setFocus();
    campo->selectAll();
}

void TJanelaProp::EscolherComponente(int indice) {
    TVisualDocumento* doc = Documento();
    if (doc == nullptr || indice < 0) return;
    if (brelix::EscolherComponente(*doc, CBComp->itemText(indice).toStdString()) && servicos_.SelecaoMudou)
        servicos_.SelecaoMudou(*doc);
}

void TJanelaProp::DigitarComponente() {
    TVisualDocumento* doc = Documento();
    if (doc == nullptr) return;
    const QString texto = CBComp->currentText();
    if (brelix::DigitarComponente(*doc, texto.toStdString()) >= 0) {
        if (servicos_.SelecaoMudou) servicos_.SelecaoMudou(*doc);
        return;
    }
    // A text that names no object only leaves nothing chosen in the list.
    const QSignalBlocker bloqueio(CBComp);
    CBComp->setCurrentIndex(-1);
    CBComp->setEditText(texto);
}

} // namespace brelix
