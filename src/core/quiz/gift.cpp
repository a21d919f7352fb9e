#include "core/quiz/quiz.h"

using namespace Qt::StringLiterals;

namespace core::quiz {
namespace {

// A question stays on one line: a blank line ends it in GIFT.
QString oneLine(const QString& text) {
    QString t = text;
    t.replace(u"\r"_s, QString());
    t.replace(u"\n"_s, u" "_s);
    return giftEscaped(t);
}

QString question(const Variant& v) {
    QString t = u"// "_s + QString(v.name).replace(u"\n"_s, u" "_s) + u'\n';
    t += u"::"_s + oneLine(v.name) + u"::[html]"_s + oneLine(v.statement) + u" {"_s;
    if (!v.choices.isEmpty()) {
        for (const QString& c : v.choices)
            t += (v.rightChoices.contains(c) ? u" ="_s : u" ~"_s) + oneLine(c.toHtmlEscaped());
    } else {
        t += u'#';
        for (size_t i = 0; i < v.figures.size(); ++i)
            t += (v.figures.size() > 1 ? u" ="_s : QString()) + plainNumber(v.figures[i]) + u':' +
                 plainNumber(v.tolerance);
    }
    if (!v.solution.isEmpty()) t += u" ####"_s + oneLine(v.solution);
    return t + u" }\n\n"_s;
}

}  // namespace

std::optional<QString> gift(const Request& request, const Progress& progress) {
    QString out;
    const bool whole = forEachVariant(
        request, progress, [&](const Exercise&, const Variant& v) { out += question(v); },
        [&](const Exercise& e) {
            out += u"$CATEGORY: "_s + categoryOf(e).simplified() + u"\n\n"_s;
        });
    if (!whole) return std::nullopt;
    return out;
}

}  // namespace core::quiz
