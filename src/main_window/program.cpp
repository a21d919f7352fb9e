#include "main_window/program.h"

#include "core/exercises/editing.h"
#include "core/numbers.h"
#include "core/random.h"
#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "exercise_editor/exercise_editor.h"
#include "individuals_window/individuals_window.h"
#include "main_window/statistique.h"
#include "pairs_window/pairs_window.h"
#include "parameters/parameters_window.h"
#include "practice/practice_window.h"
#include "practice/quiz_export.h"
#include "recovery/work_keeper.h"
#include "sheets_window/sheets_window.h"
#include "simulation_window/simulation_window.h"
#include "table/table_window.h"
#include "ui/guarded.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/style.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

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

// The data every window shares, made with the main window and ended after it.
std::unique_ptr<core::Model> model;

// The table of counts window, shown beside the main window as "Tableau d'effectifs…"
// shows it; made and wired on first use (see wireOlderWindows).
Tableau_effectifs& showTable() {
    Tableau_effectifs& window = Tableau_effectifs::instance();
    window.showCentred();
    return window;
}

// The windows reached through their single instance: each is wired as it is made,
// whoever reaches it first, and shown when the main window asks.
void wireOlderWindows(statistique& main) {
    Tableau_effectifs::whenMade([&main](Tableau_effectifs& table) {
        QObject::connect(&table, &Tableau_effectifs::toList, &main,
                         ui::guarded<const QStringList&>([&main](const QStringList& texts) {
                             main.withUndo(u"Vers la liste"_s, [&] { main.replaceSeries1(texts); });
                         }));
        QObject::connect(&table, &Tableau_effectifs::fileNoted, &main,
                         [](const core::Recent& recent) { statistique::noteRecent(recent); });
        emit main.tableOpened();
    });
    QObject::connect(&main, &statistique::tableRequested, &main, [] { showTable(); });
    QObject::connect(&main, &statistique::tableFileRequested, &main, [](const QString& path) {
        Tableau_effectifs& table = showTable();
        if (table.changesSettled()) table.openTable(path);
    });
    // The table of counts goes with the program: its changes are asked about first.
    main.setBeforeClosing([] {
        return !Tableau_effectifs::exists() || Tableau_effectifs::instance().changesSettled();
    });
    Parametres_serie::whenMade([](Parametres_serie& parameters) { parameters.setModel(*model); });
    QObject::connect(&main, &statistique::parametersRequested, &main,
                     [] { Parametres_serie::instance().showCentred(); });
    Exercices::whenMade([](Exercices& practice) {
        QObject::connect(&practice, &Exercices::tableRequested, &practice,
                         [](const core::FrequencyTable& table) { showTable().openData(table); });
    });
    QObject::connect(&main, &statistique::practiceRequested, &main,
                     [] { Exercices::instance().showCentred(); });
    // The exercise's buttons load the counts and have the chart drawn once it is gone.
    Dexo_enonce::whenMade([&main](Dexo_enonce& exercise) {
        QObject::connect(&exercise, &Dexo_enonce::listRequested, &main,
                         [&main](const QStringList& texts, const QString& step) {
                             main.withUndo(step, [&] { main.replaceSeries1(texts); });
                         });
        QObject::connect(&exercise, &Dexo_enonce::chartRequested, &main,
                         [&main](int index) { main.requestChart(index); });
    });
    QObject::connect(&main, &statistique::exerciseRequested, &main,
                     [] { Dexo_enonce::instance().showCentred(); });
}

std::unique_ptr<Simulation> simulation;
std::unique_ptr<Feuilles> sheets;

// The simulation window, made on first use: it draws from the main series and the
// table of counts as they are, and hands its values to either.
Simulation& simulationFor(statistique& main) {
    if (simulation) return *simulation;
    simulation = std::make_unique<Simulation>();
    QObject::connect(simulation.get(), &Simulation::listRequested, &main,
                     [&main](const QStringList& texts, const QString& step) {
                         main.withUndo(step, [&] { main.replaceSeries1(texts); });
                     });
    QObject::connect(simulation.get(), &Simulation::tableRequested, &main,
                     [](const core::FrequencyTable& table) {
                         Tableau_effectifs& window = showTable();
                         if (window.openData(table)) window.showCentred();
                     });
    QObject::connect(&dexo_mod::model(), &core::Model::series1Changed, simulation.get(),
                     [] { simulation->setMainSeries(dexo_mod::model().series1); });
    const auto followTable = [] {
        QObject::connect(&Tableau_effectifs::instance(), &Tableau_effectifs::tableChanged,
                         simulation.get(),
                         [] { simulation->setTable(Tableau_effectifs::instance().table()); });
    };
    if (Tableau_effectifs::exists()) followTable();
    QObject::connect(&main, &statistique::tableOpened, simulation.get(), followTable);
    QObject::connect(&main, &statistique::cleanEnd, simulation.get(), &QWidget::close);
    // First seen over the middle of the main window, as the program's other windows.
    simulation->move(main.frameGeometry().center() - simulation->rect().center());
    return *simulation;
}

