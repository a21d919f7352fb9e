// How often the selected value occurs in the series, written into Label1.

#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "ui/numbers.h"
#include "ui/resume_next.h"

using dexo_mod::Variant;

void statistique::Command2_Click() {
    calculer_frequence();
}

void statistique::calculer_frequence() {
    using dexo_mod::frequence;
    ui::ResumeNext resume;
    int selection = -1;
    double valeur = 0;
    Variant effectif;

    resume([&] { selection = List1->selectedIndex(); });
    resume([&] { valeur = ui::numberFromText(List1->selectedText()); });
    const int total = List1->count();
    for (int i = 0; i < total; ++i) {
        dexo_mod::indice = Variant::count(i);
        resume([&] { List1->setSelectedIndex(i); });
        // An item that is not a number fails the test, and a failed test counts.
        if (resume.test([&] { return ui::numberFromText(List1->selectedText()) == valeur; }))
            resume([&] { effectif = Variant(ui::toInt16(effectif.toDouble() + 1)); });
    }
    dexo_mod::indice = Variant::count(total);

    // No figure is ever missing or left from an earlier query.
    if (effectif.isEmpty()) effectif = Variant(qint16(0));
    if (total == 0) {
        frequence = Variant(0.0);
    } else {
        resume([&] { frequence = Variant(effectif.toDouble() / total * 100); });
    }
    resume([&] {
        Label1->setCaption(QStringLiteral("effectif de la valeur ' ") + ui::textOfNumber(valeur) +
                           QStringLiteral(" ' = ") + effectif.toText() +
                           QStringLiteral(" / Fréquence : ") +
                           ui::formatThreeDecimals(frequence.toText()) + QStringLiteral("%"));
    });
    resume([&] { List1->setSelectedIndex(selection); });
}
