// A long random run of user actions on both windows, offscreen, with what must always
// hold checked after every action: the summary agrees with the series, each chart asked
// for (by a button or by the timer) is drawn once, no chart button stays pressed, every
// shown chart label stands where a chart put it, and "<" without a selection says so.
// How long the actions take is measured by make bench.

#include "core/numbers.h"
#include "engine/dexo_mod.h"
#include "exercise/dexo_enonce.h"
#include "support/fresh_start.h"

#include <QSignalSpy>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int kActions = 20000;

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};
const Key kKeys[] = {
    {Qt::Key_1, Qt::KeypadModifier, "1"},      {Qt::Key_4, Qt::KeypadModifier, "4"},
    {Qt::Key_7, Qt::KeypadModifier, "7"},      {Qt::Key_0, Qt::KeypadModifier, "0"},
    {Qt::Key_Period, Qt::KeypadModifier, "."}, {Qt::Key_3, Qt::NoModifier, "3"},
    {Qt::Key_A, Qt::NoModifier, "a"},          {Qt::Key_Minus, Qt::NoModifier, "-"},
    {Qt::Key_Comma, Qt::NoModifier, ","},      {Qt::Key_Backspace, Qt::NoModifier, ""},
    {Qt::Key_Delete, Qt::NoModifier, ""},      {Qt::Key_Left, Qt::NoModifier, ""},
    {Qt::Key_Return, Qt::NoModifier, "\r"},    {Qt::Key_Shift, Qt::NoModifier, ""},
};

// The summary the engine must show for a series, worked out independently.
QStringList expectedSummary(const QStringList& items) {
    if (items.isEmpty())
        return {u"Valeur max= "_s, u"Valeur min= "_s,
                u"Moyenne: "_s + core::formatThreeDecimals(u"0"_s), u"Effectif total=0"_s};
    // Largest and smallest keep the first item's text until a value beats it; a text
    // that is not a number is beaten by anything.
    QString maxText = items[0], minText = items[0];
    std::optional<double> max = core::readNumber(maxText), min = max;
    bool maxIsText = true, minIsText = true;
    double last = 0, sum = 0;
    for (const QString& item : items) {
        if (const auto v = core::readNumber(item)) last = *v;
        if (!max || last > *max) max = last, maxIsText = false;
        if (!min || last < *min) min = last, minIsText = false;
        if (std::isfinite(sum + last)) sum += last;
    }
    const QString mean = core::formatThreeDecimals(core::textOfNumber(sum / items.size()));
    return {u"Valeur max= "_s + (maxIsText ? maxText : core::textOfNumber(*max)),
            u"Valeur min= "_s + (minIsText ? minText : core::textOfNumber(*min)),
            u"Moyenne: "_s + mean, u"Effectif total="_s + QString::number(items.size())};
}

// A shown label stands inside the chart area, beside a stick's top, or below a point.
bool labelWherePlaced(const ui::Label& label, const ui::PictureBox& picture) {
    const double left = label.left(), top = label.top();
    if (left >= 0 && left <= picture.outerWidth() && top >= 0 && top <= picture.outerHeight())
        return true;
    for (const auto& op : picture.operations()) {
        if (op.kind == ui::PictureBox::Operation::Kind::Line && op.x2 + 150 == float(left) &&
            op.y2 == float(top))
            return true;
        if (op.kind == ui::PictureBox::Operation::Kind::Dot && op.x1 == float(left) &&
            op.y1 + 100 == float(top))
            return true;
    }
    return false;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomActions();

private:
    void act(int action);
    void press(QWidget* box, const Key& key);
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::mt19937 random_{20261207};
    statistique* main_ = nullptr;
    int removed_ = -1;  // which of "<" and "<<" action 3 clicked last
};

void SoakTest::press(QWidget* box, const Key& key) {
    box->setFocus();
    QTest::sendKeyEvent(QTest::Press, box, key.key, QString::fromLatin1(key.text), key.modifiers);
    QTest::sendKeyEvent(QTest::Release, box, key.key, QString::fromLatin1(key.text), key.modifiers);
}

