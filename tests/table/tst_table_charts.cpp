// The table window's chart area: the chart chosen follows the table, is worked out for
// the area's size, tells a screen reader what it shows, and leaves the window as it
// shows there (clipboard, PNG, SVG).

#include "chart_export/chart_export.h"
#include "core/table_charts.h"
#include "support/fresh_start.h"
#include "table/table_entry.h"
#include "table/table_window.h"
#include "ui/chart_view.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using core::TableChart;

namespace {

Tableau_effectifs& opened() {
    statistique::instance().mnuTableau->trigger();
    return Tableau_effectifs::instance();
}

TableEntryModel& entry(Tableau_effectifs& w) {
    return *qobject_cast<TableEntryModel*>(w.Table_saisie->model());
}

core::FrequencyTable twoClasses() {
    core::FrequencyTable t;
    t.nature = core::FrequencyTable::Nature::Classes;
    t.closedRight = false;
    t.lines = {{.lower = u"0"_s, .upper = u"10"_s, .count = u"10"_s},
               {.lower = u"10"_s, .upper = u"30"_s, .count = u"10"_s}};
    return t;
}

core::FrequencyTable shoeSizes() {
    core::FrequencyTable t;
    for (const auto& [v, n] : {std::pair{u"36"_s, u"5"_s}, {u"38"_s, u"12"_s}, {u"40"_s, u"3"_s}})
        t.lines.push_back({.value = v, .count = n});
    return t;
}

// The heights of the rectangles an SVG strokes in the bars' blue at width 2, four
// lines each, in the order they come.
QList<double> rectangleHeights(const QByteArray& svg) {
    QList<double> heights;
    QXmlStreamReader xml(svg);
    QList<bool> isBlue;
    QList<double> ys;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"g")
            isBlue << (xml.attributes().value(u"stroke"_s) == u"#1e50c8" &&
                       xml.attributes().value(u"stroke-width"_s) == u"2");
        else if (xml.isEndElement() && xml.name() == u"g" && !isBlue.isEmpty())
            isBlue.removeLast();
        else if (xml.isStartElement() && xml.name() == u"line" && !isBlue.isEmpty() &&
                 isBlue.last()) {
            ys << xml.attributes().value(u"y1"_s).toDouble()
               << xml.attributes().value(u"y2"_s).toDouble();
            if (ys.size() == 8) {
                heights << *std::max_element(ys.begin(), ys.end()) -
                               *std::min_element(ys.begin(), ys.end());
                ys.clear();
            }
        }
    }
    return heights;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TableChartsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void chartOfTheExercise_data();
    void chartOfTheExercise();
    void theChartFitsTheKindOfTable();
    void workedOutForItsSize();
    void leavesTheWindowAsItShows();
    void thousandClassesStayUnderAMegabyte_data();
    void thousandClassesStayUnderAMegabyte();
};

// GIVEN the exercise's classes WHEN a chart is chosen THEN the area tells what it draws,
// or why it cannot; the chart's ways out are offered only for a chart drawn, and the
// deciles' box only for the box plot.
void TableChartsTest::chartOfTheExercise_data() {
    QTest::addColumn<int>("chart");
    QTest::addColumn<bool>("deciles");
    QTest::addColumn<QString>("starts");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("histogram") << int(TableChart::Histogram) << false
                               << u"Histogramme, classes de même amplitude, effectif de chaque "
                                  u"classe : ]90 ; 100] : 5, ]100 ; 110] : 14"_s
                               << true;
    QTest::newRow("bars do not fit classes")
        << int(TableChart::Sticks) << false
        << u"Un diagramme en bâtons se dessine pour un tableau de valeurs"_s << false;
    QTest::newRow("cumulative") << int(TableChart::Cumulative) << false
                                << u"Polygone des effectifs cumulés croissants passant par "
                                   u"(90 ; 0), (100 ; 5), (110 ; 19)"_s
                                << true;
    QTest::newRow("cumulative percent")
        << int(TableChart::CumulativePercent) << false
        << u"Polygone des fréquences cumulées croissantes passant par (90 ; 0), (100 ; 1,389)"_s
        << true;
    QTest::newRow("box") << int(TableChart::Box) << false
                         << u"Diagramme en boîte : minimum 90, Q1 123,226, médiane 130,566"_s
                         << true;
    QTest::newRow("box to the deciles")
        << int(TableChart::Box) << true << u"Diagramme en boîte : D1 "_s << true;
}

