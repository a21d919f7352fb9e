#include "core/pie_sectors.h"

#include "core/chart_math.h"
#include "core/numbers.h"
#include "core/resume_next.h"

namespace core {
namespace {

constexpr int kSpokes = 75;      // per sector
constexpr int kLabelSpoke = 30;  // the spoke whose end carries the label

void work(const PieInputs& in, PieSectors& out) {
    ResumeNext resume;
    out.runs.clear();
    out.edges.clear();
    double a = 0;  // the running angle, in hundredths of a radian
    const int n = int(in.values.size());
    for (int i = 0; i < n; ++i) {
        const double value = in.values[size_t(i)];
        if (value == 0) continue;
        double step = 0;
        if (in.mean) step = in.share * ((value / *in.mean) / kSpokes);
        double angles[kSpokes];
        for (int k = 0; k < kSpokes; ++k) {
            resume([&] { a = checked(a + step); });
            angles[k] = a;
        }
        chart_math::Extremes ends(in.cx, in.cy, in.radius, angles, kSpokes);
        int first = 0, count = 0;
        QPointF P;
        while (ends.next(first, count, P)) {
            if (in.roundedY) resume([&] { P.setY(toInt16(P.y())); });
            const bool label = first <= kLabelSpoke - 1 && kLabelSpoke - 1 < first + count;
            out.runs.push_back({i, count, P, label});
        }
    }
    for (int i = 0; i < n; ++i) {
        const double value = in.values[size_t(i)];
        if (value == 0) continue;
        if (in.mean) resume([&] { a = checked(a + in.share * (value / *in.mean)); });
        out.edges.push_back({i, chart_math::onRadius(in.cx, in.cy, in.radius, a)});
    }
}

}  // namespace

const PieSectors& pieSectors(const PieInputs& inputs) {
    struct Kept {
        bool known = false;
        PieInputs inputs;
        PieSectors sectors;
    };
    // One for each pie; per thread, as a chart may be worked out away from the window.
    thread_local Kept kept[2];
    Kept& k = kept[inputs.roundedY ? 1 : 0];
    if (!k.known || !(k.inputs == inputs)) {
        k.known = false;
        k.inputs = inputs;
        work(inputs, k.sectors);
        k.known = true;
    }
    return k.sectors;
}

}  // namespace core
