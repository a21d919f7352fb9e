#include "core/quiz/quiz.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::quiz {
namespace {

QString paragraphs(const QString& text) {
    QString html;
    for (const QString& p : text.split(u'\n', Qt::SkipEmptyParts))
        html += u"<p>"_s + p.toHtmlEscaped() + u"</p>"_s;
    return html;
}

QString tableHtml(const DataTable& t) {
    QString html = u"<table border=\"1\" cellpadding=\"4\"><thead><tr>"_s;
    for (const QString& c : t.columns) html += u"<th>"_s + c.toHtmlEscaped() + u"</th>"_s;
    html += u"</tr></thead><tbody>"_s;
    for (const QStringList& row : t.lines) {
        html += u"<tr>"_s;
        for (const QString& cell : row) html += u"<td>"_s + cell.toHtmlEscaped() + u"</td>"_s;
        html += u"</tr>"_s;
    }
    return html + u"</tbody></table>"_s;
}

}  // namespace

QString categoryOf(const Exercise& e) {
    // Moodle reads "/" as a level of categories: a title's own is doubled.
    QString title = e.title.simplified();
    title.replace(u"/"_s, u"//"_s);
    return u"$course$/Statistique/"_s + title;
}

QString plainNumber(double x) {
    if (x == 0) return u"0"_s;  // never "-0"
    QString t = QString::number(x, 'f', 10);
    while (t.endsWith(u'0')) t.chop(1);
    if (t.endsWith(u'.')) t.chop(1);
    return t;
}

QString giftEscaped(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (u"\\~=#{}:"_s.contains(c)) out += u'\\';
        out += c;
    }
    return out;
}

Variant variantOf(const Exercise& drawn, int question, quint32 series) {
    const ExerciseQuestion& q = drawn.questions[size_t(question)];
    Variant v;
    v.name = u"%1 — question %2 — Série n° %3"_s.arg(drawn.title.simplified())
                 .arg(question + 1)
                 .arg(series);
    v.statement = u"<p><strong>Série n° %1</strong></p>"_s.arg(series) +
                  paragraphs(drawn.statement) + tableHtml(dataTable(drawn)) + paragraphs(q.text);
    if (!q.unit.isEmpty()) v.statement += u"<p>Unité : "_s + q.unit.toHtmlEscaped() + u"</p>"_s;
    v.solution = paragraphs(solutionOf(drawn, question));
    v.hint = hintOf(drawn, question);
    v.choices = choicesOf(drawn, question);
    if (v.choices.isEmpty()) {
        v.figures = expectedFigures(drawn, question);
        v.tolerance = q.tolerance;
    } else {
        v.rightChoices = rightChoicesOf(drawn, question);
    }
    return v;
}

bool forEachVariant(const Request& request, const Progress& progress,
                    const std::function<void(const Exercise&, const Variant&)>& each,
                    const std::function<void(const Exercise&)>& category) {
    const double total = double(request.exercises.size()) * std::max(1, request.variants);
    double done = 0;
    for (const Exercise& e : request.exercises) {
        category(e);
        // Drawn once per series number, then every question of that variant.
        std::vector<std::vector<Variant>> byQuestion(e.questions.size());
        for (int j = 0; j < request.variants; ++j) {
            const quint32 series = request.firstSeries + quint32(j);
            const Exercise drawn = withNewData(e, series);
            for (size_t i = 0; i < e.questions.size(); ++i)
                byQuestion[i].push_back(variantOf(drawn, int(i), series));
            ++done;
            if (progress && !progress(done / total)) return false;
        }
        for (const auto& variants : byQuestion)
            for (const Variant& v : variants) each(e, v);
    }
    return true;
}

}  // namespace core::quiz
