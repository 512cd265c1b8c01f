#pragma once

#include "analysis/UnitResultadoFT.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace brelix {

// The symbol grid of the transfer-function window: "Símbolo" and "Valor", one row per symbol (an empty
// row when there is none). The values are edited in place as text; "Calcular FT Numérica" reads them.
class TModeloSimbolos : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeloSimbolos(QObject* parent = nullptr);

    void SetLinhas(std::vector<TLinhaSimbolo> linhas);
    // The value cells as they stand, typed values included.
    std::vector<std::string> Valores() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<TLinhaSimbolo> linhas_;
};

} // namespace brelix
