// Editing the series: the key filter of the text boxes, adding, removing and the
// random fill. Each change of List1 ends with one run of the statistics engine.

#include "core/key_filter.h"
#include "core/numbers.h"
#include "core/random.h"
#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/statistique.h"
#include "ui/key_memory.h"
#include "ui/message_box.h"
#include "ui/send_keys.h"

#include <QApplication>

#include <cmath>

using dexo_mod::Variant;

void statistique::Text1_KeyUp(int keyCode, int /*shift*/) {
    filtrer_touche(keyCode);
}

// Runs after the key's own character is in the box; its keystrokes reach the focused
// box once this handler has returned.
void statistique::filtrer_touche(int code) {
    const auto action = key_filter::actionFor(code, ui::KeyMemory::lastReleaseTyped());
    if (action.erase) ui::sendKey(Qt::Key_Backspace);
    if (action.replaceDecimal) {
        const QString separator = core::decimalSeparator();
        ui::sendKey(Qt::Key_Backspace);
        ui::sendKey(separator == u","   ? Qt::Key_Comma
                    : separator == u"." ? Qt::Key_Period
                                        : Qt::Key_unknown,
                    separator);
    }
}

void statistique::Command_ajout_Click() {
    const QString value = Text1->text();
    // Only a number may join the series: anything else would corrupt the mean and
    // match every frequency query.
    if (!core::readNumber(value) || List1->count() >= ui::ListBox::kCapacity) {
        QApplication::beep();
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    List1->append(value);
    dexo_mod::calculer_bilan();
}

void statistique::Command_enlever_Click(int Index) {
    core::ResumeNext resume;
    if (Index == 0) {
        core::ResumeNext removal;
        removal([&] { List1->removeAt(List1->selectedIndex()); });
        if (removal.failed())
            ui::messageBox(QStringLiteral("Pour retirer une valeur, cliquer d'abord dessus."));
    }
    if (Index == 1) resume([&] { List1->clearItems(); });
    dexo_mod::calculer_bilan();
}

void statistique::Command_aleatoire_Click() {
    List1->clearItems();
    for (int i = 0; i <= 5; ++i) {
        const float draw = std::floor(core::Random::next() * 100.0f);
        List1->append(QString::number(int(draw)));
    }
    dexo_mod::calculer_bilan();
}
