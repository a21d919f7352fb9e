#pragma once

#include "core/failure.h"

namespace ui {

// Wraps an event handler so that a failing step it did not expect ends the handler
// instead of escaping into the toolkit: the program goes on with the next event.
template <class... Args, class Handler>
auto guarded(Handler handler) {
    return [handler](Args... args) {
        try {
            handler(args...);
        } catch (const core::Failure&) {
        }
    };
}

}  // namespace ui
