#include "second_list/lecture.h"

#include "ui/numbers.h"
#include "ui/resume_next.h"

namespace second_list {

Lecture lire(const QString& texte, Valeurs& valeurs) {
    ui::ResumeNext resume;
    Lecture lecture;
    if (!texte.isEmpty()) lecture.lignes = texte.split(u'\r');
    const QStringList& lignes = lecture.lignes;

    resume([&] {
        if (lignes.isEmpty()) throw ui::Failure();
        valeurs(0) = ui::numberFromText(lignes[0]);
    });
    const bool premiereLue = !resume.failed();
    int indice = 1;
    for (; indice < kCapacite; ++indice) {
        // Each later line starts with the line feed that followed the carriage return.
        resume([&] {
            if (indice >= lignes.size()) throw ui::Failure();
            valeurs(indice) = ui::numberFromText(QStringView(lignes[indice]).mid(1));
        });
        if (resume.failed()) break;
    }
    lecture.effectif = premiereLue ? indice : 0;
    return lecture;
}

QString texteDe(const Valeurs& valeurs, int n) {
    QString texte = ui::textOfNumber(valeurs(0));
    for (int i = 1; i < n; ++i) texte += QStringLiteral("\r\n") + ui::textOfNumber(valeurs(i));
    return texte;
}

}  // namespace second_list
