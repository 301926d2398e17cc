#include "toolkit/tlabel.h"

#include <QFontMetrics>

TLabel::TLabel(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::setCaption(const QString &caption) {
    setText(caption);
    if (m_autoSize)
        fitToCaption();
}

void TLabel::setAutoSize(bool on) {
    m_autoSize = on;
    if (on)
        fitToCaption();
}

void TLabel::setFontStyle(bool bold, int pixelHeight) {
    QFont f = font();
    f.setBold(bold);
    f.setPixelSize(pixelHeight);
    setFont(f);
    // A label is usually styled before it gets its caption, which fits it then.
    if (m_autoSize && !text().isEmpty())
        fitToCaption();
}

void TLabel::setFontColor(const QColor &color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLabel::fitToCaption() {
    const QFontMetrics fm(font());
    if (wordWrap()) {
        const QRect r = fm.boundingRect(QRect(0, 0, width(), 10000), Qt::TextWordWrap, text());
        resize(width(), r.height());
    } else {
        resize(fm.horizontalAdvance(text()), fm.height());
    }
}
