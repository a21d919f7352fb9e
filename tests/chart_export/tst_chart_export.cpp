// Charts out of the window: the exercise's sticks as SVG, a large pie's SVG, the page
// printed, the clipboard's image, a file chosen from the menu, and items greyed out
// while nothing is drawn.

#include "chart_export/chart_export.h"
#include "command_line/command_line.h"
#include "core/random.h"
#include "core/series_file.h"
#include "support/fresh_start.h"
#include "ui/chart_output.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QStringList kCounts = {u"5"_s,   u"14"_s,  u"31"_s, u"22"_s,
                             u"124"_s, u"106"_s, u"51"_s, u"7"_s};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The PDF's streams, inflated where they are compressed.
QByteArray pdfStreams(const QByteArray& pdf) {
    QByteArray streams;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        if (end < 0) break;
        const QByteArray data = pdf.mid(at, end - at);
        // qUncompress wants a guess of the inflated size first, big-endian.
        const quint32 guess = quint32(data.size()) * 20;
        QByteArray sized(4, '\0');
        for (int i = 0; i < 4; ++i) sized[i] = char(guess >> (24 - 8 * i));
        const QByteArray inflated = qUncompress(sized + data);
        streams += inflated.isEmpty() ? data : inflated;
        at = end;
    }
    return streams;
}

}  // namespace

class ChartExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void sticksAsSvg();
    void piesStaySmall_data();
    void piesStaySmall();
    void printsOnePage();
    void leavesThroughTheMenuAndTheClipboard();
    void greyedWhileNothingIsDrawn();
    void commandLineWritesWhatTheWindowShows_data();
    void commandLineWritesWhatTheWindowShows();

private:
    QTemporaryDir folder_;
};

void ChartExportTest::sticksAsSvg() {
    // GIVEN the exercise's counts drawn as sticks
    statistique& w = statistique::instance();
    test::loadSeries({u"5"_s, u"14"_s, u"31"_s, u"124"_s, u"106"_s, u"51"_s, u"22"_s, u"7"_s});
    QTest::mouseClick(&w.Option_graph(0), Qt::LeftButton);
    // WHEN they are exported as SVG
    const QString path = folder_.filePath(u"batons.svg"_s);
    QCOMPARE(chart_export::write(ui::chartOf(*w.Picture1), path, chart_export::Type::Svg),
             QString());
    // THEN each stick is a blue line from the baseline to its top, in pixels, and each
    // label is text
    QList<QLineF> lines;
    QStringList texts;
    QString stroke;
    QXmlStreamReader svg(contents(path));
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = svg.attributes();
        if (svg.name() == u"g" && a.hasAttribute(u"stroke"_s))
            stroke = a.value(u"stroke"_s).toString();
        if (svg.name() == u"line" && stroke == u"#0000ff")
            lines << QLineF(a.value(u"x1"_s).toDouble(), a.value(u"y1"_s).toDouble(),
                            a.value(u"x2"_s).toDouble(), a.value(u"y2"_s).toDouble());
        if (svg.name() == u"text") texts << svg.readElementText();
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    const int tops[8] = {4435, 4111, 3499, 151, 799, 2779, 3823, 4363};
    QCOMPARE(lines.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const double x = (100 + 1127 * i) / 15.0;
        QVERIFY(qAbs(lines[i].x1() - x) < 0.01 && qAbs(lines[i].x2() - x) < 0.01);
        QVERIFY(qAbs(lines[i].y1() - 4615 / 15.0) < 0.01);
        QVERIFY(qAbs(lines[i].y2() - tops[i] / 15.0) < 0.01);
    }
    QCOMPARE(texts,
             (QStringList{u"5"_s, u"14"_s, u"31"_s, u"124"_s, u"106"_s, u"51"_s, u"22"_s, u"7"_s}));
}

void ChartExportTest::piesStaySmall_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<qint64>("limit");
    QStringList many;
    for (int i = 0; i < 10000; ++i) many << QString::number(1 + (i * 37) % 97);
    // Each sector's spokes share one style: written once per run, not once per spoke.
    QTest::newRow("8 values") << kCounts << qint64(64 * 1024);
    QTest::newRow("10,000 values") << many << qint64(1024 * 1024);
}

void ChartExportTest::piesStaySmall() {
    QFETCH(QStringList, items);
    QFETCH(qint64, limit);
    statistique& w = statistique::instance();
    test::loadSeries(items);
    QTest::mouseClick(&w.Option_graph(1), Qt::LeftButton);
    QVERIFY(w.Picture1->operations().size() >= size_t(75 * items.size()));
    const QString path = folder_.filePath(u"camembert.svg"_s);
    QCOMPARE(chart_export::write(ui::chartOf(*w.Picture1), path, chart_export::Type::Svg),
             QString());
    const qint64 size = QFile(path).size();
    QVERIFY2(size > 10000 && size < limit, qPrintable(QString::number(size)));
}

