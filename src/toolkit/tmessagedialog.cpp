// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/tmessagedialog.h"

#include "toolkit/tapplication.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using Button = TMessageDialog::Button;
using Type = TMessageDialog::Type;

struct ButtonRow {
    Button button;
    const char *caption;
    ModalResult result; // None: the button does not close the dialog
};

const ButtonRow ButtonRows[] = {
    {Button::Yes, "&Oui", ModalResult::Yes},    {Button::No, "&Non", ModalResult::No},
    {Button::Ok, "OK", ModalResult::Ok},        {Button::Cancel, "Annuler", ModalResult::Cancel},
    {Button::Help, "&Aide", ModalResult::None},
};

const ButtonRow &rowOf(Button b) {
    return *std::find_if(std::begin(ButtonRows), std::end(ButtonRows),
                         [b](const ButtonRow &row) { return row.button == b; });
}

QStyle::StandardPixmap iconOf(Type type) {
    constexpr QStyle::StandardPixmap Icons[] = {
        QStyle::SP_MessageBoxWarning,     // Warning
        QStyle::SP_MessageBoxCritical,    // Error
        QStyle::SP_MessageBoxInformation, // Information
        QStyle::SP_MessageBoxQuestion,    // Confirmation
    };
    return Icons[int(type)];
}

} // namespace

TMessageDialog::TMessageDialog(Type type, const QString &title, const QString &message,
                               const QList<Button> &buttons, Button defaultButton,
                               Button cancelButton, long helpContext, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_cancel(cancelButton) {
    setWindowTitle(title);
    setModal(true);
    // Modal to its window only, so that the help viewer stays usable while it shows.
    if (parent)
        setWindowModality(Qt::WindowModal);
    setAccessibleName(title);
    setAccessibleDescription(message);

    auto *icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(iconOf(type), nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    icon->setAccessibleName(QString());
    auto *text = new QLabel(message, this);
    text->setTextFormat(Qt::PlainText);
    text->setObjectName(QStringLiteral("Message"));

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon);
    top->addWidget(text, 1, Qt::AlignVCenter);

    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch();
    for (Button b : buttons) {
        const ButtonRow &kind = rowOf(b);
        auto *push = new QPushButton(QString::fromUtf8(kind.caption), this);
        push->setFixedSize(75, 25);
        // Enter presses the focused button; the default one while none is focused.
        push->setAutoDefault(true);
        if (b == defaultButton) {
            push->setDefault(true);
            push->setFocus();
        }
        m_buttons.append({b, push});
        row->addWidget(push);
        if (kind.result == ModalResult::None) {
            connect(push, &QPushButton::clicked, this,
                    [helpContext] { Application()->showHelpTopic(helpContext); });
        } else {
            const ModalResult result = kind.result;
            connect(push, &QPushButton::clicked, this, [this, result] { finish(result); });
        }
    }
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton *TMessageDialog::button(Button which) const {
    for (const auto &[b, push] : m_buttons)
        if (b == which)
            return push;
    return nullptr;
}

ModalResult TMessageDialog::run() {
    m_result = ModalResult::None;
    exec();
    return m_result == ModalResult::None ? ModalResult::Cancel : m_result;
}

void TMessageDialog::finish(ModalResult result) {
    m_result = result;
    accept();
}

void TMessageDialog::keyPressEvent(QKeyEvent *event) {
    // Escape is the cancel button, F1 the help button, where the dialog has them.
    const Qt::Key key = Qt::Key(event->key());
    if ((key == Qt::Key_Escape || key == Qt::Key_F1) && event->modifiers() == Qt::NoModifier) {
        if (QPushButton *push = button(key == Qt::Key_Escape ? m_cancel : Button::Help)) {
            push->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
