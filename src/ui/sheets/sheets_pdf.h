#pragma once

// The pupils' sheets and their answer key written as PDF, ready to print on A4: each
// pupil on new pages, margins, the data's table kept on one page. Needs a
// QGuiApplication (the offscreen platform will do) for its fonts.

#include "core/sheets/sheets.h"

#include <QString>

#include <functional>
#include <vector>

namespace sheets {

// Called after each pupil with the share done; false cancels the writing.
using Progress = std::function<bool(double share)>;

// Each returns the empty text, or why the file was not written, as a French phrase.
// The file is replaced only once complete.
QString writeSheets(const std::vector<core::sheets::Sheet>& sheets, const QString& path,
                    const Progress& progress = {});
QString writeAnswerKey(const std::vector<core::sheets::KeyEntry>& key, const QString& path,
                       const Progress& progress = {});

}  // namespace sheets
