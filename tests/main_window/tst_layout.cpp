// The main window as it opens: every control where it belongs, and the start-up state.

#include "engine/dexo_mod.h"
#include "main_window/program.h"
#include "support/fresh_start.h"
#include "ui/look.h"
#include "ui/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::freshStart(); }
    void controls_data();
    void controls();
    void window();
    void tabOrder();
    void panelsLieBehind();
    void startUpState();
    void colourTable();
    void firstFrameThenTheRest();
};

namespace {
QWidget* find(const QString& name, int index) {
    for (QWidget* w : statistique::instance().findChildren<QWidget*>(name))
        if (index < 0 || w->property("index").toInt() == index) return w;
    return nullptr;
}

QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* t = qobject_cast<QLineEdit*>(w)) return t->text();
    if (auto* m = qobject_cast<ui::MultiLineTextBox*>(w)) return m->text();
    return {};
}

quint32 packed(const QColor& c) {
    return ui::rgb(c.red(), c.green(), c.blue());
}
}  // namespace

void LayoutTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<quint32>("back");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("toolTip");

    const quint32 white = ui::rgb(255, 255, 255);
    const quint32 list = ui::rgb(179, 220, 253);
    const auto row = [](const char* name, int index) -> QTestData& {
        return QTest::newRow(
                   qPrintable(index < 0 ? QString::fromLatin1(name)
                                        : u"%1(%2)"_s.arg(QString::fromLatin1(name)).arg(index)))
               << QString::fromLatin1(name) << index;
    };
    row("Option_graph", 1) << "Camembert" << QRectF(8640, 1320, 1695, 495) << white << 12.0 << 11
                           << "";
    row("Option_graph", 0) << "Bâtons" << QRectF(8640, 2520, 1695, 495) << white << 12.0 << 10
                           << "";
    row("Option_graph", 2) << "Courbe simple" << QRectF(8640, 3120, 1695, 495) << white << 12.0
                           << 33 << "";
    row("Option_graph", 3) << "Les deux" << QRectF(8640, 3720, 1695, 495) << white << 12.0 << 34
                           << "";
    row("Command_aleatoire", -1) << "Aleatoire" << QRectF(360, 5400, 1335, 495) << white << 12.0
                                 << 9 << "remplit la liste";
    row("Text1", -1) << "0" << QRectF(360, 6240, 735, 375) << ui::rgb(114, 172, 231) << 12.0 << 0
                     << "Nouvelle valeur";
    row("Command_ajout", -1) << ">" << QRectF(1200, 6240, 495, 375) << white << 0.0 << 1 << "";
    row("Command_enlever", 0) << "<" << QRectF(1200, 6720, 495, 375) << white << 0.0 << 3 << "";
    row("Command_enlever", 1) << "<<" << QRectF(1200, 7200, 495, 375) << white << 0.0 << 4 << "";
    row("List1", -1) << "" << QRectF(1800, 5400, 1215, 2160) << list << 12.0 << 2 << "";
    row("Command2", -1) << "Fréquence" << QRectF(1680, 7680, 1335, 495) << white << 12.0 << 8 << "";
    row("List2", -1) << "" << QRectF(3000, 5400, 2055, 1560) << list << 12.0 << 6 << "";
    row("Label1", -1) << "Résultats" << QRectF(3120, 7080, 1860, 1035) << 0u << 9.75 << 7 << "";
    row("Check1", -1) << "Prendre en compte 2ème liste" << QRectF(5640, 5400, 1935, 495)
                      << ui::rgb(192, 192, 255) << 9.75 << 35 << "";
    row("Command_aleatoire2", -1) << "Aleatoire" << QRectF(5400, 6360, 1095, 495) << white << 12.0
                                  << 39 << "remplit la liste";
    row("Text_liste2", -1) << "0" << QRectF(6600, 6120, 975, 2055) << ui::rgb(255, 192, 192) << 9.75
                           << 38 << "";
    row("Command_asc", -1) << "Croissant" << QRectF(5560, 7320, 855, 375) << white << 0.0 << 36
                           << "";
    row("Command_desc", -1) << "Décroiss" << QRectF(5560, 7800, 855, 375) << white << 0.0 << 37
                            << "";
    row("Command_enonce", -1) << "EXERCICE" << QRectF(8400, 7800, 1215, 495)
                              << ui::rgb(255, 255, 128) << 0.0 << 60 << "";
    row("Picture1", -1) << "" << QRectF(240, 240, 8295, 4815) << 0u << 0.0 << 5 << "";
}

