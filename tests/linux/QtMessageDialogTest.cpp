#include "linux/QtMessageDialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvallo {
namespace {

using Button = QMessageBox::StandardButton;

// Shows a box through the adapter and, once it is up, lets `act` do what a
// user would do to it.
int showAndAct(QtMessageDialog& dialog, int style, std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box is shown";
            return;
        }
        act(*box);
        // Whatever `act` did, the box must go, or exec() would never return.
        QTimer::singleShot(0, box, [box] {
            if (box->isVisible()) {
                ADD_FAILURE() << "the box is still open";
                box->done(0);
            }
        });
    });
    return dialog.show("text", style, "title");
}

void pressEscape(QMessageBox& box) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &escape);
}

TEST(QtMessageDialogTest, BoxHasTheStylesIconButtonsAndDefault) {
    struct Case {
        int style;
        QMessageBox::Icon icon;
        std::vector<Button> buttons;
        Button defaultButton;
    };
    const std::vector<Case> cases = {
        {0, QMessageBox::NoIcon, {QMessageBox::Ok}, QMessageBox::Ok},
        {1 + 16, QMessageBox::Critical, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Ok},
        {2 + 32,
         QMessageBox::Question,
         {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore},
         QMessageBox::Abort},
        {3 + 48,
         QMessageBox::Warning,
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
         QMessageBox::Yes},
        {4 + 64, QMessageBox::Information, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes},
        {5, QMessageBox::NoIcon, {QMessageBox::Retry, QMessageBox::Cancel}, QMessageBox::Retry},
        {4 + 256, QMessageBox::NoIcon, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::No},
        {2 + 512,
         QMessageBox::NoIcon,
         {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore},
         QMessageBox::Ignore},
        {0 + 512, QMessageBox::NoIcon, {QMessageBox::Ok}, QMessageBox::Ok},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        const std::unique_ptr<QMessageBox> box(
            QtMessageDialog::buildBox("Line one\r\nLine two <b>", c.style, "Corvallo", nullptr));
        EXPECT_EQ(box->icon(), c.icon);
        std::vector<Button> buttons;
        for (QAbstractButton* button : box->buttons()) {
            buttons.push_back(box->standardButton(button));
        }
        // The desktop's style orders the buttons on screen; the set is what
        // counts.
        std::sort(buttons.begin(), buttons.end());
        auto expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(buttons, expected);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Corvallo"));
        EXPECT_EQ(box->text(), QStringLiteral("Line one\nLine two <b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->objectName(), QStringLiteral("messageBox"));
    }
}

TEST(QtMessageDialogTest, AnswerIsTheWindowsIdOfTheButtonPressed) {
    struct Case {
        int style;
        Button press;
        int answer;
    };
    const std::vector<Case> cases = {
        {0, QMessageBox::Ok, 1},      {1, QMessageBox::Cancel, 2}, {2, QMessageBox::Abort, 3},
        {2, QMessageBox::Retry, 4},   {2, QMessageBox::Ignore, 5}, {3, QMessageBox::Yes, 6},
        {4 + 48, QMessageBox::No, 7}, {5, QMessageBox::Retry, 4},
    };
    QtMessageDialog dialog;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        const int answer =
            showAndAct(dialog, c.style, [&](QMessageBox& box) { box.button(c.press)->click(); });
        EXPECT_EQ(answer, c.answer);
    }
}

TEST(QtMessageDialogTest, EscapeAndTheCloseBoxAnswerCancelElseNoElseOk) {
    struct Case {
        int style;
        int answer;
    };
    const std::vector<Case> cases = {{0, 1}, {1, 2}, {3, 2}, {4, 7}, {5, 2}};
    QtMessageDialog dialog;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(showAndAct(dialog, c.style, pressEscape), c.answer);
        EXPECT_EQ(showAndAct(dialog, c.style, [](QMessageBox& box) { box.close(); }), c.answer);
    }
}

TEST(QtMessageDialogTest, AbortRetryIgnoreIsLeftOnlyByItsButtons) {
    QtMessageDialog dialog;
    const int answer = showAndAct(dialog, 2, [](QMessageBox& box) {
        pressEscape(box);
        box.close();
        EXPECT_TRUE(box.isVisible());
        box.button(QMessageBox::Ignore)->click();
    });
    EXPECT_EQ(answer, 5);
}

TEST(QtMessageDialogTest, BoxIsModalToItsOwner) {
    QWidget owner;
    QtMessageDialog dialog;
    dialog.setOwner(&owner);
    QWidget* parent = nullptr;
    showAndAct(dialog, 0, [&](QMessageBox& box) {
        parent = box.parentWidget();
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(parent, &owner);
}

}  // namespace
}  // namespace corvallo
