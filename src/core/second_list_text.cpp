#include "core/second_list_text.h"

#include "core/numbers.h"
#include "core/resume_next.h"

namespace second_list {

TextReading read(const QString& text, Values& values) {
    core::ResumeNext resume;
    TextReading reading;
    if (!text.isEmpty()) reading.lines = text.split(u'\r');
    const QStringList& lines = reading.lines;

    resume([&] {
        if (lines.isEmpty()) throw core::Failure();
        values(0) = core::numberFromText(lines[0]);
    });
    const bool firstRead = !resume.failed();
    int indice = 1;
    for (; indice < kCapacity; ++indice) {
        // Each later line starts with the line feed that followed the carriage return.
        resume([&] {
            if (indice >= lines.size()) throw core::Failure();
            values(indice) = core::numberFromText(QStringView(lines[indice]).mid(1));
        });
        if (resume.failed()) break;
    }
    reading.count = firstRead ? indice : 0;
    return reading;
}

QString textOf(const Values& values, int n) {
    QString text = core::textOfNumber(values(0));
    for (int i = 1; i < n; ++i) text += QStringLiteral("\r\n") + core::textOfNumber(values(i));
    return text;
}

QStringList writtenValues(const QString& text) {
    QStringList values;
    const QStringList lines = text.split(u'\r');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Each later line starts with the line feed that followed the carriage return.
        const QString value = (i == 0 ? lines[i] : lines[i].mid(1)).trimmed();
        if (!core::readNumber(value)) break;
        values << value;
    }
    return values;
}

}  // namespace second_list
