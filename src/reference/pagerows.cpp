#include "reference/pagerows.h"

#include "toolkit/tbevel.h"
#include "toolkit/tlabel.h"

#include <QPainter>

namespace reference {

namespace {

// Maroon, the brown the LED page's sentence speaks of.
const QColor MaroonColour(0x80, 0x00, 0x00);

// A circle with a black outline and a brush colour.
class CircleMark : public QWidget {
public:
    CircleMark(const QColor &brush, QWidget *parent) : QWidget(parent), m_brush(brush) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.setBrush(m_brush);
        painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
    }

private:
    QColor m_brush;
};

TLabel *makeLabel(QWidget *parent, const PageRow &row) {
    auto *label = new TLabel(parent);
    if (row.look == Look::Bold) {
        label->setFontStyle(true);
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

} // namespace

QWidget *namedParent(QWidget *page, const char *name) {
    const QString wanted = QString::fromLatin1(name);
    if (page->objectName() == wanted)
        return page;
    return page->findChild<QWidget *>(wanted);
}

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
        control = new CircleMark(QColor(0xFF, 0x00, 0x00), parent);
        break;
    case Look::LimeMark:
        control = new CircleMark(QColor(0x00, 0xFF, 0x00), parent);
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
    control->setAccessibleName(QString::fromUtf8(row.text));
    return control;
}

} // namespace reference
