#include "core/simulation/simulation.h"

#include "core/tableau_effectifs.h"

#include <cmath>

namespace core::simulation {
namespace {

void meanAndSd(Population& p) {
    if (p.size <= 0) return;
    double sum = 0;
    for (size_t i = 0; i < p.values.size(); ++i) sum += p.values[i] * double(countOf(p, i));
    p.mean = sum / double(p.size);
    double squares = 0;
    for (size_t i = 0; i < p.values.size(); ++i) {
        const double d = p.values[i] - p.mean;
        squares += d * d * double(countOf(p, i));
    }
    p.sd = std::sqrt(squares / double(p.size));
}

}  // namespace

std::int64_t countOf(const Population& p, size_t i) {
    if (p.cumulative.empty()) return 1;
    return p.cumulative[i] - (i == 0 ? 0 : p.cumulative[i - 1]);
}

Population populationOf(std::vector<double> values) {
    Population p;
    p.size = std::int64_t(values.size());
    p.values = std::move(values);
    meanAndSd(p);
    return p;
}

Population populationOf(const std::vector<ValeurEffectif>& values) {
    Population p;
    for (const ValeurEffectif& v : values) {
        if (v.effectif <= 0) continue;
        p.size += v.effectif;
        p.values.push_back(v.valeur);
        p.cumulative.push_back(p.size);
    }
    meanAndSd(p);
    return p;
}

Population populationOf(const Analyse& table) {
    if (table.nature == Tableau::Nature::Valeurs) return populationOf(table.valeurs);
    std::vector<ValeurEffectif> centres;
    for (const Intervalle& k : table.classes) centres.push_back({k.centre(), k.effectif});
    return populationOf(centres);
}

}  // namespace core::simulation
