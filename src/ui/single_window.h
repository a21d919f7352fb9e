#pragma once

namespace ui {

// A window that exists once in the program: made and loaded on first use, reached
// through instance() ever after, and ended by unload(), as at the end of the program.
template <class Window>
class SingleWindow {
public:
    static Window& instance() {
        if (!window_) {
            window_ = new Window;
            // Loaded once it can be reached as the instance: its load may well reach it.
            window_->load();
        }
        return *window_;
    }
    static bool exists() { return window_ != nullptr; }
    static void unload() {
        delete window_;
        window_ = nullptr;
    }

private:
    static inline Window* window_ = nullptr;
};

}  // namespace ui
