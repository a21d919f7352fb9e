#include "table/table_entry.h"

#include <QBrush>

ModeleSaisie::ModeleSaisie(QObject* parent) : QAbstractTableModel(parent) {
    analyserDeNouveau();
}

void ModeleSaisie::analyserDeNouveau() {
    analyse_ = core::analyser(tableau_, lues_);
}

void ModeleSaisie::remplacer(core::FrequencyTable tableau) {
    beginResetModel();
    tableau_ = std::move(tableau);
    lues_.clear();
    for (const core::FrequencyTable::Ligne& l : tableau_.lignes)
        lues_.push_back(core::lireLigne(l, tableau_.nature));
    analyserDeNouveau();
    endResetModel();
    emit change();
}

void ModeleSaisie::insererLigne(int ligne) {
    ligne = std::clamp(ligne, 0, int(tableau_.lignes.size()));
    beginInsertRows({}, ligne, ligne);
    tableau_.lignes.insert(tableau_.lignes.begin() + ligne, core::FrequencyTable::Ligne{});
    lues_.insert(lues_.begin() + ligne, core::ReadRow{});
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

bool ModeleSaisie::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row > int(tableau_.lignes.size())) return false;
    for (int i = 0; i < count; ++i) insererLigne(row);
    return true;
}

bool ModeleSaisie::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || count < 1 || row < 0 || row + count > int(tableau_.lignes.size()))
        return false;
    for (int i = 0; i < count; ++i) supprimerLigne(row);
    return true;
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
    const core::RowAnalysis* analyse = existe ? &analyse_.lignes[size_t(ligne)] : nullptr;
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
