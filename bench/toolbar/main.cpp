// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the toolbar costs on screen: one button repaint (a hover or press), one
// full bar repaint, and one drag move (old frame erased, new frame drawn), each
// timed from the request to the pixels in the window's buffer.
//   QT_QPA_PLATFORM=offscreen build/bench/toolbar/bench_toolbar [iterations]

#include "app/program.h"
#include "app/tprincipale.h"
#include "toolbar/tdragframe.h"
#include "toolbar/tspeedbar.h"
#include "toolbar/tspeedbarbutton.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/tapplication.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figures {
    double median, mean, best;
};

Figures measure(int iterations, const std::function<void(int)> &step) {
    std::vector<double> us;
    us.reserve(iterations);
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        us.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(us.begin(), us.end());
    double sum = 0;
    for (double u : us)
        sum += u;
    return {us[us.size() / 2], sum / us.size(), us.front()};
}

void report(const char *what, const Figures &f) {
    std::printf("%-44s median %8.1f us   mean %8.1f us   best %8.1f us\n", what, f.median, f.mean,
                f.best);
}

} // namespace

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    identifyProgram(app);
    const int iterations = argc > 1 ? std::max(10, std::atoi(argv[1])) : 500;

    TPrincipale window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(50);

    TSpeedbarButton *button = window.BarreResistance->button();
    report("one button repaint", measure(iterations, [&](int) { button->repaint(); }));
    report("one full bar repaint (bar + 6 buttons)",
           measure(iterations, [&](int) { window.SpeedBar1->repaint(); }));

    // The drag frame swinging between the top and the left edge, as the pointer
    // crosses a diagonal: each step erases one frame and draws the other.
    TDragFrame frame(&window);
    frame.show();
    const QRect frames[] = {QRect(0, 0, 495, 62), QRect(0, 0, 62, 313)};
    frame.setFrame(frames[0]);
    QCoreApplication::processEvents();
    report("one drag move (frame erase + redraw)", measure(iterations, [&](int i) {
               frame.setFrame(frames[(i + 1) % 2]);
               frame.repaint(TDragFrame::band(frames[0]) + TDragFrame::band(frames[1]));
           }));
    frame.setFrame(QRect());

    // The same through the bar with real mouse moves, event routing included.
    QWindow *handle = window.windowHandle();
    const QPoint press(240, 30);
    QTest::mouseMove(handle, press);
    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    QTest::mouseMove(handle, press + QPoint(0, 10));
    const QPoint stops[] = {QPoint(247, 40), QPoint(40, 166)};
    report("one drag move by mouse (events + repaint)", measure(iterations, [&](int i) {
               QTest::mouseMove(handle, stops[(i + 1) % 2], 0);
               QCoreApplication::processEvents();
           }));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, stops[0]);
    return 0;
}
