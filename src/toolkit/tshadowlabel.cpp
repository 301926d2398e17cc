#include "toolkit/tshadowlabel.h"

#include <QEvent>
#include <QPainter>

TShadowLabel::TShadowLabel(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void TShadowLabel::setCaption(const QString &caption) {
    setText(caption);
    fitToCaption();
}

void TShadowLabel::setFontColor(const QColor &color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QSize TShadowLabel::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + ShadowSize, fm.height() + ShadowSize};
}

void TShadowLabel::fitToCaption() {
    resize(sizeHint());
}

void TShadowLabel::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        fitToCaption();
    QLabel::changeEvent(event);
}

void TShadowLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setFont(font());
    const QRect text(QPoint(0, 0), sizeHint() - QSize(ShadowSize, ShadowSize));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(text, flags, this->text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text.translated(ShadowSize, ShadowSize), flags, this->text());
}
