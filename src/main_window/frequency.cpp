// How often the selected value occurs in the series, written into Label1.

#include "core/numbers.h"
#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"

using dexo_mod::Variant;

void statistique::Command2_Click() {
    calculer_frequence();
}

void statistique::calculer_frequence() {
    core::ResumeNext resume;
    Variant frequence;
    int selection = -1;
    double value = 0;
    Variant count;

    resume([&] { selection = List1->selectedIndex(); });
    resume([&] { value = core::numberFromText(List1->selectedText()); });
    const int total = List1->count();
    for (int i = 0; i < total; ++i) {
        resume([&] { List1->setSelectedIndex(i); });
        // An item that is not a number fails the test, and a failed test counts.
        if (resume.test([&] { return core::numberFromText(List1->selectedText()) == value; }))
            resume([&] { count = Variant(core::toInt16(count.toDouble() + 1)); });
    }

    // No figure is ever missing or left from an earlier query.
    if (count.isEmpty()) count = Variant(qint16(0));
    if (total == 0) {
        frequence = Variant(0.0);
    } else {
        resume([&] { frequence = Variant(count.toDouble() / total * 100); });
    }
    resume([&] {
        Label1->setCaption(QStringLiteral("effectif de la valeur ' ") + core::textOfNumber(value) +
                           QStringLiteral(" ' = ") + count.toText() +
                           QStringLiteral(" / Fréquence : ") +
                           core::formatThreeDecimals(frequence.toText()) + QStringLiteral("%"));
    });
    resume([&] { List1->setSelectedIndex(selection); });
}