std::unique_ptr<pairs_window::Deux_variables> pairsWindow;

// The two variables' window, made on first use, given the table of counts as it stands.
pairs_window::Deux_variables& showPairsWindow() {
    if (!pairsWindow) pairsWindow = std::make_unique<pairs_window::Deux_variables>();
    if (Tableau_effectifs::exists())
        pairsWindow->setTable(core::analyseTable(Tableau_effectifs::instance().table()));
    pairsWindow->show();
    pairsWindow->raise();
    pairsWindow->activateWindow();
    return *pairsWindow;
}

std::unique_ptr<Individus> individualsWindow;

// The window of a file of individuals, made on first use, shown in front.
Individus& showIndividuals(statistique& main) {
    if (!individualsWindow) {
        individualsWindow = std::make_unique<Individus>();
        QObject::connect(individualsWindow.get(), &Individus::tableRequested,
                         individualsWindow.get(), [](const core::FrequencyTable& table) {
                             Tableau_effectifs& window = Tableau_effectifs::instance();
                             if (window.openData(table)) window.showCentred();
                         });
        // Two numeric variables of the selected individuals, studied together.
        QObject::connect(individualsWindow.get(), &Individus::pairsRequested,
                         individualsWindow.get(),
                         [](const std::vector<double>& x, const std::vector<double>& y,
                            const QString& nameX, const QString& nameY) {
                             showPairsWindow().setPairs(core::pairs::Pairs{
                                 .nameX = nameX, .nameY = nameY, .x = x, .y = y});
                         });
        QObject::connect(individualsWindow.get(), &Individus::listRequested, &main,
                         [&main](const QStringList& texts, const QString& step) {
                             main.withUndo(step, [&] { main.replaceSeries1(texts); });
                         });
    }
    individualsWindow->show();
    individualsWindow->raise();
    individualsWindow->activateWindow();
    return *individualsWindow;
}

std::unique_ptr<Editeur_exercice> editor;

// The exercise editor, made on first use; what it saves is listed at once in the practice
// window, if that is open.
Editeur_exercice& showEditor(statistique& main) {
    if (!editor) {
        editor = std::make_unique<Editeur_exercice>();
        QObject::connect(editor.get(), &Editeur_exercice::saved, &main, [] {
            if (Exercices::exists()) Exercices::instance().reread(core::exerciseFolders());
        });
        // The program ends: what was typed is saved or given up, without "Annuler".
        QObject::connect(&main, &statistique::cleanEnd, editor.get(), [] {
            editor->mayLeave(false);
            editor->hide();
        });
        editor->move(main.frameGeometry().center() - editor->rect().center());
    }
    editor->show();
    editor->raise();
    editor->activateWindow();
    return *editor;
}

// The file to change, chosen in the teacher's folder (made, so the dialog opens there).
void editExercise(statistique& main) {
    if (editor && editor->isVisible() && !editor->mayLeave()) return;
    const QString folder = core::teacherFolder();
    QDir().mkpath(folder);
    const QString path = ui::fileToOpen(&main, QStringLiteral("Modifier l'exercice"),
                                        QStringLiteral("Exercices (*.json)"), folder);
    if (path.isEmpty()) return;
    const QString fault = showEditor(main).open(path);
    if (!fault.isEmpty())
        ui::messageBox(QStringLiteral("Impossible d'ouvrir « %1 » : %2.")
                           .arg(QFileInfo(path).fileName(), fault));
}

}  // namespace

void prepare() {
    QApplication::setStyle(ui::createStyle());
    QApplication::setApplicationName(QStringLiteral("Statistique"));
    ui::setApplicationTitle(QStringLiteral("Statistique"));
    QGuiApplication::setDesktopFileName(QStringLiteral("statistique"));
    standardFont.emplace();
}

statistique& mainWindow() {
    if (!statistique::exists()) {
        // A new program: its own model, and the random draws from their first one.
        model = std::make_unique<core::Model>();
        dexo_mod::useModel(model.get());
        core::Random::restart();
    }
    return statistique::instance();
}

