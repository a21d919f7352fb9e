#include "core/pairs/report.h"

#include "core/pairs/texts.h"

using namespace Qt::StringLiterals;

namespace core::pairs {

std::optional<FitKind> fitKindNamed(QStringView name) {
    if (name == u"least-squares") return FitKind::LeastSquares;
    if (name == u"mayer") return FitKind::Mayer;
    if (name == u"exponential") return FitKind::Exponential;
    return std::nullopt;
}

Computed<Curve> curveOf(const Pairs& pairs, FitKind kind) {
    switch (kind) {
        case FitKind::LeastSquares:
            return fit(pairs, Method::LeastSquares);
        case FitKind::Mayer:
            return fit(pairs, Method::Mayer);
        case FitKind::Exponential:
            break;
    }
    return fit(pairs, Method::LeastSquares, Change::None, Change::Log);
}

Computed<Rows> statisticsRows(const Pairs& pairs, int d) {
    const Computed<Summary> s = summarize(pairs);
    if (!s) return Computed<Rows>::failure(s.fault);
    const Computed<Line> ls = leastSquares(*s);
    if (!ls) return Computed<Rows>::failure(ls.fault);
    const Computed<Mayer> m = mayer(pairs);
    if (!m) return Computed<Rows>::failure(m.fault);
    // Numbers as a spreadsheet reads them back: the region's form, a plain "-".
    const auto n = [d](double v) { return rounded(v, d); };
    const auto point = [&](Point p) { return u"("_s + n(p.x) + u" ; "_s + n(p.y) + u")"_s; };
    return Computed<Rows>::success({
        {u"Effectif"_s, QString::number(s->n)},
        {u"Moyenne des x"_s, n(s->meanX)},
        {u"Moyenne des y"_s, n(s->meanY)},
        {u"Variance des x"_s, n(s->varianceX)},
        {u"Variance des y"_s, n(s->varianceY)},
        {u"Covariance"_s, n(s->covariance)},
        // Constant y values have no correlation to speak of.
        {u"Coefficient de corrélation"_s, s->r ? n(*s->r) : u"—"_s},
        {u"Moindres carrés : a"_s, n(ls->a)},
        {u"Moindres carrés : b"_s, n(ls->b)},
        {u"Mayer : G1"_s, point(m->g1)},
        {u"Mayer : G2"_s, point(m->g2)},
        {u"Mayer : a"_s, n(m->line.a)},
        {u"Mayer : b"_s, n(m->line.b)},
    });
}

namespace {

QString prefix(FitKind kind) {
    switch (kind) {
        case FitKind::LeastSquares:
            return u"Moindres carrés"_s;
        case FitKind::Mayer:
            return u"Mayer"_s;
        case FitKind::Exponential:
            break;
    }
    return u"Ajustement exponentiel"_s;
}

}  // namespace

Computed<Rows> fitRows(const Pairs& pairs, FitKind kind, int d) {
    const QString name = prefix(kind);
    Rows rows;
    if (kind == FitKind::Exponential) {
        const Computed<Exponential> e = exponentialFit(pairs);
        if (!e) return Computed<Rows>::failure(e.fault);
        rows = {{name + u" : équation"_s, equation(*e, d)},
                {name + u" : k"_s, rounded(e->k, d)},
                {name + u" : a"_s, rounded(e->a, d)}};
    } else {
        const Computed<Curve> c = curveOf(pairs, kind);
        if (!c) return Computed<Rows>::failure(c.fault);
        rows = {{name + u" : équation"_s, equation(*c, d)}};
    }
    const Computed<Curve> c = curveOf(pairs, kind);
    rows.push_back({name + u" : somme des carrés des résidus"_s,
                    rounded(sumOfSquaredResiduals(pairs, *c), d)});
    return Computed<Rows>::success(std::move(rows));
}

Computed<Rows> estimateRows(const Pairs& pairs, FitKind kind, std::optional<double> x,
                            std::optional<double> y, int d) {
    const Computed<Summary> s = summarize(pairs);
    if (!s) return Computed<Rows>::failure(s.fault);
    const Computed<Curve> c = curveOf(pairs, kind);
    if (!c) return Computed<Rows>::failure(c.fault);
    Rows rows;
    if (x) {
        const Computed<Prediction> p = predictY(*c, *s, *x);
        if (!p) return Computed<Rows>::failure(p.fault);
        rows.push_back({u"Estimation de y"_s, rounded(p->value, d)});
        rows.push_back({u"Estimation de y : nature"_s, p->kind()});
    }
    if (y) {
        const Computed<Prediction> p = predictX(*c, *s, *y);
        if (!p) return Computed<Rows>::failure(p.fault);
        rows.push_back({u"Estimation de x"_s, rounded(p->value, d)});
        rows.push_back({u"Estimation de x : nature"_s, p->kind()});
    }
    return Computed<Rows>::success(std::move(rows));
}

Rows giniRows(const Lorenz& lorenz, int d) {
    return {{u"Indice de Gini"_s, rounded(lorenz.gini, d)}};
}

QString rowsText(const Rows& rows) {
    QString text = u"Paramètre\tValeur\n"_s;
    for (const auto& [name, value] : rows) text += name + u'\t' + value + u'\n';
    return text;
}

}  // namespace core::pairs
