#include "core/summary.h"

#include "core/numbers.h"
#include "core/resume_next.h"

namespace core {

Bilan bilan(const QStringList& items) {
    ResumeNext resume;
    Bilan b;
    double valeur = 0;  // keeps the last item that converted
    double somme = 0;
    const qsizetype n = items.size();

    b.plusGrande = Variant(n > 0 ? items[0] : QString());
    b.plusPetite = b.plusGrande;
    b.moyenne = Variant(qint16(0));
    for (const QString& item : items) {
        resume([&] { valeur = numberFromText(item); });
        // A first item that is not a number fails the comparison, and a failed test
        // counts as passed: any value replaces it.
        if (resume.test([&] { return valeur > b.plusGrande; })) b.plusGrande = Variant(valeur);
        if (resume.test([&] { return valeur < b.plusPetite; })) b.plusPetite = Variant(valeur);
        resume([&] { somme = checked(somme + valeur); });
    }
    if (n > 0) b.moyenne = Variant(somme / double(n));
    resume([&] { b.effectif = Variant(toInt16(double(n))); });

    b.lignes << QStringLiteral("Valeur max= ") + b.plusGrande.toText()
             << QStringLiteral("Valeur min= ") + b.plusPetite.toText();
    resume(
        [&] { b.lignes << QStringLiteral("Moyenne: ") + formatThreeDecimals(b.moyenne.toText()); });
    b.lignes << QStringLiteral("Effectif total=") + b.effectif.toText();
    return b;
}

}  // namespace core
