#pragma once

#include "core/failure.h"
#include "ui/guarded.h"

#include <QObject>
#include <QVariant>

#include <functional>
#include <utility>
#include <vector>

namespace ui {

// Controls of one kind sharing one name, told apart by an index that their handlers
// receive. Each element carries the shared name as its object name and its index as
// the "index" property.
template <class Control>
class ControlArray {
public:
    void add(Control* control, const char* name) { add(control, name, int(controls_.size())); }
    // At a chosen index: an array may leave indexes out.
    void add(Control* control, const char* name, int index) {
        make_ = {};
        control->setObjectName(QString::fromLatin1(name));
        control->setProperty("index", index);
        if (index >= int(controls_.size())) controls_.resize(size_t(index) + 1, nullptr);
        controls_[size_t(index)] = control;
    }

    // Elements that `make` adds when the array is first used, or at makeNow(): controls
    // that start hidden need not cost a window its first frame.
    void makeOnFirstUse(std::function<void()> make) { make_ = std::move(make); }
    void makeNow() const {
        if (make_) std::exchange(make_, {})();
    }

    // One past the highest index.
    int count() const {
        makeNow();
        return int(controls_.size());
    }
    // A missing element makes the step fail.
    Control& operator()(long long index) const {
        if (index < 0 || index >= count() || !controls_[size_t(index)]) throw core::Failure();
        return *controls_[size_t(index)];
    }

    // Wires one signal of every element to a handler that receives the index.
    template <class Signal, class Handler>
    void connect(Signal signal, QObject* context, Handler handler) const {
        for (int i = 0; i < count(); ++i)
            if (controls_[size_t(i)])
                QObject::connect(controls_[size_t(i)], signal, context,
                                 guarded([handler, i] { handler(i); }));
    }

private:
    std::vector<Control*> controls_;
    mutable std::function<void()> make_;
};

}  // namespace ui
