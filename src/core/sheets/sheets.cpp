#include "core/sheets/sheets.h"

#include "core/csv/decoding.h"
#include "core/csv/rows.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace core::sheets {
namespace {

QString cellText(std::string_view cell) {
    return QString::fromUtf8(cell.data(), qsizetype(cell.size())).trimmed();
}

// The column that holds the names, by its header; the first one otherwise.
size_t nameColumn(const std::vector<std::string_view>& header) {
    for (const QString& wanted : {u"nom"_s, u"élève"_s, u"eleve"_s, u"prénom"_s}) {
        for (size_t c = 0; c < header.size(); ++c)
            if (cellText(header[c]).compare(wanted, Qt::CaseInsensitive) == 0) return c;
    }
    return 0;
}

Reading<QStringList> tooMany() {
    return Reading<QStringList>::failure({0, 0, u"plus de %1 élèves"_s.arg(kMostPupils), {}});
}

}  // namespace

QStringList numberedPupils(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i) names << u"Élève "_s + QString::number(i);
    return names;
}

QString fault(int pupils, quint32 firstSeries) {
    if (pupils < 1) return u"il faut au moins un élève"_s;
    if (pupils > kMostPupils) return u"%1 élèves au plus"_s.arg(kMostPupils);
    if (firstSeries < 1 || firstSeries > kLastSeries)
        return u"le premier numéro de série va de 1 à %1"_s.arg(kLastSeries);
    if (quint64(firstSeries) + quint64(pupils) - 1 > kLastSeries)
        return u"les numéros de série dépasseraient %1"_s.arg(kLastSeries);
    return {};
}

Reading<QStringList> pupilsOfText(const QByteArray& bytes) {
    const auto text = csv::utf8Of(bytes);
    if (!text) return Reading<QStringList>::failure(text.error);
    const std::string_view view = text.value->view();
    const char separator = csv::separatorOf(view);
    csv::RowReader rows(view, separator);
    QStringList names;
    bool header = separator != '\0';
    size_t column = 0;
    for (;;) {
        const auto step = rows.next();
        if (step == csv::RowReader::Step::End) break;
        if (step == csv::RowReader::Step::Fault) return Reading<QStringList>::failure(rows.fault());
        if (rows.blank()) continue;
        if (header) {
            column = nameColumn(rows.cells());
            header = false;
            continue;
        }
        const QString name =
            column < rows.cells().size() ? cellText(rows.cells()[column]) : QString();
        if (name.isEmpty()) continue;
        if (name.size() > 200)
            return Reading<QStringList>::failure(
                {rows.rowLine(), 1, u"ce nom a plus de 200 caractères"_s, {}});
        names << name;
        if (names.size() > kMostPupils) return tooMany();
    }
    if (names.isEmpty()) return Reading<QStringList>::failure({0, 0, u"aucun nom d'élève"_s, {}});
    return Reading<QStringList>::success(names);
}

Reading<QStringList> readPupils(const QString& numberOrFile) {
    bool whole = false;
    const qlonglong count = numberOrFile.trimmed().toLongLong(&whole);
    if (whole) {
        const QString why = fault(int(qBound(-1LL, count, qlonglong(kMostPupils) + 1)), 1);
        if (!why.isEmpty()) return Reading<QStringList>::failure({0, 0, why, {}});
        return Reading<QStringList>::success(numberedPupils(int(count)));
    }
    QFile file(numberOrFile);
    if (QFileInfo(numberOrFile).size() > 1 << 20)
        return Reading<QStringList>::failure({0, 0, u"la liste d'élèves dépasse 1 Mio"_s, {}});
    if (!file.open(QIODevice::ReadOnly))
        return Reading<QStringList>::failure(
            {0, 0, u"ni un nombre d'élèves, ni un fichier qui s'ouvre"_s, {}});
    return pupilsOfText(file.read(1 << 20));
}

Reading<QStringList> pupilsTyped(const QString& text) {
    bool whole = false;
    text.trimmed().toLongLong(&whole);
    if (whole) return readPupils(text);
    QStringList names;
    for (const QString& line : text.split(u'\n')) {
        if (!line.trimmed().isEmpty()) names << line.trimmed();
        if (names.size() > kMostPupils) return tooMany();
    }
    if (names.isEmpty()) return Reading<QStringList>::failure({0, 0, u"aucun nom d'élève"_s, {}});
    return Reading<QStringList>::success(names);
}

std::vector<Sheet> sheetsFor(const std::vector<Exercise>& exercises, const QStringList& pupils,
                             quint32 firstSeries) {
    std::vector<Sheet> sheets;
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        Sheet sheet{.title = u"Feuille d'exercices"_s,
                    .pupil = pupils[i],
                    .series = firstSeries + quint32(i),
                    .exercises = {}};
        for (const Exercise& original : exercises) {
            const Exercise e = withNewData(original, sheet.series);
            SheetExercise part{e.title, e.statement, dataTable(e), {}, exercises::chartsOf(e)};
            for (size_t q = 0; q < e.questions.size(); ++q)
                part.questions.push_back({int(q) + 1, e.questions[q].text, choicesOf(e, int(q))});
            sheet.exercises.push_back(std::move(part));
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

std::vector<KeyEntry> answerKeyFor(const std::vector<Exercise>& exercises,
                                   const QStringList& pupils, quint32 firstSeries) {
    std::vector<KeyEntry> key;
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        KeyEntry entry{pupils[i], firstSeries + quint32(i), {}};
        for (const Exercise& original : exercises) {
            const Exercise e = withNewData(original, entry.series);
            KeyExercise part{e.title, dataTable(e), {}};
            for (size_t q = 0; q < e.questions.size(); ++q)
                part.answers.push_back({int(q) + 1, e.questions[q].text,
                                        expectedAnswerOf(e, int(q)), solutionOf(e, int(q))});
            entry.exercises.push_back(std::move(part));
        }
        key.push_back(std::move(entry));
    }
    return key;
}

}  // namespace core::sheets
