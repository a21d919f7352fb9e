#pragma once

// The table the learner types a table of counts into: a model over the core's table
// and its analysis, shown in a ui::TypedGrid (whose Insert and Delete keys come through
// insertRows() and removeRows()). The typed columns come first, then the computed ones;
// an empty last row is always there to type into; a faulty cell is shown in red with its
// reason.

#include "core/frequency_table.h"
#include "ui/typed_grid.h"

#include <QAbstractTableModel>

class TableEntryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TableEntryModel(QObject* parent);

    const core::FrequencyTable& table() const { return table_; }
    const core::TableAnalysis& analysis() const { return analysis_; }
    // The whole table replaced (a file, the exercise's data, another kind).
    void replace(core::FrequencyTable table);
    void insertEmptyRow(int line);
    void deleteRow(int line);
    int typedColumns() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

signals:
    // After every change of the table, once the analysis follows it.
    void change();

private:
    void reanalyse();
    core::FrequencyTable table_;
    std::vector<core::ReadRow> readRows_;  // each row as last read
    core::TableAnalysis analysis_;
};
