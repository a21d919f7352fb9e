#pragma once

namespace ui {

// Some toolkit drawing code leaves the upper halves of the CPU's AVX registers in use;
// until they are cleared, every plain SSE instruction of ours pays a transition
// penalty (a pie of ten thousand items took twice as long). Call before heavy
// arithmetic; it does nothing on processors without AVX.
void clearVectorState();

}  // namespace ui
