#include "pairs_window/pairs_model.h"

#include "core/pairs/texts.h"

#include <QBrush>
#include <QColor>

#include <cmath>
#include <limits>

namespace pairs_window {

namespace pp = core::pairs;

void PairsModel::setRows(std::vector<pp::TypedRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    residuals_.clear();
    endResetModel();
    reanalyse();
}

void PairsModel::setNames(const QString& x, const QString& y) {
    nameX_ = x.trimmed().isEmpty() ? QStringLiteral("x") : x.trimmed();
    nameY_ = y.trimmed().isEmpty() ? QStringLiteral("y") : y.trimmed();
    emit headerDataChanged(Qt::Horizontal, 0, 1);
    reanalyse();
}

void PairsModel::reanalyse() {
    typed_ = pp::analyseTyped(rows_, nameX_, nameY_);
    emit pairsChanged();
}

void PairsModel::paste(const QString& text, int row, int column) {
    QString cleaned = text;
    cleaned.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = cleaned.split(u'\n');
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (lines.isEmpty()) return;
    beginResetModel();
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(u'\t');
        const std::size_t at = std::size_t(row + i);
        if (rows_.size() <= at) rows_.resize(at + 1);
        for (int c = 0; c < cells.size() && column + c < 2; ++c)
            (column + c == 0 ? rows_[at].x : rows_[at].y) = cells[c].trimmed();
    }
    residuals_.clear();
    endResetModel();
    reanalyse();
}

void PairsModel::setResiduals(std::vector<double> residuals, int decimals) {
    // Laid by row, so that a row finds its pair's residual at once.
    residuals_.assign(rows_.size(), std::numeric_limits<double>::quiet_NaN());
    for (std::size_t p = 0; p < residuals.size() && p < typed_.rowOf.size(); ++p)
        if (typed_.rowOf[p] < residuals_.size()) residuals_[typed_.rowOf[p]] = residuals[p];
    decimals_ = decimals;
    if (!rows_.empty()) emit dataChanged(index(0, 2), index(int(rows_.size()) - 1, 2));
}

int PairsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size()) + 1;
}

int PairsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant PairsModel::data(const QModelIndex& index, int role) const {
    const std::size_t row = std::size_t(index.row());
    // The analysis follows each change of the rows, so a row just added may not be in it yet.
    if (row >= rows_.size() || row >= typed_.rows.size()) return {};
    const pp::RowCheck& check = typed_.rows[row];
    const bool faulty = check.faultyColumn == index.column();
    if (index.column() == 2) {
        if (role != Qt::DisplayRole) return {};
        if (row >= residuals_.size() || !std::isfinite(residuals_[row])) return {};
        return pp::signedText(residuals_[row], decimals_);
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return index.column() == 0 ? rows_[row].x : rows_[row].y;
        case Qt::BackgroundRole:
            return faulty ? QBrush(QColor(255, 200, 200)) : QVariant();
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return faulty ? check.why : QVariant();
        default:
            return {};
    }
}

bool PairsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() > 1) return false;
    const std::size_t row = std::size_t(index.row());
    if (row >= rows_.size() && value.toString().trimmed().isEmpty()) return false;
    if (row >= rows_.size()) {
        beginInsertRows({}, int(rows_.size()) + 1, int(row) + 1);
        rows_.resize(row + 1);
        endInsertRows();
    }
    (index.column() == 0 ? rows_[row].x : rows_[row].y) = value.toString().trimmed();
    residuals_.clear();
    emit dataChanged(this->index(int(row), 0), this->index(int(row), 2));
    reanalyse();
    return true;
}

QVariant PairsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section == 0 ? nameX_ : section == 1 ? nameY_ : QStringLiteral("Résidu");
}

Qt::ItemFlags PairsModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() < 2 ? base | Qt::ItemIsEditable : base;
}

}  // namespace pairs_window
