// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Edge alignment of a window's children, as the old toolkit did it: controls
// aligned to the top are placed first, then bottom, left, right, and last the one
// that fills what is left; on one edge the outermost control goes first.

#include <QObject>
#include <QRect>

class QWidget;

namespace tk {

enum class Align { None, Top, Bottom, Left, Right, Client };

void setAlign(QWidget *widget, Align align);
Align alignOf(const QWidget *widget);

// Whether child a lies further out than child b on the given edge.
bool liesFurtherOut(Align edge, const QRect &a, const QRect &b);

// Places the aligned children of a parent; installed on the parent, it re-places
// them when the parent resizes or an aligned child is shown, hidden or resized.
class AlignHost : public QObject {
    Q_OBJECT
public:
    explicit AlignHost(QWidget *parent);

    void realign();
    // Where a child would stand at that edge, as realign would place it: inside
    // the children placed before it there, with that thickness across the edge.
    QRect placeAt(const QWidget *child, Align edge, int thickness) const;
    // While suspended, changes do not re-place the children.
    void suspend() { ++m_suspended; }
    void resume();

    static AlignHost *of(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_parent;
    int m_suspended = 0;
    bool m_placing = false;
};

} // namespace tk
