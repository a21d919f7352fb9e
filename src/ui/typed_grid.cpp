#include "ui/typed_grid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ui {

QWidget* NumberDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setValidator(new QRegularExpressionValidator(
        QRegularExpression(u"[-+0-9.,eE \u00a0\u202f]*"_s), editor));
    // A screen reader says which cell it edits, and can write into it.
    editor->setAccessibleName(
        u"%1, ligne %2"_s.arg(index.model()->headerData(index.column(), Qt::Horizontal).toString())
            .arg(index.row() + 1));
    return editor;
}

TypedGrid::TypedGrid(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new NumberDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
}

void TypedGrid::goDown() {
    const QModelIndex here = currentIndex();
    if (!here.isValid()) return;
    setCurrentIndex(
        model()->index(std::min(here.row() + 1, model()->rowCount() - 1), here.column()));
}

void TypedGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex here = currentIndex();
    if (state() != EditingState && model()) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                goDown();
                return;
            case Qt::Key_Insert:
                model()->insertRow(here.isValid() ? here.row() : 0);
                setCurrentIndex(
                    model()->index(std::max(0, here.row()), std::max(0, here.column())));
                return;
            case Qt::Key_Delete:
                if (here.isValid()) {
                    model()->removeRow(here.row());
                    setCurrentIndex(model()->index(std::min(here.row(), model()->rowCount() - 1),
                                                   here.column()));
                }
                return;
            default:
                break;
        }
    }
    QTableView::keyPressEvent(event);
}

// Enter in a cell keeps what was typed and goes to the cell below, as in a spreadsheet.
void TypedGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) goDown();
}

}  // namespace ui
