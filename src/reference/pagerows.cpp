// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reference/pagerows.h"

#include "toolkit/accessibility.h"
#include "toolkit/tbevel.h"
#include "toolkit/tlabel.h"
#include "toolkit/tshape.h"

namespace reference {

namespace {

// Maroon, the brown the LED page's sentence speaks of.
const QColor MaroonColour(0x80, 0x00, 0x00);

TShape *makeCircle(QWidget *parent, const QColor &brush) {
    auto *circle = new TShape(parent);
    circle->setShape(TShape::Shape::Circle);
    circle->setBrushColor(brush);
    return circle;
}

TLabel *makeLabel(QWidget *parent, const PageRow &row) {
    auto *label = new TLabel(parent);
    if (row.look == Look::Bold) {
        label->setFontStyle(TLabel::Weight::Bold);
        label->setFontColor(Qt::black);
    } else if (row.look == Look::Maroon) {
        label->setFontColor(MaroonColour);
    }
    if (row.width > 0) {
        label->setAutoSize(false);
        label->setWordWrap(true);
        label->setGeometry(row.left, row.top, row.width, row.height);
    } else {
        label->move(row.left, row.top);
    }
    label->setCaption(QString::fromUtf8(row.text));
    return label;
}

TBevel *makeBevel(QWidget *parent, TBevel::Shape shape, TBevel::Style style) {
    auto *bevel = new TBevel(parent);
    bevel->setShape(shape);
    bevel->setStyle(style);
    return bevel;
}

// The parent named in a row: the page itself or one of its descendants.
QWidget *namedParent(QWidget *page, const char *name) {
    const QString wanted = QString::fromLatin1(name);
    if (page->objectName() == wanted)
        return page;
    return page->findChild<QWidget *>(wanted);
}

} // namespace

QWidget *addControl(QWidget *page, const PageRow &row) {
    QWidget *parent = namedParent(page, row.parent);
    Q_ASSERT(parent);
    QWidget *control = nullptr;
    switch (row.look) {
    case Look::Regular:
    case Look::Bold:
    case Look::Maroon:
        control = makeLabel(parent, row);
        control->setObjectName(QString::fromLatin1(row.name));
        return control; // a label is read by its text
    case Look::RedMark:
        control = makeCircle(parent, QColor(0xFF, 0x00, 0x00));
        break;
    case Look::LimeMark:
        control = makeCircle(parent, QColor(0x00, 0xFF, 0x00));
        break;
    case Look::Separator:
        control = makeBevel(parent, TBevel::Shape::TopLine, TBevel::Style::Flat);
        break;
    case Look::ColumnRule:
        control = makeBevel(parent, TBevel::Shape::LeftLine, TBevel::Style::Raised);
        break;
    }
    control->setObjectName(QString::fromLatin1(row.name));
    control->setGeometry(row.left, row.top, row.width, row.height);
    // Lines are only drawing; the marks are read by their text.
    if (*row.text)
        control->setAccessibleName(QString::fromUtf8(row.text));
    else
        tk::setAccessibleHidden(control);
    return control;
}

} // namespace reference
