// Exercises with no window: every shipped exercise's expected answers against the
// classroom's definitions worked out again here from the data alone, with the file's
// own data and with drawn data; the verdicts and their tolerance; the working written
// out; new data that a number always gives back; files that do not read.

#include "core/exercises/exercise.h"
#include "core/numbers.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using core::Quantite;
using Forme = core::SerieExercice::Forme;

namespace {

QString dossierDesExercices() {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices"_s;
}

core::Exercice lu(const QString& nom) {
    const core::LectureExercice l = core::lireFichierExercice(dossierDesExercices() + u'/' + nom);
    if (!l.exercice) qFatal("%s: %s", qPrintable(nom), qPrintable(l.faute));
    return *l.exercice;
}

// ---- the definitions, again, from the values written out one by one

std::vector<double> ecrites(const core::SerieExercice& s, double m, double a) {
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
double lecture(std::vector<core::Intervalle> c, double niveau) {
    std::sort(c.begin(), c.end(), [](auto& p, auto& q) { return p.inferieure < q.inferieure; });
    double cumul = 0;
    for (const auto& k : c) {
        if (cumul + double(k.effectif) >= niveau && k.effectif > 0)
            return k.inferieure + (niveau - cumul) / double(k.effectif) * k.amplitude();
        cumul += double(k.effectif);
    }
    return c.back().superieure;
}

double dessus(const std::vector<core::Intervalle>& c, double seuil) {
    double n = 0;
    for (const auto& k : c)
        n += double(k.effectif) *
             std::clamp((k.superieure - std::max(seuil, k.inferieure)) / k.amplitude(), 0.0, 1.0);
    return n;
}

double independant(const core::Exercice& e, const core::QuestionExercice& q) {
    const core::SerieExercice& s = e.series[size_t(q.serie)];
    const double m = q.multiplier, a = q.ajouter;
    if (s.forme == Forme::Classes) {
        std::vector<core::Intervalle> c = s.classes;
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
            case Quantite::Moyenne:
                return somme / N;
            case Quantite::Variance:
                return carres / N;
            case Quantite::EcartType:
                return std::sqrt(carres / N);
            case Quantite::Mediane:
                return lecture(c, N / 2);
            case Quantite::Q1:
                return lecture(c, N / 4);
            case Quantite::Q3:
                return lecture(c, 3 * N / 4);
            case Quantite::D1:
                return lecture(c, N / 10);
            case Quantite::D9:
                return lecture(c, 9 * N / 10);
            case Quantite::EcartInterquartile:
                return lecture(c, 3 * N / 4) - lecture(c, N / 4);
            case Quantite::EffectifTotal:
                return N;
            case Quantite::EffectifAuDessus:
                return dessus(c, q.parametre);
            case Quantite::EffectifAuDessous:
                return N - dessus(c, q.parametre);
            case Quantite::PourcentageAuDessus:
                return 100 * dessus(c, q.parametre) / N;
            case Quantite::PourcentageAuDessous:
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
        case Quantite::Moyenne:
            return moyenne(v);
        case Quantite::Variance:
            return variance(v);
        case Quantite::EcartType:
            return std::sqrt(variance(v));
        case Quantite::Mediane:
            return mediane(v);
        case Quantite::Q1:
            return rang(v, 0.25);
        case Quantite::Q3:
            return rang(v, 0.75);
        case Quantite::D1:
            return rang(v, 0.1);
        case Quantite::D9:
            return rang(v, 0.9);
        case Quantite::EcartInterquartile:
            return rang(v, 0.75) - rang(v, 0.25);
        case Quantite::Etendue:
            return v.back() - v.front();
        case Quantite::EffectifTotal:
            return N;
        case Quantite::Mode: {
            double meilleur = v.front();
            double plus = 0;
            for (double x : v)
                if (compter([x](double y) { return y == x; }) > plus)
                    plus = compter([x](double y) { return y == x; }), meilleur = x;
            return meilleur;
        }
        case Quantite::FrequenceValeur:
            return 100 * compter([&](double y) { return y == q.parametre; }) / N;
        case Quantite::EffectifAuDessus:
            return compter([&](double y) { return y > q.parametre; });
        case Quantite::EffectifAuDessous:
            return compter([&](double y) { return y < q.parametre; });
        case Quantite::PourcentageAuDessus:
            return 100 * compter([&](double y) { return y > q.parametre; }) / N;
        case Quantite::PourcentageAuDessous:
            return 100 * compter([&](double y) { return y < q.parametre; }) / N;
        default:
            break;
    }
    qFatal("no independent figure for this question");
}

// The right choice, again: the modal class by density, the series of largest figure.
QString choixIndependant(const core::Exercice& e, const core::QuestionExercice& q) {
    if (q.quantite == Quantite::Choix) return q.reponse;
    if (q.quantite == Quantite::ClasseModale) {
        const core::SerieExercice& s = e.series[size_t(q.serie)];
        const auto k = *std::max_element(s.classes.begin(), s.classes.end(), [](auto& x, auto& y) {
            return double(x.effectif) / x.amplitude() < double(y.effectif) / y.amplitude();
        });
        return core::texteIntervalle(k.inferieure, k.superieure, s.fermeADroite);
    }
    core::QuestionExercice une = q;
    une.quantite = q.de;
    double meilleur = 0;
    QString nom;
    for (size_t i = 0; i < e.series.size(); ++i) {
        une.serie = int(i);
        const double x = independant(e, une);
        if (nom.isEmpty() || (q.quantite == Quantite::PlusGrand ? x > meilleur : x < meilleur))
            meilleur = x, nom = e.series[i].nom;
    }
    return nom;
}

bool choix(Quantite q) {
    return q == Quantite::Choix || q == Quantite::ClasseModale || q == Quantite::PlusGrand ||
           q == Quantite::PlusPetit;
}

}  // namespace

class ExercicesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void expectedAnswers_data();
    void expectedAnswers();
    void verdicts_data();
    void verdicts();
    void workingWrittenOut_data();
    void workingWrittenOut();
    void sameNumberSameData();
    void filesThatDoNotRead_data();
    void filesThatDoNotRead();
    void score_data();
    void score();
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
    const core::Exercice e = numero ? core::nouvellesDonnees(lu(fichier), numero) : lu(fichier);
    const core::QuestionExercice& q = e.questions[size_t(question)];
    if (choix(q.quantite)) {
        QVERIFY(core::choixDe(e, question).size() >= 2);
        QCOMPARE(core::choixJustes(e, question), QStringList{choixIndependant(e, q)});
        QCOMPARE(core::verifier(e, question, choixIndependant(e, q)), core::Verdict::Juste);
        return;
    }
    const std::vector<double> attendus = core::attendus(e, question);
    if (q.quantite == Quantite::Mode) {
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

// GIVEN the speed check WHEN answers are typed THEN within 0,05 of 131,33 is right,
// with either mark for the decimals; the count of tickets is right within half a ticket.
void ExercicesTest::verdicts_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("reponse");
    QTest::addColumn<int>("verdict");
    const auto juste = int(core::Verdict::Juste), faux = int(core::Verdict::Faux);
    QTest::newRow("mean, comma") << 0 << u"131,3"_s << juste;
    QTest::newRow("mean, point") << 0 << u"131.3"_s << juste;
    QTest::newRow("mean, more digits") << 0 << u" 131,33 "_s << juste;
    QTest::newRow("mean of the counts, as the list shows it") << 0 << u"45"_s << faux;
    QTest::newRow("mean, one digit off") << 0 << u"131,2"_s << faux;
    QTest::newRow("mean, not a figure") << 0 << u"1,3,1"_s << faux;
    QTest::newRow("no answer") << 0 << u""_s << int(core::Verdict::SansReponse);
    QTest::newRow("chart") << 1 << u"Histogramme"_s << juste;
    QTest::newRow("chart, pie") << 1 << u"Diagramme circulaire"_s << faux;
    QTest::newRow("percentage") << 2 << u"51,7"_s << juste;
    QTest::newRow("percentage, counted") << 2 << u"186"_s << faux;
    QTest::newRow("tickets") << 3 << u"65"_s << juste;
    QTest::newRow("tickets, grouped digits") << 3 << u"6 5"_s << juste;
    QTest::newRow("tickets, the whole class") << 3 << u"80"_s << faux;
}

void ExercicesTest::verdicts() {
    QFETCH(int, question);
    QFETCH(QString, reponse);
    QFETCH(int, verdict);
    const core::Exercice e = lu(u"01-controles-de-vitesse.json"_s);
    QCOMPARE(int(core::verifier(e, question, reponse)), verdict);
}

// GIVEN a question WHEN its solution is asked THEN the working is written from the data,
// with the region's decimals and grouping.
void ExercicesTest::workingWrittenOut_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("contient");
    const QString milliers = QLocale(QLocale::French).groupSeparator();
    QTest::newRow("mean by centres")
        << u"01-controles-de-vitesse.json"_s << 0
        << u"Moyenne = (95 × 5 + 105 × 14 + 115 × 31 + … + 165 × 7) / 360 = 47"_s + milliers +
               u"280 / 360 ≈ 131,3 km/h."_s;
    QTest::newRow("chart, with its reason")
        << u"01-controles-de-vitesse.json"_s << 1 << u"Réponse : Histogramme. Les vitesses"_s;
    QTest::newRow("percentage, counts added")
        << u"01-controles-de-vitesse.json"_s << 2
        << u"106 + 51 + 22 + 7 = 186. Pourcentage = 186 / 360 × 100 ≈ 51,7 %."_s;
    QTest::newRow("part of a class")
        << u"01-controles-de-vitesse.json"_s << 3 << u"(150 − 143) / (150 − 140) × 51 = 35,7"_s;
    QTest::newRow("odd median by rank")
        << u"02-notes-d-un-controle.json"_s << 1
        << u"N = 25 est impair : la médiane est la valeur de rang (N + 1) / 2 = 13, soit Me = 12."_s;
    QTest::newRow("quartile by rank")
        << u"02-notes-d-un-controle.json"_s << 2 << u"rang ⌈N/4⌉ = ⌈6,25⌉ = 7, soit Q1 = 10."_s;
    QTest::newRow("even median")
        << u"03-pointures.json"_s << 2
        << u"moyenne des valeurs de rangs 16 et 17, soit Me = (39 + 39) / 2 = 39."_s;
    QTest::newRow("frequency") << u"03-pointures.json"_s << 3 << u"9 / 32 ≈ 0,2813, soit 28,1 %."_s;
    QTest::newRow("spread compared")
        << u"04-deux-classes-comparees.json"_s << 3
        << u"« Seconde A » : 2 ; « Seconde B » : 9. La valeur la plus grande est celle de « "
           u"Seconde B »."_s;
    QTest::newRow("linearity of the mean")
        << u"05-deux-points-de-plus.json"_s << 2
        << u"la moyenne subit la même transformation. Après : 11,5 + 2 = 13,5."_s;
    QTest::newRow("spread unchanged")
        << u"05-deux-points-de-plus.json"_s << 3 << u"l'écart type ne change pas"_s;
    QTest::newRow("modal class by density")
        << u"06-tailles-classes-inegales.json"_s << 0
        << u"[150 ; 160[ : 30 / 10 = 3 ; [160 ; 165[ : 20 / 5 = 4 ; "_s;
    QTest::newRow("median by interpolation")
        << u"06-tailles-classes-inegales.json"_s << 1
        << u"Me = 160 + (165 − 160) × (46 − 36) / (56 − 36) = 162,5 cm."_s;
}

