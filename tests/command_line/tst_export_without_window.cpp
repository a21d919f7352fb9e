// A chart written from the command line with no window at all: the process has a
// QGuiApplication only, under which making any widget would abort.

#include "command_line/command_line.h"
#include "core/series_file.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

class ExportWithoutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void writesEachChart_data();
    void writesEachChart();

private:
    QTemporaryDir folder_;
};

void ExportWithoutWindowTest::writesEachChart_data() {
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("mark");  // something only a drawn chart holds
    for (const char* chart : {"sticks", "pie", "curve", "both"}) {
        QTest::addRow("%s.png", chart) << QString::fromLatin1(chart) << u"png"_s << QByteArray();
        QTest::addRow("%s.svg", chart)
            << QString::fromLatin1(chart) << u"svg"_s << QByteArray(">124</text>");
        QTest::addRow("%s.pdf", chart)
            << QString::fromLatin1(chart) << u"pdf"_s << QByteArray("%PDF-");
    }
}

void ExportWithoutWindowTest::writesEachChart() {
    QFETCH(QString, chart);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, mark);
    QVERIFY(
        !qobject_cast<QGuiApplication*>(QCoreApplication::instance())->inherits("QApplication"));
    const QString series = folder_.filePath(u"vitesses.csv"_s);
    QFile file(series);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(core::seriesFile({{u"5"_s, u"14"_s, u"31"_s, u"124"_s, u"106"_s}, {u"3"_s}}));
    file.close();

    core::Command command;
    command.kind = core::Command::Kind::Export;
    command.file = series;
    command.chart = chart;
    command.chosenChart = *core::chartKindNamed(chart);
    command.second = true;
    command.output = folder_.filePath(chart + u'.' + suffix);
    QCOMPARE(command_line::exportChart(command), 0);
    QVERIFY(QGuiApplication::allWindows().isEmpty());

    QFile written(command.output);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    if (suffix == u"png") {
        const QImage image = QImage::fromData(bytes, "PNG");
        QCOMPARE(image.size(), QSize(1098, 634));
        QCOMPARE(image.pixelColor(2, 2), QColor(192, 255, 192));
        // The first item's label is painted from the record on its own colour.
        int labelPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                labelPixels += image.pixelColor(x, y) == QColor(179, 220, 253);
        QVERIFY(labelPixels > 100);
    } else {
        QVERIFY2(bytes.contains(mark), bytes.left(300).constData());
    }
}

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ExportWithoutWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_export_without_window.moc"
