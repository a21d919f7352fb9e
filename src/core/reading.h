#pragma once

// What every reader returns: a value, or the one fault that stopped it, with where
// and why, never half a result (as Qt's own QJsonParseError names an offset and a
// message).

#include <QString>

#include <optional>
#include <utility>

namespace core {

// Where a reading stopped (line and column from 1; 0 where the whole text is at
// fault, e.g. a missing file) and why, as one French phrase. `cell` names a
// spreadsheet's cell ("B7") where the text came from a sheet.
struct ReadError {
    int line = 0;
    int column = 0;
    QString why;
    QString cell;
};

template <class T>
struct Reading {
    std::optional<T> value;  // empty when the reading failed
    ReadError error;

    static Reading success(T v) { return {std::move(v), {}}; }
    static Reading failure(ReadError e) { return {std::nullopt, std::move(e)}; }
    explicit operator bool() const { return value.has_value(); }
};

}  // namespace core
