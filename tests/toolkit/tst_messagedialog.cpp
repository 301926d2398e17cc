// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message dialog as a user answers it: its buttons in the order asked for,
// Enter on the default button, Escape on the cancel button, the help button that
// sends its context and leaves the dialog open, and the close box.

#include "common/modal.h"
#include "common/recordinghelp.h"
#include "toolkit/tapplication.h"
#include "toolkit/tmessagedialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace {

using Button = TMessageDialog::Button;

QList<Button> buttonsOf(const QList<int> &numbers) {
    QList<Button> buttons;
    for (int n : numbers)
        buttons.append(Button(n));
    return buttons;
}

} // namespace

class TestMessageDialog : public QObject {
    Q_OBJECT
private slots:
    void buttons_data();
    void buttons();
    void answers_data();
    void answers();
};

void TestMessageDialog::buttons_data() {
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<QStringList>("captions"); // left to right
    const int yes = int(Button::Yes), no = int(Button::No), ok = int(Button::Ok),
              cancel = int(Button::Cancel), help = int(Button::Help);
    QTest::newRow("the quit question")
        << QList<int>{yes, no, help} << yes << QStringList{"&Oui", "&Non", "&Aide"};
    QTest::newRow("OK and Annuler, Annuler the default")
        << QList<int>{ok, cancel} << cancel << QStringList{"OK", "Annuler"};
    QTest::newRow("in the order asked, not the table's")
        << QList<int>{help, no, yes} << no << QStringList{"&Aide", "&Non", "&Oui"};
}

void TestMessageDialog::buttons() {
    QFETCH(QList<int>, buttons);
    QFETCH(int, defaultButton);
    QFETCH(QStringList, captions);
    QWidget owner;
    TMessageDialog dialog(TMessageDialog::Type::Confirmation, QStringLiteral("Confirmation"),
                          QStringLiteral("Voulez-vous quitter Chromohm 1.0 ?"), buttonsOf(buttons),
                          Button(defaultButton), Button::Cancel, 0, &owner);
    owner.show();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Confirmation"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Message"))->text(),
             QStringLiteral("Voulez-vous quitter Chromohm 1.0 ?"));
    // Modal to its own window only, so that other windows stay usable.
    QCOMPARE(dialog.windowModality(), Qt::WindowModal);

    QList<QPushButton *> row = dialog.findChildren<QPushButton *>();
    std::sort(row.begin(), row.end(),
              [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    QStringList seen;
    for (QPushButton *b : row) {
        seen << b->text();
        QVERIFY(dialog.rect().contains(b->geometry()));
        QCOMPARE(b->y(), row.first()->y());
        QCOMPARE(b->isDefault(), b == dialog.button(Button(defaultButton)));
    }
    QCOMPARE(seen, captions);
    for (qsizetype i = 1; i < row.size(); ++i)
        QVERIFY(row[i - 1]->geometry().right() < row[i]->x());
    for (int b : buttons)
        QCOMPARE(dialog.button(Button(b))->text(), captions[buttons.indexOf(b)]);
    QCOMPARE(dialog.focusWidget(), dialog.button(Button(defaultButton)));
}

void TestMessageDialog::answers_data() {
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("cancelButton");
    QTest::addColumn<QString>("answer"); // a key, "close box", or a caption to click
    QTest::addColumn<int>("result");
    const int yes = int(Button::Yes), no = int(Button::No), ok = int(Button::Ok),
              cancel = int(Button::Cancel), help = int(Button::Help);
    const QList<int> question{yes, no, help};
    const int Yes = int(ModalResult::Yes), No = int(ModalResult::No), Ok = int(ModalResult::Ok),
              Cancel = int(ModalResult::Cancel);
    QTest::newRow("Enter: the default") << question << yes << no << "Enter" << Yes;
    QTest::newRow("Escape: the cancel button") << question << yes << no << "Escape" << No;
    QTest::newRow("close box: Cancel, not the cancel button")
        << question << yes << no << "close box" << Cancel;
    QTest::newRow("&Non clicked") << question << yes << no << "&Non" << No;
    QTest::newRow("&Aide: the dialog stays, then Escape") << question << yes << no << "&Aide" << No;
    QTest::newRow("F1: the help button") << question << yes << no << "F1" << No;
    QTest::newRow("Enter on Annuler, the default")
        << QList<int>{ok, cancel} << cancel << cancel << "Enter" << Cancel;
    QTest::newRow("OK clicked") << QList<int>{ok, cancel} << cancel << cancel << "OK" << Ok;
    QTest::newRow("Escape without a cancel button: Cancel")
        << QList<int>{ok} << ok << cancel << "Escape" << Cancel;
}

void TestMessageDialog::answers() {
    QFETCH(QList<int>, buttons);
    QFETCH(int, defaultButton);
    QFETCH(int, cancelButton);
    QFETCH(QString, answer);
    QFETCH(int, result);
    RecordingHelp help;
    Application()->setHelpFacility(&help);
    TMessageDialog dialog(TMessageDialog::Type::Warning, QStringLiteral("Attention"),
                          QStringLiteral("Message"), buttonsOf(buttons), Button(defaultButton),
                          Button(cancelButton), 7);
    bool openAfterHelp = false;
    whenModal([&](QWidget *modal) {
        QWindow *window = modal->windowHandle();
        if (answer == u"Enter" || answer == u"Escape") {
            QTest::keyClick(window, answer == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (answer == u"close box") {
            window->close();
        } else {
            if (answer == u"F1")
                QTest::keyClick(window, Qt::Key_F1);
            for (QPushButton *b : modal->findChildren<QPushButton *>())
                if (b->text() == answer)
                    QTest::mouseClick(b, Qt::LeftButton);
            openAfterHelp = modal->isVisible();
            if (openAfterHelp)
                QTest::keyClick(window, Qt::Key_Escape);
        }
    });
    QCOMPARE(int(dialog.run()), result);
    const bool helped = answer == u"&Aide" || answer == u"F1";
    QCOMPARE(openAfterHelp, helped);
    QCOMPARE(help.calls, helped ? QStringList{"topic 7"} : QStringList{});
    Application()->setHelpFacility(nullptr);
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    app.setHelpFile(QStringLiteral("Chromohm.hlp"));
    TestMessageDialog t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_messagedialog.moc"
