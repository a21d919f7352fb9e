#include "core/series_charts.h"

#include "core/chart_math.h"
#include "core/numbers.h"
#include "core/pie_sectors.h"
#include "core/random.h"
#include "core/resume_next.h"

#include <QStringList>

#include <cmath>
#include <functional>
#include <vector>

namespace core {
namespace {

constexpr quint32 kBlack = 0;
constexpr quint32 kRed = 255;
constexpr quint32 kBlue = 65536u * 255;

// The steps of showing a label: shown and captioned, then moved; a position beyond
// the single-precision range fails and leaves the label where it stood.
void drawLabel(ResumeNext& resume, Drawing& drawing, int list, int i, const QString& text,
               double left, double top) {
    Drawing::Label label{.array = list,
                         .index = i,
                         .text = text,
                         .back = list == 0 ? kLabelBackground1 : kLabelBackground2};
    resume([&] {
        toSingle(left);
        label.left = left;
    });
    resume([&] {
        toSingle(top);
        label.top = top;
    });
    drawing.label(label);
}

int countOfList2(ResumeNext& resume, const Model& m) {
    int n = 0;
    resume([&] { n = int(m.effectif_liste2.toDouble()); });
    return n;
}

// The curve's scale takes the widest value of both lists, which stays as the first
// list's largest: the second list's values over its first positions are compared.
void updateLargest(ResumeNext& resume, const Model& m, Variant& largest) {
    const int C = int(m.series1.size());
    if (!m.prendre_liste2.isTrue() || C == 0) return;
    const int n2 = countOfList2(resume, m);
    const int last = std::min({C - 1, 50, n2 - 1});
    for (int j = 0; j <= last; ++j)
        if (resume.test([&] { return m.valeurs_liste2(j) > largest; }))
            resume([&] { largest = Variant(m.valeurs_liste2(j)); });
}

// One blue stick per item from the baseline to its value, labelled beside its top;
// the second list's red sticks 50 twips to the right.
void bars(const Model& m, const Surface& s, Drawing& d) {
    ResumeNext resume;
    const double W = s.width;
    const double H = s.height;
    const int C = int(m.series1.size());
    const bool twoLists = m.prendre_liste2.isTrue();
    double dx = 0, k = 0, x = 0, w = 0, top = 0;
    double top1 = 0;  // a first item that is not a number stands up to the top edge

    if (twoLists) {
        // The longer list decides the step and the scale.
        double N = C;
        Variant M = m.bilan_liste1(0);
        if (resume.test([&] { return m.effectif_liste2.toDouble() > C; })) {
            resume([&] { N = m.effectif_liste2.toDouble(); });
            resume([&] { M = m.bilan_liste2(0); });
        }
        resume([&] { dx = chart_math::step(W, N); });
        resume([&] { k = chart_math::scale(H, M.toDouble()); });
        if (resume.test([&] {
                const bool first = m.bilan_liste1(0) == 0.0;
                const bool second = m.bilan_liste2(0) == 0.0;
                return first && second;
            }))
            k = 50;
    } else {
        resume([&] { dx = chart_math::step(W, C); });
        chart_math::scaleOr50(resume, H, m.bilan_liste1(0), k);
    }
    x = 100;
    w = 150;

    if (twoLists) {
        const int n = countOfList2(resume, m);
        for (int i = 0; i < n; ++i) {
            resume([&] { top = chart_math::ordinate(H, m.valeurs_liste2(i), k); });
            resume([&] { d.line(w, H - 200, w, top, kRed, s.lineWidth); });
            if (i < kLabels2)
                resume([&] {
                    drawLabel(resume, d, 1, i, textOfNumber(m.valeurs_liste2(i)), w + 150, top);
                });
            w += dx;
        }
    }
    for (int i = 0; i < C; ++i) {
        const QString& text = m.series1[i];
        resume([&] { top1 = chart_math::ordinate(H, numberFromText(text), k); });
        resume([&] { d.line(x, H - 200, x, top1, kBlue, s.lineWidth); });
        if (i < kLabels1) drawLabel(resume, d, 0, i, text, x + 150, top1);
        x += dx;
    }
}

// A working table sized to the series; its cells start at 0.
class Points {
public:
    explicit Points(int n) : cells_(size_t(n), 0.0) {}
    double& operator()(int i) {
        if (i < 0 || i >= int(cells_.size())) throw Failure();
        return cells_[size_t(i)];
    }

private:
    std::vector<double> cells_;
};

// The first series' points joined in list order by black segments, each marked with a
// dot and labelled below; the second list's red line through its own values at the
// same positions.
void curve(const Model& m, const Surface& s, Drawing& d) {
    ResumeNext resume;
    const double W = s.width;
    const double H = s.height;
    const int C = int(m.series1.size());
    const bool twoLists = m.prendre_liste2.isTrue();
    // The second list is drawn only where it has values of its own.
    const int n2 = twoLists ? countOfList2(resume, m) : 0;
    Variant largest = m.bilan_liste1(0);
    double dx = 0, k = 0;
    Points x(C), y(C), y2(C);
    constexpr int kPoint = 7;  // the dots' width, in pixels

    resume([&] { dx = chart_math::step(W, C); });
    resume([&] { x(0) = 100; });
    for (int i = 0; i < C; ++i) {
        const QString& text = m.series1[i];
        if (i == 0) updateLargest(resume, m, largest);
        chart_math::scaleOr50(resume, H, largest, k);
        resume([&] { y(i) = chart_math::ordinate(H, numberFromText(text), k); });
        const bool redDot = twoLists && i < n2;
        if (redDot) resume([&] { y2(i) = chart_math::ordinate(H, m.valeurs_liste2(i), k); });
        if (i != 0) {
            resume([&] { x(i) = x(i - 1) + dx; });
            resume([&] { d.line(x(i - 1), y(i - 1), x(i), y(i), kBlack, s.lineWidth); });
            if (redDot)
                resume([&] { d.line(x(i - 1), y2(i - 1), x(i), y2(i), kRed, s.lineWidth); });
        }
        resume([&] { d.dot(x(i), y(i), kBlack, kPoint); });
        if (redDot) resume([&] { d.dot(x(i), y2(i), kBlack, kPoint); });
        if (i < kLabels1) resume([&] { drawLabel(resume, d, 0, i, text, x(i), y(i) + 100); });
        if (i < kLabels2 && redDot)
            resume([&] {
                drawLabel(resume, d, 1, i, textOfNumber(m.valeurs_liste2(i)), x(i), y2(i) + 100);
            });
    }
}

constexpr int kPointsContour = 628;  // outline dots 0 to 628
constexpr double kFullTurn = 628;

// One pie: where it stands, and how its values are read and labelled. The right-hand
// pie rounds the y of its points to a 16-bit integer.
struct Pie {
    Drawing& d;
    const Surface& surface;
    ResumeNext& resume;
    double cx, cy;
    bool yInteger;
    int count = 0;
    double f = 0;  // 628 / count: a value's share of the turn per unit of the mean
    std::function<double(int)> value;  // item i, or a failing step
    std::function<double()> mean;      // the mean the angles are shares of
    std::function<void(int, QPointF)> labelItem;

