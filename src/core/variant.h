#pragma once

// The value cell most shared data live in: nothing, a text, a 16-bit integer, a
// Boolean, a double or an array of cells. Empty counts as 0 in arithmetic and as false
// in a test; a text met in a numeric comparison is read as a number under the regional
// settings, and one that is not a number makes the step fail.

#include <QString>
#include <QtGlobal>

#include <variant>
#include <vector>

namespace core {

class Variant {
public:
    using Array = std::vector<Variant>;
    enum class Type { Empty, Text, Integer, Boolean, Double, Array };

    Variant() = default;
    explicit Variant(const QString& text) : value_(text) {}
    explicit Variant(qint16 integer) : value_(integer) {}
    explicit Variant(bool boolean) : value_(boolean) {}
    explicit Variant(double number) : value_(number) {}
    explicit Variant(Array array) : value_(std::move(array)) {}
    // A count: a 16-bit integer while it fits, a double beyond.
    static Variant count(long long n);

    Type type() const { return static_cast<Type>(value_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }

    // Fails on a text that is not a number and on an array. True is -1.
    double toDouble() const;
    // A text unchanged, an integer's digits, a double's general form; empty gives "".
    QString toText() const;
    // Empty and 0 are false; fails where toDouble fails.
    bool isTrue() const;
    // Fails when the cell is not an array.
    const Array& toArray() const;

    bool operator==(const Variant&) const = default;

private:
    std::variant<std::monostate, QString, qint16, bool, double, Array> value_;
};

// Numeric comparisons; a text is read as a number, and the step fails if it is not one.
inline bool operator>(double a, const Variant& b) {
    return a > b.toDouble();
}
inline bool operator<(double a, const Variant& b) {
    return a < b.toDouble();
}
inline bool operator==(const Variant& a, double b) {
    return a.toDouble() == b;
}

}  // namespace core
