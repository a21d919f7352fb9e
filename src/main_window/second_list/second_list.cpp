#include "main_window/second_list/second_list.h"

#include "core/model.h"
#include "core/random.h"
#include "core/resume_next.h"

#include <cmath>
#include <vector>

SecondList::SecondList(QObject* parent, ui::MultiLineTextBox* box, core::Model& model)
    : QObject(parent), box_(box), model_(model) {}

void SecondList::read() {
    if (beingWritten()) return;
    model_.readList2(box_->text());
}

bool SecondList::beingWritten() const {
    return model_.maj_liste2 != 0;
}

void SecondList::toggleIncluded() {
    model_.setPrendreListe2(core::Variant(!model_.prendre_liste2.isTrue()));
}

void SecondList::write(const std::vector<double>& values, bool summarise) {
    const QString text = model_.writeList2(values, summarise);
    model_.setMajListe2(-1);
    box_->setText(text);
    model_.setMajListe2(0);
}

void SecondList::fillAtRandom() {
    constexpr int kDraws = 6;
    std::vector<double> values;
    for (int i = 0; i < kDraws; ++i) values.push_back(std::floor(core::Random::next() * 100.0f));
    write(values, true);
}

// Values placed by rank: the rank of a value is the number of values less than or
// equal to it, and equal values fill the places just below their shared rank.
void SecondList::sort(bool ascending) {
    core::ResumeNext resume;
    int n = 0;
    resume([&] { n = int(model_.effectif_liste2.toDouble()); });
    std::vector<double> copy(static_cast<size_t>(n));
    std::vector<int> rank(size_t(n), 0);
    for (int i = 0; i < n; ++i) copy[size_t(i)] = model_.valeurs_liste2(i);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (copy[size_t(i)] >= copy[size_t(j)]) ++rank[size_t(i)];
    std::vector<int> alreadyPlaced(size_t(n) + 1, 0);
    std::vector<double> placed(size_t(n), 0.0);
    for (int i = 0; i < n; ++i) {
        const int r = rank[size_t(i)];
        const int before = alreadyPlaced[size_t(r)]++;
        const int place = ascending ? r - 1 - before : n - r + before;
        placed.at(size_t(place)) = copy[size_t(i)];
    }
    write(placed, false);
}
