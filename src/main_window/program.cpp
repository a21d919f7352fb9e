#include "main_window/program.h"

#include "core/numbers.h"
#include "exercise/dexo_enonce.h"
#include "main_window/statistique.h"
#include "parameters/parameters_window.h"
#include "practice/practice_window.h"
#include "table/table_window.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/style.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <optional>

namespace program {

namespace {

// The toolkit's own words (the text boxes' menu, the file dialogs, the shortcut keys) in
// the program's language: French, unless the locale asks for another.
void loadTranslations() {
    auto* translator = new QTranslator(qApp);
    if (translator->load(core::localeFromEnvironment(), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

// Until the main window's first frame: what it shows is made in the fonts it shows.
std::optional<ui::StandardFontWhileMaking> standardFont;

}  // namespace

void prepare() {
    QApplication::setStyle(ui::createStyle());
    QApplication::setApplicationName(QStringLiteral("Statistique"));
    ui::setApplicationTitle(QStringLiteral("Statistique"));
    QGuiApplication::setDesktopFileName(QStringLiteral("statistique"));
    standardFont.emplace();
}

void show(statistique& window, std::function<void()> then) {
    window.showCentred();
    // The first frame shows none of the toolkit's words: they, the icon's files and
    // what follows wait until the learner sees the window.
    ui::afterFirstFrame(&window, [then = std::move(then)] {
        standardFont.reset();
        loadTranslations();
        QIcon icon;
        for (int size : {24, 32, 48, 64, 128})
            icon.addFile(QStringLiteral(":/icons/statistique-%1.png").arg(size));
        QApplication::setWindowIcon(icon);
        if (then) then();
    });
}

void end() {
    standardFont.reset();
    Exercices::unload();
    Tableau_effectifs::unload();
    Parametres_serie::unload();
    Dexo_enonce::unload();
    statistique::unload();
}

}  // namespace program
