// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the main window to PNG files, one per page (and per state worth
// seeing), headless: QT_QPA_PLATFORM=offscreen chromohm-screenshot OUTDIR
// With a SUFFIX (chromohm-screenshot OUTDIR 2x, run with QT_SCALE_FACTOR=2),
// only the pages, their entries and the about box, named NAME-SUFFIX.png.

#include "app/program.h"
#include "app/tprincipale.h"
#include "help/thelpfacility.h"
#include "help/thelpviewer.h"
#include "toolbar/tspeedbar.h"
#include "toolkit/tapplication.h"
#include "toolkit/tcolourcombobox.h"
#include "toolkit/tglyphbutton.h"
#include "toolkit/tgroupbox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QString g_suffix;

void save(QWidget *w, const QString &dir, const QString &name) {
    QTest::qWait(20);
    const QString file = g_suffix.isEmpty() ? name : name + QLatin1Char('-') + g_suffix;
    w->grab().save(QDir(dir).filePath(file + QStringLiteral(".png")));
}

void saveAboutBox(TPrincipale &window, const QString &dir) {
    QTimer::singleShot(200, &window, [&] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            save(about, dir, QStringLiteral("about"));
            about->close();
        }
    });
    window.BarreAproposClick();
}

// A page's entry holding a text as typed there, saved, then closed.
void saveEntry(TPrincipale &window, int page, const char *typed, QWidget *shown, const QString &dir,
               const char *name) {
    window.PageControl1->setCurrentIndex(page);
    window.openPageEntry(QString::fromUtf8(typed));
    save(shown, dir, QString::fromLatin1(name));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

// The LED page's entry: the card's two rows for a supply, then a named LED
// with its uncertain current, at its longest.
void saveLedEntry(TPrincipale &window, const QString &dir) {
    window.openPageEntry(QStringLiteral("9 V"));
    save(&window, dir, QStringLiteral("page2-led-entry"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" bleue 20 mA x1"));
    save(&window, dir, QStringLiteral("page2-led-entry-led"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    saveEntry(window, 1, "3,3 V bleue", &window, dir, "page2-led-entry-uncertain");
}

} // namespace

int main(int argc, char *argv[]) {
    TApplication app(argc, argv);
    identifyProgram(app);
    // The book is looked for beside the program itself.
    THelpFacility help({QStringLiteral(CHROMOHM_BUILD_BINDIR)});
    app.setHelpFacility(&help);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    g_suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(dir);

    TPrincipale window;
    // Keep the pointer off the window, so that no button shows its hover frame.
    window.move(200, 150);
    QCursor::setPos(1200, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const char *names[] = {"page1-resistance", "page2-led", "page3-capacite"};
    for (int i = 0; i < 3; ++i) {
        window.PageControl1->setCurrentIndex(i);
        save(&window, dir, QString::fromLatin1(names[i]));
    }
    if (!g_suffix.isEmpty()) {
        // At a scale: the pictures on each page and in the about box, and the
        // pages' entries.
        saveEntry(window, 0, "103", window.GroupBox1, dir, "page1-resistance-entry");
        saveEntry(window, 2, "2A104J", &window, dir, "page3-capacite-marking");
        window.PageControl1->setCurrentIndex(1);
        saveLedEntry(window, dir);
        window.AlimLed->click();
        save(&window, dir, QStringLiteral("page2-led-alternatif"));
        window.PageControl1->setCurrentIndex(0);
        saveAboutBox(window, dir);
        return 0;
    }
    // The resistor page in five-band mode, with its multiplier list dropped down.
    window.PageControl1->setCurrentIndex(0);
    window.CheckBox1->click();
    save(&window, dir, QStringLiteral("page1-resistance-five"));
    window.ComboBox4->showPopup();
    save(window.ComboBox4->view()->window(), dir, QStringLiteral("page1-resistance-list"));
    window.ComboBox4->hidePopup();
    window.CheckBox1->click();

    // The value entry with what Enter would pick, then with a refusal.
    window.openPageEntry(QStringLiteral("4705"));
    save(&window, dir, QStringLiteral("page1-resistance-entry"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" ±20 %"));
    save(window.GroupBox1, dir, QStringLiteral("page1-resistance-entry-refused"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    // The capacitance guide reading a marking.
    saveEntry(window, 2, "473J 100V", &window, dir, "page3-capacite-marking");

    // The LED page answering a supply alone, then a named LED.
    window.PageControl1->setCurrentIndex(1);
    saveLedEntry(window, dir);

    // The LED page with alternating supply.
    window.PageControl1->setCurrentIndex(1);
    window.AlimLed->click();
    save(&window, dir, QStringLiteral("page2-led-alternatif"));
    window.AlimLed->click();
    window.PageControl1->setCurrentIndex(0);

    // The toolbar docked at the other edges, then back at the top.
    const std::pair<tk::Align, const char *> edges[] = {{tk::Align::Bottom, "toolbar-bottom"},
                                                        {tk::Align::Left, "toolbar-left"},
                                                        {tk::Align::Right, "toolbar-right"}};
    for (const auto &[edge, name] : edges) {
        window.SpeedBar1->setAlign(edge);
        save(&window, dir, QString::fromLatin1(name));
    }
    window.SpeedBar1->setAlign(tk::Align::Top);

    // A hovered and a held button ("A propos"), released off it: no click.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    QWindow *handle = window.windowHandle();
    QTest::mouseMove(handle, QPoint(390, 30));
    save(window.SpeedBar1, dir, QStringLiteral("toolbar-hover"));
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(390, 30));
    save(window.SpeedBar1, dir, QStringLiteral("toolbar-held"));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(300, 200));

    // The about box, taken while it is showing.
    saveAboutBox(window, dir);

    // The help viewer at the resistor topic.
    app.showHelpTopic(1);
    if (THelpViewer *viewer = help.viewer()) {
        if (QTest::qWaitForWindowExposed(viewer))
            save(viewer, dir, QStringLiteral("help"));
    }
    app.quitHelp();
    return 0;
}
