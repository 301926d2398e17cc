// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of one selection change on the resistor page: the list's change handler,
// then the repaint of what changed, as the event loop would do it next.
//   QT_QPA_PLATFORM=offscreen chromohm-bench-resistor [iterations]
// Prints, per kind of change, the median and the 90th percentile time, the heap
// allocations of one change (all of it, and the handler alone) and the paint events
// of the page per change; BENCH_TRACE=1 lists which controls were painted. Then one
// keystroke in the value entry: the text, its preview, and their repaint.

#include "app/program.h"
#include "app/tprincipale.h"
#include "toolkit/tapplication.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tinlineentry.h"
#include "toolkit/tlabel.h"

#include <QElapsedTimer>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

} // namespace

void *operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept {
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// Counts paint events of the page's widgets, to make sure each change repaints.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *page) : m_page(page) { qApp->installEventFilter(this); }
    long paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            m_page->isAncestorOf(static_cast<QWidget *>(watched))) {
            ++paints;
            if (qEnvironmentVariableIsSet("BENCH_TRACE"))
                std::printf("paint %s %s\n", qPrintable(watched->objectName()),
                            watched->metaObject()->className());
        }
        return false;
    }

private:
    QWidget *m_page;
};

struct Case {
    const char *name;
    TColourComboBox *TPrincipale::*list;
    void (TPrincipale::*handler)();
    int entryA, entryB;
};

const Case Cases[] = {
    {"second digit (red <-> orange)", &TPrincipale::ComboBox2, &TPrincipale::ComboBox2Change, 2, 3},
    {"multiplier (orange <-> yellow, text length changes)", &TPrincipale::ComboBox4,
     &TPrincipale::ComboBox4Change, 3, 4},
    {"tolerance (gold <-> red)", &TPrincipale::ComboBox5, &TPrincipale::ComboBox5Change, 1, 3},
};

double percentile(std::vector<qint64> v, double p) {
    std::sort(v.begin(), v.end());
    return double(v[std::size_t(p * double(v.size() - 1))]) / 1000.0;
}

} // namespace

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    identifyProgram(app);
    const int iterations = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;

    TPrincipale window;
    window.show();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    PaintCounter counter(window.TabSheet1);

    std::printf("%d changes per case, %s platform\n", iterations,
                qPrintable(QGuiApplication::platformName()));
    for (const Case &c : Cases) {
        TColourComboBox *list = window.*c.list;
        std::vector<qint64> times;
        std::vector<long> allocs;
        std::vector<long> handlerAllocs;
        times.reserve(std::size_t(iterations));
        allocs.reserve(std::size_t(iterations));
        // Growing inside the counted span would add allocations to the handler's.
        handlerAllocs.reserve(std::size_t(iterations));
        const long paintsBefore = counter.paints;
        for (int i = 0; i < iterations; ++i) {
            // What the list does before it notifies: the user's pick becomes current.
            list->setCurrentIndex(i % 2 ? c.entryA : c.entryB);
            allocations = 0;
            QElapsedTimer timer;
            timer.start();
            counting = true;
            (window.*c.handler)();
            handlerAllocs.push_back(allocations);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            counting = false;
            times.push_back(timer.nsecsElapsed());
            allocs.push_back(allocations);
        }
        std::sort(allocs.begin(), allocs.end());
        std::sort(handlerAllocs.begin(), handlerAllocs.end());
        std::printf("%-52s median %7.1f us  p90 %7.1f us  allocations %ld  paints/change %.1f\n",
                    c.name, percentile(times, 0.5), percentile(times, 0.9),
                    allocs[allocs.size() / 2], double(counter.paints - paintsBefore) / iterations);
        std::printf("%-52s allocations in the handler alone %ld\n", "",
                    handlerAllocs[handlerAllocs.size() / 2]);
    }
    std::printf("value line now: %s\n", qPrintable(window.Label1->text()));

    // One keystroke in an entry, its answer and its repaint: on the resistor page
    // "4 70" is refused and "4 705" falls back on the E24 series; on the LED page
    // "9 V bleue 20 m" has no unit for its 20 and "9 V bleue 20 mA" is answered.
    struct Typing {
        const char *name;
        QWidget *page;
        const char *text;
        const char *typed;
        TInlineEntry *TPrincipale::*entry;
    };
    const Typing typings[] = {
        {"value entry keystroke (4 70 <-> 4 705)", window.TabSheet1, "4 70", "5",
         &TPrincipale::ValueEntry},
        {"supply entry keystroke (9 V bleue 20 m <-> 20 mA)", window.TabSheet2, "9 V bleue 20 m",
         "A", &TPrincipale::SupplyEntry},
    };
    for (const Typing &typing : typings) {
        window.PageControl1->setCurrentWidget(typing.page);
        window.openPageEntry(QString::fromUtf8(typing.text));
        TInlineEntry *entry = window.*typing.entry;
        const QString typed = QString::fromUtf8(typing.typed);
        std::vector<qint64> keys;
        keys.reserve(std::size_t(iterations));
        for (int i = 0; i < iterations; ++i) {
            QElapsedTimer timer;
            timer.start();
            if (i % 2)
                entry->backspace();
            else
                entry->insert(typed);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            keys.push_back(timer.nsecsElapsed());
        }
        std::printf("%-52s median %7.1f us  p90 %7.1f us\n", typing.name, percentile(keys, 0.5),
                    percentile(keys, 0.9));
        entry->dismiss();
    }
    return 0;
}
