#include "command_line/command_line.h"
#include "command_line/individuals.h"
#include "command_line/pairs.h"
#include "command_line/quiz.h"
#include "command_line/sheets.h"
#include "command_line/simulation.h"
#include "core/command_line.h"
#include "main_window/program.h"
#include "main_window/statistique.h"
#include "recovery/work_keeper.h"
#include "ui/session.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const bool english = QLocale::system().language() == QLocale::English;
    if (arguments.contains(QStringLiteral("--simulate")))
        return command_line::runSimulation(argc, argv, arguments);
    if (command_line::wantsPairs(arguments)) return command_line::runPairs(argc, argv, arguments);
    if (command_line::wantsQuiz(arguments)) return command_line::runQuiz(arguments);
    if (command_line::wantsIndividuals(arguments))
        return command_line::runIndividuals(argc, argv, arguments);
    if (command_line::wantsSheets(arguments)) return command_line::runSheets(argc, argv, arguments);
    const QString individuals = command_line::takeIndividualsFile(arguments);
    command_line::PairsWindowStart pairs = command_line::pairsWindowStart(arguments);
    if (pairs.status != 0) return pairs.status;
    const bool pairsWindow = !pairs.file.isEmpty() || pairs.pairs;
    const core::Command command =
        pairsWindow ? core::Command{} : core::parseCommandLine(arguments, english);
    switch (command.kind) {
        case core::Command::Kind::Help:
        case core::Command::Kind::Version:
            std::fputs(qPrintable(command.text), stdout);
            return 0;
        case core::Command::Kind::Error:
            std::fprintf(stderr, "%s\n", qPrintable(command.text));
            return core::kUsageError;
        case core::Command::Kind::Stats:
            return command_line::printParameters(command.file);
        case core::Command::Kind::StatsTable:
            return command_line::printTableParameters(command.file, command.thresholds);
        case core::Command::Kind::Export:
            return command_line::exportSeriesChart(argc, argv, command);
        case core::Command::Kind::ExportTable:
            return command_line::exportTableChart(argc, argv, command);
        case core::Command::Kind::Exercise:
            return command_line::printSolution(command.file, command.series);
        default:
            break;
    }
    if (!ui::graphicalSession()) {
        std::fputs(
            "statistique : aucune session graphique n'est ouverte (DISPLAY et "
            "WAYLAND_DISPLAY ne mènent à aucun écran) ; lancez le programme depuis le "
            "bureau, ou sans écran avec « xvfb-run statistique ».\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    program::prepare();
    statistique& window = program::mainWindow();
    // A bad file says why first; the window then opens as at any start.
    if (!command.file.isEmpty()) window.openSeries(command.file);
    // Keeping the work starts once the window shows, and offers first what a program
    // that stopped left: its folder and lock cost the first frame nothing.
    std::unique_ptr<WorkKeeper> workKeeper;
    program::show(window, [&workKeeper, &window, pairs = std::move(pairs), individuals] {
        if (!individuals.isEmpty()) emit window.individualsFileRequested(individuals);
        workKeeper = program::keepWork(window);
        workKeeper->offer();
        if (!pairs.file.isEmpty()) program::openPairs(window, pairs.file);
        if (pairs.pairs) program::openPairs(window, *pairs.pairs);
    });
    const int status = QApplication::exec();
    program::end();
    return status;
}
