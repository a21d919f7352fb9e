#pragma once

// The cells a teacher types the data into, as texts: one column per figure of a row,
// and always an empty row at the end to type the next one, shown in a ui::TypedGrid.
// What the texts mean is the core's to say (core::analyser, core::pairs::analyseTyped).

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace exercise_editor {

class TypedTexts : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TypedTexts(QObject* parent) : QAbstractTableModel(parent) {}

    // New columns empty the grid.
    void setColumns(const QStringList& headers);
    void setRows(std::vector<QStringList> rows);
    // Every row but the empty one at the end, as typed (blank rows kept: they are lines).
    const std::vector<QStringList>& rows() const { return rows_; }
    // Cells copied from a spreadsheet (tabs between cells, a row a line), from that cell.
    void paste(const QString& text, int row, int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

signals:
    void edited();

private:
    QStringList headers_;
    std::vector<QStringList> rows_;
};

}  // namespace exercise_editor
