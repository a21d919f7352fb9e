#include "table/table_entry.h"

#include "table/wrapped_header.h"

#include <QBrush>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

using namespace Qt::StringLiterals;

ModeleSaisie::ModeleSaisie(QObject* parent) : QAbstractTableModel(parent) {
    analyserDeNouveau();
}

void ModeleSaisie::analyserDeNouveau() {
    analyse_ = core::analyser(tableau_, lues_);
}

void ModeleSaisie::remplacer(core::Tableau tableau) {
    beginResetModel();
    tableau_ = std::move(tableau);
    lues_.clear();
    for (const core::Tableau::Ligne& l : tableau_.lignes)
        lues_.push_back(core::lireLigne(l, tableau_.nature));
    analyserDeNouveau();
    endResetModel();
    emit change();
}

void ModeleSaisie::insererLigne(int ligne) {
    ligne = std::clamp(ligne, 0, int(tableau_.lignes.size()));
    beginInsertRows({}, ligne, ligne);
    tableau_.lignes.insert(tableau_.lignes.begin() + ligne, core::Tableau::Ligne{});
    lues_.insert(lues_.begin() + ligne, core::LigneLue{});
    analyserDeNouveau();
    endInsertRows();
    emit change();
}

void ModeleSaisie::supprimerLigne(int ligne) {
    // The last row, empty, stays to type into.
    if (ligne < 0 || ligne >= int(tableau_.lignes.size())) return;
    beginRemoveRows({}, ligne, ligne);
    tableau_.lignes.erase(tableau_.lignes.begin() + ligne);
    lues_.erase(lues_.begin() + ligne);
    analyserDeNouveau();
    endRemoveRows();
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit change();
}

int ModeleSaisie::colonnesSaisies() const {
    return int(core::colonnesSaisies(tableau_.nature).size());
}

int ModeleSaisie::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(tableau_.lignes.size()) + 1;
}

int ModeleSaisie::columnCount(const QModelIndex& parent) const {
    return parent.isValid()
               ? 0
               : colonnesSaisies() + int(core::colonnesCalculees(tableau_.nature).size());
}

QVariant ModeleSaisie::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int ligne = index.row(), colonne = index.column();
    const bool saisie = colonne < colonnesSaisies();
    const bool existe = ligne < int(tableau_.lignes.size());
    const core::AnalyseLigne* analyse = existe ? &analyse_.lignes[size_t(ligne)] : nullptr;
    const bool fautive = analyse && analyse->colonneFautive >= 0;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (!existe) return QString();
            if (saisie)
                return core::cellule(tableau_.lignes[size_t(ligne)], tableau_.nature, colonne);
            return core::textesCalcules(analyse_, ligne).value(colonne - colonnesSaisies());
        case Qt::BackgroundRole:
            if (fautive && (saisie ? colonne == analyse->colonneFautive : true))
                return QBrush(saisie ? QColor(255, 200, 200) : QColor(255, 235, 235));
            if (!saisie) return QBrush(QColor(240, 240, 240));
            return {};
        case Qt::ForegroundRole:
            if (fautive && colonne == analyse->colonneFautive) return QBrush(QColor(160, 0, 0));
            return {};
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            if (fautive) return analyse->pourquoi;
            return {};
        case Qt::TextAlignmentRole:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool ModeleSaisie::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() >= colonnesSaisies())
        return false;
    const QString texte = value.toString();
    const int ligne = index.row();
    if (ligne == int(tableau_.lignes.size())) {
        if (texte.trimmed().isEmpty()) return false;
        // Typing into the empty last row makes it a row, and a new empty one follows.
        beginInsertRows({}, ligne + 1, ligne + 1);
        tableau_.lignes.emplace_back();
        core::changerCellule(tableau_.lignes.back(), tableau_.nature, index.column(), texte);
        lues_.push_back(core::lireLigne(tableau_.lignes.back(), tableau_.nature));
        analyserDeNouveau();
        endInsertRows();
    } else {
        core::changerCellule(tableau_.lignes[size_t(ligne)], tableau_.nature, index.column(),
                             texte);
        lues_[size_t(ligne)] = core::lireLigne(tableau_.lignes[size_t(ligne)], tableau_.nature);
        analyserDeNouveau();
    }
    // One row's change moves every cumulated count and frequency, and may clear or make
    // an overlap elsewhere.
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
    emit change();
    return true;
}

Qt::ItemFlags ModeleSaisie::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() < colonnesSaisies()) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeleSaisie::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (orientation == Qt::Vertical) return QString::number(section + 1);
    const QStringList colonnes =
        core::colonnesSaisies(tableau_.nature) + core::colonnesCalculees(tableau_.nature);
    return colonnes.value(section);
}

QWidget* DelegueNombre::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    auto* editeur = new QLineEdit(parent);
    editeur->setValidator(new QRegularExpressionValidator(
        QRegularExpression(u"[-+0-9.,eE \u00a0\u202f]*"_s), editeur));
    // A screen reader says which cell it edits, and can write into it.
    editeur->setAccessibleName(
        u"%1, ligne %2"_s.arg(index.model()->headerData(index.column(), Qt::Horizontal).toString())
            .arg(index.row() + 1));
    return editeur;
}

VueSaisie::VueSaisie(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new WrappedHeader(this));
    setItemDelegate(new DelegueNombre(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
}

ModeleSaisie* VueSaisie::modele() const {
    return qobject_cast<ModeleSaisie*>(model());
}

void VueSaisie::descendre() {
    const QModelIndex ici = currentIndex();
    if (!ici.isValid()) return;
    const QModelIndex dessous =
        model()->index(std::min(ici.row() + 1, model()->rowCount() - 1), ici.column());
    setCurrentIndex(dessous);
}

void VueSaisie::keyPressEvent(QKeyEvent* event) {
    const QModelIndex ici = currentIndex();
    if (state() != EditingState && modele()) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                descendre();
                return;
            case Qt::Key_Insert:
                modele()->insererLigne(ici.isValid() ? ici.row() : 0);
                setCurrentIndex(model()->index(std::max(0, ici.row()), std::max(0, ici.column())));
                return;
            case Qt::Key_Delete:
                if (ici.isValid()) {
                    modele()->supprimerLigne(ici.row());
                    setCurrentIndex(
                        model()->index(std::min(ici.row(), model()->rowCount() - 1), ici.column()));
                }
                return;
            default:
                break;
        }
    }
    QTableView::keyPressEvent(event);
}

// Enter in a cell keeps what was typed and goes to the cell below, as in a spreadsheet.
void VueSaisie::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) descendre();
}
