#pragma once

#include <QString>
#include <Qt>

namespace ui {

// Queues a keystroke (press and release) to the control that has the focus; it is
// handled after the current handler returns, like a key the user pressed.
void sendKey(Qt::Key key, const QString& text = {});

}  // namespace ui