    double y(double value) const { return yInteger ? toInt16(value) : value; }

    // 629 dots of radius r, in the area's foreground colour.
    void contour(double r) {
        for (int j = 0; j <= kPointsContour; ++j)
            resume([&] {
                d.dot(cx + intFloor(r * std::cos(j / 100.0)),
                      y(cy + intFloor(r * std::sin(j / 100.0))), surface.foreground,
                      surface.lineWidth);
            });
    }

    // Straight up to the outline.
    void startEdge(double r) {
        resume([&] {
            d.line(cx, cy, cx + intFloor(r * std::cos(chart_math::kQuarterTurn)),
                   y(cy - intFloor(r * std::sin(chart_math::kQuarterTurn))), kBlack,
                   surface.lineWidth);
        });
    }

    // What the sectors' geometry is worked out from: an item whose reading fails is
    // skipped as one of 0 is.
    PieInputs inputs(double radius) {
        PieInputs in{.cx = cx, .cy = cy, .radius = radius, .share = f, .roundedY = yInteger};
        resume([&] { in.mean = mean(); });
        in.values.assign(size_t(std::max(count, 0)), 0.0);
        for (int i = 0; i < count; ++i) resume([&] { in.values[size_t(i)] = value(i); });
        return in;
    }

    // A fan of 75 spokes per item, each 1/75 of the item's share further on; spokes that
    // end on the same point are drawn together.
    void sectors(const PieSectors& geometry, const std::vector<double>& couleurs) {
        for (const PieSectors::Run& run : geometry.runs) {
            const quint32 colourCode = quint32(couleurs[size_t(run.item)]);
            resume([&] {
                d.lines(run.count, cx, cy, run.end.x(), run.end.y(), colourCode, surface.lineWidth);
            });
            if (run.label) labelItem(run.item, run.end);
        }
    }

