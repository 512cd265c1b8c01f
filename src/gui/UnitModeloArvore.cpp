#include "gui/UnitModeloArvore.h"

#include <QString>

#include <utility>

namespace brelix {

TModeloArvore::TModeloArvore(QObject* parent) : QAbstractItemModel(parent) {}

void TModeloArvore::SetItens(std::vector<TItemArvore> itens) {
    beginResetModel();
    itens_ = std::move(itens);
    raizes_.clear();
    filhos_.assign(itens_.size(), {});
    posicao_.assign(itens_.size(), 0);
    for (std::size_t i = 0; i < itens_.size(); ++i) {
        const int pai = itens_[i].Pai;
        // Items come parent first; an item naming a parent that does not precede it becomes a root.
        std::vector<std::int32_t>& irmaos =
            pai >= 0 && static_cast<std::size_t>(pai) < i ? filhos_[static_cast<std::size_t>(pai)] : raizes_;
        posicao_[i] = static_cast<std::int32_t>(irmaos.size());
        irmaos.push_back(static_cast<std::int32_t>(i));
    }
    consultas_ = 0;
    endResetModel();
}

const std::vector<std::int32_t>& TModeloArvore::Filhos(const QModelIndex& parent) const {
    if (!parent.isValid()) return raizes_;
    return filhos_[static_cast<std::size_t>(parent.internalId())];
}

QModelIndex TModeloArvore::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const std::vector<std::int32_t>& filhos = Filhos(parent);
    if (static_cast<std::size_t>(row) >= filhos.size()) return {};
    return createIndex(row, 0, static_cast<quintptr>(filhos[static_cast<std::size_t>(row)]));
}

QModelIndex TModeloArvore::parent(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    const auto item = static_cast<std::size_t>(index.internalId());
    const int pai = itens_[item].Pai;
    if (pai < 0 || static_cast<std::size_t>(pai) >= item) return {};
    return createIndex(posicao_[static_cast<std::size_t>(pai)], 0, static_cast<quintptr>(pai));
}

int TModeloArvore::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    return static_cast<int>(Filhos(parent).size());
}

int TModeloArvore::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TModeloArvore::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    ++consultas_;
    return QString::fromStdString(itens_[static_cast<std::size_t>(index.internalId())].Texto);
}

} // namespace brelix
