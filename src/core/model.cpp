#include "core/model.h"

#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/summary.h"

namespace core {

QStringList Model::calculer_bilan(const QStringList& items) {
    series1_ = items;
    const SeriesSummary seriesSummary = core::seriesSummary(items);
    bilan_liste1_(0) = seriesSummary.largest;
    bilan_liste1_(1) = seriesSummary.smallest;
    bilan_liste1_(2) = seriesSummary.mean;
    effectif_total_ = seriesSummary.count;
    emit series1Changed();
    return seriesSummary.lines;
}

void Model::setBilanListe1(int index, const Variant& value) {
    bilan_liste1_(index) = value;
    emit dataChanged();
}

void Model::readList2(const QString& text) {
    list2Text_ = text;
    const second_list::TextReading reading = second_list::read(text, valeurs_liste2_);
    effectif_liste2_ = Variant::count(reading.count);
    summarizeList2(reading.count);
    emit series2Changed();
}

QString Model::writeList2(const std::vector<double>& values, bool summarize) {
    const int n = int(values.size());
    for (int i = 0; i < n; ++i) valeurs_liste2_(i) = values[size_t(i)];
    list2Text_ = second_list::textOf(valeurs_liste2_, n);
    if (summarize) {
        effectif_liste2_ = Variant::count(n);
        summarizeList2(n);
    }
    emit series2Changed();
    return list2Text_;
}

void Model::setPrendreListe2(const Variant& take) {
    prendre_liste2_ = take;
    emit dataChanged();
}

void Model::setMajListe2(qint16 top) {
    maj_liste2_ = top;
    emit dataChanged();
}

void Model::setColour(int index, double colourCode) {
    couleurs_(index) = colourCode;
    emit dataChanged();
}

void Model::setChoixGraphe(qint16 choices) {
    choix_graphe_ = choices;
    emit dataChanged();
}

std::vector<double> Model::series2() const {
    std::vector<double> values;
    ResumeNext resume;
    int n = 0;
    resume([&] { n = int(effectif_liste2_.toDouble()); });
    for (int i = 0; i < n && i < second_list::kCapacity; ++i) values.push_back(valeurs_liste2_(i));
    return values;
}

QStringList Model::writtenValues2() const {
    return second_list::writtenValues(list2Text_);
}

// Largest, smallest and mean of the first n values; all 0 for an empty list.
void Model::summarizeList2(int n) {
    ResumeNext resume;
    if (n == 0) {
        for (int i = 0; i < 3; ++i) bilan_liste2_(i) = Variant(0.0);
        return;
    }
    bilan_liste2_(0) = Variant(valeurs_liste2_(0));
    bilan_liste2_(1) = Variant(valeurs_liste2_(0));
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double x = valeurs_liste2_(i);
        if (resume.test([&] { return x > bilan_liste2_(0); })) bilan_liste2_(0) = Variant(x);
        if (resume.test([&] { return x < bilan_liste2_(1); })) bilan_liste2_(1) = Variant(x);
        resume([&] { sum = checked(sum + x); });
    }
    bilan_liste2_(2) = Variant(sum / n);
}

}  // namespace core
