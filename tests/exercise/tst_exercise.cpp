// The exercise window: its layout, its three buttons and its lifetime beside the main
// window.

#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "support/chart_ops.h"
#include "support/fresh_start.h"
#include "ui/look.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
quint32 packed(const QColor& c) {
    return ui::rgb(c.red(), c.green(), c.blue());
}

QWidget* find(const QString& name, int index) {
    for (QWidget* w : Dexo_enonce::instance().findChildren<QWidget*>(name))
        if (index < 0 || w->property("index").toInt() == index) return w;
    return nullptr;
}

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* t = qobject_cast<QLineEdit*>(w)) return t->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return {};
}

Dexo_enonce& openExercise() {
    QTest::mouseClick(statistique::instance().Command_enonce, Qt::LeftButton);
    return Dexo_enonce::instance();
}
}  // namespace

class ExerciseTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void window();
    void controls_data();
    void controls();
    void tableRowsOverlap();
    void buttonsLoadTheCountsAndDrawLater_data();
    void buttonsLoadTheCountsAndDrawLater();
    void opensOnceAndComesToTheFront();
    void closingOpensItAfreshNextTime();
};

void ExerciseTest::window() {
    QVERIFY(!Dexo_enonce::exists());  // created on first use
    Dexo_enonce& w = openExercise();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), u"Ek_varno"_s);
    QCOMPARE(w.size(), QSize(ui::pixels(12525), ui::pixels(7920)));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w.parentWidget(), nullptr);
    QVERIFY(!w.isModal());
    QCOMPARE(packed(w.palette().color(QPalette::Window)), ui::systemColour(9));
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 2);
    // No icon of its own, and not the program's either: a blank one.
    const QImage icon = w.windowIcon().pixmap(16).toImage();
    QVERIFY(!icon.isNull());
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) QCOMPARE(qAlpha(icon.pixel(x, y)), 0);

    QCOMPARE(QLineF(w.Line1->from(), w.Line1->to()), QLineF(6240, 0, 6240, 8640));
    QCOMPARE(w.Line1->lineWidth(), 6);
    QCOMPARE(w.Line1->colour(), ui::systemColour(2));
}

void ExerciseTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QSizeF>("size");  // empty for labels sized to their text
    QTest::addColumn<quint32>("fore");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("tab");

    const auto row = [](const char* name, int index) -> QTestData& {
        return QTest::newRow(
                   qPrintable(index < 0 ? QString::fromLatin1(name)
                                        : u"%1(%2)"_s.arg(QString::fromLatin1(name)).arg(index)))
               << QString::fromLatin1(name) << index;
    };
    const quint32 blue = ui::rgb(0, 0, 255), heading = ui::rgb(128, 128, 255), black = 0;
    const QSizeF fits;
    row("Label1", -1) << "EXERCICE: Contrôles de vitesse" << QPointF(480, 240) << fits << blue
                      << 13.5 << true << 0;
    row("Label2", 0) << "Données du problème" << QPointF(360, 1080) << fits << heading << 12.0
                     << true << 2;
    row("Label3", 0) << "Sur une portion d'autoroute, on effectue un controle de vitesse. Sur un "
                        "échantillon de 360 "
                        "automobiles, on a obtenu les résultats suivants:"
                     << QPointF(360, 1440) << QSizeF(5775, 855) << black << 12.0 << false << 1;
    row("Text1", 0) << "   Vitesse en km/h" << QPointF(360, 2640) << QSizeF(2415, 495) << blue
                    << 12.0 << true << 6;
    row("Text1", 1) << "         Effectif" << QPointF(2760, 2640) << QSizeF(2415, 495) << blue
                    << 12.0 << true << 7;
    const char* classes[8] = {"         ]90, 100]", "        ]100, 110]", "        ]110, 120]",
                              "        ]120, 130]", "        ]130, 140]", "        ]140, 150]",
                              "        ]150, 160]", "        ]160, 170]"};
    const char* counts[8] = {"               5     ", "              14", "              31",
                             "             124",      "             106", "              51",
                             "              22",      "               7"};
    for (int i = 0; i < 8; ++i) {
        row("Text1", 2 + i) << classes[i] << QPointF(360, 3120 + 360 * i) << QSizeF(2415, 420)
                            << black << 12.0 << false << 8 + i;
        row("Text1", 10 + i) << counts[i] << QPointF(2760, 3120 + 360 * i) << QSizeF(2415, 420)
                             << black << 12.0 << false << 16 + i;
    }
    row("Label2", 3) << "Questions" << QPointF(360, 6360) << fits << heading << 12.0 << true << 3;
    row("Label3", 3)
        << "1) Déterminez la moyenne de la série statistique définie par le centre des classes."
        << QPointF(360, 6840) << QSizeF(5640, 720) << black << 12.0 << false << 24;
    row("Label3", 2) << "Aide : 'centre des classes' = 95 pour ]90, 100]" << QPointF(360, 7440)
                     << fits << black << 12.0 << false << 5;
    row("Label3", 1) << "2) Représenter graphiquement ce tableau de valeurs, en choisissant la "
                        "méthode (camembert, "
                        "courbe ou batons) qui vous semble la plus adaptée."
                     << QPointF(6840, 1080) << QSizeF(5640, 960) << black << 12.0 << false << 4;
    row("Label3", 4) << "3)La vitesse est limitée à 130 km/h. Quel est le pourcentage "
                        "d'automobiliste en infraction ?"
                     << QPointF(6840, 2160) << QSizeF(5640, 720) << black << 12.0 << false << 25;
    row("Label3", 5) << "4) En raison des imprécisions de mesures, une certaine tolérance est "
                        "accordée et un procès "
                        "verbal n'est dressé qu'aux automobilistes dépassant 143 km/h. Combien de "
                        "procès verbaux vont "
                        "être dressés?"
                     << QPointF(6840, 3000) << QSizeF(5640, 1320) << black << 12.0 << false << 26;
    row("Label2", 1) << "Solutions" << QPointF(6960, 4800) << fits << heading << 12.0 << true << 30;
    row("command_camembert", 0) << "Bâton" << QPointF(6960, 5280) << QSizeF(975, 615) << black
                                << 0.0 << false << 27;
    row("command_camembert", 1) << "Camembert" << QPointF(8040, 5280) << QSizeF(975, 615) << black
                                << 0.0 << false << 28;
    row("command_camembert", 2) << "Courbe" << QPointF(9120, 5280) << QSizeF(975, 615) << black
                                << 0.0 << false << 29;
}

void ExerciseTest::controls() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QPointF, position);
    QFETCH(QSizeF, size);
    QFETCH(quint32, fore);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(int, tab);

    QWidget* w = find(name, index);
    QVERIFY(w);
    QCOMPARE(textOf(w), text);
    const ui::Bounds b = ui::bounds(w);
    QCOMPARE(QPointF(b.left, b.top), position);
    if (size.isValid()) QCOMPARE(QSizeF(b.width, b.height), size);
    QCOMPARE(packed(w->palette().color(qobject_cast<QLineEdit*>(w) ? QPalette::Text
                                                                   : QPalette::WindowText)),
             fore);
    QCOMPARE(w->font().pixelSize(), ui::font(points).pixelSize());
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(ui::tabIndex(w), tab);
    if (auto* cell = qobject_cast<QLineEdit*>(w)) {
        QVERIFY(cell->isReadOnly());
        QCOMPARE(packed(cell->palette().color(QPalette::Base)), ui::rgb(192, 192, 255));
    }
    if (auto* button = qobject_cast<QPushButton*>(w))
        QCOMPARE(packed(button->palette().color(QPalette::Button)), ui::rgb(255, 255, 128));
    if (auto* label = qobject_cast<QLabel*>(w); label && name != u"Label1")
        QVERIFY(!label->autoFillBackground());  // transparent
}

void ExerciseTest::tableRowsOverlap() {
    Dexo_enonce& w = Dexo_enonce::instance();
    for (int i = 2; i < 9; ++i) {
        const ui::Bounds upper = ui::bounds(&w.Text1(i)), lower = ui::bounds(&w.Text1(i + 1));
        QCOMPARE(upper.top + upper.height - lower.top, 60.0);
    }
    QCOMPARE(packed(w.Label1->palette().color(QPalette::Window)), ui::rgb(192, 255, 192));
    QVERIFY(w.Label1->autoFillBackground());
}

