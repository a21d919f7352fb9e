#include "table/table_entry.h"

#include <QBrush>

TableEntryModel::TableEntryModel(QObject* parent) : QAbstractTableModel(parent) {
    reanalyse();
}

void TableEntryModel::reanalyse() {
    analysis_ = core::analyseTable(table_, readRows_);
}

void TableEntryModel::replace(core::FrequencyTable table) {
    beginResetModel();
    table_ = std::move(table);
    readRows_.clear();
    for (const core::FrequencyTable::Row& l : table_.lines)
        readRows_.push_back(core::readRow(l, table_.nature));
    reanalyse();
    endResetModel();
    emit change();
}

void TableEntryModel::insertEmptyRow(int line) {
    line = std::clamp(line, 0, int(table_.lines.size()));
    beginInsertRows({}, line, line);
    table_.lines.insert(table_.lines.begin() + line, core::FrequencyTable::Row{});
    readRows_.insert(readRows_.begin() + line, core::ReadRow{});
    reanalyse();
    endInsertRows();
    emit change();
}

void TableEntryModel::deleteRow(int line) {
    // The last row, empty, stays to type into.
    if (line < 0 || line >= int(table_.lines.size())) return;
    beginRemoveRows({}, line, line);
    table_.lines.erase(table_.lines.begin() + line);
    readRows_.erase(readRows_.begin() + line);
    reanalyse();
    endRemoveRows();
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit change();
}

bool TableEntryModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row > int(table_.lines.size())) return false;
    for (int i = 0; i < count; ++i) insertEmptyRow(row);
    return true;
}

bool TableEntryModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row + count > int(table_.lines.size()))
        return false;
    for (int i = 0; i < count; ++i) deleteRow(row);
    return true;
}

int TableEntryModel::typedColumns() const {
    return int(core::typedColumns(table_.nature).size());
}

int TableEntryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(table_.lines.size()) + 1;
}

int TableEntryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : typedColumns() + int(core::computedColumns(table_.nature).size());
}

QVariant TableEntryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int line = index.row(), column = index.column();
    const bool entry = column < typedColumns();
    const bool exists = line < int(table_.lines.size());
    const core::RowAnalysis* analysis = exists ? &analysis_.lines[size_t(line)] : nullptr;
    const bool faulty = analysis && analysis->faultyColumn >= 0;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (!exists) return QString();
            if (entry) return core::cell(table_.lines[size_t(line)], table_.nature, column);
            return core::computedTexts(analysis_, line).value(column - typedColumns());
        case Qt::BackgroundRole:
            if (faulty && (entry ? column == analysis->faultyColumn : true))
                return QBrush(entry ? QColor(255, 200, 200) : QColor(255, 235, 235));
            if (!entry) return QBrush(QColor(240, 240, 240));
            return {};
        case Qt::ForegroundRole:
            if (faulty && column == analysis->faultyColumn) return QBrush(QColor(160, 0, 0));
            return {};
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            if (faulty) return analysis->why;
            return {};
        case Qt::TextAlignmentRole:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool TableEntryModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() >= typedColumns()) return false;
    const QString text = value.toString();
    const int line = index.row();
    if (line == int(table_.lines.size())) {
        if (text.trimmed().isEmpty()) return false;
        // Typing into the empty last row makes it a row, and a new empty one follows.
        beginInsertRows({}, line + 1, line + 1);
        table_.lines.emplace_back();
        core::setCell(table_.lines.back(), table_.nature, index.column(), text);
        readRows_.push_back(core::readRow(table_.lines.back(), table_.nature));
        reanalyse();
        endInsertRows();
    } else {
        core::setCell(table_.lines[size_t(line)], table_.nature, index.column(), text);
        readRows_[size_t(line)] = core::readRow(table_.lines[size_t(line)], table_.nature);
        reanalyse();
    }
    // One row's change moves every cumulated count and frequency, and may clear or make
    // an overlap elsewhere.
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
    emit change();
    return true;
}

Qt::ItemFlags TableEntryModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() < typedColumns()) f |= Qt::ItemIsEditable;
    return f;
}

QVariant TableEntryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (orientation == Qt::Vertical) return QString::number(section + 1);
    const QStringList columns =
        core::typedColumns(table_.nature) + core::computedColumns(table_.nature);
    return columns.value(section);
}
