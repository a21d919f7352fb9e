// What the exercise editor relies on: every shipped file written back reads as the same
// exercise with the same answers and working; the quantities offered per shape of data;
// the questions refused with their reasons; the file names made from titles.

#include "core/exercises/editing.h"
#include "core/numbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using core::Quantity;
using Forme = core::ExerciseSeries::Forme;

Q_DECLARE_METATYPE(core::Exercise)

namespace {

const QString kDossier = QStringLiteral(QT_TESTCASE_SOURCEDIR) + u"/../data/exercices/"_s;

core::Exercise lu(const QByteArray& json) {
    const core::ExerciseReading l = core::lireExercice(json);
    if (!l.exercice) qFatal("%s", qPrintable(l.faute));
    return *l.exercice;
}

core::ExerciseSeries serie(Forme forme) {
    core::ExerciseSeries s;
    s.nom = u"Série 1"_s;
    s.forme = forme;
    s.brutes = {4, 8, 8, 15};
    if (forme == Forme::Valeurs) s.valeurs = {{1, 3}, {2, 5}};
    if (forme == Forme::Classes) s.classes = {{0, 10, 4}, {10, 20, 6}};
    s.paires = {.nameX = u"x"_s, .nameY = u"y"_s, .x = {2, 2, 2}, .y = {1, 2, 3}};
    s.n = 10;
    s.echantillons = 20;
    return s;
}

core::Exercise exercice(Forme forme, Quantity q, const QString& texte = u"Combien ?"_s) {
    core::Exercise e;
    e.titre = u"Essai"_s;
    e.enonce = u"Un énoncé."_s;
    e.series = {serie(forme)};
    core::ExerciseQuestion question;
    question.texte = texte;
    question.quantite = q;
    question.parametre = 8;
    e.questions = {question};
    return e;
}

QStringList noms(Forme forme) {
    QStringList n;
    for (const auto& q : core::quantitesOffertes(forme)) n << q.nom;
    return n;
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void roundTrip_data() {
        QTest::addColumn<QString>("fichier");
        for (const QString& f : QDir(kDossier).entryList({u"*.json"_s}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(f)) << f;
    }
    void roundTrip() {
        QFETCH(QString, fichier);
        // GIVEN a shipped exercise
        QFile f(kDossier + fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const core::Exercise avant = lu(f.readAll());
        // WHEN it is written and read again
        const QByteArray json = core::exerciceEnJson(avant);
        const core::Exercise apres = lu(json);
        // THEN it is the same exercise, asking the same and expecting the same
        QCOMPARE(apres.titre, avant.titre);
        QCOMPARE(apres.enonce, avant.enonce);
        QCOMPARE(apres.niveau, avant.niveau);
        QCOMPARE(apres.themes, avant.themes);
        QCOMPARE(apres.graphique, avant.graphique);
        QCOMPARE(apres.series.size(), avant.series.size());
        for (size_t i = 0; i < avant.series.size(); ++i) {
            const core::ExerciseSeries &a = avant.series[i], &b = apres.series[i];
            QCOMPARE(b.nom, a.nom);
            QCOMPARE(b.forme, a.forme);
            QCOMPARE(b.fermeADroite, a.fermeADroite);
            QCOMPARE(b.brutes, a.brutes);
            QCOMPARE(b.ponderees().size(), a.ponderees().size());
            QCOMPARE(b.classes.size(), a.classes.size());
            QCOMPARE(b.effectif(), a.effectif());
            QCOMPARE(b.paires, a.paires);
            QCOMPARE(b.population, a.population);
            QCOMPARE(b.frequenceObservee, a.frequenceObservee);
            QCOMPARE(std::tuple(b.min, b.max, b.pas, b.total),
                     std::tuple(a.min, a.max, a.pas, a.total));
            QCOMPARE(std::tuple(b.p, b.n, b.echantillons), std::tuple(a.p, a.n, a.echantillons));
        }
        QCOMPARE(apres.questions.size(), avant.questions.size());
        for (int i = 0; i < int(avant.questions.size()); ++i) {
            const core::ExerciseQuestion &a = avant.questions[size_t(i)],
                                         &b = apres.questions[size_t(i)];
            QCOMPARE(b.texte, a.texte);
            QCOMPARE(b.quantite, a.quantite);
            QCOMPARE(std::tuple(b.indice, b.explication, b.unite, b.tolerance),
                     std::tuple(a.indice, a.explication, a.unite, a.tolerance));
            QCOMPARE(core::choixDe(apres, i), core::choixDe(avant, i));
            QCOMPARE(core::reponseAttendue(apres, i), core::reponseAttendue(avant, i));
            QCOMPARE(core::solutionDe(apres, i), core::solutionDe(avant, i));
            QCOMPARE(core::indiceDe(apres, i), core::indiceDe(avant, i));
        }
        // The same data from a numbered series, and the same bytes written a second time.
        QCOMPARE(core::feuilleCorrigee(apres, 17), core::feuilleCorrigee(avant, 17));
        QCOMPARE(core::exerciceEnJson(apres), json);
        // A shipped exercise is one the editor would save.
        QCOMPARE(core::fautesDeLExercice(avant), QStringList());
    }

    void offered_data() {
        QTest::addColumn<Forme>("forme");
        QTest::addColumn<QStringList>("offertes");
        QTest::addColumn<QStringList>("refusees");
        QTest::newRow("brute") << Forme::Brute
                               << QStringList{u"moyenne"_s, u"mode"_s, u"frequence_valeur"_s,
                                              u"q1"_s, u"choix"_s}
                               << QStringList{u"classe_modale"_s, u"gini"_s, u"correlation"_s,
                                              u"plus_grand"_s, u"part_dans_intervalle"_s};
        QTest::newRow("valeurs") << Forme::Valeurs
                                 << QStringList{u"mediane"_s, u"pourcentage_au_dessus"_s}
                                 << QStringList{u"classe_modale"_s, u"gini"_s};
        QTest::newRow("classes") << Forme::Classes
                                 << QStringList{u"classe_modale"_s, u"gini"_s, u"moyenne"_s}
                                 << QStringList{u"mode"_s, u"frequence_valeur"_s, u"moyenne_x"_s};
        QTest::newRow("paires") << Forme::Paires
                                << QStringList{u"correlation"_s, u"estimation"_s, u"gini"_s,
                                               u"choix"_s}
                                << QStringList{u"moyenne"_s, u"mediane"_s,
                                               u"ecart_type_frequences"_s};
        QTest::newRow("simulation")
            << Forme::Simulation
            << QStringList{u"ecart_type_frequences"_s, u"part_dans_intervalle"_s,
                           u"decision_intervalle"_s}
            << QStringList{u"moyenne"_s, u"covariance"_s, u"gini"_s};
    }
    void offered() {
        QFETCH(Forme, forme);
        QFETCH(QStringList, offertes);
        QFETCH(QStringList, refusees);
        const QStringList n = noms(forme);
        for (const QString& o : offertes) QVERIFY2(n.contains(o), qPrintable(o));
        for (const QString& r : refusees) QVERIFY2(!n.contains(r), qPrintable(r));
        // Every name offered is one the reader knows, with a label of its own.
        for (const auto& q : core::quantitesOffertes(forme)) {
            QCOMPARE(core::quantiteNommee(q.nom), q.quantite);
            QVERIFY(!q.libelle.isEmpty());
        }
    }

    void parameters() {
        using namespace core;
        QCOMPARE(parametresDe(Quantity::Moyenne), unsigned(ParametrePrecision));
        QCOMPARE(parametresDe(Quantity::PourcentageAuDessus),
                 unsigned(ParametrePrecision | ParametreSeuil));
        QCOMPARE(
            parametresDe(Quantity::Estimation),
            unsigned(ParametrePrecision | ParametreXouY | ParametreMethode | ParametreChangement));
        QCOMPARE(parametresDe(Quantity::Choix), unsigned(ParametreChoix));
        QCOMPARE(parametresDe(Quantity::PartDansIntervalle),
                 unsigned(ParametrePrecision | ParametreK));
    }

    void refused_data() {
        QTest::addColumn<core::Exercise>("exercice");
        QTest::addColumn<QStringList>("fautes");
        const auto une = [](const QString& f) { return QStringList{f}; };
        QTest::newRow("gini on raw data")
            << exercice(Forme::Brute, Quantity::Gini)
            << une(u"Question 1 : « gini » se demande sur des parts cumulées (paires) ou des "
                   u"classes."_s);
        QTest::newRow("modal class of a raw series")
            << exercice(Forme::Brute, Quantity::ClasseModale)
            << une(u"Question 1 : « classe_modale » se demande pour des classes."_s);
        QTest::newRow("frequency of a value on classes")
            << exercice(Forme::Classes, Quantity::FrequenceValeur)
            << une(u"Question 1 : la fréquence d'une valeur se demande sur des valeurs, pas sur "
                   u"des classes."_s);
        QTest::newRow("correlation with V(x) = 0")
            << exercice(Forme::Paires, Quantity::Correlation)
            << une(u"Question 1 : « Coefficient de corrélation » ne se calcule pas sur ces "
                   u"données : la variance des x est nulle (toutes les valeurs de x sont "
                   u"égales) : aucune droite de y en x ne s'ajuste."_s);
        QTest::newRow("decision without an observed frequency")
            << exercice(Forme::Simulation, Quantity::DecisionIntervalle)
            << une(u"Question 1 : la décision demande une « frequence_observee » dans les "
                   u"données."_s);
        QTest::newRow("empty text") << exercice(Forme::Brute, Quantity::Moyenne, u"  "_s)
                                    << une(u"Question 1 : son texte est vide."_s);
        core::Exercise chevauchent = exercice(Forme::Classes, Quantity::Moyenne);
        chevauchent.series[0].classes.push_back({5, 15, 1});
        QTest::newRow("overlapping classes")
            << chevauchent << une(u"Données : deux classes se chevauchent."_s);
        core::Exercise rien;
        QTest::newRow("nothing") << rien
                                 << QStringList{u"Le titre est obligatoire."_s,
                                                u"L'énoncé est obligatoire."_s,
                                                u"Ajoutez au moins une question."_s,
                                                u"Les données sont vides."_s};
        core::Exercise deux = exercice(Forme::Brute, Quantity::Mediane);
        deux.questions.push_back(exercice(Forme::Brute, Quantity::Gini).questions[0]);
        deux.questions.push_back(exercice(Forme::Brute, Quantity::Mode).questions[0]);
        QTest::newRow("second of three")
            << deux
            << une(u"Question 2 : « gini » se demande sur des parts cumulées (paires) ou des "
                   u"classes."_s);
        QTest::newRow("a right one")
            << exercice(Forme::Classes, Quantity::ClasseModale) << QStringList();
    }
    void refused() {
        QFETCH(core::Exercise, exercice);
        QFETCH(QStringList, fautes);
        QCOMPARE(core::fautesDeLExercice(exercice), fautes);
    }

    void fileNames_data() {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QStringList>("pris");
        QTest::addColumn<QString>("nom");
        QTest::newRow("accents") << u"Contrôles de vitesse"_s << QStringList()
                                 << u"controles-de-vitesse.json"_s;
        QTest::newRow("ligatures and marks") << u"  Œuvres d'art : « prix » en €  "_s
                                             << QStringList() << u"oeuvres-d-art-prix-en.json"_s;
        QTest::newRow("nothing left") << u"« ? »"_s << QStringList() << u"exercice.json"_s;
        QTest::newRow("taken") << u"Notes"_s << QStringList{u"notes.json"_s} << u"notes-2.json"_s;
        QTest::newRow("taken twice")
            << u"Notes"_s << QStringList{u"notes.json"_s, u"notes-2.json"_s} << u"notes-3.json"_s;
        QTest::newRow("long") << QString(100, u'a') << QStringList()
                              << QString(60, u'a') + u".json"_s;
    }
    void fileNames() {
        QFETCH(QString, titre);
        QFETCH(QStringList, pris);
        QFETCH(QString, nom);
        QTemporaryDir dossier;
        for (const QString& p : pris) {
            QFile f(dossier.filePath(p));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(core::cheminPourTitre(dossier.path(), titre), dossier.filePath(nom));
    }

    void save() {
        // GIVEN an exercise and a folder not made yet
        QTemporaryDir racine;
        const core::Exercise e = exercice(Forme::Valeurs, Quantity::Moyenne);
        const QString chemin = racine.filePath(u"exercices/essai.json"_s);
        // WHEN it is saved there, THEN it reads back with the same expected answer
        QCOMPARE(core::enregistrerExercice(e, chemin), QString());
        const core::ExerciseReading l = core::lireFichierExercice(chemin);
        QVERIFY(l.exercice);
        QCOMPARE(core::reponseAttendue(*l.exercice, 0), u"1,63"_s);  // (3 + 10) / 8
        // AND a folder that cannot be made leaves no file behind
        QFile bloque(racine.filePath(u"fichier"_s));
        QVERIFY(bloque.open(QIODevice::WriteOnly));
        bloque.close();
        QVERIFY(!core::enregistrerExercice(e, racine.filePath(u"fichier/x/e.json"_s)).isEmpty());
        QVERIFY(!QFile::exists(racine.filePath(u"fichier/x/e.json"_s)));
    }
};

QTEST_GUILESS_MAIN(EditingTest)
#include "tst_exercise_editing.moc"
