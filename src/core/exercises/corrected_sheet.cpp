#include "core/exercises/exercise.h"

using namespace Qt::StringLiterals;

namespace core {

QString feuilleCorrigee(const Exercise& e, quint32 numero) {
    QString t = e.titre + u'\n' + QString(e.titre.size(), u'=') + u"\n\n"_s;
    if (numero) t += u"Série n° "_s + QString::number(numero) + u"\n\n"_s;
    if (!e.enonce.isEmpty()) t += e.enonce + u"\n\n"_s;
    const DataTable d = tableDesDonnees(e);
    t += d.colonnes.join(u'\t') + u'\n';
    for (const QStringList& l : d.lignes) t += l.join(u'\t') + u'\n';
    for (size_t i = 0; i < e.questions.size(); ++i) {
        const int q = int(i);
        t += u"\n"_s + QString::number(q + 1) + u") "_s + e.questions[i].texte + u'\n';
        const QStringList choix = choixDe(e, q);
        if (!choix.isEmpty()) t += u"   Choix : "_s + choix.join(u" ; "_s) + u'\n';
        t += u"   Réponse : "_s + reponseAttendue(e, q) + u'\n';
        t += u"   Solution : "_s + solutionDe(e, q) + u'\n';
    }
    return t;
}

}  // namespace core
