#pragma once

// A table typed into as a spreadsheet, the same in every window that takes typed
// figures: only what a number is typed with, Entrée keeps the cell and goes to the one
// below, Inser and Suppr add and take away the current row. Its model keeps an empty last
// row to type into, and adds and removes rows through insertRows() and removeRows().

#include <QStyledItemDelegate>
#include <QTableView>

namespace ui {

// Only what a number is typed with: digits, "," or ".", a sign, an exponent, blanks.
class NumberDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

class TypedGrid : public QTableView {
    Q_OBJECT

public:
    explicit TypedGrid(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void goDown();
};

}  // namespace ui
