#include "exercise_editor/typed_texts.h"

namespace exercise_editor {

namespace {

// The most rows the reader takes, so a huge paste cannot freeze the window.
constexpr int kMostRows = 10000;

}  // namespace

void TypedTexts::setColumns(const QStringList& headers) {
    beginResetModel();
    headers_ = headers;
    rows_.clear();
    endResetModel();
}

void TypedTexts::setRows(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    if (int(rows_.size()) > kMostRows) rows_.resize(kMostRows);
    for (QStringList& r : rows_)
        while (r.size() < headers_.size()) r << QString();
    endResetModel();
    emit edited();
}

void TypedTexts::paste(const QString& text, int row, int column) {
    std::vector<QStringList> rows = rows_;
    QStringList lines = QString(text).remove(u'\r').split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    for (const QString& line : lines) {
        if (row >= kMostRows) break;
        if (int(rows.size()) <= row) rows.resize(size_t(row) + 1, QStringList());
        QStringList& r = rows[size_t(row)];
        while (r.size() < headers_.size()) r << QString();
        const QStringList cells = line.split(u'\t');
        for (int c = 0; c < cells.size() && column + c < headers_.size(); ++c)
            r[column + c] = cells[c].trimmed();
        ++row;
    }
    setRows(std::move(rows));
}

int TypedTexts::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size()) + 1;
}

int TypedTexts::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant TypedTexts::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || index.row() >= int(rows_.size()))
        return {};
    return rows_[size_t(index.row())].value(index.column());
}

bool TypedTexts::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    if (index.row() == int(rows_.size())) {
        if (value.toString().isEmpty() || index.row() >= kMostRows) return false;
        beginInsertRows({}, index.row() + 1, index.row() + 1);
        QStringList newRow;
        while (newRow.size() < headers_.size()) newRow << QString();
        rows_.push_back(newRow);
        endInsertRows();
    }
    rows_[size_t(index.row())][index.column()] = value.toString().trimmed();
    emit dataChanged(index, index);
    emit edited();
    return true;
}

Qt::ItemFlags TypedTexts::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant TypedTexts::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return headers_.value(section);
    return section + 1;
}

// The empty row at the end stays: a row is added before it, and it is never removed.
bool TypedTexts::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row > int(rows_.size()) ||
        int(rows_.size()) + count > kMostRows)
        return false;
    QStringList empty;
    while (empty.size() < headers_.size()) empty << QString();
    beginInsertRows({}, row, row + count - 1);
    rows_.insert(rows_.begin() + row, size_t(count), empty);
    endInsertRows();
    emit edited();
    return true;
}

bool TypedTexts::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row + count > int(rows_.size())) return false;
    beginRemoveRows({}, row, row + count - 1);
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    endRemoveRows();
    emit edited();
    return true;
}

}  // namespace exercise_editor
