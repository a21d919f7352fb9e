#include "main_window/program.h"

#include "core/numbers.h"
#include "exercise/dexo_enonce.h"
#include "individuals_window/individus.h"
#include "main_window/statistique.h"
#include "parameters/parametres_serie.h"
#include "practice/exercices.h"
#include "table/tableau_effectifs.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/style.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

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

std::unique_ptr<Individus> individus;

// The window of a file of individuals, made on first use, shown in front.
Individus& showIndividus(statistique& main) {
    if (!individus) {
        individus = std::make_unique<Individus>();
        QObject::connect(individus.get(), &Individus::tableRequested, individus.get(),
                         [](const core::Tableau& table) {
                             Tableau_effectifs& window = Tableau_effectifs::instance();
                             if (window.ouvrirDonnees(table)) window.showCentred();
                         });
        QObject::connect(individus.get(), &Individus::listRequested, &main,
                         [&main](const QStringList& texts, const QString& step) {
                             main.avecAnnulation(step, [&] { main.remplacerSerie1(texts); });
                         });
    }
    individus->show();
    individus->raise();
    individus->activateWindow();
    return *individus;
}

}  // namespace

void prepare() {
    QApplication::setStyle(ui::createStyle());
    QApplication::setApplicationName(QStringLiteral("Statistique"));
    ui::setApplicationTitle(QStringLiteral("Statistique"));
    QGuiApplication::setDesktopFileName(QStringLiteral("statistique"));
    standardFont.emplace();
}

// The windows beyond the main one are made on first use and wired here: each reads the
// data it is given and asks, by its signals, for what it wants done elsewhere.
void wireWindows(statistique& main) {
    // Once for a main window, however often it is shown.
    static QPointer<statistique> wired;
    if (wired == &main) return;
    wired = &main;
    QObject::connect(&main, &statistique::individualsRequested, &main,
                     [&main] { showIndividus(main).chooseFile(); });
    QObject::connect(&main, &statistique::individualsFileRequested, &main,
                     [&main](const QString& path) { showIndividus(main).open(path); });
}

void show(statistique& window, std::function<void()> then) {
    wireWindows(window);
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
    individus.reset();
    standardFont.reset();
    Exercices::unload();
    Tableau_effectifs::unload();
    Parametres_serie::unload();
    Dexo_enonce::unload();
    statistique::unload();
}

}  // namespace program
