#pragma once

namespace ui {

// Whether a window can be shown: a display the toolkit can reach (an X server that
// answers, a Wayland socket), or a platform chosen that needs none (offscreen).
bool graphicalSession();

}  // namespace ui
