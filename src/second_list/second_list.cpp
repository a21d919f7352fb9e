// The second series, kept as free text in Text_liste2: read at every change, taken into
// account by the charts through Check1, filled at random and sorted by the buttons,
// which rewrite the box under maj_liste2 so that their own writes are not read back.

#include "core/numbers.h"
#include "core/random.h"
#include "core/resume_next.h"
#include "core/second_list_text.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"

#include <cmath>
#include <vector>

using dexo_mod::Variant;

namespace {

// Largest, smallest and mean of the first n values; all 0 for an empty list.
void resumerListe2(int n) {
    using namespace dexo_mod;
    core::ResumeNext resume;
    if (n == 0) {
        for (int i = 0; i < 3; ++i) bilan_liste2(i) = Variant(0.0);
        return;
    }
    bilan_liste2(0) = Variant(valeurs_liste2(0));
    bilan_liste2(1) = Variant(valeurs_liste2(0));
    double somme = 0;
    for (int i = 0; i < n; ++i) {
        indice = Variant::count(i);
        const double x = valeurs_liste2(i);
        if (resume.test([&] { return x > bilan_liste2(0); })) bilan_liste2(0) = Variant(x);
        if (resume.test([&] { return x < bilan_liste2(1); })) bilan_liste2(1) = Variant(x);
        resume([&] { somme = core::checked(somme + x); });
    }
    indice = Variant::count(n);
    bilan_liste2(2) = Variant(somme / n);
}

}  // namespace

void statistique::Text_liste2_Change() {
    using namespace dexo_mod;
    if (maj_liste2) return;
    const second_list::Lecture lecture = second_list::lire(Text_liste2->text(), valeurs_liste2);
    Variant::Array lignes;
    for (const QString& ligne : lecture.lignes) lignes.emplace_back(ligne);
    lignes_liste2 = Variant(std::move(lignes));
    indice = Variant::count(lecture.effectif);
    effectif_liste2 = Variant::count(lecture.effectif);
    resumerListe2(lecture.effectif);
    emit serie2Changee();
}

void statistique::Text_liste2_KeyUp(int keyCode, int /*shift*/) {
    if (dexo_mod::maj_liste2) return;
    dexo_mod::code_touche = Variant(qint16(keyCode));
    filtrer_touche();
}

void statistique::Check1_Click() {
    dexo_mod::prendre_liste2 = Variant(!dexo_mod::prendre_liste2.isTrue());
}

void statistique::ecrireListe2(int n) {
    dexo_mod::maj_liste2 = -1;
    Text_liste2->setText(second_list::texteDe(dexo_mod::valeurs_liste2, n));
    dexo_mod::maj_liste2 = 0;
}

void statistique::Command_aleatoire2_Click() {
    using namespace dexo_mod;
    constexpr int kTirages = 6;
    for (int i = 0; i < kTirages; ++i) {
        indice = Variant::count(i);
        valeurs_liste2(i) = std::floor(core::Random::next() * 100.0f);
    }
    ecrireListe2(kTirages);
    effectif_liste2 = Variant::count(kTirages);
    resumerListe2(kTirages);
    emit serie2Changee();
}

// Values placed by rank: the rank of a value is the number of values less than or
// equal to it, and equal values fill the places just below their shared rank.
void statistique::trierListe2(bool croissant) {
    using namespace dexo_mod;
    core::ResumeNext resume;
    int n = 0;
    resume([&] { n = int(effectif_liste2.toDouble()); });
    std::vector<double> copie(static_cast<size_t>(n));
    std::vector<int> rang(size_t(n), 0);
    for (int i = 0; i < n; ++i) {
        indice = Variant::count(i);
        copie[size_t(i)] = valeurs_liste2(i);
    }
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            indice2 = qint16(j);
            if (copie[size_t(i)] >= copie[size_t(j)]) ++rang[size_t(i)];
        }
    }
    std::vector<int> dejaPlaces(size_t(n) + 1, 0);
    for (int i = 0; i < n; ++i) {
        const int r = rang[size_t(i)];
        const int dejaLa = dejaPlaces[size_t(r)]++;
        const int place = croissant ? r - 1 - dejaLa : n - r + dejaLa;
        valeurs_liste2(place) = copie[size_t(i)];
    }
    ecrireListe2(n);
    emit serie2Changee();
}

void statistique::Command_asc_Click() {
    trierListe2(true);
}

void statistique::Command_desc_Click() {
    trierListe2(false);
}
