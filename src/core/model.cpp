#include "core/model.h"

#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/summary.h"

namespace core {

QStringList Model::calculer_bilan(const QStringList& items) {
    serie1_ = items;
    const Bilan bilan = core::bilan(items);
    bilan_liste1_(0) = bilan.plusGrande;
    bilan_liste1_(1) = bilan.plusPetite;
    bilan_liste1_(2) = bilan.moyenne;
    effectif_total_ = bilan.effectif;
    emit serie1Changee();
    return bilan.lignes;
}

void Model::setBilanListe1(int index, const Variant& value) {
    bilan_liste1_(index) = value;
    emit donneesChangees();
}

void Model::lireListe2(const QString& texte) {
    texte_liste2_ = texte;
    const second_list::TextReading lecture = second_list::lire(texte, valeurs_liste2_);
    effectif_liste2_ = Variant::count(lecture.effectif);
    resumerListe2(lecture.effectif);
    emit serie2Changee();
}

QString Model::ecrireListe2(const std::vector<double>& valeurs, bool resumer) {
    const int n = int(valeurs.size());
    for (int i = 0; i < n; ++i) valeurs_liste2_(i) = valeurs[size_t(i)];
    texte_liste2_ = second_list::texteDe(valeurs_liste2_, n);
    if (resumer) {
        effectif_liste2_ = Variant::count(n);
        resumerListe2(n);
    }
    emit serie2Changee();
    return texte_liste2_;
}

void Model::setPrendreListe2(const Variant& prendre) {
    prendre_liste2_ = prendre;
    emit donneesChangees();
}

void Model::setMajListe2(qint16 maj) {
    maj_liste2_ = maj;
    emit donneesChangees();
}

void Model::setCouleur(int index, double couleur) {
    couleurs_(index) = couleur;
    emit donneesChangees();
}

void Model::setChoixGraphe(qint16 choix) {
    choix_graphe_ = choix;
    emit donneesChangees();
}

std::vector<double> Model::serie2() const {
    std::vector<double> valeurs;
    ResumeNext resume;
    int n = 0;
    resume([&] { n = int(effectif_liste2_.toDouble()); });
    for (int i = 0; i < n && i < second_list::kCapacite; ++i) valeurs.push_back(valeurs_liste2_(i));
    return valeurs;
}

QStringList Model::valeursEcrites2() const {
    return second_list::valeursEcrites(texte_liste2_);
}

// Largest, smallest and mean of the first n values; all 0 for an empty list.
void Model::resumerListe2(int n) {
    ResumeNext resume;
    if (n == 0) {
        for (int i = 0; i < 3; ++i) bilan_liste2_(i) = Variant(0.0);
        return;
    }
    bilan_liste2_(0) = Variant(valeurs_liste2_(0));
    bilan_liste2_(1) = Variant(valeurs_liste2_(0));
    double somme = 0;
    for (int i = 0; i < n; ++i) {
        const double x = valeurs_liste2_(i);
        if (resume.test([&] { return x > bilan_liste2_(0); })) bilan_liste2_(0) = Variant(x);
        if (resume.test([&] { return x < bilan_liste2_(1); })) bilan_liste2_(1) = Variant(x);
        resume([&] { somme = checked(somme + x); });
    }
    bilan_liste2_(2) = Variant(somme / n);
}

}  // namespace core
