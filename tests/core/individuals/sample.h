#pragma once

// Small datasets the individuals' tests share: a class of eight worked by hand, and a
// random one for comparing with counts done row by row.

#include "core/individuals/dataset.h"

#include <QRandomGenerator>

#include <cmath>
#include <limits>

namespace sample {

using namespace Qt::StringLiterals;

using core::individuals::Dataset;
using core::individuals::Nature;
using core::individuals::Variable;

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

inline Variable numeric(const QString& name, std::vector<double> numbers) {
    Variable v{.name = name, .nature = Nature::Numeric, .numbers = std::move(numbers)};
    for (double x : v.numbers) v.missing += std::isnan(x);
    return v;
}

// Codes given by the words; "" is a missing cell.
inline Variable qualitative(const QString& name, const QStringList& words) {
    Variable v{.name = name, .nature = Nature::Qualitative};
    for (const QString& w : words) {
        if (w.isEmpty()) {
            v.codes.push_back(Variable::kMissing);
            ++v.missing;
            continue;
        }
        qsizetype code = v.labels.indexOf(w);
        if (code < 0) {
            code = v.labels.size();
            v.labels << w;
        }
        v.codes.push_back(std::int32_t(code));
    }
    return v;
}

// Eight pupils; row 4 has no height, row 6 no sex, row 7 no means of transport.
inline Dataset classOfEight() {
    Dataset d;
    d.assign(
        {qualitative(u"Sexe"_s, {u"F"_s, u"M"_s, u"F"_s, u"F"_s, u"M"_s, u""_s, u"F"_s, u"M"_s}),
         numeric(u"Taille (cm)"_s, {150, 172, 165, kNaN, 180, 160, 161.5, 160}),
         qualitative(u"Transport"_s, {u"Bus"_s, u"Vélo"_s, u"Bus"_s, u"Pied"_s, u"Bus"_s, u"Vélo"_s,
                                      u""_s, u"Pied"_s}),
         numeric(u"Âge"_s, {15, 16, 15, 17, 16, 15, 16, 17}),
         qualitative(u"Code"_s, {u"01000"_s, u"75001"_s, u"01000"_s, u"69000"_s, u"75001"_s,
                                 u"69000"_s, u"01000"_s, u"75001"_s})},
        8);
    return d;
}

// Rows of three qualitative and two numeric variables drawn at random, a few missing.
inline Dataset randomDataset(std::size_t rows, quint32 seed) {
    QRandomGenerator draw(seed);
    const QStringList sexes{u"F"_s, u"M"_s, u""_s};
    const QStringList means{u"Bus"_s, u"Vélo"_s, u"Pied"_s, u"Voiture"_s, u"Train"_s, u""_s};
    QStringList sex, mean, group;
    std::vector<double> height, time;
    for (std::size_t i = 0; i < rows; ++i) {
        sex << sexes[draw.bounded(sexes.size())];
        mean << means[draw.bounded(means.size())];
        group << QString::number(draw.bounded(40));
        height.push_back(draw.bounded(20) == 0 ? kNaN : 140 + draw.bounded(500) / 10.0);
        time.push_back(draw.bounded(10) == 0 ? kNaN : double(draw.bounded(61)));
    }
    Dataset d;
    d.assign({qualitative(u"Sexe"_s, sex), qualitative(u"Transport"_s, mean),
              qualitative(u"Groupe"_s, group), numeric(u"Taille"_s, std::move(height)),
              numeric(u"Temps"_s, std::move(time))},
             rows);
    return d;
}

}  // namespace sample
