#include "core/pairs/lorenz.h"

#include "core/numbers.h"
#include "core/pairs/statistics.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core::pairs {
namespace {

// Shares typed or read from a file with a few decimals end at 1 within rounding.
constexpr double kSlack = 1e-9;

QString share(Point p) {
    return u"("_s + textOfNumber(p.x) + u" ; "_s + textOfNumber(p.y) + u")"_s;
}

}  // namespace

double gini(const std::vector<Point>& points) {
    CompensatedSum area;
    for (std::size_t i = 1; i < points.size(); ++i)
        area.add((points[i].x - points[i - 1].x) * (points[i].y + points[i - 1].y));
    return 1 - area.value();
}

Computed<Lorenz> lorenzFromShares(const std::vector<Point>& shares) {
    if (shares.empty()) return Computed<Lorenz>::failure(u"la courbe de Lorenz n'a aucun point"_s);
    Lorenz l;
    if (!(shares.front().x == 0 && shares.front().y == 0)) l.points.push_back({0, 0});
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const Point p = shares[i];
        if (!(p.x >= 0 && p.x <= 1 && p.y >= 0 && p.y <= 1))
            return Computed<Lorenz>::failure(
                u"le point %1 %2 sort de [0 ; 1] : les parts cumulées s'écrivent de 0 à 1"_s.arg(
                    QString::number(i + 1), share(p)));
        if (!l.points.empty() && (p.x < l.points.back().x || p.y < l.points.back().y))
            return Computed<Lorenz>::failure(
                u"le point %1 %2 est plus bas que le précédent : les parts cumulées croissent"_s
                    .arg(QString::number(i + 1), share(p)));
        l.points.push_back(p);
    }
    const Point last = l.points.back();
    if (std::abs(last.x - 1) > kSlack || std::abs(last.y - 1) > kSlack)
        return Computed<Lorenz>::failure(
            u"le dernier point %1 n'est pas (1 ; 1) : toute la population détient toute la masse"_s
                .arg(share(last)));
    l.points.back() = {1, 1};
    l.gini = gini(l.points);
    return Computed<Lorenz>::success(std::move(l));
}

Computed<Lorenz> lorenzFromTable(const TableAnalysis& table) {
    struct Row {
        double value;
        double count;
    };
    std::vector<Row> rows;
    if (table.nature == FrequencyTable::Nature::Classes)
        for (const Interval& c : table.classes) rows.push_back({c.centre(), double(c.count)});
    else
        for (const ValueCount& v : table.values) rows.push_back({v.value, double(v.count)});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& p, const Row& q) { return p.value < q.value; });
    CompensatedSum population, mass;
    for (const Row& r : rows) {
        if (r.value < 0)
            return Computed<Lorenz>::failure(
                u"la valeur %1 est négative : une masse se partage en parts positives"_s.arg(
                    textOfNumber(r.value)));
        population.add(r.count);
        mass.add(r.value * r.count);
    }
    const double N = population.value(), M = mass.value();
    if (!(N > 0)) return Computed<Lorenz>::failure(u"le tableau n'a aucun effectif"_s);
    if (!(M > 0) || !std::isfinite(M))
        return Computed<Lorenz>::failure(u"la masse totale du tableau est nulle"_s);
    Lorenz l;
    l.points.push_back({0, 0});
    CompensatedSum p, m;
    for (const Row& r : rows) {
        if (r.count == 0) continue;
        p.add(r.count);
        m.add(r.value * r.count);
        l.points.push_back({std::min(1.0, p.value() / N), std::min(1.0, m.value() / M)});
    }
    l.points.back() = {1, 1};
    l.gini = gini(l.points);
    return Computed<Lorenz>::success(std::move(l));
}

}  // namespace core::pairs
