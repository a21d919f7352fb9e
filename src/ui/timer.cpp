#include "ui/timer.h"

#include "core/failure.h"

namespace ui {

Timer::Timer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0) throw core::Failure();
    interval_ = milliseconds;
    if (milliseconds == 0) {
        timer_.stop();
    } else {
        timer_.start(milliseconds);
    }
}

}  // namespace ui
