// Exercises with no window: every shipped exercise's expected answers against the
// classroom's definitions worked out again here from the data alone, with the file's
// own data and with drawn data. The verdicts, the working, new data and files that do
// not read are tst_exercise_verdicts.

#include "core/exercises/exercise.h"
#include "core/numbers.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using core::Quantity;
using Forme = core::ExerciseSeries::Forme;

namespace {

QString dossierDesExercices() {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s;
}

core::Exercise lu(const QString& nom) {
    const core::ExerciseReading l = core::lireFichierExercice(dossierDesExercices() + u'/' + nom);
    if (!l.exercice) qFatal("%s: %s", qPrintable(nom), qPrintable(l.faute));
    return *l.exercice;
}

// ---- the definitions, again, from the values written out one by one

std::vector<double> ecrites(const core::ExerciseSeries& s, double m, double a) {
    std::vector<double> v;
    if (s.forme == Forme::Brute) v = s.brutes;
    for (const auto& p : s.valeurs) v.insert(v.end(), size_t(p.effectif), p.valeur);
    for (double& x : v) x = m * x + a;
    std::sort(v.begin(), v.end());
    return v;
}

double moyenne(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return s / double(v.size());
}

double variance(const std::vector<double>& v) {
    const double m = moyenne(v);
    double s = 0;
    for (double x : v) s += (x - m) * (x - m);
    return s / double(v.size());
}

// The value of rank ⌈N × part⌉, ranks from 1.
double rang(const std::vector<double>& v, double part) {
    return v[size_t(std::ceil(double(v.size()) * part - 1e-9)) - 1];
}

double mediane(const std::vector<double>& v) {
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Classes: the cumulative polygon through (a1, 0), (bi, Ni), read at a level.
double lecture(std::vector<core::Interval> c, double niveau) {
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.inferieure < q.inferieure; });
    double cumul = 0;
    for (const auto& k : c) {
        if (cumul + double(k.effectif) >= niveau && k.effectif > 0)
            return k.inferieure + (niveau - cumul) / double(k.effectif) * k.amplitude();
        cumul += double(k.effectif);
    }
    return c.back().superieure;
}

double dessus(const std::vector<core::Interval>& c, double seuil) {
    double n = 0;
    for (const auto& k : c)
        n += double(k.effectif) *
             std::clamp((k.superieure - std::max(seuil, k.inferieure)) / k.amplitude(), 0.0, 1.0);
    return n;
}

double independant(const core::Exercise& e, const core::ExerciseQuestion& q) {
    const core::ExerciseSeries& s = e.series[size_t(q.serie)];
    const double m = q.multiplier, a = q.ajouter;
    if (s.forme == Forme::Classes) {
        std::vector<core::Interval> c = s.classes;
        for (auto& k : c) k = {m * k.inferieure + a, m * k.superieure + a, k.effectif};
        double N = 0, somme = 0, carres = 0;
        for (const auto& k : c) {
            N += double(k.effectif);
            somme += double(k.effectif) * (k.inferieure + k.superieure) / 2;
        }
        for (const auto& k : c)
            carres +=
                double(k.effectif) * std::pow((k.inferieure + k.superieure) / 2 - somme / N, 2);
        switch (q.quantite) {
            case Quantity::Moyenne:
                return somme / N;
            case Quantity::Variance:
                return carres / N;
            case Quantity::EcartType:
                return std::sqrt(carres / N);
            case Quantity::Mediane:
                return lecture(c, N / 2);
            case Quantity::Q1:
                return lecture(c, N / 4);
            case Quantity::Q3:
                return lecture(c, 3 * N / 4);
            case Quantity::D1:
                return lecture(c, N / 10);
            case Quantity::D9:
                return lecture(c, 9 * N / 10);
            case Quantity::EcartInterquartile:
                return lecture(c, 3 * N / 4) - lecture(c, N / 4);
            case Quantity::EffectifTotal:
                return N;
            case Quantity::EffectifAuDessus:
                return dessus(c, q.parametre);
            case Quantity::EffectifAuDessous:
                return N - dessus(c, q.parametre);
            case Quantity::PourcentageAuDessus:
                return 100 * dessus(c, q.parametre) / N;
            case Quantity::PourcentageAuDessous:
                return 100 * (N - dessus(c, q.parametre)) / N;
            default:
                break;
        }
        qFatal("no independent figure for this question");
    }
    const std::vector<double> v = ecrites(s, m, a);
    const double N = double(v.size());
    const auto compter = [&](auto garder) {
        return double(std::count_if(v.begin(), v.end(), garder));
    };
    switch (q.quantite) {
        case Quantity::Moyenne:
            return moyenne(v);
        case Quantity::Variance:
            return variance(v);
        case Quantity::EcartType:
            return std::sqrt(variance(v));
        case Quantity::Mediane:
            return mediane(v);
        case Quantity::Q1:
            return rang(v, 0.25);
        case Quantity::Q3:
            return rang(v, 0.75);
        case Quantity::D1:
            return rang(v, 0.1);
        case Quantity::D9:
            return rang(v, 0.9);
        case Quantity::EcartInterquartile:
            return rang(v, 0.75) - rang(v, 0.25);
        case Quantity::Etendue:
            return v.back() - v.front();
        case Quantity::EffectifTotal:
            return N;
        case Quantity::Mode: {
            double meilleur = v.front();
            double plus = 0;
            for (double x : v)
                if (compter([x](double y) { return y == x; }) > plus)
                    plus = compter([x](double y) { return y == x; }), meilleur = x;
            return meilleur;
        }
        case Quantity::FrequenceValeur:
            return 100 * compter([&](double y) { return y == q.parametre; }) / N;
        case Quantity::EffectifAuDessus:
            return compter([&](double y) { return y > q.parametre; });
        case Quantity::EffectifAuDessous:
            return compter([&](double y) { return y < q.parametre; });
        case Quantity::PourcentageAuDessus:
            return 100 * compter([&](double y) { return y > q.parametre; }) / N;
        case Quantity::PourcentageAuDessous:
            return 100 * compter([&](double y) { return y < q.parametre; }) / N;
        default:
            break;
    }
    qFatal("no independent figure for this question");
}

