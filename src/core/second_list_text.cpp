#include "core/second_list_text.h"

#include "core/numbers.h"
#include "core/resume_next.h"

namespace second_list {

TextReading lire(const QString& texte, Valeurs& valeurs) {
    core::ResumeNext resume;
    TextReading lecture;
    if (!texte.isEmpty()) lecture.lignes = texte.split(u'\r');
    const QStringList& lignes = lecture.lignes;

    resume([&] {
        if (lignes.isEmpty()) throw core::Failure();
        valeurs(0) = core::numberFromText(lignes[0]);
    });
    const bool premiereLue = !resume.failed();
    int indice = 1;
    for (; indice < kCapacite; ++indice) {
        // Each later line starts with the line feed that followed the carriage return.
        resume([&] {
            if (indice >= lignes.size()) throw core::Failure();
            valeurs(indice) = core::numberFromText(QStringView(lignes[indice]).mid(1));
        });
        if (resume.failed()) break;
    }
    lecture.effectif = premiereLue ? indice : 0;
    return lecture;
}

QString texteDe(const Valeurs& valeurs, int n) {
    QString texte = core::textOfNumber(valeurs(0));
    for (int i = 1; i < n; ++i) texte += QStringLiteral("\r\n") + core::textOfNumber(valeurs(i));
    return texte;
}

QStringList valeursEcrites(const QString& texte) {
    QStringList valeurs;
    const QStringList lignes = texte.split(u'\r');
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        // Each later line starts with the line feed that followed the carriage return.
        const QString valeur = (i == 0 ? lignes[i] : lignes[i].mid(1)).trimmed();
        if (!core::readNumber(valeur)) break;
        valeurs << valeur;
    }
    return valeurs;
}

}  // namespace second_list
