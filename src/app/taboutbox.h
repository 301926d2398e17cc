// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The about box: the program's icon, name and version on a bevelled panel, and
// an OK button. Made for one showing and destroyed when it closes.

#include <QDialog>

class QPushButton;
class TBevelPanel;
class TImage;
class TShadowLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    TBevelPanel *Panel1 = nullptr;
    TImage *ProgramIcon = nullptr;
    TShadowLabel *ProductLabel = nullptr;
    TShadowLabel *VersionLabel = nullptr;
    QPushButton *OKButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void centreOnScreen();
};
