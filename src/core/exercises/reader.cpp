#include "core/exercises/exercise.h"

#include "core/exercises/exercise_chart.h"
#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

// Bounds on what a file may ask, so that no file can make the program crawl.
constexpr int kMostRows = 10000;
constexpr qint64 kLargestTotal = 1000000;
constexpr int kMostQuestions = 30;
constexpr int kMostSeries = 6;

int lineOf(const QByteArray& bytes, qsizetype position) {
    return int(bytes.left(std::clamp<qsizetype>(position, 0, bytes.size())).count('\n')) + 1;
}

// Where the n-th key of that name stands, to tell the learner's teacher which line
// is at fault; the document's reader keeps no positions.
int lineOfKey(const QByteArray& bytes, const QByteArray& key, int occurrence) {
    const QByteArray pattern = '"' + key + '"';
    qsizetype at = -1;
    for (int i = 0; i <= occurrence; ++i) {
        at = bytes.indexOf(pattern, at + 1);
        if (at < 0) return 1;
    }
    return lineOf(bytes, at);
}

struct Fault {
    QString why;
    QByteArray key;      // the key whose line is given
    int occurrence = 0;  // which occurrence of it
};

std::optional<double> number(const QJsonValue& v) {
    if (!v.isDouble()) return std::nullopt;
    const double x = v.toDouble();
    if (!std::isfinite(x) || std::abs(x) > 1e12) return std::nullopt;
    return x;
}

std::optional<qint64> readCount(const QJsonValue& v) {
    const auto x = number(v);
    if (!x || *x < 0 || *x != std::floor(*x) || *x > double(kLargestTotal)) return std::nullopt;
    return qint64(*x);
}

class JsonReader {
public:
    explicit JsonReader(const QByteArray& bytes) : bytes_(bytes) {}

    ExerciseReading read() {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(bytes_, &error);
        if (error.error != QJsonParseError::NoError)
            return fault(lineOf(bytes_, error.offset),
                         u"le texte n'est pas du JSON (%1)"_s.arg(error.errorString()));
        if (!doc.isObject()) return fault(1, u"le fichier doit décrire un objet { … }"_s);
        Exercise e;
        const QJsonObject root = doc.object();
        try {
            e.title = text(root, "titre", true);
            e.statement = text(root, "enonce", false);
            readLevel(root, e);
            readData(root.value(u"donnees"_s), e);
            readChart(root, e);
            readQuestions(root.value(u"questions"_s), e);
        } catch (const Fault& f) {
            return fault(lineOfKey(bytes_, f.key, f.occurrence), f.why);
        }
        return ExerciseReading::success(std::move(e));
    }

private:
    static ExerciseReading fault(int line, const QString& why) {
        return ExerciseReading::failure({.line = line, .why = why});
    }

    [[noreturn]] void refuse(const QString& why, const char* key, int occurrence = 0) const {
        throw Fault{why, QByteArray(key), occurrence};
    }

    QString text(const QJsonObject& o, const char* key, bool required, int occurrence = 0) const {
        const QJsonValue v = o.value(QLatin1StringView(key));
        if (v.isUndefined() && !required) return {};
        if (!v.isString() || (required && v.toString().trimmed().isEmpty()))
            refuse(u"« %1 » doit être un texte"_s.arg(QLatin1StringView(key)), key, occurrence);
        return v.toString().left(4000);
    }

    double numberOf(const QJsonObject& o, const char* key, int occurrence, double fallback,
                    bool required = false) const {
        const QJsonValue v = o.value(QLatin1StringView(key));
        if (v.isUndefined() && !required) return fallback;
        const auto x = number(v);
        if (!x)
            refuse(u"« %1 » doit être un nombre"_s.arg(QLatin1StringView(key)), key, occurrence);
        return *x;
    }

    void readLevel(const QJsonObject& root, Exercise& e) const {
        e.level = text(root, "niveau", false);
        if (!e.level.isEmpty() && !schoolLevels().contains(e.level))
            refuse(u"« niveau » doit valoir 5e, 4e, 3e, 2nde, 1re ou Tle"_s, "niveau");
        const QJsonValue themes = root.value(u"themes"_s);
        if (themes.isUndefined()) return;
        if (!themes.isArray() || themes.toArray().size() > 20)
            refuse(u"« themes » doit être une liste de 20 textes au plus"_s, "themes");
        for (const QJsonValue& t : themes.toArray()) {
            if (!t.isString() || t.toString().trimmed().isEmpty())
                refuse(u"chaque thème doit être un texte"_s, "themes");
            e.themes << t.toString().trimmed().left(100);
        }
    }