void LayoutTest::controls() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRectF, twips);
    QFETCH(quint32, back);
    QFETCH(double, points);
    QFETCH(int, tab);
    QFETCH(QString, toolTip);

    QWidget* w = find(name, index);
    QVERIFY(w);
    const ui::Bounds b = ui::bounds(w);
    QCOMPARE(QRectF(b.left, b.top, b.width, b.height), twips);
    QCOMPARE(w->geometry(), QRect(ui::pixels(b.left), ui::pixels(b.top), ui::pixels(b.width),
                                  ui::pixels(b.height)));
    QCOMPARE(captionOf(w), caption);
    QCOMPARE(ui::tabIndex(w), tab);
    QCOMPARE(w->toolTip(), toolTip);
    if (back) {
        const auto role = qobject_cast<QAbstractButton*>(w) && !qobject_cast<QCheckBox*>(w)
                              ? QPalette::Button
                              : (qobject_cast<QCheckBox*>(w) ? QPalette::Window : QPalette::Base);
        QCOMPARE(packed(w->palette().color(role)), back);
    }
    if (name != u"Picture1") {
        QCOMPARE(w->font().pixelSize(), ui::font(points).pixelSize());
        QCOMPARE(w->font().bold(), false);
    }
}

void LayoutTest::window() {
    statistique& w = statistique::instance();
    QCOMPARE(w.windowTitle(), u"Statistique"_s);
    const QSize client(ui::pixels(10515), ui::pixels(8685));
    QCOMPARE(w.client()->size(), client);
    QCOMPARE(packed(w.palette().color(QPalette::Window)), ui::rgb(114, 172, 231));
    QCOMPARE(packed(w.Picture1->backColour()), ui::rgb(192, 255, 192));
    QCOMPARE(w.Picture1->drawWidth(), 2);
    QCOMPARE(w.Timer1->interval(), 0);
    QVERIFY(!(w.windowFlags() & Qt::MSWindowsFixedSizeDialogHint));

    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The menu bar stands above the client area, and the window grows by its height.
    QVERIFY(w.menuBar()->height() > 0);
    QCOMPARE(w.client()->geometry(), QRect(QPoint(0, w.menuBar()->height()), client));
    QCOMPARE(w.size(), client + QSize(0, w.menuBar()->height()));
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(w.frameGeometry().center().y() - screen.center().y()) <= 2);

    for (int i = 0; i < 21; ++i) {
        const ui::Label& label = w.Label_graph(i);
        QCOMPARE(label.parentWidget()->parentWidget(), w.Picture1);
        QCOMPARE(packed(label.palette().color(QPalette::Window)), ui::rgb(179, 220, 253));
        QVERIFY(label.font().bold());
        QCOMPARE(label.font().pixelSize(), ui::font(9.75).pixelSize());
        QCOMPARE(ui::tabIndex(&label), 12 + i);
    }
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(packed(w.Label_graph2(i).palette().color(QPalette::Window)),
                 ui::rgb(255, 192, 192));
        QCOMPARE(ui::tabIndex(&w.Label_graph2(i)), 40 + i);
    }
}

void LayoutTest::tabOrder() {
    statistique& w = statistique::instance();
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Text1);  // tab 0 has the focus at start
    const QStringList expected = {"Text1",
                                  "Command_ajout",
                                  "List1",
                                  "Command_enlever(0)",
                                  "Command_enlever(1)",
                                  "Picture1",
                                  "List2",
                                  "Command2",
                                  "Command_aleatoire",
                                  "Option_graph(0)",
                                  "Option_graph(1)",
                                  "Option_graph(2)",
                                  "Option_graph(3)",
                                  "Check1",
                                  "Command_asc",
                                  "Command_desc",
                                  "Text_liste2",
                                  "Command_aleatoire2",
                                  "Command_enonce"};
    QStringList order;
    QWidget* current = w.Text1;
    for (int i = 0; i < expected.size(); ++i) {
        const QVariant index = current->property("index");
        order << (index.isValid() ? u"%1(%2)"_s.arg(current->objectName()).arg(index.toInt())
                                  : current->objectName());
        current = current->nextInFocusChain();
        while (!(current->focusPolicy() & Qt::TabFocus) || current->objectName().isEmpty())
            current = current->nextInFocusChain();
    }
    QCOMPARE(order, expected);
}