// The windows beyond the main one are made on first use and wired here: each reads the
// data it is given and asks, by its signals, for what it wants done elsewhere.
void wireWindows(statistique& main) {
    // Once for a main window, however often it is shown.
    static QPointer<statistique> wired;
    if (wired == &main) return;
    wired = &main;
    wireOlderWindows(main);
    QObject::connect(&main, &statistique::simulationRequested, &main, [&main] {
        Simulation& window = simulationFor(main);
        window.setMainSeries(dexo_mod::model().series1);
        if (Tableau_effectifs::exists()) window.setTable(Tableau_effectifs::instance().table());
        window.show();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&main, &statistique::twoVariablesRequested, &main, [] { showPairsWindow(); });
    // The Lorenz curve of the table of counts follows the table as it changes.
    QObject::connect(&main, &statistique::tableOpened, &main, [] {
        QObject::connect(&Tableau_effectifs::instance(), &Tableau_effectifs::tableChanged,
                         &Tableau_effectifs::instance(), [] {
                             if (pairsWindow)
                                 pairsWindow->setTable(
                                     core::analyseTable(Tableau_effectifs::instance().table()));
                         });
    });
    QObject::connect(&main, &statistique::individualsRequested, &main,
                     [&main] { showIndividuals(main).chooseFile(); });
    QObject::connect(&main, &statistique::individualsFileRequested, &main,
                     [&main](const QString& path) { showIndividuals(main).open(path); });
    // The class's sheets, from the exercises of the practice list as they are now.
    QObject::connect(&main, &statistique::sheetsRequested, &main, [&main] {
        if (!sheets) {
            sheets = std::make_unique<Feuilles>();
            QObject::connect(&main, &statistique::cleanEnd, sheets.get(), &QWidget::close);
            sheets->move(main.frameGeometry().center() - sheets->rect().center());
        }
        sheets->setExercises(core::exercisesIn(core::exerciseFolders()));
        sheets->show();
        sheets->raise();
        sheets->activateWindow();
    });
    QObject::connect(&main, &statistique::newExerciseRequested, &main, [&main] {
        Editeur_exercice& e = showEditor(main);
        if (e.mayLeave()) e.startNew();
    });
    QObject::connect(&main, &statistique::editExerciseRequested, &main,
                     [&main] { editExercise(main); });
    // Every exercise listed for practice, none ticked at first.
    QObject::connect(&main, &statistique::moodleRequested, &main, [&main] {
        std::vector<core::Exercise> exercises;
        for (const core::ExerciseFile& f : core::exercisesIn(core::exerciseFolders()))
            if (f.reading.value) exercises.push_back(*f.reading.value);
        ExportMoodle(&main, std::move(exercises), -1).exec();
    });
}

std::unique_ptr<WorkKeeper> keepWork(statistique& main, const QString& folder) {
    const auto state = [&main] {
        core::WorkState e{.series = main.series(),
                          .list2Text = main.Text_liste2->text(),
                          .file = main.file(),
                          .saved = main.seriesSaved()};
        if (Tableau_effectifs::exists()) {
            const Tableau_effectifs& t = Tableau_effectifs::instance();
            e.table = t.table();
            e.tableFile = t.file();
            e.tableSaved = t.saved();
        }
        return e;
    };
    const auto giveBack = [&main](const core::WorkState& e) {
        main.recoverSeries(e.series.first, e.list2Text, e.file);
        if (e.table) showTable().recover(*e.table, e.tableFile);
    };
    auto keeper =
        std::make_unique<WorkKeeper>(KeptWork{.state = state, .giveBack = giveBack},
                                     folder.isEmpty() ? WorkKeeper::defaultFolder() : folder);
    WorkKeeper* k = keeper.get();
    const core::Model& model = dexo_mod::model();
    QObject::connect(&model, &core::Model::series1Changed, k, [k] { k->change(); });
    QObject::connect(&model, &core::Model::series2Changed, k, [k] { k->change(); });
    const auto followTable = [k] {
        QObject::connect(&Tableau_effectifs::instance(), &Tableau_effectifs::tableChanged, k,
                         [k] { k->change(); });
    };
    QObject::connect(&main, &statistique::tableOpened, k, followTable);
    if (Tableau_effectifs::exists()) followTable();
    QObject::connect(&main, &statistique::cleanEnd, k, [k] { k->finish(); });
    return keeper;
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
    individualsWindow.reset();
    standardFont.reset();
    simulation.reset();
    pairsWindow.reset();
    sheets.reset();
    editor.reset();
    // Windows made after this belong to the next main window's owner.
    Tableau_effectifs::whenMade({});
    Exercices::whenMade({});
    Dexo_enonce::whenMade({});
    Parametres_serie::whenMade({});
    Exercices::unload();
    Tableau_effectifs::unload();
    Parametres_serie::unload();
    Dexo_enonce::unload();
    statistique::unload();
    dexo_mod::useModel(nullptr);
    model.reset();
}

}  // namespace program