    // The chart the sheets show the data with, which must fit every series' shape.
    void readChart(const QJsonObject& root, Exercise& e) const {
        if (!root.contains(u"graphique"_s)) return;
        const QString name = text(root, "graphique", true);
        const auto chosenChart = exerciseChartNamed(name);
        if (!chosenChart)
            refuse(
                u"graphique inconnu « %1 » (batons, histogramme, polygone_cumule, boite, "
                u"camembert ou nuage)"_s.arg(name),
                "graphique");
        for (const ExerciseSeries& s : e.series)
            if (const QString why = chartMismatch(*chosenChart, s.shape); !why.isEmpty())
                refuse(why, "graphique");
        e.chosenChart = *chosenChart;
    }

    void readData(const QJsonValue& v, Exercise& e) {
        std::vector<QJsonObject> series;
        if (v.isObject()) {
            series.push_back(v.toObject());
        } else if (v.isArray() && !v.toArray().isEmpty() && v.toArray().size() <= kMostSeries) {
            for (const QJsonValue& s : v.toArray()) {
                if (!s.isObject())
                    refuse(u"chaque série des données doit être un objet"_s, "donnees");
                series.push_back(s.toObject());
            }
        } else {
            refuse(u"« donnees » doit être une série, ou une liste de 1 à %1 séries"_s.arg(
                       kMostSeries),
                   "donnees");
        }
        for (size_t i = 0; i < series.size(); ++i)
            e.series.push_back(readSeries(series[i], int(i)));
        for (const ExerciseSeries& s : e.series)
            if (e.series.size() > 1 && (s.shape == Shape::Pairs || s.shape == Shape::Simulation))
                refuse(u"des paires ou une simulation sont les seules données de l'exercice"_s,
                       "forme");
    }

    ExerciseSeries readSeries(const QJsonObject& o, int occurrence) {
        ExerciseSeries s;
        s.name = text(o, "nom", false, occurrence);
        if (s.name.isEmpty()) s.name = u"Série %1"_s.arg(occurrence + 1);
        const QString shape = text(o, "forme", true, occurrence);
        if (shape == u"brute")
            s.shape = Shape::Raw;
        else if (shape == u"valeurs")
            s.shape = Shape::Values;
        else if (shape == u"classes")
            s.shape = Shape::Classes;
        else if (shape == u"paires" || shape == u"simulation") {
            s.shape = shape == u"paires" ? Shape::Pairs : Shape::Simulation;
            const QString why = shape == u"paires" ? readPairs(o, s) : readSimulation(o, s);
            if (!why.isEmpty()) refuse(why, "forme", occurrence);
            return s;
        } else
            refuse(u"forme inconnue « %1 » (brute, valeurs, classes, paires ou simulation)"_s.arg(
                       shape),
                   "forme", occurrence);
        const QString closure = text(o, "fermeture", false, occurrence);
        if (!closure.isEmpty() && closure != u"droite" && closure != u"gauche")
            refuse(u"« fermeture » vaut « droite » ou « gauche »"_s, "fermeture", occurrence);
        s.closedRight = closure != u"gauche";
        const char* key = s.shape == Shape::Classes ? "classes" : "valeurs";
        const QJsonValue lines = o.value(QLatin1StringView(key));
        if (!lines.isArray() || lines.toArray().isEmpty() || lines.toArray().size() > kMostRows)
            refuse(u"« %1 » doit être une liste de 1 à %2 éléments"_s.arg(QLatin1StringView(key))
                       .arg(kMostRows),
                   "forme", occurrence);
        for (const QJsonValue& l : lines.toArray()) readRow(s, l, occurrence);
        checkSeries(s, occurrence);
        // How new data are drawn, by default from the series itself.
        const QJsonObject draw = o.value(u"tirage"_s).toObject();
        if (s.shape == Shape::Raw) {
            const auto [low, high] = std::minmax_element(s.rawValues.begin(), s.rawValues.end());
            const bool allWhole = std::all_of(s.rawValues.begin(), s.rawValues.end(),
                                              [](double x) { return x == std::floor(x); });
            s.min = numberOf(draw, "min", occurrence, *low);
            s.max = numberOf(draw, "max", occurrence, *high);
            s.step = numberOf(draw, "pas", occurrence, allWhole ? 1 : 0.5);
            if (!(s.min <= s.max) || !(s.step > 0) || (s.max - s.min) / s.step > 1e6)
                refuse(u"le tirage demande min ≤ max et un pas positif"_s, "forme", occurrence);
        } else {
            const double total = numberOf(draw, "total", occurrence, double(s.count()));
            if (total < 1 || total > double(kLargestTotal) || total != std::floor(total))
                refuse(u"« total » doit être un entier de 1 à %1"_s.arg(kLargestTotal), "forme",
                       occurrence);
            s.total = qint64(total);
        }
        return s;
    }

