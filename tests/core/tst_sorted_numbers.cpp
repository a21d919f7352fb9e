// Sorting numbers: whatever they are, the result is in increasing order and holds the
// very values given, each as often, bit for bit.

#include "core/sorted_numbers.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

namespace {

using Values = std::vector<double>;

std::vector<std::uint64_t> sortedBits(const Values& values) {
    std::vector<std::uint64_t> bits;
    for (const double v : values) bits.push_back(std::bit_cast<std::uint64_t>(v));
    std::sort(bits.begin(), bits.end());
    return bits;
}

}  // namespace

class SortedNumbersTest : public QObject {
    Q_OBJECT

private slots:
    void sortsEveryKind_data();
    void sortsEveryKind();
};

void SortedNumbersTest::sortsEveryKind_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("distinct");  // how many values to draw from; 0: any double
    QTest::addColumn<bool>("special");  // with ±0, ±inf, the smallest and largest doubles
    QTest::newRow("few, by std::sort") << 100 << 0 << true;
    QTest::newRow("a series of 32,767 with repeats") << 32767 << 1009 << false;
    QTest::newRow("many, every kind") << 50000 << 0 << true;
    QTest::newRow("many, one value") << 5000 << 1 << false;
    QTest::newRow("many, a few values and the special ones") << 20000 << 7 << true;
}

void SortedNumbersTest::sortsEveryKind() {
    QFETCH(int, count);
    QFETCH(int, distinct);
    QFETCH(bool, special);
    QRandomGenerator g(7);
    const auto any = [&] {
        // Any bits but NaN's, so that magnitudes and signs of every size come.
        for (;;) {
            const double v = std::bit_cast<double>(g.generate64());
            if (v == v) return v;
        }
    };
    Values pool;
    for (int i = 0; i < distinct; ++i)
        pool.push_back(i % 2 ? any() : double(g.bounded(2000) - 1000));
    Values values;
    for (int i = 0; i < count; ++i)
        values.push_back(distinct ? pool[size_t(g.bounded(distinct))] : any());
    if (special)
        for (const double v :
             {-0.0, 0.0, -0.0, std::numeric_limits<double>::infinity(),
              -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min(),
              -std::numeric_limits<double>::max(), std::numeric_limits<double>::max()})
            values.insert(values.begin() + qsizetype(g.bounded(int(values.size()))), v);
    Values sorted = values;
    core::sortNumbers(sorted);
    QVERIFY(std::is_sorted(sorted.begin(), sorted.end()));
    QVERIFY(sortedBits(sorted) == sortedBits(values));
    // As std::sort puts them, but for the order of -0 and 0, which are equal.
    Values expected = values;
    std::sort(expected.begin(), expected.end());
    QVERIFY(sorted == expected);
}

QTEST_GUILESS_MAIN(SortedNumbersTest)
#include "tst_sorted_numbers.moc"
