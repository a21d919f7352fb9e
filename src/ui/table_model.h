#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

namespace ui {

// A read-only table whose cells are texts asked for when shown, so a table of thirty
// thousand rows costs only the rows on screen. Screen readers read its cells and
// headers.
class TableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using Row = std::function<QStringList(int row)>;

    explicit TableModel(QObject* parent, QStringList headers);

    // The rows from now on: `count` of them, each given by `row`.
    void setRows(int count, Row row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headers_;
    int count_ = 0;
    Row row_;
};

}  // namespace ui
