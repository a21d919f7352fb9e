#include "core/model.h"

#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/summary.h"

namespace core {

QStringList Modele::calculer_bilan(const QStringList& items) {
    serie1 = items;
    const Bilan bilan = core::bilan(items);
    bilan_liste1(0) = bilan.plusGrande;
    bilan_liste1(1) = bilan.plusPetite;
    bilan_liste1(2) = bilan.moyenne;
    effectif_total = bilan.effectif;
    emit serie1Changee();
    return bilan.lignes;
}

void Modele::lireListe2(const QString& texte) {
    texte_liste2 = texte;
    const second_list::Lecture lecture = second_list::lire(texte, valeurs_liste2);
    effectif_liste2 = Variant::count(lecture.effectif);
    resumerListe2(lecture.effectif);
    emit serie2Changee();
}

void Modele::ecrireListe2(int n, const QString& texte, bool resumer) {
    texte_liste2 = texte;
    if (resumer) {
        effectif_liste2 = Variant::count(n);
        resumerListe2(n);
    }
    emit serie2Changee();
}

std::vector<double> Modele::serie2() const {
    std::vector<double> valeurs;
    ResumeNext resume;
    int n = 0;
    resume([&] { n = int(effectif_liste2.toDouble()); });
    for (int i = 0; i < n && i < second_list::kCapacite; ++i) valeurs.push_back(valeurs_liste2(i));
    return valeurs;
}

QStringList Modele::valeursEcrites2() const {
    return second_list::valeursEcrites(texte_liste2);
}

// Largest, smallest and mean of the first n values; all 0 for an empty list.
void Modele::resumerListe2(int n) {
    ResumeNext resume;
    if (n == 0) {
        for (int i = 0; i < 3; ++i) bilan_liste2(i) = Variant(0.0);
        return;
    }
    bilan_liste2(0) = Variant(valeurs_liste2(0));
    bilan_liste2(1) = Variant(valeurs_liste2(0));
    double somme = 0;
    for (int i = 0; i < n; ++i) {
        const double x = valeurs_liste2(i);
        if (resume.test([&] { return x > bilan_liste2(0); })) bilan_liste2(0) = Variant(x);
        if (resume.test([&] { return x < bilan_liste2(1); })) bilan_liste2(1) = Variant(x);
        resume([&] { somme = checked(somme + x); });
    }
    bilan_liste2(2) = Variant(somme / n);
}

void Modele::reinitialiser() {
    serie1.clear();
    bilan_liste1.reset();
    effectif_total = {};
    texte_liste2.clear();
    bilan_liste2.reset();
    valeurs_liste2.reset();
    effectif_liste2 = {};
    prendre_liste2 = {};
    maj_liste2 = 0;
    couleurs.reset();
    choix_graphe = 0;
}

}  // namespace core
