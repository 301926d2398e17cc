// Starts either the real program or a bare Qt window with one label, prints the
// monotonic time (ns) at which the window's first frame has been painted, and
// exits. chromohm-startup-bench spawns it and measures from before the spawn.

#include "app/program.h"
#include "app/tprincipale.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// The monotonic clock is the same in every process and never steps with the
// wall-clock time.
long long nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// Reports the end of the first paint of the watched window, then quits.
class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            watched->removeEventFilter(this);
            // The window and its children are painted and flushed in this one
            // pass; the zero timer runs right after it.
            QTimer::singleShot(0, qApp, [] {
                std::printf("%lld\n", nowNs());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        QApplication app(argc, argv);
        QLabel label(QStringLiteral("Chromohm"));
        label.resize(495, 332);
        FirstPaint probe;
        label.installEventFilter(&probe);
        label.show();
        return app.exec();
    }
    FirstPaint *probe = nullptr;
    return ChromohmMain(argc, argv, [&probe](TPrincipale &window) {
        probe = new FirstPaint(&window);
        window.installEventFilter(probe);
    });
}
