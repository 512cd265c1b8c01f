#pragma once

#include "analysis/UnitResultadoFT.h"
#include "analysis/UnitVisaoGrade.h"
#include "analysis/UnitVisaoGrafoDFS.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

namespace brelix {

// The result grids as models: the view asks for the cells it shows and nothing else, so a grid of
// hundreds of thousands of terms opens at once. Each model holds a copy of what it shows (the result
// windows keep copies of their results) and counts the cells it was asked for.

// A grid of the result windows: its header row becomes the view's header; a fixed first column (the
// row numbers of a matrix) becomes the vertical header.
class TModeloGradeTexto : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeloGradeTexto(QObject* parent = nullptr);

    void SetGrade(TGradeTexto grade);
    const TGradeTexto& Grade() const { return grade_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Cells answered since the grid was set.
    std::int64_t Consultas() const { return consultas_; }

private:
    int Deslocamento() const { return grade_.ColunaFixa ? 1 : 0; }

    TGradeTexto grade_;
    mutable std::int64_t consultas_ = 0;
};

// An equation matrix of the graph-to-DFS view: the equation numbers in the vertical header, the
// variable numbers in the horizontal one; each cell read from the sparse matrix when it is shown.
class TModeloGradeMatriz : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeloGradeMatriz(QObject* parent = nullptr);

    void SetGrade(TGradeMatriz grade);
    const TGradeMatriz& Grade() const { return grade_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    std::int64_t Consultas() const { return consultas_; }

private:
    TGradeMatriz grade_;
    mutable std::int64_t consultas_ = 0;
};

// A polynomial by power of S: one row per power (its "S^n" in the vertical header), its terms from
// the first column on. The terms are indexed by row once, so every cell is found at once.
class TModeloGradeFT : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModeloGradeFT(QObject* parent = nullptr);

    void SetGrade(TGradeFT grade);
    const TGradeFT& Grade() const { return grade_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    std::int64_t Consultas() const { return consultas_; }

private:
    TGradeFT grade_;
    // Per grid row (row 0, the header, included), the index in Celulas of the term of each column
    // from column 1 on; -1 where the row has no term.
    std::vector<std::vector<std::int32_t>> porLinha_;
    mutable std::int64_t consultas_ = 0;
};

} // namespace brelix
