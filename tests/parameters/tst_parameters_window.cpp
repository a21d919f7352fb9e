// The parameters window: the worked example as shown, and a window that follows the
// series while it is open and computes nothing while it is closed.

#include "engine/dexo_mod.h"
#include "parameters/parameters_window.h"
#include "support/fresh_start.h"
#include "ui/chart_view.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList column(const QTableView* table, int c) {
    QStringList texts;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        texts << table->model()->index(r, c).data().toString();
    return texts;
}

Parametres_serie& opened() {
    statistique::instance().mnuParametres->trigger();
    return Parametres_serie::instance();
}

}  // namespace

class ParametersWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void showsTheWorkedExample();
    void followsTheSeriesWhileOpen();
    void aNewProgramStartsFromItsOwnModel();
    void copiesTheTable();
    void axisValuesStayWhole_data();
    void axisValuesStayWhole();
    void boxPlotGoesOut_data();
    void boxPlotGoesOut();
};

void ParametersWindowTest::showsTheWorkedExample() {
    test::loadSeries({u"5"_s, u"7"_s, u"5"_s, u"9"_s});
    Parametres_serie& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), u"Paramètres de la série"_s);
    QCOMPARE(column(w.Table_parametres, 0).join(u'|'),
             u"Effectif total|Minimum|Maximum|Étendue|Moyenne|Médiane|Premier quartile|"
             u"Troisième quartile|Écart interquartile|Mode|Variance|Écart-type"_s);
    QCOMPARE(column(w.Table_parametres, 1).join(u'|'),
             u"4|5,000|9,000|4,000|6,500|6,000|5,000|7,000|2,000|5|2,750|1,658"_s);
    QCOMPARE(column(w.Table_effectifs, 0), (QStringList{u"5"_s, u"7"_s, u"9"_s}));
    QVERIFY(w.Box->accessibleDescription().startsWith(
        u"Série 1 : minimum 5, premier quartile 5, médiane 6, troisième quartile 7, maximum 9"_s));
}

// What one program held is nothing to the next: a new program's model starts from the
// series "0", and its parameters window follows that model, not the one before.
void ParametersWindowTest::aNewProgramStartsFromItsOwnModel() {
    test::loadSeries({u"5"_s, u"7"_s, u"5"_s, u"9"_s});
    statistique::instance().Text_liste2->setText(u"1\r\n3"_s);
    QCOMPARE(column(opened().Table_parametres, 1).first(), u"4"_s);
    test::freshStart();
    QCOMPARE(dexo_mod::model().series1, QStringList{u"0"_s});
    QVERIFY(dexo_mod::effectif_liste2().isEmpty());
    Parametres_serie& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(column(w.Table_parametres, 1).first(), u"1"_s);
    QVERIFY(w.Table_parametres->isColumnHidden(2));
    statistique& main = statistique::instance();
    main.Text1->setText(u"8"_s);
    QTest::mouseClick(main.Command_ajout, Qt::LeftButton);
    QCOMPARE(column(w.Table_parametres, 1).first(), u"2"_s);
}

void ParametersWindowTest::followsTheSeriesWhileOpen() {
    // GIVEN the window open on the starting series "0", with no second list yet
    statistique& main = statistique::instance();
    Parametres_serie& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.Table_parametres->isColumnHidden(2));
    // WHEN a value is added with ">", THEN series 1 follows
    main.Text1->setText(u"8"_s);
    QTest::mouseClick(main.Command_ajout, Qt::LeftButton);
    QCOMPARE(column(w.Table_parametres, 1).first(), u"2"_s);
    // WHEN the second list is edited, THEN its column shows
    main.Text_liste2->setText(u"1\r\n3"_s);
    QVERIFY(!w.Table_parametres->isColumnHidden(2));
    QCOMPARE(column(w.Table_parametres, 2).mid(0, 2), (QStringList{u"2"_s, u"1,000"_s}));
    w.Choix_serie->setCurrentIndex(1);
    QCOMPARE(column(w.Table_effectifs, 0), (QStringList{u"1"_s, u"3"_s}));
    // ... and its random fill too
    QTest::mouseClick(main.Command_aleatoire2, Qt::LeftButton);
    QCOMPARE(column(w.Table_parametres, 2).first(), u"6"_s);
    // WHEN the window is closed, nothing is computed; opened again, it catches up
    w.close();
    QTest::mouseClick(&main.Command_enlever(1), Qt::LeftButton);
    QCOMPARE(column(w.Table_parametres, 1).first(), u"2"_s);
    opened();
    QCOMPARE(column(w.Table_parametres, 1).first(), u"0"_s);
    QCOMPARE(column(w.Table_parametres, 1).at(1), u"—"_s);
}

void ParametersWindowTest::copiesTheTable() {
    test::loadSeries({u"2,5"_s, u"2,5"_s, u"4"_s});
    Parametres_serie& w = opened();
    QTest::mouseClick(w.Command_copier, Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.at(0), u"Paramètre\tSérie 1\tSérie 2"_s);
    QCOMPARE(lines.at(5), u"Moyenne\t3,000\t—"_s);  // no second list read yet
    QVERIFY(lines.contains(u"2,5\t2\t66,667\t2\t66,667"_s));
}

void ParametersWindowTest::axisValuesStayWhole_data() {
    QTest::addColumn<QStringList>("series");
    QTest::newRow("0 to 1") << QStringList{u"0"_s, u"1"_s};
    QTest::newRow("millions") << QStringList{u"-3"_s, u"1234567"_s};
    QTest::newRow("the largest values") << QStringList{u"-1E+308"_s, u"1E+308"_s};
}

void ParametersWindowTest::axisValuesStayWhole() {
    QFETCH(QStringList, series);
    test::loadSeries(series);
    Parametres_serie& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The values are written under the axis, in the band below its ticks; the last one
    // is centred under the axis's end and must not run off the picture.
    const QImage picture = w.Box->grab().toImage();
    int rightmost = -1;
    for (int y = picture.height() - 27; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) rightmost = std::max(rightmost, x);
    QVERIFY2(rightmost > picture.width() / 2 && rightmost < picture.width() - 2,
             qPrintable(u"%1 of %2"_s.arg(rightmost).arg(picture.width())));
}

void ParametersWindowTest::boxPlotGoesOut_data() {
    QTest::addColumn<QStringList>("series");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("values") << QStringList{u"2"_s, u"4"_s} << true;
    QTest::newRow("none") << QStringList{} << false;
}

// The box plot is the chart service's like every chart: copied as an image, exported and
// printed, and not offered while there is nothing to draw.
void ParametersWindowTest::boxPlotGoesOut() {
    QFETCH(QStringList, series);
    QFETCH(bool, drawn);
    test::loadSeries(series);
    Parametres_serie& w = opened();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.Box->drawn(), drawn);
    for (const char* name :
         {"Command_copier_boite", "Command_exporter_boite", "Command_imprimer_boite"}) {
        auto* button = w.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button);
        QCOMPARE(button->isEnabled(), drawn);
    }
    if (!drawn) {
        QCOMPARE(w.Box->accessibleDescription(),
                 u"Aucune des deux séries n'a de valeur à dessiner."_s);
        return;
    }
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(w.Command_copier_boite, Qt::LeftButton);
    const QImage copied = QGuiApplication::clipboard()->image();
    // At twice the chart's size, as every chart is copied.
    QCOMPARE(copied.size(), w.Box->size() * w.devicePixelRatioF() * 2);
}

QTEST_MAIN(ParametersWindowTest)
#include "tst_parameters_window.moc"
