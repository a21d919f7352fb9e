#pragma once

// Files of individuals read into the column store: CSV and text files (";", "," or tab
// between cells, quoted cells, a header row of variable names or none), .ods and .xlsx
// sheets (the first sheet). A reading gives the whole dataset or the one fault that
// stopped it, with its line and column or its sheet cell, never half a dataset.

#include "core/individuals/dataset.h"
#include "core/reading.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace core::individuals {

// Told the share of the work done (0 to 1) now and then; returning false cancels the
// reading, which then fails with "Lecture annulée.".
using Progress = std::function<bool(double)>;

// A file's bytes: a sheet when they are a zip archive, else text.
Reading<Dataset> readIndividuals(const QByteArray& bytes, const Progress& progress = {});
// A file, by its suffix: .ods, .xlsx, else text; it may also be missing or unreadable.
Reading<Dataset> readIndividualsFile(const QString& path, const Progress& progress = {});

// What the learner is told when a file is refused.
QString explain(const ReadError& error, const QString& fileName);

}  // namespace core::individuals
