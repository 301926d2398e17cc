#include "app/taboutbox.h"

#include "toolkit/hints.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevelpanel.h"
#include "toolkit/timage.h"
#include "toolkit/tshadowlabel.h"

#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize ClientSize(332, 213);

struct LabelRow {
    TShadowLabel *TAboutBox::*member;
    const char *name;
    QPoint pos;
    const char *caption;
};

const LabelRow LabelRows[] = {
    {&TAboutBox::ProductLabel, "ProductLabel", {80, 16}, "Chromohm"},
    {&TAboutBox::VersionLabel, "VersionLabel", {216, 48}, "version 1.0"},
};

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos de ..."));
    setFixedSize(ClientSize);
    setModal(true);

    Panel1 = new TBevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(9, 8, 313, 161);
    Panel1->setBevels(TBevelPanel::Bevel::Lowered, TBevelPanel::Bevel::Raised);

    ProgramIcon = new TImage(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 16, 50, 50);
    ProgramIcon->setStretch(true);
    ProgramIcon->setPicture(tk::loadBitmap(QStringLiteral("ABOUTICON")));
    ProgramIcon->setAccessibleName(QStringLiteral("Chromohm"));

    for (const LabelRow &row : LabelRows) {
        auto *label = new TShadowLabel(Panel1);
        label->setObjectName(QLatin1String(row.name));
        label->move(row.pos);
        label->setCaption(QString::fromUtf8(row.caption));
        this->*row.member = label;
    }
    QFont product(TApplication::installedFace(QStringLiteral("MS Serif")));
    product.setPixelSize(32);
    product.setBold(true);
    product.setItalic(true);
    ProductLabel->setFont(product);
    ProductLabel->setFontColor(Qt::black);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(84, 180, 75, 25);
    OKButton->setDefault(true);
    tk::setHint(OKButton, QStringLiteral("Referme cet écran"));
    tk::setShowHint(OKButton, true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent *event) {
    centreOnScreen();
    QDialog::showEvent(event);
}

void TAboutBox::centreOnScreen() {
    QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}
