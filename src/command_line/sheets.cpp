#include "command_line/sheets.h"

#include "command_line/runner.h"
#include "core/exercises/exercise.h"
#include "core/sheets/sheets.h"
#include "ui/sheets/sheets_pdf.h"

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace command_line {
namespace {

bool isPdf(const QString& path) {
    return QFileInfo(path).suffix().toLower() == u"pdf"_s;
}

}  // namespace

bool wantsSheets(const QStringList& arguments) {
    for (const QString& a : arguments.mid(1)) {
        if (a == u"--"_s) break;
        if (a == u"--sheets"_s || a.startsWith(u"--sheets="_s)) return true;
    }
    return false;
}

int runSheets(int argc, char* argv[], const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption exercises(u"sheets"_s, {}, u"exercices"_s),
        pupils(u"pupils"_s, {}, u"eleves"_s), series(u"serie"_s, {}, u"s"_s),
        output(u"export"_s, {}, u"sortie"_s), key(u"answer-key"_s, {}, u"corrige"_s);
    parser.addOptions({exercises, pupils, series, output, key});
    if (const auto status = readOptions(parser, arguments, u"--sheets"_s)) return *status;
    if (!parser.positionalArguments().isEmpty())
        return refuse(u"--sheets ne prend pas de FICHIER de série"_s);
    if (!parser.isSet(pupils) || !parser.isSet(output))
        return refuse(u"--sheets demande --pupils et --export"_s);
    if (!isPdf(parser.value(output)))
        return refuse(u"« %1 » n'est pas un fichier .pdf"_s.arg(parser.value(output)));
    if (parser.isSet(key) && !isPdf(parser.value(key)))
        return refuse(u"« %1 » n'est pas un fichier .pdf"_s.arg(parser.value(key)));

    quint32 first = 1;
    if (parser.isSet(series)) {
        bool whole = false;
        const qlonglong s = parser.value(series).trimmed().toLongLong(&whole);
        if (!whole || s < 1 || s > core::sheets::kLastSeries)
            return refuse(u"--serie prend un nombre de 1 à %1"_s.arg(core::sheets::kLastSeries));
        first = quint32(s);
    }
    const auto names = core::sheets::readPupils(parser.value(pupils));
    if (!names) {
        const QString where =
            names.error.line > 0 ? u"ligne %1 : "_s.arg(names.error.line) : QString();
        return refuse(u"--pupils=%1 : %2%3"_s.arg(parser.value(pupils), where, names.error.why));
    }
    const QString why = core::sheets::fault(int(names.value->size()), first);
    if (!why.isEmpty()) return refuse(u"--pupils : "_s + why);

    std::vector<core::Exercise> chosen;
    for (const QString& file : parser.value(exercises).split(u',', Qt::SkipEmptyParts)) {
        const core::ExerciseReading reading = core::readExerciseFile(file);
        if (!reading.value)
            return refuse(u"l'exercice « %1 » ne se lit pas : %2"_s.arg(
                QFileInfo(file).fileName(), core::exerciseFault(reading.error)));
        chosen.push_back(*reading.value);
    }
    if (chosen.empty()) return refuse(u"--sheets demande au moins un fichier d'exercice"_s);

    // Laid out off screen: the toolkit is needed for the fonts alone.
    return offscreen(argc, argv, [&] {
        const auto written = [](const QString& path, const QString& fault) {
            if (fault.isEmpty()) return 0;
            return refuse(u"impossible d'écrire « %1 » : %2"_s.arg(path, fault));
        };
        if (const int status =
                written(parser.value(output),
                        sheets::writeSheets(core::sheets::sheetsFor(chosen, *names.value, first),
                                            parser.value(output))))
            return status;
        if (!parser.isSet(key)) return 0;
        return written(parser.value(key), sheets::writeAnswerKey(core::sheets::answerKeyFor(
                                                                     chosen, *names.value, first),
                                                                 parser.value(key)));
    });
}

}  // namespace command_line
