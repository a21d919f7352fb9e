// On a scaled screen (the test runs at 1x, 1.5x and 2x): the twips layout scales as a
// whole, every text stays inside its control, and charts are drawn at the screen's own
// resolution rather than blown up.

#include "exercise/dexo_enonce.h"
#include "support/fresh_start.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Why a control's text does not fit it, or nothing when it does.
QString overflow(QWidget* w) {
    const QFontMetrics fm(w->font());
    const auto tooBig = [&](QSize text, QSize room) {
        return text.width() > room.width() || text.height() > room.height()
                   ? u"%1: text %2x%3 in %4x%5"_s.arg(w->objectName())
                         .arg(text.width())
                         .arg(text.height())
                         .arg(room.width())
                         .arg(room.height())
                   : QString();
    };
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 5;
        const QRect room = box->rect().adjusted(indicator, 0, 0, 0);
        return tooBig(fm.boundingRect(room, Qt::TextWordWrap, box->text()).size(), room.size());
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return tooBig(QSize(fm.horizontalAdvance(button->text()), fm.height()), room.size());
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QRect room = label->contentsRect();
        const QSize text = label->wordWrap()
                               ? fm.boundingRect(QRect(0, 0, room.width(), 100000),
                                                 Qt::TextWordWrap, label->text())
                                     .size()
                               : QSize(fm.horizontalAdvance(label->text()), fm.height());
        return tooBig(text, room.size());
    }
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        const QRect room =
            line->contentsRect().adjusted(3, 1, -3, -1);  // the frame's inner margins
        return tooBig(QSize(fm.horizontalAdvance(line->text()), fm.height()), room.size());
    }
    return {};
}

}  // namespace

class ScaledScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void layoutScalesAsAWhole();
    void clientAreaStaysWholeWhenTheBarsFontChanges();
    void textsFitTheirControls();
    void summaryLinesFitTheirList();
    void chartsAreDrawnAtTheScreensResolution();
};

void ScaledScreenTest::layoutScalesAsAWhole() {
    statistique& w = statistique::instance();
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const qreal scale = w.devicePixelRatioF();
    QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble());
    // Logical positions are the twips over 15 whatever the scale; the screen multiplies them.
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->parentWidget() != w.client() || c->objectName().isEmpty()) continue;
        const ui::Bounds b = ui::bounds(c);
        QCOMPARE(c->geometry().topLeft(), QPoint(ui::pixels(b.left), ui::pixels(b.top)));
    }
    // in screen pixels
    QCOMPARE(w.client()->grab().size(), (QSizeF(701, 579) * scale).toSize());
}

void ScaledScreenTest::clientAreaStaysWholeWhenTheBarsFontChanges() {
    statistique& w = statistique::instance();
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // A window taller than the screen was cut to it when placed; below the bar it keeps
    // what it showed then, the whole client area wherever the screen has room for it.
    const int shown = w.height() - w.menuBar()->height();
    if (w.screen()->availableGeometry().height() >= w.menuBar()->height() + w.client()->height())
        QCOMPARE(shown, w.client()->height());
    // GIVEN the window placed with the bar in one font, WHEN the desktop's font comes back
    // larger (or smaller), THEN the window follows and the area below the bar stays as it was.
    const QFont before = QApplication::font();
    const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
    for (int pixels : {before.pixelSize() > 0 ? before.pixelSize() + 6 : 20, 9}) {
        QFont changed = before;
        changed.setPixelSize(pixels);
        QApplication::setFont(changed);
        QTRY_COMPARE(w.menuBar()->height(), w.menuBar()->sizeHint().height());
        QTRY_COMPARE(w.height() - w.menuBar()->height(), shown);
    }
}

void ScaledScreenTest::textsFitTheirControls() {
    statistique& main = statistique::instance();
    test::loadSeries({u"124"_s, u"5"_s});
    QTest::mouseClick(main.Command2, Qt::LeftButton);  // the longest answer Label1 shows
    QList<QWidget*> controls = main.findChildren<QWidget*>();
    controls += Dexo_enonce::instance().findChildren<QWidget*>();
    QStringList problems;
    for (QWidget* c : controls)
        if (!c->objectName().isEmpty())
            if (const QString why = overflow(c); !why.isEmpty()) problems << why;
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"; "_s)));
}

void ScaledScreenTest::summaryLinesFitTheirList() {
    statistique& main = statistique::instance();
    main.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    test::loadSeries({u"5"_s, u"14"_s, u"31"_s, u"124"_s, u"106"_s, u"51"_s, u"22"_s, u"7"_s});
    const QFontMetrics fm(main.List2->font());
    for (int i = 0; i < main.List2->count(); ++i)
        QVERIFY2(fm.horizontalAdvance(main.List2->itemText(i)) <= main.List2->viewport()->width(),
                 qPrintable(main.List2->itemText(i)));
}

void ScaledScreenTest::chartsAreDrawnAtTheScreensResolution() {
    // GIVEN a curve drawn in the shown window
    statistique& w = statistique::instance();
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    test::loadSeries({u"3"_s, u"1"_s});  // the first point at (100, 100) twips
    QTest::mouseClick(&w.Option_graph(2), Qt::LeftButton);
    w.Picture1->surface()->repaint();
    // THEN the kept image has the screen's pixels, not the layout's
    const qreal scale = w.devicePixelRatioF();
    const QImage& image = w.Picture1->image();
    QCOMPARE(image.devicePixelRatio(), scale);
    QCOMPARE(image.size(), (QSizeF(w.Picture1->surface()->size()) * scale).toSize());
    // ... and a dot is round at that resolution: at 2x, its edge is not made of 2x2 blocks.
    const QPoint centre = (QPointF(100.0 / 15, 100.0 / 15) * scale).toPoint();
    const int radius = qCeil(3.5 * scale) + 1;
    int darkPixels = 0;
    bool blocky = true;
    for (int y = centre.y() - radius; y < centre.y() + radius; y += 2)
        for (int x = centre.x() - radius; x < centre.x() + radius; x += 2) {
            const QRgb a = image.pixel(x, y);
            if (qGray(a) < 128) ++darkPixels;
            if (a != image.pixel(x + 1, y) || a != image.pixel(x, y + 1) ||
                a != image.pixel(x + 1, y + 1))
                blocky = false;
        }
    QVERIFY(darkPixels > 0);
    if (scale >= 2) QVERIFY2(!blocky, "a blown-up image would repeat each pixel 2x2");
}

QTEST_MAIN(ScaledScreenTest)
#include "tst_scaled_screen.moc"
