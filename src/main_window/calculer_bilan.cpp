#include "main_window/calculer_bilan.h"

#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"

namespace dexo_mod {

void calculer_bilan() {
    statistique& mainWindow = statistique::instance();
    ui::ListBox& List1 = *mainWindow.List1;
    ui::ListBox& List2 = *mainWindow.List2;
    core::ResumeNext resume;

    resume([&] { List2.clearItems(); });
    // Each item is selected as it is read: the last stays selected.
    QStringList texts;
    texts.reserve(List1.count());
    for (int i = 0; i < List1.count(); ++i) {
        resume([&] { List1.setSelectedIndex(i); });
        texts << List1.selectedText();
    }
    const QStringList lines = model().calculer_bilan(texts);
    for (const QString& line : lines) resume([&] { List2.append(line); });
}

}  // namespace dexo_mod
