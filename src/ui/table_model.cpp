#include "ui/table_model.h"

namespace ui {

TableModel::TableModel(QObject* parent, QStringList headers)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

void TableModel::setRows(int count, Row row) {
    beginResetModel();
    count_ = count;
    row_ = std::move(row);
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count_ || !row_) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return row_(index.row()).value(index.column());
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return headers_.value(section);
}

}  // namespace ui
