#include "core/exercises/editing.h"

#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

// Each value already written; the keys in the order the shipped files use.
using Fields = std::vector<std::pair<const char*, QByteArray>>;

// A number or a text as JSON writes it: a double's shortest exact form, quoted texts.
QByteArray leaf(const QJsonValue& v) {
    const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

QByteArray text(const QString& t) {
    return leaf(QJsonValue(t));
}

QByteArray number(double x) {
    return leaf(QJsonValue(x));
}

// Short lists stay on one line, as a teacher writes them.
QByteArray list(const std::vector<QByteArray>& elements) {
    QByteArray a = "[";
    for (size_t i = 0; i < elements.size(); ++i) a += (i ? ", " : "") + elements[i];
    return a + ']';
}

QByteArray numbers(const std::vector<double>& v) {
    std::vector<QByteArray> e;
    for (double x : v) e.push_back(number(x));
    return list(e);
}

QByteArray texts(const QStringList& t) {
    std::vector<QByteArray> e;
    for (const QString& s : t) e.push_back(text(s));
    return list(e);
}

QByteArray jsonObject(const Fields& fields, int indent) {
    const QByteArray margin(indent + 2, ' ');
    QByteArray a = "{\n";
    for (size_t i = 0; i < fields.size(); ++i)
        a += margin + '"' + fields[i].first + "\": " + fields[i].second +
             (i + 1 < fields.size() ? ",\n" : "\n");
    return a + QByteArray(indent, ' ') + '}';
}

QByteArray shape(Shape f) {
    switch (f) {
        case Shape::Raw:
            return "brute";
        case Shape::Values:
            return "valeurs";
        case Shape::Classes:
            return "classes";
        case Shape::Pairs:
            return "paires";
        case Shape::Simulation:
            return "simulation";
    }
    return {};
}

// How new data are drawn, written only where it differs from what the reader takes
// from the data themselves.
void draw(const ExerciseSeries& s, Fields& c, int indent) {
    Fields t;
    if (s.shape == Shape::Raw && !s.rawValues.empty()) {
        const auto [low, high] = std::minmax_element(s.rawValues.begin(), s.rawValues.end());
        const bool allWhole = std::all_of(s.rawValues.begin(), s.rawValues.end(),
                                          [](double x) { return x == std::floor(x); });
        if (s.min != *low) t.push_back({"min", number(s.min)});
        if (s.max != *high) t.push_back({"max", number(s.max)});
        if (s.step != (allWhole ? 1 : 0.5)) t.push_back({"pas", number(s.step)});
    } else if ((s.shape == Shape::Values || s.shape == Shape::Classes) && s.total > 0 &&
               s.total != s.count()) {
        t.push_back({"total", number(double(s.total))});
    }
    if (!t.empty()) c.push_back({"tirage", jsonObject(t, indent + 2)});
}

QByteArray series(const ExerciseSeries& s, int indent) {
    Fields c;
    if (!s.name.isEmpty()) c.push_back({"nom", text(s.name)});
    c.push_back({"forme", '"' + shape(s.shape) + '"'});
    switch (s.shape) {
        case Shape::Raw:
            c.push_back({"valeurs", numbers(s.rawValues)});
            break;
        case Shape::Values: {
            std::vector<QByteArray> l;
            for (const auto& p : s.values) l.push_back(numbers({p.value, double(p.count)}));
            c.push_back({"valeurs", list(l)});
            break;
        }
        case Shape::Classes: {
            c.push_back({"fermeture", s.closedRight ? "\"droite\"" : "\"gauche\""});
            std::vector<QByteArray> l;
            for (const auto& k : s.classes)
                l.push_back(numbers({k.lower, k.upper, double(k.count)}));
            c.push_back({"classes", list(l)});
            break;
        }
        case Shape::Pairs:
            c.push_back({"nom_x", text(s.pairs.nameX)});
            c.push_back({"nom_y", text(s.pairs.nameY)});
            c.push_back({"x", numbers(s.pairs.x)});
            c.push_back({"y", numbers(s.pairs.y)});
            break;
        case Shape::Simulation:
            if (s.population.empty())
                c.push_back({"p", number(s.p)});
            else
                c.push_back({"population", numbers(s.population)});
            c.push_back({"n", number(double(s.n))});
            c.push_back({"N", number(double(s.samples))});
            if (s.observedFrequency)
                c.push_back({"frequence_observee", number(*s.observedFrequency)});
            break;
    }
    draw(s, c, indent);
    return jsonObject(c, indent);
}

QByteArray question(const ExerciseQuestion& q, size_t series, int indent) {
    Fields c{{"texte", text(q.text)}, {"demande", text(quantityName(q.quantity))}};
    if (series > 1) c.push_back({"serie", number(q.series + 1)});
    if (q.quantity == Quantity::Largest || q.quantity == Quantity::Smallest)
        c.push_back({"de", text(quantityName(q.comparedBy))});
    if (q.quantity == Quantity::ValueFrequency) c.push_back({"valeur", number(q.parameter)});
    if (asksThreshold(q.quantity)) c.push_back({"seuil", number(q.parameter)});
    if (q.mayer) c.push_back({"methode", "\"mayer\""});
    if (q.lnY) c.push_back({"changement", "\"ln_y\""});
    if (q.x) c.push_back({"x", number(*q.x)});
    if (q.y) c.push_back({"y", number(*q.y)});
    if (q.quantity == Quantity::ShareInInterval) {
        if (q.k)
            c.push_back({"k", number(q.k)});
        else
            c.push_back({"intervalle", "\"1/racine(n)\""});
    }
    if (q.add != 0) c.push_back({"ajouter", number(q.add)});
    if (q.multiplier != 1) c.push_back({"multiplier", number(q.multiplier)});
    if (q.quantity == Quantity::Choice || q.quantity == Quantity::IntervalDecision)
        c.push_back({"choix", texts(q.choices)});
    if (q.quantity == Quantity::Choice) c.push_back({"reponse", text(q.answer)});
    // The comparisons and the modal class write their figures to that precision too.
    if (q.quantity != Quantity::Choice) {
        c.push_back({"precision", number(q.precision)});
        if (q.tolerance != q.precision / 2) c.push_back({"tolerance", number(q.tolerance)});
    }
    if (!q.unit.isEmpty()) c.push_back({"unite", text(q.unit)});
    if (!q.hint.isEmpty()) c.push_back({"indice", text(q.hint)});
    if (!q.explanation.isEmpty()) c.push_back({"explication", text(q.explanation)});
    return jsonObject(c, indent);
}

// The file's name of a chart, as exerciseChartNamed() reads it.
QString chartName(ExerciseChart g) {
    switch (g) {
        case ExerciseChart::Bars:
            return u"batons"_s;
        case ExerciseChart::Histogram:
            return u"histogramme"_s;
        case ExerciseChart::CumulativePolygon:
            return u"polygone_cumule"_s;
        case ExerciseChart::Box:
            return u"boite"_s;
        case ExerciseChart::Pie:
            return u"camembert"_s;
        case ExerciseChart::Scatter:
            return u"nuage"_s;
        case ExerciseChart::None:
            break;
    }
    return {};
}

}  // namespace

QByteArray exerciseJson(const Exercise& e) {
    Fields c{{"titre", text(e.title)}};
    if (!e.level.isEmpty()) c.push_back({"niveau", text(e.level)});
    if (!e.themes.isEmpty()) c.push_back({"themes", texts(e.themes)});
    if (e.chosenChart != ExerciseChart::None)
        c.push_back({"graphique", text(chartName(e.chosenChart))});
    c.push_back({"enonce", text(e.statement)});
    if (e.series.size() == 1) {
        c.push_back({"donnees", series(e.series.front(), 2)});
    } else {
        QByteArray d = "[\n";
        for (size_t i = 0; i < e.series.size(); ++i)
            d += "    " + series(e.series[i], 4) + (i + 1 < e.series.size() ? ",\n" : "\n");
        c.push_back({"donnees", d + "  ]"});
    }
    QByteArray q = "[\n";
    for (size_t i = 0; i < e.questions.size(); ++i)
        q += "    " + question(e.questions[i], e.series.size(), 4) +
             (i + 1 < e.questions.size() ? ",\n" : "\n");
    c.push_back({"questions", e.questions.empty() ? QByteArray("[]") : q + "  ]"});
    return jsonObject(c, 0) + '\n';
}

}  // namespace core
