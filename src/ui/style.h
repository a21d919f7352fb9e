#pragma once

// The program's look, and what waits until its first frame is on the screen.

#include <functional>

class QStyle;
class QWidget;

namespace ui {

// Fusion, whose standard icons are read from their files when first drawn: reading one
// loads every image plugin, which a window that never shows them should not pay for.
QStyle* createStyle();

// Runs `work` once, after `window` has painted its first frame and put it on the screen.
void afterFirstFrame(QWidget* window, std::function<void()> work);

}  // namespace ui
