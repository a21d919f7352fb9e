#pragma once

// The table the learner types a table of counts into: a model over the core's table
// and its analysis, and the view's keys (Enter goes down, Insert and Delete add and
// take away rows). The typed columns come first, then the computed ones; an empty last
// row is always there to type into; a faulty cell is shown in red with its reason.

#include "core/frequency_table.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

class ModeleSaisie : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ModeleSaisie(QObject* parent);

    const core::Tableau& tableau() const { return tableau_; }
    const core::Analyse& analyse() const { return analyse_; }
    // The whole table replaced (a file, the exercise's data, another kind).
    void remplacer(core::Tableau tableau);
    void insererLigne(int ligne);
    void supprimerLigne(int ligne);
    int colonnesSaisies() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // After every change of the table, once the analysis follows it.
    void change();

private:
    void analyserDeNouveau();
    core::Tableau tableau_;
    std::vector<core::LigneLue> lues_;  // each row as last read
    core::Analyse analyse_;
};

// Only what a number is typed with: digits, "," or ".", a sign, an exponent, blanks.
class DelegueNombre : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

class VueSaisie : public QTableView {
    Q_OBJECT

public:
    explicit VueSaisie(QWidget* parent);
    ModeleSaisie* modele() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void descendre();
};
