#pragma once

// The bytes of a text file as UTF-8, whatever a spreadsheet saved them in: UTF-8 with
// or without its mark, UTF-16 with its mark, or Windows-1252 (what a French spreadsheet
// on Windows writes) when the bytes are not valid UTF-8. Readers then work on bytes,
// never on a QString per cell.

#include "core/reading.h"

#include <QByteArray>

#include <string_view>

namespace core::csv {

// UTF-8 bytes; `start` skips a byte-order mark so that valid UTF-8 is never copied.
struct Utf8Text {
    QByteArray bytes;
    qsizetype start = 0;
    std::string_view view() const {
        return {bytes.constData() + start, size_t(bytes.size() - start)};
    }
};

// The text, or why it is none: an encoding not recognised, or bytes that are not text
// (control characters other than tab and line breaks).
Reading<Utf8Text> utf8Of(const QByteArray& bytes);

// Whether bytes are valid UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);
// Windows-1252 bytes as UTF-8.
QByteArray utf8OfWindows1252(std::string_view bytes);

}  // namespace core::csv