void TableChartsTest::chartOfTheExercise() {
    QFETCH(int, chart);
    QFETCH(bool, deciles);
    QFETCH(QString, starts);
    QFETCH(bool, drawn);
    Tableau_effectifs& w = opened();
    w.Command_exercice->click();
    // Classes bring the histogram.
    QCOMPARE(w.Choix_graphique->currentText(), u"Histogramme"_s);
    w.Choix_graphique->setCurrentIndex(chart);
    QCOMPARE(w.Check_deciles->isEnabled(), chart == int(TableChart::Box));
    if (deciles) QTest::mouseClick(w.Check_deciles, Qt::LeftButton);
    const QString description = w.Picture_tableau->accessibleDescription();
    QVERIFY2(description.startsWith(starts), qPrintable(description));
    QCOMPARE(w.Picture_tableau->accessibleName(), u"Graphique du tableau"_s);
    for (QPushButton* b : {w.Command_copier, w.Command_exporter, w.Command_imprimer})
        QCOMPARE(b->isEnabled(), drawn);
}

// GIVEN a chart chosen WHEN the table changes kind THEN bars give way to the histogram
// and back, while a chart that fits both kinds stays chosen.
void TableChartsTest::theChartFitsTheKindOfTable() {
    Tableau_effectifs& w = opened();
    entry(w).replace(shoeSizes());
    QCOMPARE(w.Choix_graphique->currentIndex(), int(TableChart::Sticks));
    QVERIFY(w.Picture_tableau->accessibleDescription().endsWith(u"36 : 5, 38 : 12, 40 : 3"_s));
    w.Choix_nature->setCurrentIndex(1);
    QCOMPARE(w.Choix_graphique->currentIndex(), int(TableChart::Histogram));
    w.Choix_nature->setCurrentIndex(0);
    QCOMPARE(w.Choix_graphique->currentIndex(), int(TableChart::Sticks));
    w.Choix_graphique->setCurrentIndex(int(TableChart::Cumulative));
    entry(w).replace(core::exerciseTable());
    QCOMPARE(w.Choix_graphique->currentIndex(), int(TableChart::Cumulative));
    // An emptied table says there is nothing to draw, and nothing leaves.
    entry(w).replace({});
    QCOMPARE(w.Picture_tableau->accessibleDescription(),
             u"Le tableau n'a encore aucune valeur à dessiner."_s);
    QVERIFY(!w.Command_exporter->isEnabled());
}

// GIVEN the chart shown WHEN the window grows THEN the chart is worked out again for the
// larger area: its title stays over the middle of the axes, its texts at their size.
void TableChartsTest::workedOutForItsSize() {
    Tableau_effectifs& w = opened();
    w.Command_exercice->click();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto title = [&]() -> const core::Drawing::Label* {
        for (const auto& l : w.Picture_tableau->content().drawing.shownLabels())
            if (l.text == u"Histogramme") return &l;
        return nullptr;
    };
    const auto middle = [&] {
        const double width = w.Picture_tableau->width() * 15.0;
        return (1000 + width - 400) / 2;
    };
    QVERIFY(title());
    QCOMPARE(*title()->left, middle());
    const int before = w.Picture_tableau->width();
    w.resize(w.width() + 300, w.height() + 100);
    QTRY_VERIFY(w.Picture_tableau->width() > before);
    QVERIFY(title());
    QCOMPARE(*title()->left, middle());
    QCOMPARE(title()->points, 8.25);
}

