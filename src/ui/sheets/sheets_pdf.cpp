#include "ui/sheets/sheets_pdf.h"

#include "core/atomic_file.h"
#include "ui/sheets/page_flow.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

using namespace Qt::StringLiterals;
using Style = sheets::PageFlow::Style;

namespace sheets {
namespace {

// A4 with 2 cm margins, at a resolution fine enough for thin rules.
void prepare(QPdfWriter& writer, const QString& title) {
    writer.setTitle(title);
    writer.setCreator(u"Statistique"_s);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
}

// "Exercice 2 : Contrôles de vitesse" where there are several; the title alone otherwise.
QString headingOf(qsizetype index, qsizetype count, const QString& title) {
    return count > 1 ? u"Exercice %1 : %2"_s.arg(index + 1).arg(title) : title;
}

template <class Entries, class Lay>
QString write(const Entries& entries, const QString& path, const QString& title,
              const Progress& progress, Lay&& lay) {
    bool cancelled = false;
    const QString why = core::saveAtomically(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        prepare(writer, title);
        PageFlow flow(writer);
        for (size_t i = 0; i < entries.size(); ++i) {
            lay(flow, entries[i]);
            if (progress && !progress(double(i + 1) / double(entries.size()))) {
                cancelled = true;
                return false;
            }
        }
        return flow.ended();
    });
    return cancelled ? u"l'écriture a été annulée"_s : why;
}

}  // namespace

QString writeSheets(const std::vector<core::sheets::Sheet>& sheets, const QString& path,
                    const Progress& progress) {
    return write(
        sheets, path, u"Feuilles d'exercices"_s, progress,
        [](PageFlow& flow, const core::sheets::Sheet& sheet) {
            const QString series = u"Série n° "_s + QString::number(sheet.series);
            flow.startEntry(sheet.pupil + u" · "_s + series);
            flow.text(sheet.title, Style::Title, 0.15);
            flow.text(series, Style::Strong, 0.3);
            flow.text(u"Nom : "_s + sheet.pupil, Style::Strong, 0.1);
            flow.labelledLine(u"Classe :"_s);
            flow.space(0.3);
            const auto count = qsizetype(sheet.exercises.size());
            for (qsizetype k = 0; k < count; ++k) {
                const core::sheets::SheetExercise& e = sheet.exercises[size_t(k)];
                const QString heading = headingOf(k, count, e.title);
                // The heading stays with the statement, the data and the first chart.
                flow.keepTogether(flow.textHeight(heading, Style::Heading) + 0.25 +
                                  flow.textHeight(e.statement, Style::Body) + 0.3 +
                                  flow.tableHeight(e.data.columns, e.data.lines) +
                                  (e.charts.empty() ? 0 : flow.chartHeight(e.charts.front())));
                flow.text(heading, Style::Heading, 0.25);
                if (!e.statement.isEmpty()) flow.text(e.statement, Style::Body, 0.3);
                flow.table(e.data.columns, e.data.lines);
                for (const auto& chart : e.charts) flow.chart(chart);
                for (const auto& q : e.questions) {
                    // A question stays on the page of the room to answer it.
                    flow.keepTogether(flow.textHeight(q.text, Style::Body) + 2.2);
                    flow.text(QString::number(q.number) + u") "_s + q.text, Style::Body, 0.05);
                    if (!q.choices.isEmpty())
                        flow.text(u"Entourez la bonne réponse : "_s + q.choices.join(u"   ·   "_s),
                                  Style::Small, 0.1);
                    flow.answerRoom(q.choices.isEmpty() ? 2 : 1);
                }
                flow.space(0.4);
            }
        });
}

QString writeAnswerKey(const std::vector<core::sheets::KeyEntry>& key, const QString& path,
                       const Progress& progress) {
    return write(
        key, path, u"Corrigé"_s, progress, [](PageFlow& flow, const core::sheets::KeyEntry& entry) {
            const QString series = u"Série n° "_s + QString::number(entry.series);
            flow.startEntry(u"Corrigé · "_s + entry.pupil + u" · "_s + series);
            flow.text(u"Corrigé — "_s + entry.pupil, Style::Title, 0.15);
            flow.text(series, Style::Strong, 0.4);
            const auto count = qsizetype(entry.exercises.size());
            for (qsizetype k = 0; k < count; ++k) {
                const core::sheets::KeyExercise& e = entry.exercises[size_t(k)];
                const QString heading = headingOf(k, count, e.title);
                flow.keepTogether(flow.textHeight(heading, Style::Heading) + 0.25 +
                                  flow.tableHeight(e.data.columns, e.data.lines));
                flow.text(heading, Style::Heading, 0.25);
                flow.table(e.data.columns, e.data.lines);
                for (const auto& a : e.answers) {
                    // A question stays on the page of its answer and its working.
                    flow.keepTogether(flow.textHeight(a.question, Style::Body) +
                                      flow.textHeight(a.answer, Style::Strong) +
                                      flow.textHeight(a.solution, Style::Small) + 0.4);
                    flow.text(QString::number(a.number) + u") "_s + a.question, Style::Body, 0.05);
                    flow.text(u"Réponse : "_s + a.answer, Style::Strong, 0.05);
                    flow.text(u"Solution : "_s + a.solution, Style::Small, 0.3);
                }
                flow.space(0.3);
            }
        });
}

}  // namespace sheets