void ExerciseTest::buttonsLoadTheCountsAndDrawLater_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("blueSticks");
    QTest::addColumn<int>("spokes");
    QTest::addColumn<int>("curveDots");
    QTest::newRow("Bâton") << 0 << 8 << 0 << 0;
    QTest::newRow("Camembert") << 1 << 0 << 8 * 75 << 0;
    QTest::newRow("Courbe") << 2 << 0 << 0 << 8;
}

void ExerciseTest::buttonsLoadTheCountsAndDrawLater() {
    QFETCH(int, button);
    QFETCH(int, blueSticks);
    QFETCH(int, spokes);
    QFETCH(int, curveDots);

    // GIVEN values typed into the series and the exercise open
    statistique& main = statistique::instance();
    main.Text1->setText(u"3"_s);
    QTest::mouseClick(main.Command_ajout, Qt::LeftButton);
    Dexo_enonce& exercise = openExercise();
    QVERIFY(QTest::qWaitForWindowExposed(&exercise));
    const int clears = main.Picture1->clearCount();
    // WHEN one of its buttons is clicked
    QTest::mouseClick(&exercise.command_camembert(button), Qt::LeftButton);
    // THEN the counts replace the series at once and the window hides
    QCOMPARE(test::items(*main.List1),
             (QStringList{"5", "14", "31", "124", "106", "51", "22", "7"}));
    QCOMPARE(test::items(*main.List2), (QStringList{u"Valeur max= 124"_s, u"Valeur min= 5"_s,
                                                    u"Moyenne: 45,000"_s, u"Effectif total=8"_s}));
    QCOMPARE(main.List1->selectedIndex(), 7);
    QVERIFY(exercise.isHidden());
    QCOMPARE(main.Picture1->clearCount(), clears);  // not drawn yet
    // ... and the chart is drawn once, about 100 ms later
    QTRY_COMPARE(main.Picture1->clearCount(), clears + 1);
    QVERIFY(!main.Timer1->isRunning());
    QCOMPARE(test::linesIn(*main.Picture1, ui::rgb(0, 0, 255)).size(), blueSticks);
    int coloured = 0;
    for (const auto& op : main.Picture1->operations())
        if (op.kind == test::Operation::Kind::Line && op.colour != 0 &&
            op.colour != ui::rgb(0, 0, 255))
            ++coloured;
    QCOMPARE(coloured, spokes);
    QCOMPARE(test::dotsOfWidth(*main.Picture1, 7).size(), curveDots);
    for (int i = 0; i < 4; ++i) QVERIFY(!main.Option_graph(i).value());
    QCOMPARE(Dexo_enonce::exists(), true);  // hidden, not gone
}

void ExerciseTest::opensOnceAndComesToTheFront() {
    statistique& main = statistique::instance();
    main.showCentred();
    Dexo_enonce& first = openExercise();
    QVERIFY(QTest::qWaitForWindowActive(&first));
    QTRY_COMPARE(QApplication::focusWidget(), &first.command_camembert(0));
    // The user goes back to the main window, then clicks "EXERCICE" again.
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    first.command_camembert(2).setFocus();
    Dexo_enonce& second = openExercise();
    QCOMPARE(&second, &first);
    QVERIFY(QTest::qWaitForWindowActive(&second));
    QTRY_COMPARE(QApplication::focusWidget(), &second.command_camembert(0));
}

void ExerciseTest::closingOpensItAfreshNextTime() {
    // GIVEN the exercise open, moved away from the centre by the learner
    Dexo_enonce& w = openExercise();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect centred = w.geometry();
    w.move(centred.topLeft() + QPoint(120, 80));
    QTRY_VERIFY((w.geometry().topLeft() - centred.topLeft()).manhattanLength() > 100);
    // WHEN it is closed with its title bar, then opened again
    QVERIFY(w.close());
    QVERIFY(w.isHidden());
    Dexo_enonce& again = openExercise();
    // THEN the same window shows, centred as at first, its texts unchanged
    QCOMPARE(&again, &w);
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QTRY_COMPARE(again.geometry(), centred);
    QCOMPARE(again.Text1(13).text(), u"             124"_s);
}

QTEST_MAIN(ExerciseTest)
#include "tst_exercise.moc"
