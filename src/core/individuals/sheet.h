#pragma once

// The first sheet of a spreadsheet file, .ods or .xlsx, read into the column store:
// numbers as numbers, everything else as the text the cell shows.

#include "core/individuals/reader.h"

namespace core::individuals {

enum class SheetKind { Ods, Xlsx };

// The archive's bytes; `kind` unknown is guessed from the archive's entries.
Reading<Dataset> readSheet(const QByteArray& bytes, std::optional<SheetKind> kind,
                           const Progress& progress);

}  // namespace core::individuals
