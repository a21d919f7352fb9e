#pragma once

// Series given as a table, as a class meets them: distinct values with their counts,
// or classes [a, b[ or ]a, b] with their counts. The parameters follow the classroom's
// definitions, as if each value were written as often as its count; for classes, the
// centres stand for the values and the cumulative polygon gives the quantiles by
// linear interpolation. Pure functions, tested without a window.

#include "core/parameters.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace core {

// The largest total a table may reach: 2^31 - 1 values.
inline constexpr qint64 kPlusGrandEffectifTotal = 2147483647;

struct ValueCount {
    double valeur;
    qint64 effectif;
};

struct Interval {
    double inferieure, superieure;
    qint64 effectif;
    double centre() const { return inferieure / 2 + superieure / 2; }
    double amplitude() const { return superieure - inferieure; }
};

// The parameters of a raw series, and the first and ninth deciles (values of ranks
// ⌈N/10⌉ and ⌈9N/10⌉).
struct WeightedParameters : SeriesParameters {
    std::optional<double> premierDecile, neuviemeDecile;
};

// Values in any order, each at most once; zero counts are allowed and weigh nothing.
WeightedParameters parametresPonderes(std::vector<ValueCount> valeurs);

// A figure read on the cumulative polygon, and the class (an index into the classes as
// given) that holds it.
struct Estimation {
    double valeur = 0;
    int classe = -1;
};

struct ClassParameters {
    qint64 effectif = 0;
    std::optional<double> minimum, maximum, etendue, moyenne, variance, ecartType;
    // The classes of largest density (largest count where widths are equal), as given.
    std::vector<int> classesModales;
    std::optional<Estimation> mediane, premierQuartile, troisiemeQuartile, premierDecile,
        neuviemeDecile;
    std::optional<double> ecartInterquartile;
};

// Classes that do not overlap, in any order.
ClassParameters parametresClasses(const std::vector<Interval>& classes);

// The cumulative count polygon: (a1, 0), (b1, n1), (b2, n1 + n2), ...; a gap between
// two classes holds the count flat, through (a(i+1), cumulated so far).
std::vector<QPointF> polygoneCumule(std::vector<Interval> classes);
// The count of values below x, read on the polygon; 0 before it, N after it.
double effectifCumuleEn(const std::vector<Interval>& classes, double x);
// The x where the polygon reaches `niveau` (0 < niveau <= N), with its class.
std::optional<Estimation> lectureCumulee(const std::vector<Interval>& classes, double niveau);

// How many values lie above, or below, a threshold: for values, strictly; for classes,
// read on the polygon.
double effectifAuDessus(const std::vector<ValueCount>& valeurs, double seuil);
double effectifAuDessous(const std::vector<ValueCount>& valeurs, double seuil);
double effectifAuDessus(const std::vector<Interval>& classes, double seuil);
double effectifAuDessous(const std::vector<Interval>& classes, double seuil);

// "]90 ; 100]" or "[90 ; 100[", in the general form of the numbers.
QString texteIntervalle(double a, double b, bool fermeADroite);
// A class written as a text, "]90, 100]", "[90;100[", "] 90 ; 100 ]": its bounds and on
// which side it is closed. Either separator, ";" or a comma followed by a blank.
struct ReadInterval {
    double inferieure, superieure;
    bool fermeADroite;
};
std::optional<ReadInterval> lireIntervalle(QStringView texte);

}  // namespace core
