#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

namespace ui {

// A list box of texts with one selected item. Routines walk it by moving the
// selection to each item in turn; the selection is kept here at once and the view
// follows when control returns to the event loop, so a walk over ten thousand items
// costs only the walk, while every read sees the selection just set.
class ListBox : public QListView {
    Q_OBJECT

public:
    // As many items as a 16-bit count can tell.
    static constexpr int kCapacity = 32767;

    explicit ListBox(QWidget* parent);

    void append(const QString& text);  // fails when the list is full
    void removeAt(int index);          // fails outside 0..count-1
    void clearItems();
    // All items at once, none selected: a file of 32,767 values opens in one go.
    void setItems(const QStringList& texts);  // fails beyond the capacity
    QStringList items() const { return items_; }
    int count() const { return int(items_.size()); }
    QString itemText(int index) const;  // fails outside 0..count-1

    int selectedIndex() const { return selected_; }
    // -1 unselects; any other index outside the list fails.
    void setSelectedIndex(int index);
    // The empty text when nothing is selected.
    QString selectedText() const;

private:
    class Model : public QAbstractListModel {
    public:
        explicit Model(ListBox* owner) : QAbstractListModel(owner), owner_(owner) {}
        int rowCount(const QModelIndex& parent) const override;
        QVariant data(const QModelIndex& index, int role) const override;
        using QAbstractListModel::beginInsertRows, QAbstractListModel::endInsertRows,
            QAbstractListModel::beginRemoveRows, QAbstractListModel::endRemoveRows,
            QAbstractListModel::beginResetModel, QAbstractListModel::endResetModel;

    private:
        ListBox* owner_;
    };

    void scheduleViewSync();
    void syncView();
    void userChangedSelection();

    QStringList items_;
    int selected_ = -1;
    bool syncPending_ = false;
    bool ownChange_ = false;
    Model* model_;
};

}  // namespace ui
