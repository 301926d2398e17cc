// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One item of the toolbar: a name for the customisation list, the section it
// belongs to, and the button that shows it, to which it forwards what the button
// shows (caption, glyph, hint, cursor, place) and whose click it passes on.
//
// Ownership: the item belongs to its owner (the main window), not to the bar.
// It creates its button without a parent and deletes it with itself; the bar
// adopts the button as a child only while the item is visible and the bar has
// finished loading, and gives it back (no parent) otherwise. Deleting an item
// takes it out of its section; deleting the bar first leaves the items with no
// section and their buttons parentless, not deleted.

#include <QImage>
#include <QObject>
#include <QPointer>

#include "toolbar/tspeedbarbutton.h"

class TSpeedBar;
class TSpeedbarSection;

class TSpeedItem : public QObject {
    Q_OBJECT
public:
    explicit TSpeedItem(QObject *owner = nullptr);
    ~TSpeedItem() override;

    TSpeedbarButton *button() const { return m_button; }

    // The item's name in a customisation list; never painted.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }
    QString BtnCaption() const;
    void setBtnCaption(const QString &caption);

    QImage Glyph() const;
    void setGlyph(const QImage &glyph);
    int NumGlyphs() const;
    void setNumGlyphs(int count);
    int Spacing() const;
    void setSpacing(int spacing);

    QString Hint() const;
    void setHint(const QString &hint);

    // A custom cursor number of the application (0: the standard arrow).
    int Cursor() const { return m_cursor; }
    void setCursor(int cursor);

    int Left() const;
    void setLeft(int left);
    int Top() const;
    void setTop(int top);

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    TSpeedBar *SpeedBar() const;
    TSpeedbarSection *Section() const;

    // Applies the item's visibility and enabled state to the button, which is on
    // the bar only once the bar is loaded.
    void updateButton();

signals:
    // OnClick: a click completed on the item's button.
    void Click();

private:
    friend class TSpeedbarSection;
    void setSection(TSpeedbarSection *section, TSpeedBar *bar);

    QPointer<TSpeedbarButton> m_button;
    QString m_caption;
    int m_cursor = 0;
    bool m_visible = false;
    bool m_enabled = true;
    QPointer<TSpeedBar> m_bar;
    QPointer<TSpeedbarSection> m_section;
};
