#include "core/quiz/quiz.h"

#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace core::quiz {
namespace {

// <tag format="html"><text>…</text></tag>: the writer escapes the HTML as entities.
void textElement(QXmlStreamWriter& x, const QString& tag, const QString& text,
                 const QString& format = u"html"_s) {
    x.writeStartElement(tag);
    if (!format.isEmpty()) x.writeAttribute(u"format"_s, format);
    x.writeTextElement(u"text"_s, text);
    x.writeEndElement();
}

void answer(QXmlStreamWriter& x, int fraction, const QString& text, const QString& format,
            std::optional<double> tolerance) {
    x.writeStartElement(u"answer"_s);
    x.writeAttribute(u"fraction"_s, QString::number(fraction));
    x.writeAttribute(u"format"_s, format);
    x.writeTextElement(u"text"_s, text);
    if (tolerance) x.writeTextElement(u"tolerance"_s, plainNumber(*tolerance));
    textElement(x, u"feedback"_s, QString());
    x.writeEndElement();
}

void question(QXmlStreamWriter& x, const Variant& v) {
    const bool choice = !v.choices.isEmpty();
    x.writeStartElement(u"question"_s);
    x.writeAttribute(u"type"_s, choice ? u"multichoice"_s : u"numerical"_s);
    textElement(x, u"name"_s, v.name, QString());
    textElement(x, u"questiontext"_s, v.statement);
    textElement(x, u"generalfeedback"_s, v.solution);
    x.writeTextElement(u"defaultgrade"_s, u"1"_s);
    x.writeTextElement(u"penalty"_s, u"0.3333333"_s);
    x.writeTextElement(u"hidden"_s, u"0"_s);
    if (choice) {
        x.writeTextElement(u"single"_s, u"true"_s);
        x.writeTextElement(u"shuffleanswers"_s, u"true"_s);
        x.writeTextElement(u"answernumbering"_s, u"abc"_s);
        for (const QString& c : v.choices)
            answer(x, v.rightChoices.contains(c) ? 100 : 0, c.toHtmlEscaped(), u"html"_s,
                   std::nullopt);
    } else {
        for (double f : v.figures)
            answer(x, 100, plainNumber(f), u"moodle_auto_format"_s, v.tolerance);
    }
    if (!v.hint.isEmpty()) textElement(x, u"hint"_s, v.hint.toHtmlEscaped());
    x.writeEndElement();
}

}  // namespace

std::optional<QString> moodleXml(const Request& request, const Progress& progress) {
    QString out;
    QXmlStreamWriter x(&out);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(u"quiz"_s);
    const bool whole = forEachVariant(
        request, progress, [&](const Exercise&, const Variant& v) { question(x, v); },
        [&](const Exercise& e) {
            x.writeStartElement(u"question"_s);
            x.writeAttribute(u"type"_s, u"category"_s);
            textElement(x, u"category"_s, categoryOf(e), QString());
            x.writeEndElement();
        });
    if (!whole) return std::nullopt;
    x.writeEndElement();
    x.writeEndDocument();
    // Written to text, the writer names no encoding: the file is UTF-8, and says so.
    if (out.startsWith(u"<?xml version=\"1.0\"?>"_s))
        out.replace(0, 21, u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"_s);
    return out;
}

}  // namespace core::quiz
