#include "linux/QtMessageDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <vector>

#include "core/ports/MessageDialog.h"

namespace corvallo {

namespace {

using Button = QMessageBox::StandardButton;

struct Answer {
    Button button;
    int id;
};

constexpr int kIdCancel = 2;

constexpr Answer kAnswers[] = {
    {QMessageBox::Ok, mb::kIdOk}, {QMessageBox::Cancel, kIdCancel}, {QMessageBox::Abort, 3},
    {QMessageBox::Retry, 4},      {QMessageBox::Ignore, 5},         {QMessageBox::Yes, mb::kIdYes},
    {QMessageBox::No, mb::kIdNo},
};

std::vector<Button> buttonsFor(int style) {
    switch (style & 0xF) {
        case 1:
            return {QMessageBox::Ok, QMessageBox::Cancel};
        case 2:
            return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
        case 3:
            return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        case 4:
            return {QMessageBox::Yes, QMessageBox::No};
        case 5:
            return {QMessageBox::Retry, QMessageBox::Cancel};
        default:
            return {QMessageBox::Ok};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (style & 0xF0) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// Windows takes CR LF, and a lone CR or LF, as a line break.
QString withLineBreaks(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

// A box that, with no escape button set, cannot be closed by Esc or the
// close box. QMessageBox would otherwise pick Abort as the escape button of
// Abort/Retry/Ignore, where Windows offers no way out but the buttons.
class WindowsMessageBox final : public QMessageBox {
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

}  // namespace

QMessageBox* QtMessageDialog::buildBox(const std::string& text, int style, const std::string& title,
                                       QWidget* owner) {
    auto* box = new WindowsMessageBox(owner);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setWindowTitle(QString::fromStdString(title));
    // Plain text: a tip or a path with "<" in it must not be read as HTML.
    box->setTextFormat(Qt::PlainText);
    box->setText(withLineBreaks(text));
    box->setIcon(iconFor(style));

    const std::vector<Button> buttons = buttonsFor(style);
    // Windows adds them in this order; the desktop's style decides where
    // each is shown.
    for (const Button button : buttons) {
        box->addButton(button);
    }
    const std::size_t defaultIndex = static_cast<std::size_t>((style >> 8) & 0xF);
    box->setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
    for (const Button escape : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
        if (QAbstractButton* button = box->button(escape)) {
            box->setEscapeButton(button);
            break;
        }
    }
    return box;
}

int QtMessageDialog::answerOf(const QMessageBox& box) {
    // No button clicked: the box was closed as Esc would close it.
    QAbstractButton* pressed = box.clickedButton();
    if (pressed == nullptr) {
        pressed = box.escapeButton();
    }
    const Button button = box.standardButton(pressed);
    for (const Answer& answer : kAnswers) {
        if (answer.button == button) {
            return answer.id;
        }
    }
    return kIdCancel;
}

int QtMessageDialog::show(const std::string& text, int style, const std::string& title) {
    // The owner deletes its children: if it goes while the box is open (the
    // program ends from outside), so does the box, and QPointer notices. The
    // answer is then Cancel, which no caller takes as a yes.
    const QPointer<QMessageBox> box = buildBox(text, style, title, owner_);
    box->exec();
    if (box.isNull()) {
        return kIdCancel;
    }
    const int answer = answerOf(*box);
    delete box.data();
    return answer;
}

}  // namespace corvallo
