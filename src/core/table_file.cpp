// Of core/tableau_effectifs, tables in and out of CSV files, as a spreadsheet writes and
// reads them.

#include "core/frequency_table.h"

#include "core/numbers.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Nature = FrequencyTable::Nature;

TableReading rate(int line, int column, const QString& why) {
    TableReading reading;
    reading.error = {line, column, why};
    return reading;
}

bool estClasse(const QString& cellule) {
    const QString t = cellule.trimmed();
    return !t.isEmpty() && (t.front() == u'[' || t.front() == u']');
}

}  // namespace

TableReading readTable(const QByteArray& bytes) {
    SeriesError error;
    auto rows = readCellRows(bytes, error);
    if (!rows) return {{std::nullopt, error}, false};
    // A class text holds the column separator itself when unquoted: "]90 ; 100];5".
    for (CellRow& row : *rows) {
        QStringList& c = row.cells;
        if (c.size() >= 2 && estClasse(c[0]) && !lireIntervalle(c[0]) &&
            lireIntervalle(c[0] + u';' + c[1])) {
            c[0] += u';' + c[1];
            c.removeAt(1);
        }
        while (!c.isEmpty() && c.last().trimmed().isEmpty()) c.removeLast();
    }
    std::erase_if(*rows, [](const CellRow& row) { return row.cells.isEmpty(); });
    if (rows->empty()) return rate(0, 0, u"il ne contient aucune ligne"_s);

    // The header, where there is one, is a row with a cell that is neither a number nor
    // a class.
    size_t debut = 0;
    const CellRow& premiere = rows->front();
    bool entete = false;
    for (const QString& c : premiere.cells)
        if (!c.trimmed().isEmpty() && !cellNumber(c) && !lireIntervalle(c)) entete = true;
    if (entete) debut = 1;
    if (debut == rows->size()) return rate(0, 0, u"il ne contient aucune ligne"_s);

    FrequencyTable t;
    const CellRow& modele = (*rows)[debut];
    // Classes written as texts: under a header "Classe", or where the first row holds a
    // text that reads as a class. The first that reads says on which side they close.
    const bool textesDeClasses = (entete && premiere.cells.value(0).trimmed().compare(
                                                u"Classe"_s, Qt::CaseInsensitive) == 0) ||
                                 bool(lireIntervalle(modele.cells.value(0)));
    int largeur = int(modele.cells.size());
    if (entete && !textesDeClasses) largeur = std::max(largeur, int(premiere.cells.size()));
    if (textesDeClasses) {
        t.nature = Nature::Classes;
        for (size_t r = debut; r < rows->size(); ++r)
            if (const auto c = lireIntervalle((*rows)[r].cells.value(0))) {
                t.fermeADroite = c->fermeADroite;
                break;
            }
    } else {
        t.nature = largeur >= 3 ? Nature::Classes : Nature::Valeurs;
    }
    const int colonnes = textesDeClasses ? 2 : t.nature == Nature::Classes ? 3 : 2;
    TableReading lecture;
    for (size_t r = debut; r < rows->size(); ++r) {
        CellRow& row = (*rows)[r];
        // A class that does not read, split by the separator all the same: "]1 ; x];2".
        if (textesDeClasses && row.cells.size() == 3 && estClasse(row.cells[0])) {
            row.cells[0] += u';' + row.cells[1];
            row.cells.removeAt(1);
        }
        if (row.cells.size() > colonnes)
            return rate(row.line, colonnes + 1,
                        u"le tableau a plus de %1 colonnes"_s.arg(colonnes));
        if (t.lignes.size() == size_t(kMostValues))
            return rate(row.line, 1, u"le tableau a plus de 32 767 lignes"_s);
        // Numbers as the window shows them; a cell that is none stays as it was.
        const auto texte = [&](int c) {
            const QString brut = row.cells.value(c).trimmed();
            return cellNumber(brut).value_or(brut);
        };
        FrequencyTable::Ligne ligne;
        if (textesDeClasses) {
            const QString brut = row.cells.value(0).trimmed();
            if (const auto c = lireIntervalle(brut)) {
                ligne.inferieure = textOfNumber(c->inferieure);
                ligne.superieure = textOfNumber(c->superieure);
                if (c->fermeADroite != t.fermeADroite && !lecture.faultyCell) {
                    lecture.faultyCell = true;
                    lecture.error = {row.line, 1,
                                     u"les classes ne sont pas toutes fermées du même côté"_s};
                }
            } else {
                // Its bounds as typed, so that nothing of it is lost: "[abc ; 5[".
                QStringView dedans(brut);
                if (estClasse(brut)) dedans = dedans.sliced(1);
                if (dedans.endsWith(u'[') || dedans.endsWith(u']')) dedans.chop(1);
                const qsizetype coupe = dedans.indexOf(u';');
                const auto borneLue = [](QStringView b) {
                    const QString texte = b.trimmed().toString();
                    return cellNumber(texte).value_or(texte);
                };
                ligne.inferieure = borneLue(coupe < 0 ? dedans : dedans.first(coupe));
                if (coupe >= 0) ligne.superieure = borneLue(dedans.sliced(coupe + 1));
                if (!lecture.faultyCell) {
                    lecture.faultyCell = true;
                    lecture.error = {row.line, 1, u"« %1 » n'est pas une classe"_s.arg(brut)};
                }
            }
            ligne.effectif = texte(1);
        } else if (t.nature == Nature::Classes) {
            ligne.inferieure = texte(0);
            ligne.superieure = texte(1);
            ligne.effectif = texte(2);
        } else {
            ligne.valeur = texte(0);
            ligne.effectif = texte(1);
        }
        t.lignes.push_back(ligne);
    }
    // Brackets with nothing in them hold no row.
    if (std::all_of(t.lignes.begin(), t.lignes.end(),
                    [](const FrequencyTable::Ligne& l) { return l.estVide(); }))
        return rate(0, 0, u"il ne contient aucune ligne"_s);
    // The first fault of the cells, with the file's line and column.
    if (!lecture.faultyCell) {
        const TableAnalysis a = analyser(t);
        if (a.premiereFaute >= 0) {
            const RowAnalysis& l = a.lignes[size_t(a.premiereFaute)];
            const int colonne =
                textesDeClasses ? (l.colonneFautive <= 1 ? 1 : 2) : l.colonneFautive + 1;
            lecture.faultyCell = true;
            lecture.error = {(*rows)[debut + size_t(a.premiereFaute)].line, colonne, l.pourquoi};
        }
    }
    lecture.value = std::move(t);
    return lecture;
}

TableReading readTableFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return {{std::nullopt, error}, false};
    return readTable(*bytes);
}

QByteArray tableFile(const FrequencyTable& t) {
    const bool classes = t.nature == Nature::Classes;
    // Bounds alone would read back as ]a, b]: classes [a, b[ are written as texts.
    if (classes && !t.fermeADroite) {
        QString texte = u"Classe;Effectif\r\n"_s;
        for (const FrequencyTable::Ligne& l : t.lignes) {
            if (l.estVide()) continue;
            texte += csvCell(u"[%1 ; %2["_s.arg(l.inferieure.trimmed(), l.superieure.trimmed())) +
                     u';' + csvCell(l.effectif.trimmed()) + u"\r\n"_s;
        }
        return "\xEF\xBB\xBF" + texte.toUtf8();
    }
    QString texte = colonnesSaisies(t.nature).join(u';') + u"\r\n"_s;
    for (const FrequencyTable::Ligne& l : t.lignes) {
        if (l.estVide()) continue;
        QStringList cellules;
        for (int c = 0; c < (classes ? 3 : 2); ++c)
            cellules << csvCell(cellule(l, t.nature, c).trimmed());
        texte += cellules.join(u';') + u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + texte.toUtf8();
}

}  // namespace core