void ExercicesTest::workingWrittenOut() {
    QFETCH(QString, fichier);
    QFETCH(int, question);
    QFETCH(QString, contient);
    const QString solution = core::solutionDe(lu(fichier), question);
    QVERIFY2(solution.contains(contient), qPrintable(solution));
    QVERIFY(!core::indiceDe(lu(fichier), question).isEmpty());
}

// GIVEN an exercise WHEN new data are drawn THEN one number gives the same data each
// time, another number other data, of the same shape and total, within the bounds.
void ExercicesTest::sameNumberSameData() {
    const core::Exercice vitesses = lu(u"01-controles-de-vitesse.json"_s);
    const auto comptes = [](const core::Exercice& e) {
        QList<qint64> c;
        for (const auto& k : e.series.front().classes) c << k.effectif;
        return c;
    };
    const core::Exercice a = core::nouvellesDonnees(vitesses, 4711);
    QCOMPARE(comptes(a), comptes(core::nouvellesDonnees(vitesses, 4711)));
    QVERIFY(comptes(a) != comptes(vitesses));
    QVERIFY(comptes(a) != comptes(core::nouvellesDonnees(vitesses, 4712)));
    QCOMPARE(a.series.front().effectif(), qint64(360));
    QCOMPARE(a.series.front().classes.size(), size_t(8));
    QCOMPARE(core::feuilleCorrigee(a, 4711),
             core::feuilleCorrigee(core::nouvellesDonnees(vitesses, 4711), 4711));
    const core::Exercice notes = core::nouvellesDonnees(lu(u"02-notes-d-un-controle.json"_s), 12);
    QCOMPARE(notes.series.front().brutes.size(), size_t(25));
    for (double x : notes.series.front().brutes) QVERIFY(x >= 0 && x <= 20 && x == std::floor(x));
    // The solution follows the data.
    QVERIFY(core::solutionDe(a, 0) != core::solutionDe(vitesses, 0));
}

