#include "core/exercises/editing.h"

#include "core/atomic_file.h"
#include "core/exercises/figures.h"
#include "core/exercises/two_variables.h"
#include "core/pairs/fits.h"
#include "core/pairs/statistics.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace core {
using namespace exercises;
namespace {

constexpr Quantity kLastQuantity = Quantity::IntervalDecision;

// A small series of each shape, on which the reader is asked what it accepts.
ExerciseSeries trial(Shape shape) {
    ExerciseSeries s;
    s.name = u"Série 1"_s;
    s.shape = shape;
    s.rawValues = {1, 2, 2, 3};
    if (shape == Shape::Values) s.values = {{1, 2}, {3, 1}};
    if (shape == Shape::Classes) s.classes = {{0, 10, 2}, {10, 20, 3}};
    s.pairs = {.nameX = u"x"_s, .nameY = u"y"_s, .x = {1, 2, 3}, .y = {2, 4, 5}};
    s.p = 0.5;
    s.n = 10;
    s.samples = 10;
    s.observedFrequency = 0.5;
    return s;
}

ExerciseQuestion trial(Quantity q) {
    ExerciseQuestion e;
    e.text = u"?"_s;
    e.quantity = q;
    e.parameter = 1;
    if (q == Quantity::Estimation) e.x = 1;
    if (q == Quantity::ShareInInterval) e.k = 1;
    if (q == Quantity::Choice) {
        e.choices = QStringList{u"a"_s, u"b"_s};
        e.answer = u"a"_s;
    }
    return e;
}

// Read back as a file would be; the reader's fault split into its line and its reason.
struct ReadBack {
    std::optional<Exercise> exercise;
    int line = 0;
    QString why;
    int questionsLine = 0;  // where "questions" stands in what was written
};

ReadBack reread(Exercise e) {
    if (e.title.trimmed().isEmpty()) e.title = u"?"_s;  // said apart, once
    const QByteArray json = exerciseJson(e);
    ReadBack r;
    r.questionsLine = int(json.left(json.indexOf("\n  \"questions\"") + 1).count('\n')) + 1;
    ExerciseReading l = readExercise(json);
    r.exercise = std::move(l.value);
    r.line = l.error.line;
    r.why = l.error.why;
    return r;
}

// Why a question on pairs has no answer, as the two variables' figures say it.
QString whyNoValue(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (!onPairs(q.quantity)) return {};
    if (const auto r = pairs::summarize(s.pairs); !r) return r.fault;
    const auto c =
        pairs::fit(s.pairs, q.mayer ? pairs::Method::Mayer : pairs::Method::LeastSquares,
                   pairs::Change::None, q.lnY ? pairs::Change::Log : pairs::Change::None);
    return c ? QString() : c.fault;
}

// The one rule the reader leaves to the figures: on classes, no single value is counted.
QString refusalOutsideReader(const ExerciseSeries& s, const ExerciseQuestion& q) {
    if (q.quantity == Quantity::ValueFrequency && s.shape == Shape::Classes)
        return u"la fréquence d'une valeur se demande sur des valeurs, pas sur des classes"_s;
    return {};
}

QString questionFault(const Exercise& e, int i) {
    const ExerciseQuestion& q = e.questions[size_t(i)];
    if (q.text.trimmed().isEmpty()) return u"son texte est vide"_s;
    if (q.series < 0 || q.series >= int(e.series.size()))
        return u"elle porte sur une série qui n'existe pas"_s;
    if (const QString refusal = refusalOutsideReader(e.series[size_t(q.series)], q);
        !refusal.isEmpty())
        return refusal;
    Exercise alone = e;
    alone.questions = {q};
    const ReadBack r = reread(alone);
    if (!r.exercise) return r.why;
    const Exercise& read = *r.exercise;
    if (isChoice(q.quantity))
        return rightChoicesOf(read, 0).isEmpty() ? u"aucune réponse n'est juste pour ces données"_s
                                                 : QString();
    const std::vector<double> v = expectedFigures(read, 0);
    const bool allFinite =
        std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
    if (!v.empty() && allFinite && expectedAnswerOf(read, 0) != u"aucune") return {};
    const QString why = whyNoValue(read.series[size_t(q.series)], read.questions[0]);
    return u"« %1 » ne se calcule pas sur ces données"_s.arg(captionOf(q.quantity)) +
           (why.isEmpty() ? QString() : u" : "_s + why);
}

// The title in plain ASCII, lower case, words joined by "-".
QString fileNameOf(const QString& title) {
    QString t = title.toLower();
    t.replace(u"œ"_s, u"oe"_s).replace(u"æ"_s, u"ae"_s).replace(u"ß"_s, u"ss"_s);
    t = t.normalized(QString::NormalizationForm_KD);
    QString name;
    for (const QChar c : t) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            name += c;
        else if (c.category() != QChar::Mark_NonSpacing && !name.endsWith(u'-') && !name.isEmpty())
            name += u'-';
    }
    name = name.left(60);
    while (name.endsWith(u'-')) name.chop(1);
    return name.isEmpty() ? u"exercice"_s : name;
}

}  // namespace

