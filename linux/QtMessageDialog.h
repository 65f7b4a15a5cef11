#pragma once

#include "core/ports/MessageDialog.h"

class QMessageBox;
class QWidget;

namespace corvallo {

// Message boxes as QMessageBox: the message's buttons with the first one as
// the default, its icon (the exclamation mark as Qt's warning icon) and its
// title. Esc and the close box answer OK on a box with only OK; on a Yes/No
// question they do nothing, so that only its two buttons leave it.
class QtMessageDialog final : public MessageDialog {
  public:
    explicit QtMessageDialog(QWidget* owner = nullptr) : owner_(owner) {}

    // Boxes are modal to the owner and centred on it; it may change, e.g.
    // once the main window exists.
    void setOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer show(const Message& message) override;

    // The box that show() runs, not yet shown; the caller owns it. Its
    // objectName is "messageBox".
    [[nodiscard]] static QMessageBox* buildBox(const Message& message, QWidget* owner);

    // The answer the box was left with: the button clicked, else the answer
    // that is not a yes (No on a question, OK otherwise).
    [[nodiscard]] static MessageAnswer answerOf(const QMessageBox& box);

  private:
    QWidget* owner_;
};

}  // namespace corvallo
