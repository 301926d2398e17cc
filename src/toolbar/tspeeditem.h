// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One item of the toolbar: a name for the customisation list and the button that
// shows it, to which it forwards what the button shows (caption, glyph, hint,
// cursor, place, whether it shows at all) and whose click it passes on. It knows
// neither its bar nor its section: the bar groups the items and hosts their
// buttons.
//
// Ownership: the item belongs to its owner (the main window), not to the bar.
// It creates its button without a parent and deletes it with itself; the button
// is a child of the item's host (the bar, once it has finished loading) only
// while the item is visible, and has no parent otherwise.

#include <QImage>
#include <QObject>
#include <QPointer>

#include "toolbar/tspeedbarbutton.h"

class TSpeedItem : public QObject {
    Q_OBJECT
public:
    explicit TSpeedItem(QObject *owner = nullptr);
    ~TSpeedItem() override;

    TSpeedbarButton *button() const { return m_button; }

    // The item's name in a customisation list; never painted.
    void setCaption(const QString &caption) { m_caption = caption; }
    QString BtnCaption() const;
    void setBtnCaption(const QString &caption);

    QImage Glyph() const;
    void setGlyph(const QImage &glyph);
    int NumGlyphs() const;
    void setNumGlyphs(int count);
    void setSpacing(int spacing);

    QString Hint() const;
    void setHint(const QString &hint);

    // A custom cursor number of the application (0: the standard arrow).
    int Cursor() const { return m_cursor; }
    void setCursor(int cursor);

    void setLeft(int left);
    void setTop(int top);

    void setVisible(bool visible);
    void setEnabled(bool enabled);

    // Where the button shows; none hides it and takes it off whatever held it.
    void setHost(QWidget *host);

signals:
    // OnClick: a click completed on the item's button.
    void clicked();

private:
    void updateButton();

    QPointer<TSpeedbarButton> m_button;
    QString m_caption;
    int m_cursor = 0;
    bool m_visible = false;
    bool m_enabled = true;
    QPointer<QWidget> m_host;
};