    // A black edge at the end of each item's share, going on from where the sectors
    // stopped.
    void endEdges(const PieSectors& geometry) {
        for (const PieSectors::Edge& edge : geometry.edges)
            resume(
                [&] { d.line(cx, cy, edge.end.x(), y(edge.end.y()), kBlack, surface.lineWidth); });
    }
};

// One sector per item of the first series, clockwise from twelve o'clock in list
// order, each a fan of 75 coloured spokes with its label on the 30th, its end edge in
// black, inside a dotted outline. With the second list taken into account a second
// pie stands to the right, sector i of both pies sharing a colour.
void pie(const Model& m, const Surface& s, Drawing& d) {
    ResumeNext resume;
    const float W = s.width;
    const float H = s.height;
    const bool twoPies = m.prendre_liste2.isTrue();
    const int C = int(m.series1.size());
    const int n2 = countOfList2(resume, m);
    qint16 r = 0;

    Pie first{.d = d, .surface = s, .resume = resume, .cx = 0, .cy = 0, .yInteger = false};
    first.count = C;
    first.value = [&](int i) { return numberFromText(m.series1[i]); };
    first.mean = [&] { return m.bilan_liste1(2).toDouble(); };
    first.labelItem = [&](int i, QPointF P) {
        if (i < kLabels1) resume([&] { drawLabel(resume, d, 0, i, m.series1[i], P.x(), P.y()); });
    };
    Pie second{.d = d, .surface = s, .resume = resume, .cx = 0, .cy = 0, .yInteger = true};
    second.count = n2;
    second.value = [&](int i) { return m.valeurs_liste2(i); };
    second.mean = [&] { return m.bilan_liste2(2).toDouble(); };
    second.labelItem = [&](int i, QPointF P) {
        if (i < kLabels2)
            resume([&] {
                drawLabel(resume, d, 1, i, textOfNumber(m.valeurs_liste2(i)), P.x(), P.y());
            });
    };

    if (twoPies) {
        first.cx = W / 4;
        first.cy = H / 2;
        second.cx = W / 4 * 3;
        resume([&] { second.cy = toInt16(H / 2); });
        resume([&] { r = toInt16(W > H ? H / 4 + 350 : W / 4 + 350); });
        second.contour(r);
    } else {
        first.cx = W / 2;
        first.cy = H / 2;
        resume([&] { r = toInt16(W > H ? H / 2 - 200 : W / 2 - 200); });
    }
    resume([&] { second.f = checked(kFullTurn / m.effectif_liste2.toDouble()); });
    first.contour(r);
    resume([&] { first.f = checked(kFullTurn / m.effectif_total.toDouble()); });
    if (twoPies) second.startEdge(r);
    first.startEdge(r);

    // Sector colours, drawn anew at each drawing; item i of both pies shares colour i.
    const int n = n2 > C ? n2 : C;
    std::vector<double> couleur_secteur(size_t(n) + 1, 0.0);
    for (int i = 0; i <= n; ++i) {
        const int choices = int(std::floor(Random::next() * 10.0f));
        resume([&] { couleur_secteur[size_t(i)] = m.couleurs(choices); });
    }

    const double radius = r - 35;  // spokes and end edges stop short of the outline
    const PieSectors* right = twoPies ? &pieSectors(second.inputs(radius)) : nullptr;
    const PieSectors& left = pieSectors(first.inputs(radius));
    if (right) second.sectors(*right, couleur_secteur);
    first.sectors(left, couleur_secteur);
    if (right) second.endEdges(*right);
    first.endEdges(left);
}

}  // namespace

std::optional<ChartKind> chartKindNamed(QStringView name) {
    static const char16_t* const kNames[kChartKinds] = {u"sticks", u"pie", u"curve", u"both"};
    for (int i = 0; i < kChartKinds; ++i)
        if (name == QStringView(kNames[i])) return ChartKind(i);
    return std::nullopt;
}

QPointF labelStart(int list, int i) {
    return list == 0 ? QPointF(360 + 24 * i, 480 + 18 * i) : QPointF(1080 + 45 * i, 2040 + 42 * i);
}

void placeAtStart(Drawing& drawing) {
    std::vector<Drawing::Label> labels = drawing.shownLabels();
    for (Drawing::Label& l : labels) {
        const QPointF startPoint = labelStart(l.array, l.index);
        if (!l.left) l.left = startPoint.x();
        if (!l.top) l.top = startPoint.y();
    }
    drawing.replaceLabels(std::move(labels));
}

Drawing chart(const Model& model, ChartKind kind, const Surface& surface) {
    Drawing drawing;
    chart(drawing, model, kind, surface);
    return drawing;
}

void chart(Drawing& drawing, const Model& model, ChartKind kind, const Surface& surface) {
    switch (kind) {
        case ChartKind::Sticks:
            bars(model, surface, drawing);
            break;
        case ChartKind::Pie:
            pie(model, surface, drawing);
            break;
        case ChartKind::Curve:
            curve(model, surface, drawing);
            break;
        case ChartKind::Both:
            bars(model, surface, drawing);
            curve(model, surface, drawing);
            break;
    }
}

void afterChart(Model& model, ChartKind kind) {
    if (kind != ChartKind::Curve && kind != ChartKind::Both) return;
    ResumeNext resume;
    Variant largest = model.bilan_liste1(0);
    updateLargest(resume, model, largest);
    model.setBilanListe1(0, largest);
}

QString chartDescription(const Drawing& drawing, ChartKind kind) {
    static const char16_t* const kChartTitles[kChartKinds] = {
        u"Diagramme en bâtons", u"Camembert", u"Courbe", u"Diagramme en bâtons et courbe"};
    QStringList values[2];
    for (const Drawing::Label& label : drawing.shownLabels())
        if (label.array == 0 || label.array == 1) values[label.array] << label.text;
    QString description = QString::fromUtf16(kChartTitles[int(kind)]) + QStringLiteral(" : ") +
                          (values[0].isEmpty() ? QStringLiteral("aucune valeur")
                                               : values[0].join(QStringLiteral(", ")));
    if (!values[1].isEmpty())
        description +=
            QStringLiteral(" ; deuxième liste : ") + values[1].join(QStringLiteral(", "));
    return description;
}

}  // namespace core
