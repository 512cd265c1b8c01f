#include "gui/UnitModeloGrade.h"

#include <QString>

#include <algorithm>
#include <limits>
#include <utility>

namespace brelix {

namespace {

int ParaInt(std::int64_t n) {
    return n > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(n);
}

QString Texto(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TModeloGradeTexto::TModeloGradeTexto(QObject* parent) : QAbstractTableModel(parent) {}

void TModeloGradeTexto::SetGrade(TGradeTexto grade) {
    beginResetModel();
    grade_ = std::move(grade);
    consultas_ = 0;
    endResetModel();
}

int TModeloGradeTexto::rowCount(const QModelIndex& parent) const {
    // The header row is the view's header; the body keeps at least its one blank row.
    return parent.isValid() ? 0 : grade_.RowCount() - 1;
}

int TModeloGradeTexto::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(grade_.ColCount() - Deslocamento(), 0);
}

QVariant TModeloGradeTexto::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    ++consultas_;
    return Texto(grade_.Celula(index.row() + 1, index.column() + Deslocamento()));
}

QVariant TModeloGradeTexto::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return Texto(grade_.Celula(0, section + Deslocamento()));
    if (grade_.ColunaFixa) return Texto(grade_.Celula(section + 1, 0));
    return {};
}

TModeloGradeMatriz::TModeloGradeMatriz(QObject* parent) : QAbstractTableModel(parent) {}

void TModeloGradeMatriz::SetGrade(TGradeMatriz grade) {
    beginResetModel();
    grade_ = std::move(grade);
    consultas_ = 0;
    endResetModel();
}

int TModeloGradeMatriz::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ParaInt(grade_.RowCount() - 1);
}

int TModeloGradeMatriz::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(grade_.ColCount() - 1, 0);
}

QVariant TModeloGradeMatriz::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    ++consultas_;
    return Texto(grade_.Celula(index.row() + 1, index.column() + 1));
}

QVariant TModeloGradeMatriz::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return Texto(grade_.Celula(0, section + 1));
    return Texto(grade_.Celula(section + 1, 0));
}

TModeloGradeFT::TModeloGradeFT(QObject* parent) : QAbstractTableModel(parent) {}

void TModeloGradeFT::SetGrade(TGradeFT grade) {
    beginResetModel();
    grade_ = std::move(grade);
    porLinha_.assign(static_cast<std::size_t>(std::max<std::int64_t>(grade_.RowCount, 0)), {});
    for (std::size_t i = 0; i < grade_.Celulas.size(); ++i) {
        const TCelulaFT& celula = grade_.Celulas[i];
        if (celula.Linha <= 0 || celula.Linha >= grade_.RowCount || celula.Coluna <= 0) continue;
        std::vector<std::int32_t>& linha = porLinha_[static_cast<std::size_t>(celula.Linha)];
        const auto coluna = static_cast<std::size_t>(celula.Coluna - 1);
        if (linha.size() <= coluna) linha.resize(coluna + 1, -1);
        linha[coluna] = static_cast<std::int32_t>(i);
    }
    consultas_ = 0;
    endResetModel();
}

int TModeloGradeFT::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ParaInt(std::max<std::int64_t>(grade_.RowCount - 1, 0));
}

int TModeloGradeFT::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(grade_.ColCount - 1, 0);
}

QVariant TModeloGradeFT::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    ++consultas_;
    const auto linha = static_cast<std::size_t>(index.row()) + 1;
    if (linha >= porLinha_.size()) return QString();
    const std::vector<std::int32_t>& celulas = porLinha_[linha];
    const auto coluna = static_cast<std::size_t>(index.column());
    if (coluna >= celulas.size() || celulas[coluna] < 0) return QString();
    return Texto(grade_.Celulas[static_cast<std::size_t>(celulas[coluna])].Texto);
}

QVariant TModeloGradeFT::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Vertical) return {};
    return Texto(grade_.Cabecalho(section + 1));
}

} // namespace brelix
