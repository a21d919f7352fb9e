#pragma once

// Reports when a window's first frame has been painted and shown: prints the monotonic
// clock (nanoseconds) and the peak resident memory (kB), then ends the process.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

// Prints the monotonic clock and the peak memory as "first-frame <ns> <kB>", then ends
// the process.
inline void reportFrame() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first-frame %lld %ld\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

class FirstFrame : public QObject {
public:
    // On the application, whose filters see an event before the window's own: what a
    // program leaves until after its first frame is not counted in it.
    explicit FirstFrame(QWidget* window) : QObject(window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once the paint has been flushed to the screen.
            QTimer::singleShot(0, [] { reportFrame(); });
        }
        return false;
    }

private:
    QObject* window_;
    bool seen_ = false;
};
