#include "toolkit/tmessagedialog.h"

#include "toolkit/tapplication.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString captionOf(TMessageDialog::Button b) {
    switch (b) {
    case TMessageDialog::Button::Yes:
        return QStringLiteral("&Oui");
    case TMessageDialog::Button::No:
        return QStringLiteral("&Non");
    case TMessageDialog::Button::Ok:
        return QStringLiteral("OK");
    case TMessageDialog::Button::Cancel:
        return QStringLiteral("Annuler");
    case TMessageDialog::Button::Help:
        return QStringLiteral("&Aide");
    }
    return {};
}

ModalResult resultOf(TMessageDialog::Button b) {
    switch (b) {
    case TMessageDialog::Button::Yes:
        return ModalResult::Yes;
    case TMessageDialog::Button::No:
        return ModalResult::No;
    case TMessageDialog::Button::Ok:
        return ModalResult::Ok;
    case TMessageDialog::Button::Cancel:
        return ModalResult::Cancel;
    case TMessageDialog::Button::Help:
        return ModalResult::None;
    }
    return ModalResult::None;
}

QStyle::StandardPixmap iconOf(TMessageDialog::Type type) {
    switch (type) {
    case TMessageDialog::Type::Warning:
        return QStyle::SP_MessageBoxWarning;
    case TMessageDialog::Type::Error:
        return QStyle::SP_MessageBoxCritical;
    case TMessageDialog::Type::Information:
        return QStyle::SP_MessageBoxInformation;
    case TMessageDialog::Type::Confirmation:
        return QStyle::SP_MessageBoxQuestion;
    }
    return QStyle::SP_MessageBoxQuestion;
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
        auto *push = new QPushButton(captionOf(b), this);
        push->setFixedSize(75, 25);
        // Enter presses the focused button; the default one while none is focused.
        push->setAutoDefault(true);
        if (b == defaultButton) {
            push->setDefault(true);
            push->setFocus();
        }
        m_buttons.append({b, push});
        row->addWidget(push);
        if (b == Button::Help) {
            connect(push, &QPushButton::clicked, this,
                    [helpContext] { Application()->HelpContext(helpContext); });
        } else {
            connect(push, &QPushButton::clicked, this, [this, b] { finish(resultOf(b)); });
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
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (QPushButton *cancel = button(m_cancel)) {
            cancel->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
