#include "ui/list_box.h"

#include "core/failure.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>

namespace ui {

int ListBox::Model::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : owner_->count();
}

QVariant ListBox::Model::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= owner_->count()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return owner_->items_[index.row()];
    return {};
}

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new Model(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    // The selection is what the learner sees highlighted: a Ctrl+click that removes the
    // highlight leaves nothing selected.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { userChangedSelection(); });
}

void ListBox::append(const QString& text) {
    if (count() >= kCapacity) throw core::Failure();
    const QScopedValueRollback own(ownChange_, true);
    model_->beginInsertRows({}, count(), count());
    items_.append(text);
    model_->endInsertRows();
}

void ListBox::removeAt(int index) {
    if (index < 0 || index >= count()) throw core::Failure();
    {
        const QScopedValueRollback own(ownChange_, true);
        model_->beginRemoveRows({}, index, index);
        items_.removeAt(index);
        model_->endRemoveRows();
    }
    if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;
    }
    scheduleViewSync();
}

void ListBox::clearItems() {
    {
        const QScopedValueRollback own(ownChange_, true);
        model_->beginResetModel();
        items_.clear();
        model_->endResetModel();
    }
    selected_ = -1;
    scheduleViewSync();
}

void ListBox::setItems(const QStringList& texts) {
    if (texts.size() > kCapacity) throw core::Failure();
    {
        const QScopedValueRollback own(ownChange_, true);
        model_->beginResetModel();
        items_ = texts;
        model_->endResetModel();
    }
    selected_ = -1;
    scheduleViewSync();
}

QString ListBox::itemText(int index) const {
    if (index < 0 || index >= count()) throw core::Failure();
    return items_[index];
}

void ListBox::setSelectedIndex(int index) {
    if (index < -1 || index >= count()) throw core::Failure();
    selected_ = index;
    scheduleViewSync();
}

QString ListBox::selectedText() const {
    return selected_ < 0 ? QString() : items_[selected_];
}

void ListBox::scheduleViewSync() {
    if (syncPending_) return;
    syncPending_ = true;
    QMetaObject::invokeMethod(this, &ListBox::syncView, Qt::QueuedConnection);
}

void ListBox::syncView() {
    syncPending_ = false;
    const QScopedValueRollback own(ownChange_, true);
    if (selected_ < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex index = model_->index(selected_);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    }
}

void ListBox::userChangedSelection() {
    if (ownChange_) return;
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    selected_ = rows.isEmpty() ? -1 : rows.first().row();
}

}  // namespace ui
