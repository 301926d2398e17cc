// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts either the real program or a bare Qt window with one label, prints the
// monotonic time (ns) at which the window's first frame has been painted, and
// exits. chromohm-startup-bench spawns it and measures from before the spawn.
// With --idle SECONDS the program stays up, settles for a second, then prints
// the CPU time (ns) it used over SECONDS and the clock ticks in them.

#include "app/program.h"
#include "app/tprincipale.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <sys/resource.h>

namespace {

// The monotonic clock is the same in every process and never steps with the
// wall-clock time.
long long nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

long long cpuNs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval &t) { return t.tv_sec * 1000000000LL + t.tv_usec * 1000LL; };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

// Counts the clock's ticks over `seconds` of an otherwise idle window and
// reports the CPU time they took, then quits.
void measureIdle(QObject *window, int seconds) {
    auto *clock = window->findChild<QTimer *>(QStringLiteral("Timer1"));
    if (!clock) {
        QCoreApplication::exit(1);
        return;
    }
    QTimer::singleShot(1000, window, [window, clock, seconds] {
        auto ticks = std::make_shared<int>(0);
        const long long start = cpuNs();
        QObject::connect(clock, &QTimer::timeout, window, [ticks] { ++*ticks; });
        QTimer::singleShot(seconds * 1000, window, [ticks, start] {
            std::printf("%lld %d\n", cpuNs() - start, *ticks);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
}

// Reports the end of the first paint of the watched window, then quits, or
// goes on to measure its idle cost.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QObject *parent, int idleSeconds = 0)
        : QObject(parent), m_idleSeconds(idleSeconds) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            watched->removeEventFilter(this);
            // The window and its children are painted and flushed in this one
            // pass; the zero timer runs right after it.
            QTimer::singleShot(0, qApp, [this, watched] {
                std::printf("%lld\n", nowNs());
                std::fflush(stdout);
                if (m_idleSeconds > 0)
                    measureIdle(watched, m_idleSeconds);
                else
                    QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    int m_idleSeconds;
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        QApplication app(argc, argv);
        QLabel label(QStringLiteral("Chromohm"));
        label.resize(495, 332);
        FirstPaint probe(nullptr);
        label.installEventFilter(&probe);
        label.show();
        return app.exec();
    }
    const int idleSeconds =
        argc > 2 && std::strcmp(argv[1], "--idle") == 0 ? std::atoi(argv[2]) : 0;
    return ChromohmMain(argc, argv, [idleSeconds](TPrincipale &window) {
        window.installEventFilter(new FirstPaint(&window, idleSeconds));
    });
}
