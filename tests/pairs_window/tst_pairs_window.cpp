// The two variables' window alone: pairs typed, pasted or given show the figures worked
// out by hand; the learner's line moved by the keys tells its equation and its sum of
// squared residuals as they are; the estimates say where they stand.

#include "core/numbers.h"
#include "pairs_window/pairs_window.h"
#include "pairs_window/scatter_view.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using pairs_window::Deux_variables;

namespace {

QString text(const Deux_variables& w, const char* name) {
    return w.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

void type(Deux_variables& w, const QStringList& cells) {
    QAbstractItemModel* model = w.findChild<QTableView*>(u"Table_paires"_s)->model();
    for (int i = 0; i < cells.size(); ++i)
        model->setData(model->index(i / 2, i % 2), cells[i], Qt::EditRole);
}

}  // namespace

class PairsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }

    void typedPairs_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("statistics");
        QTest::addColumn<QString>("fault");
        // x̄ = 2, ȳ = 5, V(x) = 2/3, V(y) = 8/3, cov = 4/3, r = 1 (on y = 2x + 1).
        QTest::newRow("on a line") << QStringList{u"1"_s, u"3"_s, u"2"_s, u"5"_s, u"3"_s, u"7"_s}
                                   << u"Effectif : 3\nPoint moyen G(2 ; 5)\nVariance des x : "
                                      u"0,67\nVariance des y : 2,67\nCovariance : 1,33\nr = 1 ; "
                                      u"r² = 1"_s
                                   << QString();
        // The faulty row left out: (0 ; 0) and (4 ; 2) remain, G(2 ; 1), r = 1.
        QTest::newRow("a fault") << QStringList{u"0"_s,     u"0"_s, u"1,5"_s,
                                                u"douze"_s, u"4"_s, u"2"_s}
                                 << u"Effectif : 2\nPoint moyen G(2 ; 1)\nVariance des x : "
                                    u"4\nVariance des y : 1\nCovariance : 2\nr = 1 ; r² = 1"_s
                                 << u"Ligne 2, y : « douze » n'est pas un nombre"_s;
        // Covariance −1 of x = 1, 2, 3 and y = 3, 1, 2: r = −0,5.
        QTest::newRow("negative") << QStringList{u"1"_s, u"3"_s, u"2"_s, u"1"_s, u"3"_s, u"2"_s}
                                  << u"Effectif : 3\nPoint moyen G(2 ; 2)\nVariance des x : "
                                     u"0,67\nVariance des y : 0,67\nCovariance : −0,33\nr = −0,5 ; "
                                     u"r² = 0,25"_s
                                  << QString();
    }
    void typedPairs() {
        QFETCH(QStringList, cells);
        Deux_variables w;
        type(w, cells);
        QFETCH(QString, statistics);
        QFETCH(QString, fault);
        QCOMPARE(text(w, "Statistiques_paires"), statistics);
        QVERIFY2(text(w, "Erreur_paires").startsWith(fault), qPrintable(text(w, "Erreur_paires")));
    }

    void pastedPairs() {
        Deux_variables w;
        QApplication::clipboard()->setText(u"âge\ttaille\r\n1\t10\r\n2\t20\r\n3\tx\r\n4\t40\r\n"_s);
        w.findChild<QPushButton*>(u"Coller_paires"_s)->click();
        QCOMPARE(w.pairs().x, (std::vector<double>{1, 2, 4}));
        QCOMPARE(w.pairs().y, (std::vector<double>{10, 20, 40}));
        QCOMPARE(w.pairs().nameX, u"âge"_s);  // the header row named them
        QCOMPARE(w.pairs().nameY, u"taille"_s);
        QVERIFY(text(w, "Erreur_paires").startsWith(u"Ligne 3, taille : « x »"_s));
        // The faulty cell keeps what was pasted.
        const QAbstractItemModel* m = w.findChild<QTableView*>(u"Table_paires"_s)->model();
        QCOMPARE(m->index(2, 1).data().toString(), u"x"_s);
    }

    void keysMoveTheLine_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("up") << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up};
        QTest::newRow("other handle down") << QList<int>{Qt::Key_Space, Qt::Key_Down};
        QTest::newRow("right then up") << QList<int>{Qt::Key_Right, Qt::Key_Up, Qt::Key_Up};
    }
    void keysMoveTheLine() {
        QFETCH(QList<int>, keys);
        Deux_variables w;
        w.setPairs({u"x"_s, u"y"_s, {1, 2, 3, 4}, {2, 3, 5, 9}});
        auto* scatter = w.findChild<pairs_window::ScatterView*>(u"Nuage"_s);
        scatter->resize(800, 600);
        const core::pairs::Line before = *scatter->line();
        QCOMPARE(before.a, 0.0);  // level through G to begin with
        QCOMPARE(before.b, 4.75);
        for (int key : keys) QTest::keyClick(scatter, Qt::Key(key));
        const core::pairs::Line after = *scatter->line();
        QVERIFY(after != before);
        // The sum over the pairs, worked out here, as the label writes it.
        double sum = 0;
        for (auto [x, y] : {std::pair{1., 2.}, {2., 3.}, {3., 5.}, {4., 9.}})
            sum += (y - (after.a * x + after.b)) * (y - (after.a * x + after.b));
        QCOMPARE(text(w, "Somme_residus"), u"Somme des carrés des résidus : "_s +
                                               core::textOfNumber(std::round(sum * 100) / 100));
        QVERIFY(text(w, "Equation_au_juge").startsWith(u"Au jugé : y = "_s));
        QVERIFY(text(w, "Equation_au_juge") != u"Au jugé : y = 4,75"_s);
    }

    void estimates_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // Least squares of pairs on y = 2x + 1, x from 1 to 3.
        QTest::newRow("inside") << u"Estimation_x"_s << u"2,5"_s << u"y ≈ 6 (interpolation)"_s;
        QTest::newRow("outside") << u"Estimation_x"_s << u"10"_s << u"y ≈ 21 (extrapolation)"_s;
        QTest::newRow("x for y") << u"Estimation_y"_s << u"−1"_s << u"x ≈ −1 (extrapolation)"_s;
        QTest::newRow("not a number")
            << u"Estimation_y"_s << u"abc"_s << u"« abc » n'est pas un nombre"_s;
    }
    void estimates() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Deux_variables w;
        w.setPairs({u"x"_s, u"y"_s, {1, 2, 3}, {3, 5, 7}});
        w.findChild<QLineEdit*>(field)->setText(typed);
        const char* result = field == u"Estimation_x"_s ? "Estimation_de_y" : "Estimation_de_x";
        QCOMPARE(text(w, result), shown);
    }

    void residualsColumn() {
        // Least squares of (1 ; 3), (2 ; 5), (3 ; 8): y = 2,5x + 1/3.
        Deux_variables w;
        w.setPairs({u"x"_s, u"y"_s, {1, 2, 3}, {3, 5, 8}});
        const QAbstractItemModel* m = w.findChild<QTableView*>(u"Table_paires"_s)->model();
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), u"Résidu"_s);
        QStringList shown;
        for (int row = 0; row < 3; ++row) shown << m->index(row, 2).data().toString();
        QCOMPARE(shown, (QStringList{u"0,17"_s, u"−0,33"_s, u"0,17"_s}));
    }

    void gini_data() {
        QTest::addColumn<std::vector<double>>("population");
        QTest::addColumn<std::vector<double>>("mass");
        QTest::addColumn<QString>("shown");
        // 1 − (0,5 × 0,25 + 0,5 × 1,25) by hand.
        QTest::newRow("half owns a quarter")
            << std::vector<double>{0.5, 1} << std::vector<double>{0.25, 1}
            << u"Indice de Gini : 0,25"_s;
        QTest::newRow("equality") << std::vector<double>{0.25, 0.5, 1}
                                  << std::vector<double>{0.25, 0.5, 1} << u"Indice de Gini : 0"_s;
        QTest::newRow("not shares")
            << std::vector<double>{0.5, 2} << std::vector<double>{0.5, 1} << QString();
    }
    void gini() {
        QFETCH(std::vector<double>, population);
        QFETCH(std::vector<double>, mass);
        QFETCH(QString, shown);
        Deux_variables w;
        w.setPairs({u"x"_s, u"y"_s, population, mass});
        if (shown.isEmpty())
            QVERIFY(!text(w, "Indice_Gini").startsWith(u"Indice de Gini"_s));
        else
            QCOMPARE(text(w, "Indice_Gini"), shown);
    }

    // At the window's opening size, each column's name shows whole: no word wider than
    // its column, and the header as tall as the name wrapped between words.
    void headersReadInFull_data() {
        QTest::addColumn<QString>("nameX");
        QTest::addColumn<QString>("nameY");
        QTest::newRow("short") << u"x"_s << u"y"_s;
        QTest::newRow("long") << u"Taille de la personne (pouces)"_s
                              << u"Masse de la personne (livres)"_s;
        QTest::newRow("longer") << u"Vitesse du véhicule au début du freinage (km/h)"_s
                                << u"Distance de freinage sur route mouillée (m)"_s;
    }
    void headersReadInFull() {
        QFETCH(QString, nameX);
        QFETCH(QString, nameY);
        Deux_variables w;
        w.setPairs({nameX, nameY, {1, 2, 3}, {3, 5, 8}});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto* table = w.findChild<QTableView*>(u"Table_paires"_s);
        const QHeaderView* header = table->horizontalHeader();
        const QFontMetrics metrics = header->fontMetrics();
        for (int c = 0; c < 3; ++c) {
            const QString name = table->model()->headerData(c, Qt::Horizontal).toString();
            const int width = header->sectionSize(c);
            for (const QString& word : name.split(u' '))
                QVERIFY2(metrics.horizontalAdvance(word) < width, qPrintable(word));
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, width - 12, 10000),
                                                       Qt::TextWordWrap | Qt::AlignCenter, name);
            QTRY_VERIFY2(header->height() >= wrapped.height(), qPrintable(name));
        }
    }

    void fitsDescribed() {
        Deux_variables w;
        w.setPairs({u"x"_s, u"y"_s, {1, 2, 3}, {3, 5, 7}});
        w.findChild<QCheckBox*>(u"Moindres_carres"_s)->setChecked(true);
        const QString told = w.findChild<QWidget*>(u"Nuage"_s)->accessibleDescription();
        QVERIFY2(told.startsWith(u"3 points ; point moyen G(2 ; 5)"_s), qPrintable(told));
        QVERIFY2(told.contains(u"moindres carrés : y = 2x + 1"_s), qPrintable(told));
        QVERIFY2(told.contains(u"r = 1"_s), qPrintable(told));
        // Beside the learner's sum, the least-squares one, nought on a line.
        QVERIFY(text(w, "Somme_residus").endsWith(u"(moindres carrés : 0)"_s));
    }
};

QTEST_MAIN(PairsWindowTest)
#include "tst_pairs_window.moc"