void ChartExportTest::printsOnePage() {
    // The code the print dialog's OK runs, with a printer that writes a PDF file.
    statistique& w = statistique::instance();
    test::loadSeries(kCounts);
    QTest::mouseClick(&w.Option_graph(0), Qt::LeftButton);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder_.filePath(u"page.pdf"_s));
    chart_export::print(ui::chartOf(*w.Picture1), printer);
    const QByteArray pdf = contents(folder_.filePath(u"page.pdf"_s));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
                 pdf.count("/Type /Page "),
             1);
    // The sticks are stroked in blue, the green area filled.
    const QByteArray drawing = pdfStreams(pdf);
    QVERIFY(drawing.contains("0 0 1 SCN"));
    QVERIFY(drawing.contains("0.752941191 1 0.752941191 scn"));
}

void ChartExportTest::leavesThroughTheMenuAndTheClipboard() {
    statistique& w = statistique::instance();
    test::loadSeries(kCounts);
    QTest::mouseClick(&w.Option_graph(3), Qt::LeftButton);
    const QSize inner = w.Picture1->surface()->size();
    // A name without a suffix gets the chosen type's: PNG at twice the on-screen size.
    {
        test::FileDialogAnswerer dialog(folder_.filePath(u"graphique"_s));
        w.mnuExporter->trigger();
    }
    QImage png;
    QVERIFY(png.load(folder_.filePath(u"graphique.png"_s)));
    QCOMPARE(png.size(), inner * 2);
    QCOMPARE(png.pixelColor(png.width() / 2, 1), QColor(192, 255, 192));
    // The clipboard takes the same image at twice the screen's resolution.
    w.mnuCopierGraphique->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), inner * 2 * w.Picture1->devicePixelRatioF());
    // An output that cannot be written says why.
    test::MessageBoxAnswerer answerer;
    test::FileDialogAnswerer nowhere(folder_.filePath(u"absent/graphique.svg"_s));
    w.mnuExporter->trigger();
    QCOMPARE(answerer.texts, QStringList{u"Impossible d'exporter le graphique dans "
                                         u"« graphique.svg » : le dossier n'existe pas."_s});
}

void ChartExportTest::greyedWhileNothingIsDrawn() {
    statistique& w = statistique::instance();
    const QList<QAction*> items = {w.mnuExporter, w.mnuImprimer, w.mnuCopierGraphique};
    for (QAction* item : items) QVERIFY(!item->isEnabled());
    QTest::mouseClick(&w.Option_graph(1), Qt::LeftButton);  // a pie of "0": its outline
    for (QAction* item : items) QVERIFY(item->isEnabled());
    test::loadSeries({});
    QTest::mouseClick(&w.Option_graph(0), Qt::LeftButton);  // no sticks: the area is wiped
    for (QAction* item : items) QVERIFY(!item->isEnabled());
}

void ChartExportTest::commandLineWritesWhatTheWindowShows_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("suffix");
    const QStringList charts = {u"sticks"_s, u"pie"_s, u"curve"_s, u"both"_s};
    for (int button = 0; button < 4; ++button)
        for (bool second : {false, true})
            for (const QString& suffix : {u"png"_s, u"svg"_s})
                QTest::addRow("%s%s.%s", qPrintable(charts[button]), second ? " second" : "",
                              qPrintable(suffix))
                    << button << charts[button] << second << suffix;
}

// The window draws a chart by its button; the command line works it out with no
// window. Both are the same record, and so the same file, byte for byte.
void ChartExportTest::commandLineWritesWhatTheWindowShows() {
    QFETCH(int, button);
    QFETCH(QString, chart);
    QFETCH(bool, second);
    QFETCH(QString, suffix);
    const QString series = folder_.filePath(u"vitesses.csv"_s);
    const core::TwoSeries both{{u"5"_s, u"14,5"_s, u"-31"_s, u"124"_s, u"0"_s, u"7"_s},
                               {u"3"_s, u"8"_s, u"20"_s}};
    QFile file(series);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(core::seriesFile(both));
    file.close();

    statistique& w = statistique::instance();
    QVERIFY(w.openSeries(series));
    if (second) w.Check1->click();
    core::Random::restart();
    QTest::mouseClick(&w.Option_graph(button), Qt::LeftButton);
    const QString fromWindow = folder_.filePath(u"fenetre."_s + suffix);
    const auto type = chart_export::typeOf(fromWindow);
    QCOMPARE(chart_export::write(ui::chartOf(*w.Picture1), fromWindow, *type), QString());

    core::Command command;
    command.kind = core::Command::Kind::Export;
    command.file = series;
    command.chart = chart;
    command.chosenChart = core::ChartKind(button);
    command.second = second;
    command.output = folder_.filePath(u"commande."_s + suffix);
    core::Random::restart();
    QCOMPARE(command_line::exportChart(command), 0);
    const QByteArray written = contents(command.output);
    QVERIFY(written.size() > 1000);
    QCOMPARE(written, contents(fromWindow));
}

QTEST_MAIN(ChartExportTest)
#include "tst_chart_export.moc"
