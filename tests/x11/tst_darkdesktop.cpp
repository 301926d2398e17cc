// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Under a dark desktop palette (GTK's Adwaita dark, through Qt's gtk3 platform
// theme) every text keeps a contrast of at least 4.5:1 against what lies behind
// it: the value line, a resistor value of the LED table, a toolbar caption.

#include "common/scratchwindow.h"
#include "toolbar/tspeedbarbutton.h"
#include "toolbar/tspeeditem.h"
#include "toolkit/tapplication.h"
#include "toolkit/tlabel.h"

#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <map>

namespace {

bool desktopIsDark = false;

double luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text's contrast in a picture of it: its ground is the commonest colour,
// its ink the pixel that stands out most from that ground.
double textContrast(const QImage &picture) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000];
    QRgb ground = 0;
    int most = 0;
    for (const auto &[colour, count] : counts)
        if (count > most) {
            most = count;
            ground = colour;
        }
    double best = 1.0;
    for (const auto &entry : counts)
        best = std::max(best, contrast(entry.first, ground));
    return best;
}

} // namespace

class TestDarkDesktop : public QObject {
    Q_OBJECT
private slots:
    void textsStayReadable();
};

void TestDarkDesktop::textsStayReadable() {
    QVERIFY2(desktopIsDark, "the desktop palette is not dark: is qt6-gtk-platformtheme installed?");
    ScratchWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    const double valueLine = textContrast(w.Label1->grab().toImage());
    TSpeedbarButton *button = w.BarreResistance->button();
    const double caption = textContrast(button->grab(button->captionRect()).toImage());
    w.PageControl1->setCurrentWidget(w.TabSheet2);
    auto *value = w.TabSheet2->findChild<TLabel *>(QStringLiteral("GroupBox3RedValue1"));
    QVERIFY(value);
    const double ledValue = textContrast(value->grab().toImage());

    QVERIFY2(valueLine >= 4.5, qPrintable(QString::number(valueLine)));
    QVERIFY2(ledValue >= 4.5, qPrintable(QString::number(ledValue)));
    QVERIFY2(caption >= 4.5, qPrintable(QString::number(caption)));
}

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORMTHEME", "gtk3");
    qputenv("GTK_THEME", "Adwaita:dark");
    {
        // What any other program of this desktop gets.
        QApplication desktop(argc, argv);
        desktopIsDark = desktop.palette().color(QPalette::Window).lightness() < 100;
    }
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Chromohm 1.0"));
    TestDarkDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_darkdesktop.moc"
