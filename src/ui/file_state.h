#pragma once

// A window's file and whether it holds changes not saved, kept through Qt
// (windowFilePath, isWindowModified) for the desktop and assistive tools to read, while
// the caption stays the one the window chose.

#include <QString>

class QWidget;

namespace ui {

void showFileState(QWidget& window, const QString& path, bool modified);

}  // namespace ui
