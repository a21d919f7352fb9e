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

class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once the paint has been flushed to the screen.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("first-frame %lld %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};
