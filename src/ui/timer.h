#pragma once

#include <QObject>
#include <QTimer>

namespace ui {

// A timer that ticks every `interval` milliseconds; an interval of 0 stops it.
class Timer : public QObject {
    Q_OBJECT

public:
    explicit Timer(QObject* parent);

    int interval() const { return interval_; }
    // Whether a tick is still to come.
    bool isRunning() const { return timer_.isActive(); }
    void setInterval(int milliseconds);

signals:
    void tick();

private:
    QTimer timer_;
    int interval_ = 0;
};

}  // namespace ui
