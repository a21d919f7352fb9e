#pragma once

// The models under the window's tables. The grid reads the column store only for the
// cells on screen, so a million individuals scroll as fast as ten; the other tables
// show rows of cells the core has already written (a header row, then the rows).

#include "core/individuals/counts.h"
#include "core/individuals/dataset.h"

#include <QAbstractTableModel>

#include <functional>
#include <memory>
#include <vector>

namespace individuals_window {

// The selected individuals, one row each, numbered as in the file; a missing cell is
// empty.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(std::shared_ptr<const core::individuals::Dataset> dataset,
              const core::individuals::Selection& selection);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const core::individuals::Dataset> dataset_;
    std::vector<std::uint32_t> rows_;  // the rows kept, in the file's order
};

// Rows of cells: the first row is the header. Or a header and rows written only when
// shown, for as many rows as a variable has values.
class CellsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(core::individuals::Cells cells);
    void show(QStringList header, std::size_t rows, std::function<QStringList(std::size_t)> row);
    const core::individuals::Cells& cells() const { return cells_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    core::individuals::Cells cells_;
    std::size_t rows_ = 0;  // written on demand, when row_ is set
    std::function<QStringList(std::size_t)> row_;
};

}  // namespace individuals_window
