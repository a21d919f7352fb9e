#pragma once

// Two variables measured on the same individuals: the pairs (xᵢ ; yᵢ) in the order
// given, with the variables' names. Everything in core::pairs reads them: the
// statistics and the fits, the Lorenz curve, the charts, the command line's rows. A
// computation that cannot be made says why in French instead of giving a value.

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace core::pairs {

struct Pairs {
    QString nameX = QStringLiteral("x");
    QString nameY = QStringLiteral("y");
    std::vector<double> x, y;  // as many of each

    std::size_t size() const { return x.size(); }
    bool operator==(const Pairs&) const = default;
};

struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// A value, or why it cannot be worked out, as a French sentence.
template <class T>
struct Computed {
    std::optional<T> value;
    QString fault;

    static Computed success(T v) { return {std::move(v), {}}; }
    static Computed failure(QString why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

// The line y = a·x + b (or x = a·y + b where it is fitted the other way).
struct Line {
    double a = 0, b = 0;
    double at(double t) const { return a * t + b; }
    bool operator==(const Line&) const = default;
};

// The line through two points, or none when they stand on a vertical.
std::optional<Line> lineThrough(Point p, Point q);

}  // namespace core::pairs
