// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A page of a page control whose controls can wait: the build given to
// buildLater(), before the page first shows, runs when it is about to show or
// earlier when buildNow() asks for it. Its controls then appear with the page,
// and the page control's focus handling finds them.

#include <QWidget>

#include <functional>

class TTabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TTabSheet(QWidget *parent = nullptr) : QWidget(parent) {}

    void buildLater(std::function<void()> build) { m_build = std::move(build); }
    void buildNow();
    bool isBuilt() const { return !m_build; }

    void setVisible(bool visible) override;

private:
    std::function<void()> m_build;
};
