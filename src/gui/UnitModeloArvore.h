#pragma once

#include "analysis/UnitVisaoGrade.h"

#include <QAbstractItemModel>

#include <cstdint>
#include <vector>

namespace brelix {

// A search tree of the result windows (the loop search, the non-touching forest, the causal search)
// as a model: the items stay in the flat list the core gives, each knowing its parent, and the view
// asks only for the items it shows; no widget per item.
class TModeloArvore : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit TModeloArvore(QObject* parent = nullptr);

    void SetItens(std::vector<TItemArvore> itens);
    const std::vector<TItemArvore>& Itens() const { return itens_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Items answered since the tree was set.
    std::int64_t Consultas() const { return consultas_; }

private:
    const std::vector<std::int32_t>& Filhos(const QModelIndex& parent) const;

    std::vector<TItemArvore> itens_;
    std::vector<std::int32_t> raizes_;
    std::vector<std::vector<std::int32_t>> filhos_;
    std::vector<std::int32_t> posicao_; // each item's row under its parent
    mutable std::int64_t consultas_ = 0;
};

} // namespace brelix
