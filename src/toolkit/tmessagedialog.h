// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The modal message dialog: a type (icon), a title, a message and a set of buttons
// with access keys, a default and a cancel button, and a help context that the
// help button sends without closing the dialog.

#include <QDialog>
#include <QList>

class QPushButton;

// The close box, the window menu and Alt+F4 end the dialog with Cancel.
enum class ModalResult { None, Ok, Cancel, Yes, No };

class TMessageDialog : public QDialog {
    Q_OBJECT
public:
    enum class Type { Warning, Error, Information, Confirmation };
    enum class Button { Yes, No, Ok, Cancel, Help };

    TMessageDialog(Type type, const QString &title, const QString &message,
                   const QList<Button> &buttons, Button defaultButton, Button cancelButton,
                   long helpContext, QWidget *parent = nullptr);

    ModalResult run();
    QPushButton *button(Button which) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void finish(ModalResult result);

    QList<QPair<Button, QPushButton *>> m_buttons;
    Button m_cancel;
    ModalResult m_result = ModalResult::None;
};