    void readRow(ExerciseSeries& s, const QJsonValue& l, int occurrence) {
        if (s.shape == Shape::Raw) {
            const auto x = number(l);
            if (!x)
                refuse(u"les valeurs d'une série brute sont des nombres"_s, "forme", occurrence);
            s.rawValues.push_back(*x);
            return;
        }
        const QJsonArray a = l.toArray();
        const bool classes = s.shape == Shape::Classes;
        const auto first = number(a.at(0)), second = number(a.at(1));
        const auto count = readCount(a.at(classes ? 2 : 1));
        if (!l.isArray() || a.size() != (classes ? 3 : 2) || !first || !second || !count)
            refuse(classes ? u"chaque classe s'écrit [borne inférieure, borne supérieure, "
                             u"effectif], l'effectif entier et positif"_s
                           : u"chaque valeur s'écrit [valeur, effectif], l'effectif entier et "
                             u"positif"_s,
                   "forme", occurrence);
        if (classes)
            s.classes.push_back({*first, *second, *count});
        else
            s.values.push_back({*first, *count});
    }

    void checkSeries(ExerciseSeries& s, int occurrence) const {
        if (s.count() <= 0 || s.count() > kLargestTotal)
            refuse(u"l'effectif total doit aller de 1 à %1"_s.arg(kLargestTotal), "forme",
                   occurrence);
        if (s.shape == Shape::Values) {
            std::vector<double> v;
            for (const auto& p : s.values) v.push_back(p.value);
            std::sort(v.begin(), v.end());
            if (std::adjacent_find(v.begin(), v.end()) != v.end())
                refuse(u"une valeur est écrite deux fois"_s, "forme", occurrence);
        }
        if (s.shape == Shape::Classes) {
            std::vector<Interval> c = s.classes;
            std::sort(c.begin(), c.end(), [](auto& a, auto& b) { return a.lower < b.lower; });
            for (size_t i = 0; i < c.size(); ++i) {
                if (!(c[i].lower < c[i].upper))
                    refuse(u"une classe a sa borne inférieure au-delà de la supérieure"_s, "forme",
                           occurrence);
                if (i > 0 && c[i].lower < c[i - 1].upper)
                    refuse(u"deux classes se chevauchent"_s, "forme", occurrence);
            }
        }
    }

    void readQuestions(const QJsonValue& v, Exercise& e) {
        const QJsonArray questions = v.toArray();
        if (!v.isArray() || questions.isEmpty() || questions.size() > kMostQuestions)
            refuse(u"« questions » doit être une liste de 1 à %1 questions"_s.arg(kMostQuestions),
                   "questions");
        for (int i = 0; i < questions.size(); ++i) {
            if (!questions[i].isObject())
                refuse(u"chaque question doit être un objet"_s, "questions");
            try {
                e.questions.push_back(readQuestion(questions[i].toObject(), e, i));
            } catch (Fault& f) {
                // Said at the question's text, but for its quantity, whose line is known.
                if (f.key != "demande") f = {f.why, "texte", i};
                throw;
            }
        }
    }