// GIVEN files that do not read WHEN they are read THEN the reason says the line.
void ExercicesTest::filesThatDoNotRead_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("faute");
    const QByteArray debut =
        "{\n\"titre\": \"t\",\n\"donnees\": {\"forme\": \"brute\", \"valeurs\": [1, 2]},\n";
    QTest::newRow("not JSON") << QByteArray("{\n\"titre\": \"t\",\n,\n}")
                              << u"ligne 3 : le texte n'est pas du JSON"_s;
    QTest::newRow("unknown quantity")
        << debut +
               "\"questions\": [\n{\"texte\": \"a\", \"demande\": \"moyenne\"},\n"
               "{\"texte\": \"b\", \"demande\": \"moyene\"}\n]}"
        << u"ligne 6 : la quantité « moyene » n'existe pas"_s;
    QTest::newRow("mode of classes")
        << QByteArray(
               "{\"titre\": \"t\", \"donnees\": {\"forme\": \"classes\", \"classes\": "
               "[[0, 10, 2]]},\n\"questions\": [{\"texte\": \"a\", \"demande\": \"mode\"}]}")
        << u"ligne 2 : le mode se demande pour des valeurs"_s;
    QTest::newRow("overlapping classes")
        << QByteArray(
               "{\"titre\": \"t\",\n\"donnees\": {\"forme\": \"classes\", \"classes\": "
               "[[0, 10, 2], [5, 15, 1]]}, \"questions\": []}")
        << u"ligne 2 : deux classes se chevauchent"_s;
    QTest::newRow("right answer not among the choices")
        << debut +
               "\"questions\": [{\"texte\": \"a\", \"demande\": \"choix\", \"choix\": "
               "[\"x\", \"y\"], \"reponse\": \"z\"}]}"
        << u"ligne 4 : « reponse » doit être l'un des choix"_s;
    QTest::newRow("a count that is not whole")
        << QByteArray(
               "{\"titre\": \"t\", \"donnees\": {\"forme\": \"valeurs\", \"valeurs\": [[1, "
               "2.5]]}, \"questions\": [{\"texte\": \"a\", \"demande\": \"moyenne\"}]}")
        << u"ligne 1 : chaque valeur s'écrit [valeur, effectif]"_s;
    QTest::newRow("threshold missing")
        << debut + "\"questions\": [{\"texte\": \"a\", \"demande\": \"effectif_au_dessus\"}]}"
        << u"ligne 4 : « seuil » doit être un nombre"_s;
}

void ExercicesTest::filesThatDoNotRead() {
    QFETCH(QByteArray, json);
    QFETCH(QString, faute);
    const core::LectureExercice l = core::lireExercice(json);
    QVERIFY(!l.exercice);
    QVERIFY2(l.faute.startsWith(faute), qPrintable(l.faute));
}

void ExercicesTest::score_data() {
    QTest::addColumn<int>("justes");
    QTest::addColumn<QString>("texte");
    QTest::newRow("none") << 0 << u"0 réponse juste sur 4"_s;
    QTest::newRow("one") << 1 << u"1 réponse juste sur 4"_s;
    QTest::newRow("three") << 3 << u"3 réponses justes sur 4"_s;
}

void ExercicesTest::score() {
    QFETCH(int, justes);
    QFETCH(QString, texte);
    QCOMPARE(core::texteDuScore(justes, 4), texte);
}

QTEST_APPLESS_MAIN(ExercicesTest)
#include "tst_exercise_engine.moc"
