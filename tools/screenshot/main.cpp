// Renders the main window to PNG files, one per page (and per state worth
// seeing), headless: QT_QPA_PLATFORM=offscreen chromohm-screenshot OUTDIR

#include "app/tprincipale.h"
#include "toolkit/tapplication.h"
#include "toolkit/tcolourcombobox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QTabWidget>
#include <QTest>

namespace {

void save(QWidget *w, const QString &dir, const QString &name) {
    QTest::qWait(20);
    w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char *argv[]) {
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    TPrincipale window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const char *names[] = {"page1-resistance", "page2-led", "page3-capacite"};
    for (int i = 0; i < 3; ++i) {
        window.PageControl1->setCurrentIndex(i);
        save(&window, dir, QString::fromLatin1(names[i]));
    }
    // The resistor page in five-band mode, with its multiplier list dropped down.
    window.PageControl1->setCurrentIndex(0);
    window.CheckBox1->click();
    save(&window, dir, QStringLiteral("page1-resistance-five"));
    window.ComboBox4->showPopup();
    save(window.ComboBox4->view()->window(), dir, QStringLiteral("page1-resistance-list"));
    window.ComboBox4->hidePopup();
    window.CheckBox1->click();
    return 0;
}