    ExerciseQuestion readQuestion(const QJsonObject& o, const Exercise& e, int occurrence) {
        ExerciseQuestion q;
        q.text = text(o, "texte", true, occurrence);
        const QString asked = text(o, "demande", true, occurrence);
        const auto quantity = quantityNamed(asked);
        if (!quantity)
            refuse(u"la quantité « %1 » n'existe pas"_s.arg(asked), "demande", occurrence);
        q.quantity = *quantity;
        const double series = numberOf(o, "serie", occurrence, 1);
        if (series < 1 || series > double(e.series.size()) || series != std::floor(series))
            refuse(
                u"« serie » doit désigner une série des données, de 1 à %1"_s.arg(e.series.size()),
                "texte", occurrence);
        q.series = int(series) - 1;
        const ExerciseSeries& s = e.series[size_t(q.series)];
        if (const QString why = readTwoVariablesQuestion(o, s, q); !why.isEmpty())
            refuse(why, "demande", occurrence);
        const bool classes = s.shape == Shape::Classes;
        if (q.quantity == Quantity::Mode && classes)
            refuse(
                u"le mode se demande pour des valeurs ; pour des classes, demandez "
                u"« classe_modale »"_s,
                "demande", occurrence);
        if (q.quantity == Quantity::ModalClass && !classes)
            refuse(u"« classe_modale » se demande pour des classes"_s, "demande", occurrence);
        if (q.quantity == Quantity::ValueFrequency)
            q.parameter = numberOf(o, "valeur", occurrence, 0, true);
        if (asksThreshold(q.quantity)) q.parameter = numberOf(o, "seuil", occurrence, 0, true);
        q.add = numberOf(o, "ajouter", occurrence, 0);
        q.multiplier = numberOf(o, "multiplier", occurrence, 1);
        if (!(q.multiplier > 0)) refuse(u"« multiplier » doit être positif"_s, "texte", occurrence);
        const bool counted = q.quantity == Quantity::TotalCount ||
                             q.quantity == Quantity::CountAbove ||
                             q.quantity == Quantity::CountBelow;
        const bool part = q.quantity == Quantity::ShareInInterval ||
                          q.quantity == Quantity::Correlation || q.quantity == Quantity::Gini;
        q.precision = numberOf(o, "precision", occurrence, counted ? 1 : part ? 0.001 : 0.01);
        if (!(q.precision > 0)) refuse(u"« precision » doit être positive"_s, "texte", occurrence);
        q.tolerance = numberOf(o, "tolerance", occurrence, q.precision / 2);
        if (!(q.tolerance >= 0))
            refuse(u"« tolerance » ne peut être négative"_s, "texte", occurrence);
        q.unit = text(o, "unite", false, occurrence);
        q.hint = text(o, "indice", false, occurrence);
        q.explanation = text(o, "explication", false, occurrence);
        if (q.quantity == Quantity::Choice) {
            const QJsonArray choices = o.value(u"choix"_s).toArray();
            for (const QJsonValue& c : choices)
                if (c.isString() && !c.toString().isEmpty()) q.choices << c.toString().left(200);
            if (q.choices.size() < 2 || q.choices.size() != choices.size() || q.choices.size() > 20)
                refuse(u"« choix » doit être une liste de 2 à 20 textes"_s, "demande", occurrence);
            q.answer = text(o, "reponse", true, occurrence);
            if (!q.choices.contains(q.answer))
                refuse(u"« reponse » doit être l'un des choix"_s, "texte", occurrence);
        }
        if (q.quantity == Quantity::Largest || q.quantity == Quantity::Smallest) {
            const QString comparedBy = text(o, "de", true, occurrence);
            const auto compare = quantityNamed(comparedBy);
            if (!compare || !comparable(*compare))
                refuse(u"« de » doit nommer une quantité qui se compare, comme « ecart_type »"_s,
                       "texte", occurrence);
            q.comparedBy = *compare;
            if (e.series.size() < 2)
                refuse(u"« %1 » compare au moins deux séries"_s.arg(asked), "demande", occurrence);
        }
        return q;
    }

    const QByteArray& bytes_;
};

}  // namespace

const QStringList& schoolLevels() {
    static const QStringList levels{u"5e"_s, u"4e"_s, u"3e"_s, u"2nde"_s, u"1re"_s, u"Tle"_s};
    return levels;
}

ExerciseReading readExercise(const QByteArray& json) {
    return JsonReader(json).read();
}

ExerciseReading readExerciseFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return ExerciseReading::failure({.why = f.exists() ? u"le fichier ne peut pas être lu"_s
                                                           : u"ce fichier n'existe pas"_s});
    if (f.size() > 4 * 1024 * 1024)
        return ExerciseReading::failure({.why = u"le fichier est trop grand"_s});
    return readExercise(f.readAll());
}

QString exerciseFault(const ReadError& error) {
    return error.line > 0 ? u"ligne %1 : %2"_s.arg(error.line).arg(error.why) : error.why;
}

}  // namespace core
