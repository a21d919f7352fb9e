#include "core/exercises/exercise.h"

using namespace Qt::StringLiterals;

namespace core {

QString correctedSheet(const Exercise& e, quint32 serial) {
    QString t = e.title + u'\n' + QString(e.title.size(), u'=') + u"\n\n"_s;
    if (serial) t += u"Série n° "_s + QString::number(serial) + u"\n\n"_s;
    if (!e.statement.isEmpty()) t += e.statement + u"\n\n"_s;
    const DataTable d = dataTable(e);
    t += d.columns.join(u'\t') + u'\n';
    for (const QStringList& l : d.lines) t += l.join(u'\t') + u'\n';
    for (size_t i = 0; i < e.questions.size(); ++i) {
        const int q = int(i);
        t += u"\n"_s + QString::number(q + 1) + u") "_s + e.questions[i].text + u'\n';
        const QStringList choices = choicesOf(e, q);
        if (!choices.isEmpty()) t += u"   Choix : "_s + choices.join(u" ; "_s) + u'\n';
        t += u"   Réponse : "_s + expectedAnswerOf(e, q) + u'\n';
        t += u"   Solution : "_s + solutionOf(e, q) + u'\n';
    }
    return t;
}

}  // namespace core
