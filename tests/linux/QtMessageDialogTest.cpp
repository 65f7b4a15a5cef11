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
int showAndAct(QtMessageDialog& dialog, int style, std::function<void(QMessageBox&)> act) {
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
        std::vector<Button> buttons;  // the default first
    };
    using B = QMessageBox;
    const std::vector<Case> cases = {
        {0, B::NoIcon, {B::Ok}},
        {1 + 16, B::Critical, {B::Ok, B::Cancel}},
        {2 + 32, B::Question, {B::Abort, B::Retry, B::Ignore}},
        {3 + 48, B::Warning, {B::Yes, B::No, B::Cancel}},
        {4 + 64, B::Information, {B::Yes, B::No}},
        {5, B::NoIcon, {B::Retry, B::Cancel}},
        {4 + 256, B::NoIcon, {B::No, B::Yes}},
        {2 + 512, B::NoIcon, {B::Ignore, B::Abort, B::Retry}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        const std::unique_ptr<QMessageBox> box(
            QtMessageDialog::buildBox("Line one\r\nLine two <b>", c.style, "Corvallo", nullptr));
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.buttons.front());
        // The desktop's style orders the buttons on screen; the set counts.
        std::vector<Button> buttons;
        for (QAbstractButton* button : box->buttons()) {
            buttons.push_back(box->standardButton(button));
        }
        EXPECT_TRUE(std::is_permutation(buttons.begin(), buttons.end(), c.buttons.begin(),
                                        c.buttons.end()));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Corvallo"));
        EXPECT_EQ(box->text(), QStringLiteral("Line one\nLine two <b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->objectName(), QStringLiteral("messageBox"));
    }
}

TEST(QtMessageDialogTest, AnswerIsTheWindowsIdOfTheButtonPressed) {
    const std::vector<std::pair<Button, int>> cases = {
        {QMessageBox::Ok, 1},    {QMessageBox::Cancel, 2}, {QMessageBox::Abort, 3},
        {QMessageBox::Retry, 4}, {QMessageBox::Ignore, 5}, {QMessageBox::Yes, 6},
        {QMessageBox::No, 7},
    };
    QtMessageDialog dialog;
    for (const auto& [press, id] : cases) {
        SCOPED_TRACE(id);
        // A style that has the button.
        const int style = id == 1 ? 1 : id <= 5 && id != 2 ? 2 : 3;
        EXPECT_EQ(showAndAct(dialog, style, [&](QMessageBox& box) { box.button(press)->click(); }),
                  id);
    }
}

TEST(QtMessageDialogTest, EscapeAndTheCloseBoxAnswerCancelElseNoElseOk) {
    const std::vector<std::pair<int, int>> cases = {{0, 1}, {1, 2}, {3, 2}, {4, 7}, {5, 2}};
    QtMessageDialog dialog;
    for (const auto& [style, answer] : cases) {
        SCOPED_TRACE(style);
        EXPECT_EQ(showAndAct(dialog, style, pressEscape), answer);
        EXPECT_EQ(showAndAct(dialog, style, [](QMessageBox& box) { box.close(); }), answer);
    }
    // Abort, Retry, Ignore is left only by its buttons, as on Windows.
    EXPECT_EQ(showAndAct(dialog, 2,
                         [](QMessageBox& box) {
                             pressEscape(box);
                             box.close();
                             EXPECT_TRUE(box.isVisible());
                             box.button(QMessageBox::Ignore)->click();
                         }),
              5);
}

TEST(QtMessageDialogTest, BoxBelongsToItsOwner) {
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
