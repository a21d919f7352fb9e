#pragma once

// The table of pairs as typed: a row for each pair and an empty one below them to type
// the next, a column of residuals of the chosen fit beside them. Each row's fault is
// shown on its cell; the rows keep exactly what was typed, faulty or not.

#include "core/pairs/typed_pairs.h"

#include <QAbstractTableModel>

namespace pairs_window {

class PairsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<core::pairs::TypedRow> rows);
    const std::vector<core::pairs::TypedRow>& rows() const { return rows_; }
    void setNames(const QString& x, const QString& y);
    const core::pairs::TypedPairs& typed() const { return typed_; }
    // Tab-separated text as a spreadsheet copies it, laid from `row` and `column` on.
    void paste(const QString& text, int row, int column);
    // One value a pair, in the order of the pairs that count.
    void setResiduals(std::vector<double> residuals, int decimals);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The pairs that count, or a fault, changed.
    void pairsChanged();

private:
    void reanalyse();

    std::vector<core::pairs::TypedRow> rows_;
    QString nameX_ = QStringLiteral("x"), nameY_ = QStringLiteral("y");
    core::pairs::TypedPairs typed_;
    std::vector<double> residuals_;  // by row typed, NaN where a row gave no pair
    int decimals_ = 2;
};

}  // namespace pairs_window
