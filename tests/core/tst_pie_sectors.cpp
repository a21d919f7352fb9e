// A pie's sectors given again from the kept geometry: whatever was drawn in between,
// they are those of a thread that never drew anything before.

#include "core/pie_sectors.h"

#include <QTest>

#include <algorithm>
#include <thread>
#include <tuple>
#include <utility>

namespace {

core::PieInputs pie(std::vector<double> values, bool roundedY, double mean) {
    return {.cx = 4147,
            .cy = 2407,
            .radius = 2172,
            .share = 628.0 / double(values.size()),
            .roundedY = roundedY,
            .mean = mean,
            .values = std::move(values)};
}

// Worked out on a thread of its own, where nothing is kept yet.
core::PieSectors fresh(const core::PieInputs& inputs) {
    core::PieSectors sectors;
    std::thread([&] { sectors = core::pieSectors(inputs); }).join();
    return sectors;
}

bool same(const core::PieSectors& a, const core::PieSectors& b) {
    const auto run = [](const core::PieSectors::Run& r) {
        return std::tuple(r.item, r.count, r.end.x(), r.end.y(), r.label);
    };
    const auto edge = [](const core::PieSectors::Edge& e) {
        return std::tuple(e.item, e.end.x(), e.end.y());
    };
    if (a.runs.size() != b.runs.size() || a.edges.size() != b.edges.size()) return false;
    for (size_t i = 0; i < a.runs.size(); ++i)
        if (run(a.runs[i]) != run(b.runs[i])) return false;
    for (size_t i = 0; i < a.edges.size(); ++i)
        if (edge(a.edges[i]) != edge(b.edges[i])) return false;
    return true;
}

}  // namespace

class PieSectorsTest : public QObject {
    Q_OBJECT

private slots:
    void keptOnlyForTheSameInputs_data();
    void keptOnlyForTheSameInputs();
};

void PieSectorsTest::keptOnlyForTheSameInputs_data() {
    QTest::addColumn<bool>("roundedY");
    QTest::addColumn<int>("changed");  // 0: a value, 1: the mean, 2: a skipped item
    for (bool roundedY : {false, true})
        for (int changed : {0, 1, 2})
            QTest::addRow("%s, change %d", roundedY ? "right" : "left", changed)
                << roundedY << changed;
}

void PieSectorsTest::keptOnlyForTheSameInputs() {
    QFETCH(bool, roundedY);
    QFETCH(int, changed);
    std::vector<double> values;
    for (int i = 0; i < 300; ++i) values.push_back(1 + (i * 37) % 97);
    const core::PieInputs first = pie(values, roundedY, 49);
    core::PieInputs second = first;
    if (changed == 0) second.values[150] += 1;
    if (changed == 1) second.mean = 50;
    if (changed == 2) second.values[3] = 0;
    QVERIFY(!same(fresh(first), fresh(second)));
    // Each drawn after the other, then the first again.
    for (const core::PieInputs* inputs : {&first, &std::as_const(second), &first, &first})
        QVERIFY(same(core::pieSectors(*inputs), fresh(*inputs)));
    // Every item has its end edge, every sector its label, and the edges go round once.
    const core::PieSectors& sectors = core::pieSectors(first);
    QCOMPARE(sectors.edges.size(), values.size());
    QCOMPARE(std::count_if(sectors.runs.begin(), sectors.runs.end(),
                           [](const core::PieSectors::Run& r) { return r.label; }),
             qsizetype(values.size()));
}

QTEST_GUILESS_MAIN(PieSectorsTest)
#include "tst_pie_sectors.moc"