QString captionOf(Quantity q) {
    switch (q) {
        case Quantity::Mean:
            return u"Moyenne"_s;
        case Quantity::Median:
            return u"Médiane"_s;
        case Quantity::Q1:
            return u"Premier quartile Q1"_s;
        case Quantity::Q3:
            return u"Troisième quartile Q3"_s;
        case Quantity::D1:
            return u"Premier décile D1"_s;
        case Quantity::D9:
            return u"Neuvième décile D9"_s;
        case Quantity::Range:
            return u"Étendue"_s;
        case Quantity::InterquartileRange:
            return u"Écart interquartile"_s;
        case Quantity::Variance:
            return u"Variance"_s;
        case Quantity::StandardDeviation:
            return u"Écart type"_s;
        case Quantity::Mode:
            return u"Mode"_s;
        case Quantity::TotalCount:
            return u"Effectif total"_s;
        case Quantity::ValueFrequency:
            return u"Fréquence d'une valeur (%)"_s;
        case Quantity::CountAbove:
            return u"Effectif au-dessus d'un seuil"_s;
        case Quantity::CountBelow:
            return u"Effectif au-dessous d'un seuil"_s;
        case Quantity::PercentAbove:
            return u"Pourcentage au-dessus d'un seuil"_s;
        case Quantity::PercentBelow:
            return u"Pourcentage au-dessous d'un seuil"_s;
        case Quantity::ModalClass:
            return u"Classe modale"_s;
        case Quantity::Choice:
            return u"Choix entre des réponses"_s;
        case Quantity::Largest:
            return u"Série où la quantité est la plus grande"_s;
        case Quantity::Smallest:
            return u"Série où la quantité est la plus petite"_s;
        case Quantity::MeanX:
            return u"Moyenne des x"_s;
        case Quantity::MeanY:
            return u"Moyenne des y"_s;
        case Quantity::Covariance:
            return u"Covariance"_s;
        case Quantity::Correlation:
            return u"Coefficient de corrélation"_s;
        case Quantity::Slope:
            return u"Coefficient directeur de la droite"_s;
        case Quantity::Intercept:
            return u"Ordonnée à l'origine de la droite"_s;
        case Quantity::Estimation:
            return u"Estimation par la droite"_s;
        case Quantity::Gini:
            return u"Indice de Gini"_s;
        case Quantity::FrequencyStandardDeviation:
            return u"Écart type des fréquences"_s;
        case Quantity::ShareInInterval:
            return u"Part des échantillons dans l'intervalle"_s;
        case Quantity::LowerBound:
            return u"Borne inférieure p − 1/√n"_s;
        case Quantity::UpperBound:
            return u"Borne supérieure p + 1/√n"_s;
        case Quantity::IntervalDecision:
            return u"Décision : dans l'intervalle ou non"_s;
    }
    return {};
}

unsigned parametersOf(Quantity q) {
    unsigned p = isChoice(q) ? NoParameter : ParameterPrecision;
    if (q == Quantity::ValueFrequency) p |= ParameterValue;
    if (asksThreshold(q)) p |= ParameterThreshold;
    if (q == Quantity::Choice || q == Quantity::IntervalDecision) p |= ParameterChoice;
    if (q == Quantity::Largest || q == Quantity::Smallest) p |= ParameterComparedBy;
    if (q == Quantity::ShareInInterval) p |= ParameterK;
    if (onPairs(q)) p |= ParameterChange;
    if (q == Quantity::Slope || q == Quantity::Intercept || q == Quantity::Estimation)
        p |= ParameterMethod;
    if (q == Quantity::Estimation) p |= ParameterXOrY;
    return p;
}

std::vector<OfferedQuantity> offeredQuantities(ExerciseSeries::Shape shape) {
    std::vector<OfferedQuantity> available;
    Exercise e;
    e.title = u"?"_s;
    e.series = {trial(shape)};
    for (int i = 0; i <= int(kLastQuantity); ++i) {
        const auto q = Quantity(i);
        e.questions = {trial(q)};
        if (!refusalOutsideReader(e.series.front(), e.questions.front()).isEmpty() ||
            !readExercise(exerciseJson(e)).value)
            continue;
        available.push_back({q, quantityName(q), captionOf(q), parametersOf(q)});
    }
    return available;
}

QStringList exerciseFaults(const Exercise& e) {
    QStringList faults;
    if (e.title.trimmed().isEmpty()) faults << u"Le titre est obligatoire."_s;
    if (e.statement.trimmed().isEmpty()) faults << u"L'énoncé est obligatoire."_s;
    if (e.questions.empty()) faults << u"Ajoutez au moins une question."_s;
    if (e.series.empty()) return faults << u"Les données sont vides."_s;
    // The data alone: the reader stops before the questions when they are at fault.
    Exercise givenData = e;
    givenData.questions.clear();
    const ReadBack r = reread(givenData);
    if (r.line > 0 && r.line < r.questionsLine) return faults << u"Données : %1."_s.arg(r.why);
    for (int i = 0; i < int(e.questions.size()); ++i)
        if (const QString f = questionFault(e, i); !f.isEmpty())
            faults << u"Question %1 : %2."_s.arg(i + 1).arg(f);
    return faults;
}

QString teacherFolder() {
    return exerciseFolders().constLast();
}

QString pathForTitle(const QString& folder, const QString& title) {
    const QDir d(folder);
    const QString name = fileNameOf(title);
    QString path = d.filePath(name + u".json"_s);
    for (int i = 2; QFileInfo::exists(path) && i < 10000; ++i)
        path = d.filePath(u"%1-%2.json"_s.arg(name).arg(i));
    return path;
}

QString saveExercise(const Exercise& e, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return u"le dossier « %1 » ne peut pas être créé"_s.arg(QDir::toNativeSeparators(folder));
    const QByteArray json = exerciseJson(e);
    return saveAtomically(path, [&](QIODevice& f) { return f.write(json) == json.size(); });
}

}  // namespace core
