// The program's look and what waits for a window's first frame.

#include "ui/look.h"
#include "ui/style.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <memory>

class StyleTest : public QObject {
    Q_OBJECT

private slots:
    void standardIconsAreTheDesktopsOwn_data();
    void standardIconsAreTheDesktopsOwn();
    void workWaitsForTheFirstFrame();
    void standardFontWhileMaking();
};

void StyleTest::standardIconsAreTheDesktopsOwn_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("withOption");
    const struct {
        const char* name;
        QStyle::StandardPixmap which;
    } icons[] = {{"menu bar's extension", QStyle::SP_ToolBarHorizontalExtensionButton},
                 {"question", QStyle::SP_MessageBoxQuestion},
                 {"warning", QStyle::SP_MessageBoxWarning},
                 {"file dialog's parent folder", QStyle::SP_FileDialogToParent},
                 {"ok button", QStyle::SP_DialogOkButton}};
    for (const auto& icon : icons)
        for (int size : {16, 32})
            for (bool withOption : {false, true})
                QTest::addRow("%s, %d px%s", icon.name, size, withOption ? ", with an option" : "")
                    << int(icon.which) << size << withOption;
}

// However late it is read, an icon is the one the desktop's style gives.
void StyleTest::standardIconsAreTheDesktopsOwn() {
    QFETCH(int, which);
    QFETCH(int, size);
    QFETCH(bool, withOption);
    const std::unique_ptr<QStyle> style(ui::createStyle());
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOption option;
    option.palette = QApplication::palette();
    const QStyleOption* o = withOption ? &option : nullptr;
    const auto pixmap = static_cast<QStyle::StandardPixmap>(which);
    const QIcon ours = style->standardIcon(pixmap, o);
    const QIcon theirs = fusion->standardIcon(pixmap, o);
    QCOMPARE(ours.isNull(), theirs.isNull());
    QCOMPARE(ours.availableSizes(), theirs.availableSizes());
    QCOMPARE(ours.actualSize(QSize(size, size)), theirs.actualSize(QSize(size, size)));
    const QImage a = ours.pixmap(size).toImage();
    const QImage b = theirs.pixmap(size).toImage();
    QCOMPARE(a.size(), b.size());
    QVERIFY(a == b);
    // A copy of an icon not yet read reads its own.
    const QIcon copy = QIcon(style->standardIcon(pixmap, o));
    QVERIFY(copy.pixmap(size).toImage() == b);
}

// The work runs once, after the window has painted, and never for a window not shown.
void StyleTest::workWaitsForTheFirstFrame() {
    QWidget window;
    window.resize(200, 100);
    bool painted = false;
    bool paintedBeforeWork = false;
    int runs = 0;
    struct PaintWatch : QObject {
        bool* painted;
        explicit PaintWatch(bool* p) : painted(p) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) *painted = true;
            return false;
        }
    } watch(&painted);
    window.installEventFilter(&watch);
    ui::afterFirstFrame(&window, [&] {
        paintedBeforeWork = painted;
        ++runs;
    });
    QCoreApplication::processEvents();
    QCOMPARE(runs, 0);
    window.show();
    QTRY_COMPARE(runs, 1);
    QVERIFY(paintedBeforeWork);
    window.repaint();
    window.hide();
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(runs, 1);

    // A window closed before it ever showed takes its work with it.
    auto* never = new QWidget;
    ui::afterFirstFrame(never, [&] { ++runs; });
    delete never;
    QCoreApplication::processEvents();
    QCOMPARE(runs, 1);
}

// Controls made meanwhile start in the standard font; the desktop's comes back after,
// nested or not.
void StyleTest::standardFontWhileMaking() {
    const QFont desktop = QApplication::font();
    QVERIFY(desktop != ui::font());
    {
        const ui::StandardFontWhileMaking outer;
        QCOMPARE(QApplication::font(), ui::font());
        QLineEdit during;
        QCOMPARE(during.font(), ui::font());
        {
            const ui::StandardFontWhileMaking inner;
            QCOMPARE(QApplication::font(), ui::font());
        }
        QCOMPARE(QApplication::font(), ui::font());
    }
    QCOMPARE(QApplication::font(), desktop);
    QLineEdit after;
    QCOMPARE(after.font(), desktop);
}

QTEST_MAIN(StyleTest)
#include "tst_style.moc"