void SoakTest::act(int action) {
    statistique& w = *main_;
    const auto pick = [this](int n) { return int(random_() % unsigned(n)); };
    switch (action) {
        case 0:
            press(w.Text1, kKeys[pick(std::size(kKeys))]);
            break;
        case 1:
            press(w.Text_liste2, kKeys[pick(std::size(kKeys))]);
            break;
        case 2:
            click(w.Command_ajout);
            break;
        case 3:
            removed_ = pick(8) == 0 ? 1 : 0;
            click(&w.Command_enlever(removed_));
            break;
        case 4:
            click(w.Command_aleatoire);
            break;
        case 5:
            click(w.Command2);
            break;
        case 6:
            click(&w.Option_graph(pick(4)));
            break;
        case 7:
            click(w.Check1);
            break;
        case 8:
            click(w.Command_aleatoire2);
            break;
        case 9:
            click(pick(2) ? w.Command_asc : w.Command_desc);
            break;
        case 10:
            if (w.List1->count() > 0) {
                const QModelIndex row = w.List1->model()->index(pick(w.List1->count()), 0);
                w.List1->scrollTo(row);
                QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {},
                                  w.List1->visualRect(row).center());
            }
            break;
        case 11:
            click(w.Command_enonce);
            break;
        case 12:
            if (Dexo_enonce::exists() && Dexo_enonce::instance().isVisible())
                click(&Dexo_enonce::instance().command_camembert(pick(3)));
            break;
        case 13:
            if (Dexo_enonce::exists()) Dexo_enonce::instance().close();
            break;
        default:  // the timer's tick, when a chart is waiting for it
            if (w.Timer1->interval() > 0) emit w.Timer1->tick();
            break;
    }
    QCoreApplication::processEvents();
}

void SoakTest::randomActions() {
    main_ = &test::freshStart();
    main_->showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(main_));
    test::MessageBoxAnswerer answerer;  // "<" on an empty series asks to click first

    // Typing is what learners do most; the exercise buttons come now and then.
    std::discrete_distribution<int> actions({30, 12, 10, 6, 2, 5, 8, 2, 2, 2, 5, 1, 1, 1, 2});
    QSignalSpy ticks(main_->Timer1, &ui::Timer::tick);
    int charts = 0, messages = 0;
    for (int done = 0; done < kActions; ++done) {
        const int action = actions(random_);
        statistique& w = *main_;
        const int clears = w.Picture1->clearCount();
        const qsizetype ticksBefore = ticks.size();
        const bool nothingSelected = w.List1->selectedIndex() < 0;
        const qsizetype answered = answerer.texts.size();
        act(action);

        // Every chart button draws once, and so does every tick of the timer.
        const int asked = (action == 6 ? 1 : 0) + int(ticks.size() - ticksBefore);
        QCOMPARE(w.Picture1->clearCount() - clears, asked);
        charts += asked;
        // "<" with nothing selected asks to click a value first, and nothing else speaks.
        const bool message = action == 3 && removed_ == 0 && nothingSelected;
        QCOMPARE(answerer.texts.size() - answered, qsizetype(message ? 1 : 0));
        messages += message ? 1 : 0;

        const QStringList items = test::items(*w.List1);
        QCOMPARE(test::items(*w.List2), expectedSummary(items));
        for (int i = 0; i < 4; ++i) QVERIFY(!w.Option_graph(i).value());
        for (const auto* labels : {&w.Label_graph, &w.Label_graph2})
            for (int i = 0; i < labels->count(); ++i) {
                const ui::Label& label = (*labels)(i);
                if (!label.isHidden())
                    QVERIFY2(labelWherePlaced(label, *w.Picture1),
                             qPrintable(u"action %1: label at %2, %3"_s.arg(done)
                                            .arg(label.left())
                                            .arg(label.top())));
            }
    }
    qInfo("soak: %d actions run, %d charts drawn, %d messages answered", kActions, charts,
          messages);
    // A soak whose clicks stopped reaching the window would draw nothing and say nothing.
    QVERIFY(charts > kActions / 20);
    QVERIFY(messages > 0);
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
