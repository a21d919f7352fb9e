#pragma once

// The data every window shares: the first series as its items' texts, the second as
// the values read from its text, their summaries, and the module data the charts and
// the exercise use, under the names the program's routines give them. It is the only
// writer of its data, and says by its signals what changed. The list box and the text
// box of the main window show it; they are kept in step with it by the handlers that
// change them, and every other reader (the parameters window, files,
// the clipboard, the command line, the charts) reads it here.

#include "core/second_list_text.h"
#include "core/table.h"
#include "core/variant.h"

#include <QObject>
#include <QStringList>

#include <vector>

namespace core {

class Model : public QObject {
    Q_OBJECT

public:
    // What the model holds, read under the names the routines give it; only the methods
    // below write it, each saying so by a signal.

    // The first series: the items of List1 at the engine's last run.
    const QStringList& series1 = series1_;
    // 0: largest value of the first series, 1: smallest, 2: mean. The first two keep
    // the first item's text until a later item replaces it.
    const Table<Variant, 11>& bilan_liste1 = bilan_liste1_;
    // Items of the first series at the engine's last run (16-bit integer).
    const Variant& effectif_total = effectif_total_;
    // The second series' text as last read or written.
    const QString& secondListText = list2Text_;
    // 0: largest, 1: smallest, 2: mean of the second list.
    const Table<Variant, 11>& bilan_liste2 = bilan_liste2_;
    const second_list::Values& valeurs_liste2 = valeurs_liste2_;
    const Variant& effectif_liste2 = effectif_liste2_;
    // Whether the charts take the second list into account (Boolean).
    const Variant& prendre_liste2 = prendre_liste2_;
    // Set (-1) while the program itself rewrites the second list's text box.
    const qint16& maj_liste2 = maj_liste2_;
    // Packed colours the pie draws its sectors from.
    const Table<double, 11>& couleurs = couleurs_;
    // The chart chosen in the exercise window, drawn on the main window's next tick.
    const qint16& choix_graphe = choix_graphe_;

    // The engine's run over the first series' items: the summary worked out and kept,
    // and its lines ("Valeur max= …" and so on) returned for the list under the series.
    QStringList calculer_bilan(const QStringList& items);
    // One figure of the first series' summary replaced (a chart raises the largest).
    void setBilanListe1(int index, const Variant& value);
    // The second list's text read as it changed: its first values and their summary.
    void readList2(const QString& text);
    // The program writes `values` as the second list's first values; their summary too
    // when they are new (`summarize`). Returns the text that shows them.
    QString writeList2(const std::vector<double>& values, bool summarize);
    void setPrendreListe2(const Variant& take);
    void setMajListe2(qint16 top);
    void setColour(int index, double colourCode);
    void setChoixGraphe(qint16 choices);
    // The values the charts and parameters take from the second list.
    std::vector<double> series2() const;
    // Every value of the second list as written, however many: what a file keeps.
    QStringList writtenValues2() const;

signals:
    // After every run of the engine.
    void series1Changed();
    // After every reading of the second list, and after its random fill and sorts.
    void series2Changed();
    // After any other change: a summary figure, whether the second list counts, the
    // colours, the chart asked for, the second list's writing flag.
    void dataChanged();

private:
    void summarizeList2(int n);

    QStringList series1_;
    Table<Variant, 11> bilan_liste1_;
    Variant effectif_total_;
    QString list2Text_;
    Table<Variant, 11> bilan_liste2_;
    second_list::Values valeurs_liste2_;
    Variant effectif_liste2_;
    Variant prendre_liste2_;
    qint16 maj_liste2_ = 0;
    Table<double, 11> couleurs_;
    qint16 choix_graphe_ = 0;
};

}  // namespace core
