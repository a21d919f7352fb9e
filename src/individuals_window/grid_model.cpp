#include "individuals_window/grid_model.h"

#include "core/numbers.h"

#include <limits>

namespace individuals_window {

using core::individuals::Nature;

void GridModel::show(std::shared_ptr<const core::individuals::Dataset> dataset,
                     const core::individuals::Selection& selection) {
    beginResetModel();
    dataset_ = std::move(dataset);
    rows_.clear();
    if (dataset_) {
        rows_.reserve(selection.count);
        for (std::size_t i = 0; i < selection.kept.size(); ++i)
            if (selection.kept[i]) rows_.push_back(std::uint32_t(i));
    }
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataset_ ? 0 : int(dataset_->variables().size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole)) return {};
    const core::individuals::Variable& v = dataset_->variables()[size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return int((v.nature == Nature::Numeric ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    const std::size_t row = rows_[size_t(index.row())];
    if (v.isMissing(row)) return QString();
    return v.nature == Nature::Numeric ? core::textOfNumber(v.numbers[row])
                                       : v.labels[v.codes[row]];
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !dataset_) return {};
    if (orientation == Qt::Horizontal) return dataset_->variables()[size_t(section)].name;
    return QString::number(rows_[size_t(section)] + 1);
}

void CellsModel::show(core::individuals::Cells cells) {
    beginResetModel();
    cells_ = std::move(cells);
    row_ = nullptr;
    endResetModel();
}

void CellsModel::show(QStringList header, std::size_t rows,
                      std::function<QStringList(std::size_t)> row) {
    beginResetModel();
    cells_ = {std::move(header)};
    rows_ = std::min<std::size_t>(rows, std::numeric_limits<int>::max());
    row_ = std::move(row);
    endResetModel();
}

int CellsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || cells_.empty()) return 0;
    return row_ ? int(rows_) : int(cells_.size()) - 1;
}

int CellsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || cells_.empty() ? 0 : int(cells_.front().size());
}

QVariant CellsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (row_) return row_(std::size_t(index.row())).value(index.column());
    return cells_[size_t(index.row()) + 1].value(index.column());
}

QVariant CellsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || cells_.empty()) return {};
    if (orientation == Qt::Horizontal) return cells_.front().value(section);
    return QString::number(section + 1);
}

}  // namespace individuals_window
