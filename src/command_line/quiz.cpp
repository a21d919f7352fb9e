#include "command_line/quiz.h"

#include "command_line/runner.h"
#include "core/atomic_file.h"
#include "core/quiz/quiz.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QIODevice>

#include <limits>

using namespace Qt::StringLiterals;

namespace command_line {
bool wantsQuiz(const QStringList& arguments) {
    for (const QString& a : arguments)
        if (a == u"--moodle"_s || a.startsWith(u"--moodle="_s) || a == u"--gift"_s ||
            a.startsWith(u"--gift="_s))
            return true;
    return false;
}

int runQuiz(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({{u"moodle"_s, {}, u"e"_s},
                       {u"gift"_s, {}, u"e"_s},
                       {u"variants"_s, {}, u"k"_s},
                       {u"serie"_s, {}, u"s"_s},
                       {u"export"_s, {}, u"f"_s}});
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"argument inattendu « %1 »"_s.arg(parser.positionalArguments().first()));
    const bool moodle = parser.isSet(u"moodle"_s);
    if (moodle == parser.isSet(u"gift"_s))
        return usageError(u"--moodle et --gift ne vont pas ensemble"_s);
    if (!parser.isSet(u"export"_s) || parser.value(u"export"_s).isEmpty())
        return usageError(u"--%1 demande --export=FICHIER"_s.arg(moodle ? u"moodle"_s : u"gift"_s));
    if (!parser.isSet(u"variants"_s)) return usageError(u"--variants=K manque"_s);

    bool ok = false;
    const int variants = parser.value(u"variants"_s).toInt(&ok);
    if (!ok || variants < 1 || variants > core::quiz::kMaxVariants)
        return usageError(u"--variants attend un nombre entier de 1 à %1, pas « %2 »"_s.arg(
            QString::number(core::quiz::kMaxVariants), parser.value(u"variants"_s)));
    quint32 first = 1;
    if (parser.isSet(u"serie"_s)) {
        const qulonglong s = parser.value(u"serie"_s).toULongLong(&ok);
        const qulonglong last = std::numeric_limits<quint32>::max() - quint32(variants) + 1;
        if (!ok || s < 1 || s > last)
            return usageError(u"--serie attend un numéro entier de 1 à %1, pas « %2 »"_s.arg(
                QString::number(last), parser.value(u"serie"_s)));
        first = quint32(s);
    }

    core::quiz::Request request{{}, variants, first};
    const QStringList files =
        parser.value(moodle ? u"moodle"_s : u"gift"_s).split(u',', Qt::SkipEmptyParts);
    if (files.isEmpty()) return usageError(u"aucun fichier d'exercice n'est donné"_s);
    for (const QString& file : files) {
        const core::ExerciseReading read = core::readExerciseFile(file);
        if (!read.value)
            return refuse(u"l'exercice « %1 » ne se lit pas : %2"_s.arg(
                QFileInfo(file).fileName(), core::exerciseFault(read.error)));
        request.exercises.push_back(*read.value);
    }

    const std::optional<QString> text =
        moodle ? core::quiz::moodleXml(request) : core::quiz::gift(request);
    const QByteArray bytes = text->toUtf8();
    const QString output = parser.value(u"export"_s);
    const QString why = core::saveAtomically(
        output, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    if (!why.isEmpty()) return refuse(u"impossible d'écrire « %1 » : %2."_s.arg(output, why));
    return 0;
}

}  // namespace command_line
