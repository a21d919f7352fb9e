// The value cell: its conversions, its tests and its numeric comparisons.

#include "core/failure.h"
#include "core/numbers.h"
#include "core/table.h"
#include "core/variant.h"

#include <QTest>

using core::Variant;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(core::Variant)

class VariantTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::setRegionalLocale(QLocale(QLocale::French, QLocale::France)); }
    void conversions_data();
    void conversions();
    void textComparedWithANumberIsReadAsANumber();
    void countsBeyondSixteenBits();
    void tableBounds();
};

void VariantTest::conversions_data() {
    QTest::addColumn<Variant>("cell");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << Variant() << true << 0.0 << "";
    QTest::newRow("text of a number") << Variant(u"08"_s) << true << 8.0 << "08";
    QTest::newRow("decimal text") << Variant(u"2,5"_s) << true << 2.5 << "2,5";
    QTest::newRow("text not a number") << Variant(u"abc"_s) << false << 0.0 << "abc";
    QTest::newRow("empty text") << Variant(QString()) << false << 0.0 << "";
    QTest::newRow("16-bit integer") << Variant(qint16(-12)) << true << -12.0 << "-12";
    QTest::newRow("true") << Variant(true) << true << -1.0 << "Vrai";
    QTest::newRow("false") << Variant(false) << true << 0.0 << "Faux";
    QTest::newRow("double") << Variant(45.0) << true << 45.0 << "45";
    QTest::newRow("double with decimals")
        << Variant(1.0 / 3) << true << 1.0 / 3 << "0,333333333333333";
}

void VariantTest::conversions() {
    QFETCH(Variant, cell);
    QFETCH(bool, numeric);
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(cell.toText(), text);
    if (numeric) {
        QCOMPARE(cell.toDouble(), number);
        QCOMPARE(cell.isTrue(), number != 0);
    } else {
        QVERIFY_THROWS_EXCEPTION(core::Failure, cell.toDouble());
        QVERIFY_THROWS_EXCEPTION(core::Failure, cell.isTrue());
    }
}

void VariantTest::textComparedWithANumberIsReadAsANumber() {
    const Variant eight(u"08"_s);
    QVERIFY(9.0 > eight);
    QVERIFY(!(8.0 > eight));
    QVERIFY(7.5 < eight);
    QVERIFY(eight == 8.0);
    QVERIFY(Variant() == 0.0);
    QVERIFY_THROWS_EXCEPTION(core::Failure, (void)(1.0 > Variant(u"abc"_s)));
    QVERIFY_THROWS_EXCEPTION(core::Failure, (void)(Variant(QString()) == 0.0));

    const Variant lines(Variant::Array{Variant(u"3"_s), Variant(u"\n5"_s)});
    QCOMPARE(lines.toArray().size(), size_t(2));
    QVERIFY_THROWS_EXCEPTION(core::Failure, lines.toDouble());
    QVERIFY_THROWS_EXCEPTION(core::Failure, Variant(1.0).toArray());
}

void VariantTest::countsBeyondSixteenBits() {
    QVERIFY(Variant::count(32767).type() == Variant::Type::Integer);
    QVERIFY(Variant::count(32768).type() == Variant::Type::Double);
    QCOMPARE(Variant::count(40000).toDouble(), 40000.0);
}

void VariantTest::tableBounds() {
    core::Table<double, 51> table;
    table(50) = 7;
    QCOMPARE(table(50), 7.0);
    QCOMPARE(table(0), 0.0);
    QVERIFY_THROWS_EXCEPTION(core::Failure, table(51));
    QVERIFY_THROWS_EXCEPTION(core::Failure, table(-1));
}

QTEST_GUILESS_MAIN(VariantTest)
#include "tst_variant.moc"
