#include "linux/QtMessageDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <vector>

namespace corvallo {

namespace {

using Button = QMessageBox::StandardButton;

struct Answer {
    Button button;
    MessageAnswer answer;
};

constexpr Answer kAnswers[] = {
    {QMessageBox::Ok, MessageAnswer::Ok},
    {QMessageBox::Yes, MessageAnswer::Yes},
    {QMessageBox::No, MessageAnswer::No},
};

// In the order they are added; the first is the default.
std::vector<Button> buttonsFor(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return {QMessageBox::Yes, QMessageBox::No};
        case MessageButtons::Ok:
            break;
    }
    return {QMessageBox::Ok};
}

QMessageBox::Icon iconFor(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The core breaks lines with CR LF; a lone CR or LF counts as a break too.
QString withLineBreaks(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

// A box that, with no escape button set, cannot be closed by Esc or the
// close box: QMessageBox would otherwise pick an escape button of its own
// among the buttons, and a box without one must be left by its buttons.
class ButtonsOnlyMessageBox final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (escapeButton() == nullptr && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override {
        if (escapeButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

// The answer of a box that was left without a click: never a yes.
MessageAnswer answerWithoutClick(bool question) {
    return question ? MessageAnswer::No : MessageAnswer::Ok;
}

}  // namespace

QMessageBox* QtMessageDialog::buildBox(const Message& message, QWidget* owner) {
    auto* box = new ButtonsOnlyMessageBox(owner);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setWindowTitle(QString::fromStdString(message.title));
    // Plain text: a tip or a path with "<" in it must not be read as HTML.
    box->setTextFormat(Qt::PlainText);
    box->setText(withLineBreaks(message.text));
    box->setIcon(iconFor(message.icon));

    // The desktop's style decides where each button is shown.
    const std::vector<Button> buttons = buttonsFor(message.buttons);
    for (const Button button : buttons) {
        box->addButton(button);
    }
    box->setDefaultButton(buttons.front());
    // A box with only OK may be closed like any window. A question has no
    // escape button: only Yes and No answer it.
    if (message.buttons == MessageButtons::Ok) {
        box->setEscapeButton(box->button(QMessageBox::Ok));
    }
    return box;
}

MessageAnswer QtMessageDialog::answerOf(const QMessageBox& box) {
    // No button clicked: the box was closed as Esc would close it.
    QAbstractButton* pressed = box.clickedButton();
    if (pressed == nullptr) {
        pressed = box.escapeButton();
    }
    const Button button = box.standardButton(pressed);
    for (const Answer& answer : kAnswers) {
        if (answer.button == button) {
            return answer.answer;
        }
    }
    return answerWithoutClick(box.button(QMessageBox::No) != nullptr);
}

MessageAnswer QtMessageDialog::show(const Message& message) {
    // The owner deletes its children: if it goes while the box is open (the
    // program ends from outside), so does the box, and QPointer notices. The
    // answer is then the one that is not a yes.
    const QPointer<QMessageBox> box = buildBox(message, owner_);
    box->exec();
    if (box.isNull()) {
        return answerWithoutClick(message.buttons == MessageButtons::YesNo);
    }
    const MessageAnswer answer = answerOf(*box);
    delete box.data();
    return answer;
}

}  // namespace corvallo