// The right choice, again: the modal class by density, the series of largest figure.
QString choixIndependant(const core::Exercise& e, const core::ExerciseQuestion& q) {
    if (q.quantite == Quantity::Choix) return q.reponse;
    if (q.quantite == Quantity::ClasseModale) {
        const core::ExerciseSeries& s = e.series[size_t(q.serie)];
        const auto k = *std::max_element(s.classes.begin(), s.classes.end(), [](auto& x, auto& y) {
            return double(x.effectif) / x.amplitude() < double(y.effectif) / y.amplitude();
        });
        return core::texteIntervalle(k.inferieure, k.superieure, s.fermeADroite);
    }
    core::ExerciseQuestion une = q;
    une.quantite = q.de;
    double meilleur = 0;
    QString nom;
    for (size_t i = 0; i < e.series.size(); ++i) {
        une.serie = int(i);
        const double x = independant(e, une);
        if (nom.isEmpty() || (q.quantite == Quantity::PlusGrand ? x > meilleur : x < meilleur))
            meilleur = x, nom = e.series[i].nom;
    }
    return nom;
}

bool choix(Quantity q) {
    return q == Quantity::Choix || q == Quantity::ClasseModale || q == Quantity::PlusGrand ||
           q == Quantity::PlusPetit;
}

}  // namespace

class ExercicesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void expectedAnswers_data();
    void expectedAnswers();
};

// GIVEN each shipped exercise, with its data and with series n° 4711's, WHEN each
// question's answer is asked THEN it is the figure (or the choice) the definitions give.
void ExercicesTest::expectedAnswers_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("question");
    QTest::addColumn<uint>("numero");
    // Pairs and simulations are checked in tst_exercise_kinds.
    QStringList fichiers = QDir(dossierDesExercices()).entryList({u"*.json"_s}, QDir::Files);
    fichiers.removeIf([](const QString& f) {
        const Forme forme = lu(f).series.front().forme;
        return forme == Forme::Paires || forme == Forme::Simulation;
    });
    QVERIFY(fichiers.size() >= 30);
    for (const QString& f : fichiers)
        for (int q = 0; q < int(lu(f).questions.size()); ++q)
            for (uint n : {0u, 4711u})
                QTest::addRow("%s q%d n%u", qPrintable(f), q + 1, n) << f << q << n;
}

void ExercicesTest::expectedAnswers() {
    QFETCH(QString, fichier);
    QFETCH(int, question);
    QFETCH(uint, numero);
    const core::Exercise e = numero ? core::nouvellesDonnees(lu(fichier), numero) : lu(fichier);
    const core::ExerciseQuestion& q = e.questions[size_t(question)];
    if (choix(q.quantite)) {
        QVERIFY(core::choixDe(e, question).size() >= 2);
        QCOMPARE(core::choixJustes(e, question), QStringList{choixIndependant(e, q)});
        QCOMPARE(core::verifier(e, question, choixIndependant(e, q)), core::Verdict::Juste);
        return;
    }
    const std::vector<double> attendus = core::attendus(e, question);
    if (q.quantite == Quantity::Mode) {
        // Drawn data may tie: every value of the largest count is a mode.
        const std::vector<double> v = ecrites(e.series[size_t(q.serie)], 1, 0);
        const auto fois = [&](double x) { return std::count(v.begin(), v.end(), x); };
        for (double x : attendus) QCOMPARE(fois(x), fois(independant(e, q)));
        QVERIFY(std::find(attendus.begin(), attendus.end(), independant(e, q)) != attendus.end());
        for (double x : attendus)
            QCOMPARE(core::verifier(e, question, QString::number(x)), core::Verdict::Juste);
        if (attendus.size() > 1) return;
    } else {
        QCOMPARE(attendus.size(), size_t(1));
    }
    const double x = independant(e, q);
    QVERIFY2(std::abs(attendus.front() - x) <= 1e-9 * std::max(1.0, std::abs(x)),
             qPrintable(u"%1 attendu, %2 calculé"_s.arg(attendus.front()).arg(x)));
    // The figure rounded as asked is right; one precision step away is not.
    const int dec = std::max(0, int(std::ceil(-std::log10(q.precision) - 1e-9)));
    const QString juste = QLocale(QLocale::French).toString(x, 'f', dec);
    QCOMPARE(core::verifier(e, question, juste), core::Verdict::Juste);
    QCOMPARE(core::verifier(e, question, QString::number(x + 2 * q.precision, 'f', dec + 1)),
             core::Verdict::Faux);
}

QTEST_APPLESS_MAIN(ExercicesTest)
#include "tst_exercise_engine.moc"