void LayoutTest::panelsLieBehind() {
    statistique& w = statistique::instance();
    const QObjectList children = w.client()->children();
    const auto position = [&](QObject* o) { return children.indexOf(o); };
    for (int i = 0; i < 2; ++i) {
        auto* panel = &w.Shape1(i);
        QCOMPARE(packed(ui::colour(panel->fill())), ui::rgb(192, 192, 255));
        for (QWidget* other :
             {static_cast<QWidget*>(w.List1), static_cast<QWidget*>(w.Label1),
              static_cast<QWidget*>(w.Check1), static_cast<QWidget*>(w.Text_liste2)})
            QVERIFY(position(panel) < position(other));
    }
    const ui::Bounds first = ui::bounds(&w.Shape1(0));
    const ui::Bounds second = ui::bounds(&w.Shape1(1));
    QCOMPARE(QRectF(first.left, first.top, first.width, first.height),
             QRectF(240, 5280, 4935, 3015));
    QCOMPARE(QRectF(second.left, second.top, second.width, second.height),
             QRectF(5280, 5280, 2535, 3015));
    QVERIFY(!w.Label1->autoFillBackground());  // transparent, over its panel
}

void LayoutTest::startUpState() {
    statistique& w = statistique::instance();
    QCOMPARE(test::items(*w.List1), QStringList{u"0"_s});
    QCOMPARE(w.List1->selectedIndex(), 0);
    QCOMPARE(test::items(*w.List2), (QStringList{u"Valeur max= 0"_s, u"Valeur min= 0"_s,
                                                 u"Moyenne: 0,000"_s, u"Effectif total=1"_s}));
    QCOMPARE(w.Text1->text(), u"0"_s);
    QCOMPARE(w.Text_liste2->text(), u"0"_s);
    QVERIFY(!w.Check1->isChecked());
    for (int i = 0; i < 4; ++i) QVERIFY(!w.Option_graph(i).value());
    for (int i = 0; i < 21; ++i) QVERIFY(w.Label_graph(i).isHidden());
    for (int i = 0; i < 20; ++i) QVERIFY(w.Label_graph2(i).isHidden());
    QVERIFY(w.Picture1->operations().empty());
    QVERIFY(dexo_mod::effectif_liste2().isEmpty());
    QVERIFY(dexo_mod::prendre_liste2().isEmpty());
}

void LayoutTest::colourTable() {
    const double expected[11] = {13525457, 7100115, 12967422, 12779258, 11140811, 16637107,
                                 16701145, 5202926, 4711018,  14381152, 0};
    for (int i = 0; i <= 10; ++i) QCOMPARE(dexo_mod::couleurs(i), expected[i]);
    QCOMPARE(quint32(dexo_mod::couleurs(5)), ui::rgb(179, 220, 253));  // the list boxes' colour
}

// The first frame is the window whole, already in its own fonts; the chart's hidden
// labels, the desktop's font for the toolkit, its words and the icon come after it, and
// change nothing the learner sees.
void LayoutTest::firstFrameThenTheRest() {
    statistique& w = statistique::instance();
    QVERIFY(w.findChildren<ui::Label*>(u"Label_graph"_s).isEmpty());
    QVERIFY(w.findChildren<ui::Label*>(u"Label_graph2"_s).isEmpty());
    bool then = false;
    program::show(w, [&] { then = true; });
    // Seen at the first frame, before anything that follows it.
    QImage firstFrame;
    ui::afterFirstFrame(&w, [&] {
        QVERIFY(!then);
        firstFrame = w.grab().toImage();
    });
    QTRY_VERIFY(then);
    QVERIFY(!firstFrame.isNull());
    QCOMPARE(w.findChildren<ui::Label*>(u"Label_graph"_s).size(), 21);
    QCOMPARE(w.findChildren<ui::Label*>(u"Label_graph2"_s).size(), 20);
    for (const ui::Label* label : w.findChildren<ui::Label*>(u"Label_graph"_s))
        QVERIFY(label->isHidden());
    QVERIFY(QApplication::font() != ui::font());
    QCOMPARE(QCoreApplication::translate("QShortcut", "Shift"), u"Maj"_s);
    QVERIFY(!QApplication::windowIcon().isNull());
    test::settle();
    QVERIFY(w.grab().toImage() == firstFrame);
    w.hide();
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
