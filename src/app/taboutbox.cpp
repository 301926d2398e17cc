// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/taboutbox.h"

#include "app/programinfo.h"
#include "toolkit/hints.h"
#include "toolkit/place.h"
#include "toolkit/resources.h"
#include "toolkit/tapplication.h"
#include "toolkit/tbevelpanel.h"
#include "toolkit/timage.h"
#include "toolkit/tshadowlabel.h"

#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize ClientSize(332, 213);

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos de ..."));
    setFixedSize(ClientSize);
    setModal(true);

    Panel1 = tk::place<TBevelPanel>(this, "Panel1", {9, 8, 313, 161});
    Panel1->setBevels(TBevelPanel::Bevel::Lowered, TBevelPanel::Bevel::Raised);

    ProgramIcon = tk::place<TImage>(Panel1, "ProgramIcon", {16, 16, 50, 50});
    ProgramIcon->setStretch(true);
    ProgramIcon->setPicture(tk::loadBitmap(QStringLiteral("ABOUTICON")));
    ProgramIcon->setAccessibleName(QString::fromUtf8(programinfo::Name));

    // Both size themselves to their text and shadow.
    ProductLabel = tk::place<TShadowLabel>(Panel1, "ProductLabel", {80, 16, 226, 36});
    ProductLabel->setCaption(QString::fromUtf8(programinfo::Name));
    VersionLabel = tk::place<TShadowLabel>(Panel1, "VersionLabel", {216, 48, 55, 14});
    VersionLabel->setCaption(QStringLiteral("version ") + QString::fromUtf8(programinfo::Version));
    QFont product(TApplication::installedFace(QStringLiteral("MS Serif")));
    product.setPixelSize(32);
    product.setBold(true);
    product.setItalic(true);
    ProductLabel->setFont(product);
    ProductLabel->setFontColor(Qt::black);

    OKButton = tk::place<QPushButton>(this, "OKButton", {84, 180, 75, 25});
    OKButton->setText(QStringLiteral("OK"));
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
