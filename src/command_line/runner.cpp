#include "command_line/runner.h"

#include "chart_export/chart_export.h"
#include "core/command_line.h"
#include "core/series_charts.h"
#include "ui/chart_output.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace command_line {

int fail(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return core::kUsageError;
}

int refuse(const QString& why) {
    return fail(u"statistique : "_s + why);
}

int usageError(const QString& why) {
    return refuse(why + u"\nEssayez « statistique --help »."_s);
}

int printUsage(const QStringList& arguments, const QString& option) {
    const bool english = QLocale::system().language() == QLocale::English;
    std::fputs(core::parseCommandLine({arguments.value(0), option}, english).text.toUtf8(), stdout);
    return 0;
}

std::optional<int> readOptions(QCommandLineParser& parser, const QStringList& arguments,
                               const QString& mode) {
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) return refuse(u"les arguments de %1 ne se lisent pas"_s.arg(mode));
        // As it was typed: a single letter after one dash, a word after two.
        return refuse(u"option inconnue « %1%2 » avec %3"_s.arg(
            unknown.first().size() == 1 ? u"-"_s : u"--"_s, unknown.first(), mode));
    }
    if (parser.isSet(help)) return printUsage(arguments, u"--help"_s);
    return std::nullopt;
}

int offscreen(int argc, char* argv[], const std::function<int()>& work) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QGuiApplication application(argc, argv);
    return work();
}

QString chartFileFault(const QString& output) {
    if (chart_export::typeOf(output)) return {};
    return u"« %1 » n'est ni .png, ni .svg, ni .pdf"_s.arg(output);
}

QString writeChart(int argc, char* argv[], const core::Drawing& drawing,
                   const core::Surface& surface, const QString& description,
                   const QString& output) {
    const auto type = chart_export::typeOf(output);
    if (!type) return chartFileFault(output);
    QString why;
    offscreen(argc, argv, [&] {
        why = chart_export::write(
            {drawing, ui::chartAreaSize(surface.width, surface.height), 0xFFFFFF, description},
            output, *type);
        return 0;
    });
    return why;
}

}  // namespace command_line
