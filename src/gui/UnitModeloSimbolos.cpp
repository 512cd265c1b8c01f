#include "gui/UnitModeloSimbolos.h"

#include <utility>

namespace brelix {

TModeloSimbolos::TModeloSimbolos(QObject* parent) : QAbstractTableModel(parent) {}

void TModeloSimbolos::SetLinhas(std::vector<TLinhaSimbolo> linhas) {
    beginResetModel();
    linhas_ = std::move(linhas);
    endResetModel();
}

std::vector<std::string> TModeloSimbolos::Valores() const {
    std::vector<std::string> valores;
    valores.reserve(linhas_.size());
    for (const TLinhaSimbolo& linha : linhas_)
        valores.push_back(linha.Valor);
    return valores;
}

int TModeloSimbolos::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int TModeloSimbolos::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TModeloSimbolos::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const TLinhaSimbolo& linha = linhas_[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(index.column() == 0 ? linha.Nome : linha.Valor);
}

bool TModeloSimbolos::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole) return false;
    linhas_[static_cast<std::size_t>(index.row())].Valor = value.toString().toStdString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TModeloSimbolos::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // The names are not read back: only the values take what is typed.
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 1 ? base | Qt::ItemIsEditable : base;
}

QVariant TModeloSimbolos::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == 0 ? QStringLiteral("Símbolo") : QStringLiteral("Valor");
}

} // namespace brelix
