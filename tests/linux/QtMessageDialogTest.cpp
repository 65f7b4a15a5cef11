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
#include <vector>

namespace corvallo {
namespace {

using Button = QMessageBox::StandardButton;

// Shows a box through the adapter and, once it is up, does to it what a
// user would.
MessageAnswer showAndAct(QtMessageDialog& dialog, MessageButtons buttons,
                         std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
        // Whatever `act` did, the box must be gone, or exec() would not return.
        if (box->isVisible()) {
            ADD_FAILURE() << "the box is still open";
            box->done(0);
        }
    });
    return dialog.show({"text", buttons, MessageIcon::None, "title"});
}

void pressEscape(QMessageBox& box) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &escape);
}

TEST(QtMessageDialogTest, BoxHasTheMessagesIconButtonsAndDefault) {
    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        QMessageBox::Icon shownIcon;
        std::vector<Button> shownButtons;  // the default first
    };
    using B = QMessageBox;
    const std::vector<Case> cases = {
        {MessageButtons::Ok, MessageIcon::None, B::NoIcon, {B::Ok}},
        {MessageButtons::Ok, MessageIcon::Information, B::Information, {B::Ok}},
        {MessageButtons::YesNo, MessageIcon::Exclamation, B::Warning, {B::Yes, B::No}},
        {MessageButtons::YesNo, MessageIcon::Information, B::Information, {B::Yes, B::No}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.shownIcon));
        const std::unique_ptr<QMessageBox> box(QtMessageDialog::buildBox(
            {"Line one\r\nLine two <b>", c.buttons, c.icon, "Corvallo"}, nullptr));
        EXPECT_EQ(box->icon(), c.shownIcon);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.shownButtons.front());
        // The desktop's style orders the buttons on screen; the set counts.
        std::vector<Button> buttons;
        for (QAbstractButton* button : box->buttons()) {
            buttons.push_back(box->standardButton(button));
        }
        EXPECT_TRUE(std::is_permutation(buttons.begin(), buttons.end(), c.shownButtons.begin(),
                                        c.shownButtons.end()));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Corvallo"));
        EXPECT_EQ(box->text(), QStringLiteral("Line one\nLine two <b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->objectName(), QStringLiteral("messageBox"));
    }
}

TEST(QtMessageDialogTest, AnswerIsTheButtonPressed) {
    struct Case {
        MessageButtons buttons;
        Button press;
        MessageAnswer answer;
    };
    const std::vector<Case> cases = {
        {MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes},
        {MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No},
    };
    QtMessageDialog dialog;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        EXPECT_EQ(
            showAndAct(dialog, c.buttons, [&](QMessageBox& box) { box.button(c.press)->click(); }),
            c.answer);
    }
}

TEST(QtMessageDialogTest, EscapeAndTheCloseBoxAnswerOk) {
    QtMessageDialog dialog;
    EXPECT_EQ(showAndAct(dialog, MessageButtons::Ok, pressEscape), MessageAnswer::Ok);
    EXPECT_EQ(showAndAct(dialog, MessageButtons::Ok, [](QMessageBox& box) { box.close(); }),
              MessageAnswer::Ok);
}

// Only Yes and No leave a question; Esc and the close box do nothing.
TEST(QtMessageDialogTest, QuestionIsLeftOnlyByItsButtons) {
    QtMessageDialog dialog;
    for (const Button press : {QMessageBox::Yes, QMessageBox::No}) {
        SCOPED_TRACE(press == QMessageBox::Yes ? "Yes" : "No");
        EXPECT_EQ(showAndAct(dialog, MessageButtons::YesNo,
                             [press](QMessageBox& box) {
                                 pressEscape(box);
                                 box.close();
                                 EXPECT_TRUE(box.isVisible());
                                 box.button(press)->click();
                             }),
                  press == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No);
    }
}

TEST(QtMessageDialogTest, BoxBelongsToItsOwner) {
    QWidget owner;
    QtMessageDialog dialog;
    dialog.setOwner(&owner);
    QWidget* parent = nullptr;
    showAndAct(dialog, MessageButtons::Ok, [&](QMessageBox& box) {
        parent = box.parentWidget();
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(parent, &owner);
}

}  // namespace
}  // namespace corvallo
