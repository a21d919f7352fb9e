#pragma once

#include <QString>

namespace ui {

// The program's title: the caption of its message boxes.
QString applicationTitle();
void setApplicationTitle(const QString& title);

// A modal message with an OK button only and the program's title as caption; returns
// once it has been closed.
void messageBox(const QString& text);

}  // namespace ui
