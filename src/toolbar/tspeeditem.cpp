// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar/tspeeditem.h"

#include "toolbar/tspeedbarbutton.h"
#include "toolkit/hints.h"
#include "toolkit/tapplication.h"

TSpeedItem::TSpeedItem(QObject *owner) : QObject(owner), m_button(new TSpeedbarButton) {
    connect(m_button, &TSpeedbarButton::clicked, this, &TSpeedItem::clicked);
}

TSpeedItem::~TSpeedItem() {
    delete m_button;
}

QString TSpeedItem::BtnCaption() const {
    return m_button->caption();
}
void TSpeedItem::setBtnCaption(const QString &caption) {
    m_button->setCaption(caption);
}
QImage TSpeedItem::Glyph() const {
    return m_button->glyph();
}
void TSpeedItem::setGlyph(const QImage &glyph) {
    m_button->setGlyph(glyph);
}
int TSpeedItem::NumGlyphs() const {
    return m_button->NumGlyphs();
}
void TSpeedItem::setNumGlyphs(int count) {
    m_button->setNumGlyphs(count);
}
void TSpeedItem::setSpacing(int spacing) {
    m_button->setSpacing(spacing);
}
QString TSpeedItem::Hint() const {
    return tk::hint(m_button);
}
void TSpeedItem::setHint(const QString &hint) {
    tk::setHint(m_button, hint);
}
void TSpeedItem::setLeft(int left) {
    m_button->move(left, m_button->y());
}
void TSpeedItem::setTop(int top) {
    m_button->move(m_button->x(), top);
}

void TSpeedItem::setCursor(int cursor) {
    m_cursor = cursor;
    if (cursor == 0)
        m_button->unsetCursor();
    else
        m_button->setCursor(Application()->cursor(cursor));
}

void TSpeedItem::setVisible(bool visible) {
    m_visible = visible;
    updateButton();
}

void TSpeedItem::setEnabled(bool enabled) {
    m_enabled = enabled;
    updateButton();
}

void TSpeedItem::setHost(QWidget *host) {
    m_host = host;
    updateButton();
}

void TSpeedItem::updateButton() {
    // On the bar, Qt also disables the button while the bar is disabled.
    m_button->setEnabled(m_enabled);
    // The button lives on its host only while it can be seen.
    if (m_visible && m_host) {
        if (m_button->parentWidget() != m_host)
            m_button->setParent(m_host);
        m_button->show();
    } else {
        m_button->hide();
        if (m_button->parentWidget())
            m_button->setParent(nullptr);
    }
}
