#pragma once

// The data every window shares: the first series as its items' texts, the second as
// the values read from its text, their summaries, and the module data the charts and
// the exercise use, under the names the program's routines give them. The list box
// and the text box of the main window show it; they are kept in step with it by the
// handlers that change them, and every other reader (the parameters window, files,
// the clipboard, the command line, the charts) reads it here.

#include "core/second_list_text.h"
#include "core/table.h"
#include "core/variant.h"

#include <QObject>
#include <QStringList>

#include <vector>

namespace core {

class Modele : public QObject {
    Q_OBJECT

public:
    // The first series: the items of List1 at the engine's last run.
    QStringList serie1;
    // 0: largest value of the first series, 1: smallest, 2: mean. The first two keep
    // the first item's text until a later item replaces it.
    Table<Variant, 11> bilan_liste1;
    // Items of the first series at the engine's last run (16-bit integer).
    Variant effectif_total;
    // The second series' text as last read or written.
    QString texte_liste2;
    // 0: largest, 1: smallest, 2: mean of the second list.
    Table<Variant, 11> bilan_liste2;
    second_list::Valeurs valeurs_liste2;
    Variant effectif_liste2;
    // Whether the charts take the second list into account (Boolean).
    Variant prendre_liste2;
    // Set (-1) while the program itself rewrites the second list's text box.
    qint16 maj_liste2 = 0;
    // Packed colours the pie draws its sectors from.
    Table<double, 11> couleurs;
    // The chart chosen in the exercise window, drawn on the main window's next tick.
    qint16 choix_graphe = 0;

    // The engine's run over the first series' items: the summary worked out and kept,
    // and its lines ("Valeur max= …" and so on) returned for the list under the series.
    QStringList calculer_bilan(const QStringList& items);
    // The second list's text read as it changed: its first values and their summary.
    void lireListe2(const QString& texte);
    // The second list now holds n values written by the program (`texte` shows them).
    void ecrireListe2(int n, const QString& texte, bool resumer);
    // The values the charts and parameters take from the second list.
    std::vector<double> serie2() const;
    // Every value of the second list as written, however many: what a file keeps.
    QStringList valeursEcrites2() const;

    // Every datum back to its empty start, as in a new run of the program.
    void reinitialiser();

signals:
    // After every run of the engine.
    void serie1Changee();
    // After every reading of the second list, and after its random fill and sorts.
    void serie2Changee();

private:
    void resumerListe2(int n);
};

}  // namespace core
