#include "gui/UnitVisaoTexto.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListView>
#include <QPlainTextEdit>
#include <QStackedLayout>

#include <algorithm>
#include <utility>

namespace brelix {

namespace {

// A term after the first starts where the blank before its sign is: "a + b - c " breaks as "a",
// " + b", " - c ".
bool InicioDeTermo(const std::string& texto, std::size_t i) {
    return i + 2 < texto.size() && texto[i] == ' ' && (texto[i + 1] == '+' || texto[i + 1] == '-') &&
           texto[i + 2] == ' ';
}

} // namespace

TModeloTermos::TModeloTermos(QObject* parent) : QAbstractListModel(parent) {}

void TModeloTermos::SetTexto(std::string texto) {
    beginResetModel();
    texto_ = std::move(texto);
    inicios_.clear();
    if (!texto_.empty()) {
        inicios_.push_back(0);
        for (std::size_t i = 1; i < texto_.size(); ++i)
            if (InicioDeTermo(texto_, i)) inicios_.push_back(i);
        inicios_.push_back(texto_.size());
    }
    consultas_ = 0;
    endResetModel();
}

int TModeloTermos::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || inicios_.empty()) return 0;
    return static_cast<int>(inicios_.size() - 1);
}

std::string_view TModeloTermos::Linha(std::size_t i) const {
    return std::string_view(texto_).substr(inicios_[i], inicios_[i + 1] - inicios_[i]);
}

QVariant TModeloTermos::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    ++consultas_;
    const std::string_view linha = Linha(static_cast<std::size_t>(index.row()));
    return QString::fromUtf8(linha.data(), static_cast<qsizetype>(linha.size()));
}

std::string TModeloTermos::TextoDasLinhas(const std::vector<int>& linhas) const {
    std::string texto;
    for (const int i : linhas)
        if (i >= 0 && i < rowCount()) texto += Linha(static_cast<std::size_t>(i));
    return texto;
}

TVisaoTexto::TVisaoTexto(QWidget* parent)
    : QWidget(parent), pilha_(new QStackedLayout(this)), memo_(new QPlainTextEdit(this)),
      lista_(new QListView(this)), termos_(new TModeloTermos(this)) {
    pilha_->setContentsMargins(0, 0, 0, 0);
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lista_->setModel(termos_);
    lista_->setUniformItemSizes(true);
    lista_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->installEventFilter(this);
    pilha_->addWidget(memo_);
    pilha_->addWidget(lista_);
}

void TVisaoTexto::SetTexto(std::string texto) {
    if (texto.size() <= kLimiteMemo) {
        texto_ = std::move(texto);
        termos_->SetTexto({});
        memo_->setPlainText(QString::fromStdString(texto_));
        pilha_->setCurrentWidget(memo_);
        return;
    }
    texto_.clear();
    memo_->clear();
    termos_->SetTexto(std::move(texto));
    pilha_->setCurrentWidget(lista_);
}

const std::string& TVisaoTexto::Texto() const {
    return EmTermos() ? termos_->Texto() : texto_;
}

bool TVisaoTexto::EmTermos() const {
    return pilha_->currentWidget() == lista_;
}

bool TVisaoTexto::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != lista_ || evento->type() != QEvent::KeyPress) return QWidget::eventFilter(objeto, evento);
    auto* tecla = static_cast<QKeyEvent*>(evento);
    if (!tecla->matches(QKeySequence::Copy)) return QWidget::eventFilter(objeto, evento);
    std::vector<int> linhas;
    for (const QModelIndex& i : lista_->selectionModel()->selectedRows())
        linhas.push_back(i.row());
    std::sort(linhas.begin(), linhas.end());
    const std::string copia = termos_->TextoDasLinhas(linhas);
    QApplication::clipboard()->setText(QString::fromUtf8(copia.data(), static_cast<qsizetype>(copia.size())));
    return true;
}

} // namespace brelix
