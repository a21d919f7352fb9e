#include "main_window/program.h"

#include "core/numbers.h"
#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "individuals_window/individus.h"
#include "main_window/statistique.h"
#include "pairs_window/deux_variables.h"
#include "parameters/parameters_window.h"
#include "practice/practice_window.h"
#include "sheets_window/sheets_window.h"
#include "simulation_window/simulation_window.h"
#include "table/table_window.h"
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

std::unique_ptr<Simulation> simulation;
std::unique_ptr<Feuilles> sheets;

// The simulation window, made on first use: it draws from the main series and the
// table of counts as they are, and hands its values to either.
Simulation& simulationFor(statistique& main) {
    if (simulation) return *simulation;
    simulation = std::make_unique<Simulation>();
    QObject::connect(simulation.get(), &Simulation::listRequested, &main,
                     [&main](const QStringList& texts, const QString& step) {
                         main.avecAnnulation(step, [&] { main.remplacerSerie1(texts); });
                     });
    QObject::connect(simulation.get(), &Simulation::tableRequested, &main,
                     [&main](const core::Tableau& table) {
                         main.mnuTableau->trigger();  // made as the menu makes it
                         if (Tableau_effectifs::instance().ouvrirDonnees(table))
                             Tableau_effectifs::instance().showCentred();
                     });
    QObject::connect(&dexo_mod::modele(), &core::Modele::serie1Changee, simulation.get(),
                     [] { simulation->setMainSeries(dexo_mod::modele().serie1); });
    const auto followTable = [] {
        QObject::connect(&Tableau_effectifs::instance(), &Tableau_effectifs::tableauChange,
                         simulation.get(),
                         [] { simulation->setTable(Tableau_effectifs::instance().tableau()); });
    };
    if (Tableau_effectifs::exists()) followTable();
    QObject::connect(&main, &statistique::tableauOuvert, simulation.get(), followTable);
    QObject::connect(&main, &statistique::finNormale, simulation.get(), &QWidget::close);
    // First seen over the middle of the main window, as the program's other windows.
    simulation->move(main.frameGeometry().center() - simulation->rect().center());
    return *simulation;
}

std::unique_ptr<pairs_window::Deux_variables> pairsWindow;

// The two variables' window, made on first use, given the table of counts as it stands.
pairs_window::Deux_variables& showPairsWindow() {
    if (!pairsWindow) pairsWindow = std::make_unique<pairs_window::Deux_variables>();
    if (Tableau_effectifs::exists())
        pairsWindow->setTable(core::analyser(Tableau_effectifs::instance().tableau()));
    pairsWindow->show();
    pairsWindow->raise();
    pairsWindow->activateWindow();
    return *pairsWindow;
}

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
        // Two numeric variables of the selected individuals, studied together.
        QObject::connect(individus.get(), &Individus::pairsRequested, individus.get(),
                         [](const std::vector<double>& x, const std::vector<double>& y,
                            const QString& nameX, const QString& nameY) {
                             showPairsWindow().setPairs(core::pairs::Pairs{
                                 .nameX = nameX, .nameY = nameY, .x = x, .y = y});
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
    QObject::connect(&main, &statistique::simulationRequested, &main, [&main] {
        Simulation& window = simulationFor(main);
        window.setMainSeries(dexo_mod::modele().serie1);
        if (Tableau_effectifs::exists()) window.setTable(Tableau_effectifs::instance().tableau());
        window.show();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&main, &statistique::deuxVariablesRequested, &main, [] { showPairsWindow(); });
    // The Lorenz curve of the table of counts follows the table as it changes.
    QObject::connect(&main, &statistique::tableauOuvert, &main, [] {
        QObject::connect(
            &Tableau_effectifs::instance(), &Tableau_effectifs::tableauChange,
            &Tableau_effectifs::instance(), [] {
                if (pairsWindow)
                    pairsWindow->setTable(core::analyser(Tableau_effectifs::instance().tableau()));
            });
    });
    QObject::connect(&main, &statistique::individualsRequested, &main,
                     [&main] { showIndividus(main).chooseFile(); });
    QObject::connect(&main, &statistique::individualsFileRequested, &main,
                     [&main](const QString& path) { showIndividus(main).open(path); });
    // The class's sheets, from the exercises of the practice list as they are now.
    QObject::connect(&main, &statistique::sheetsRequested, &main, [&main] {
        if (!sheets) {
            sheets = std::make_unique<Feuilles>();
            QObject::connect(&main, &statistique::finNormale, sheets.get(), &QWidget::close);
            sheets->move(main.frameGeometry().center() - sheets->rect().center());
        }
        sheets->setExercises(core::exercicesDes(core::dossiersDesExercices()));
        sheets->show();
        sheets->raise();
        sheets->activateWindow();
    });
}

void openPairs(statistique& main, const QString& file) {
    wireWindows(main);
    showPairsWindow().openFile(file);
}

void openPairs(statistique& main, const core::pairs::Pairs& pairs) {
    wireWindows(main);
    showPairsWindow().setPairs(pairs);
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
    simulation.reset();
    pairsWindow.reset();
    sheets.reset();
    Exercices::unload();
    Tableau_effectifs::unload();
    Parametres_serie::unload();
    Dexo_enonce::unload();
    statistique::unload();
}

}  // namespace program
