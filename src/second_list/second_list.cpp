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

void statistique::Text_liste2_Change() {
    if (dexo_mod::maj_liste2) return;
    dexo_mod::modele().lireListe2(Text_liste2->text());
}

void statistique::Text_liste2_KeyUp(int keyCode, int /*shift*/) {
    if (dexo_mod::maj_liste2) return;
    filtrer_touche(keyCode);
}

void statistique::Check1_Click() {
    dexo_mod::prendre_liste2 = Variant(!dexo_mod::prendre_liste2.isTrue());
}

void statistique::ecrireListe2(int n, bool resumer) {
    const QString texte = second_list::texteDe(dexo_mod::valeurs_liste2, n);
    dexo_mod::maj_liste2 = -1;
    Text_liste2->setText(texte);
    dexo_mod::maj_liste2 = 0;
    dexo_mod::modele().ecrireListe2(n, texte, resumer);
}

void statistique::Command_aleatoire2_Click() {
    using namespace dexo_mod;
    constexpr int kTirages = 6;
    for (int i = 0; i < kTirages; ++i)
        valeurs_liste2(i) = std::floor(core::Random::next() * 100.0f);
    ecrireListe2(kTirages, true);
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
    for (int i = 0; i < n; ++i) copie[size_t(i)] = valeurs_liste2(i);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (copie[size_t(i)] >= copie[size_t(j)]) ++rang[size_t(i)];
    std::vector<int> dejaPlaces(size_t(n) + 1, 0);
    for (int i = 0; i < n; ++i) {
        const int r = rang[size_t(i)];
        const int dejaLa = dejaPlaces[size_t(r)]++;
        const int place = croissant ? r - 1 - dejaLa : n - r + dejaLa;
        valeurs_liste2(place) = copie[size_t(i)];
    }
    ecrireListe2(n, false);
}

void statistique::Command_asc_Click() {
    trierListe2(true);
}

void statistique::Command_desc_Click() {
    trierListe2(false);
}