// GIVEN classes [0 ; 10[ and [10 ; 30[ of ten values each WHEN the chart is exported
// THEN the SVG's rectangles stand 2 to 1, the PNG is twice the area, and the clipboard
// takes the same image.
void TableChartsTest::leavesTheWindowAsItShows() {
    QTemporaryDir dir;
    Tableau_effectifs& w = opened();
    entry(w).replace(twoClasses());
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.Choix_graphique->currentText(), u"Histogramme"_s);
    {
        test::FileDialogAnswerer files(dir.filePath(u"histogramme.svg"_s));
        w.Command_exporter->click();
        QCOMPARE(files.answered, 1);
    }
    const QByteArray svg = contents(dir.filePath(u"histogramme.svg"_s));
    QVERIFY(svg.contains(">Effectif par unité</text>"));
    QVERIFY2(svg.contains("[0 ; 10[ : 10, [10 ; 30[ : 10</desc>"), svg.left(600).constData());
    const QList<double> heights = rectangleHeights(svg);
    QCOMPARE(heights.size(), 2);
    QVERIFY2(qAbs(heights[0] / heights[1] - 2) < 0.01,
             qPrintable(u"%1 / %2"_s.arg(heights[0]).arg(heights[1])));
    {
        test::FileDialogAnswerer files(dir.filePath(u"histogramme"_s));
        w.Command_exporter->click();
    }
    QImage png;
    QVERIFY(png.load(dir.filePath(u"histogramme.png"_s)));
    QCOMPARE(png.size(), w.Picture_tableau->size() * 2);
    w.Command_copier->click();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), w.Picture_tableau->size() * 2 * w.devicePixelRatioF());
    // An SVG that cannot be written says why.
    test::MessageBoxAnswerer answerer;
    test::FileDialogAnswerer nowhere(dir.filePath(u"absent/h.svg"_s));
    w.Command_exporter->click();
    QCOMPARE(answerer.texts, QStringList{u"Impossible d'exporter le graphique dans « h.svg » : "
                                         u"le dossier n'existe pas."_s});
}

// A thousand classes (or values, for the bars) drawn into an SVG of the window's size.
void TableChartsTest::thousandClassesStayUnderAMegabyte_data() {
    QTest::addColumn<int>("chart");
    for (int g = 0; g < core::kTableCharts; ++g)
        QTest::newRow(qPrintable(core::chartTitle(TableChart(g)))) << g;
}

void TableChartsTest::thousandClassesStayUnderAMegabyte() {
    QFETCH(int, chart);
    core::FrequencyTable t;
    const bool sticks = chart == int(TableChart::Sticks);
    t.nature =
        sticks ? core::FrequencyTable::Nature::Values : core::FrequencyTable::Nature::Classes;
    for (int i = 0; i < 1000; ++i) {
        const QString n = QString::number(1 + (i * 7919) % 97);
        t.lines.push_back(
            sticks ? core::FrequencyTable::Row{.value = QString::number(i), .count = n}
                   : core::FrequencyTable::Row{
                         .lower = QString::number(i), .upper = QString::number(i + 1), .count = n});
    }
    const core::Surface surface{.width = 12000, .height = 9000};
    const core::TableChartRecord g =
        core::tableChartRecord(core::analyseTable(t), TableChart(chart), surface);
    QVERIFY(g.fault.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"mille.svg"_s);
    const QString why = chart_export::write({g.drawing, QSizeF(800, 600), 0xFFFFFF, g.description},
                                            path, chart_export::Type::Svg);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    const qint64 size = QFileInfo(path).size();
    QVERIFY2(size > 10'000 && size < 1'000'000, qPrintable(QString::number(size)));
}

QTEST_MAIN(TableChartsTest)
#include "tst_table_charts.moc"
