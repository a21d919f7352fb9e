#include "core/variant.h"

#include "core/failure.h"
#include "core/numbers.h"

namespace core {

Variant Variant::count(long long n) {
    if (n >= -32768 && n <= 32767) return Variant(static_cast<qint16>(n));
    return Variant(static_cast<double>(n));
}

double Variant::toDouble() const {
    switch (type()) {
        case Type::Empty:
            return 0;
        case Type::Text:
            return core::numberFromText(std::get<QString>(value_));
        case Type::Integer:
            return std::get<qint16>(value_);
        case Type::Boolean:
            return std::get<bool>(value_) ? -1 : 0;
        case Type::Double:
            return std::get<double>(value_);
        case Type::Array:
            break;
    }
    throw core::Failure();
}

QString Variant::toText() const {
    switch (type()) {
        case Type::Empty:
            return {};
        case Type::Text:
            return std::get<QString>(value_);
        case Type::Integer:
            return QString::number(std::get<qint16>(value_));
        case Type::Boolean:
            return std::get<bool>(value_) ? QStringLiteral("Vrai") : QStringLiteral("Faux");
        case Type::Double:
            return core::textOfNumber(std::get<double>(value_));
        case Type::Array:
            break;
    }
    throw core::Failure();
}

bool Variant::isTrue() const {
    return toDouble() != 0;
}

const Variant::Array& Variant::toArray() const {
    if (type() != Type::Array) throw core::Failure();
    return std::get<Array>(value_);
}

}  // namespace core
