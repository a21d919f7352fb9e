#pragma once

#include <functional>
#include <utility>

namespace ui {

// A window that exists once in the program: made and loaded on first use, reached
// through instance() ever after, and ended by unload(), as at the end of the program.
// The program's owner wires it once it is made, wherever it is first reached from.
template <class Window>
class SingleWindow {
public:
    static Window& instance() {
        if (!window_) {
            window_ = new Window;
            // Loaded once it can be reached as the instance: its load may well reach it.
            window_->load();
            if (whenMade_) whenMade_(*window_);
        }
        return *window_;
    }
    static bool exists() { return window_ != nullptr; }
    // Runs `wire` on each window made from now on; an empty one stops.
    static void whenMade(std::function<void(Window&)> wire) { whenMade_ = std::move(wire); }
    static void unload() {
        delete window_;
        window_ = nullptr;
    }

private:
    static inline Window* window_ = nullptr;
    static inline std::function<void(Window&)> whenMade_;
};

}  // namespace ui
