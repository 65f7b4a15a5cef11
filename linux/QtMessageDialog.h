#pragma once

#include <string>

#include "core/ports/MessageDialog.h"

class QMessageBox;
class QWidget;

namespace corvallo {

// Message boxes as QMessageBox, numbered as on Windows: the style picks the
// icon (16 critical, 32 question, 48 warning, 64 information), the buttons
// (0 OK; 1 OK, Cancel; 2 Abort, Retry, Ignore; 3 Yes, No, Cancel; 4 Yes, No;
// 5 Retry, Cancel) and the default button (the first; 256 the second, 512
// the third), and the answer is the Windows ID of the button pressed (1 OK,
// 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No). Esc and the close box
// answer Cancel, else No, else OK, as they do on Windows; a box with Abort,
// Retry and Ignore can only be left by its buttons.
class QtMessageDialog final : public MessageDialog {
  public:
    explicit QtMessageDialog(QWidget* owner = nullptr) : owner_(owner) {}

    // Boxes are modal to the owner and centred on it; it may change, e.g.
    // once the main window exists.
    void setOwner(QWidget* owner) { owner_ = owner; }

    int show(const std::string& text, int style, const std::string& title) override;

    // The box that show() runs, not yet shown; the caller owns it. Its
    // objectName is "messageBox".
    [[nodiscard]] static QMessageBox* buildBox(const std::string& text, int style,
                                               const std::string& title, QWidget* owner);

    // The Windows ID of the button the box was left with, from its buttons.
    [[nodiscard]] static int answerOf(const QMessageBox& box);

  private:
    QWidget* owner_;
};

}  // namespace corvallo
