#include "linux/LayoutWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <stdexcept>
#include <string>

#include "linux/HighContrast.h"
#include "linux/LinkAccessible.h"

namespace corvallo::qt {
namespace {

// In high contrast every widget takes the application palette as it is
// (an empty palette sets no role, so all are inherited), except that links
// show their text in the palette's link colour.
void applySystemColours(QWidget* widget, const layout::Control& control) {
    QPalette palette;
    if (control.kind == layout::Kind::Link) {
        const QColor link = QApplication::palette().color(QPalette::Link);
        palette.setColor(QPalette::WindowText, link);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

// Foreground and background of one widget. Qt takes text colours from
// different palette roles per kind of widget, so all of them are set.
void applyLayoutColours(QWidget* widget, const layout::Control& control) {
    if (control.kind == layout::Kind::Button) {
        // Push buttons keep the desktop's own colours, not the black of the
        // panel around them (a palette is otherwise inherited from the parent).
        // Every role is set explicitly: a role left unset would still be inherited.
        const QPalette desktop = QApplication::palette(widget);
        QPalette own;
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto colorGroup = static_cast<QPalette::ColorGroup>(group);
                const auto colorRole = static_cast<QPalette::ColorRole>(role);
                own.setColor(colorGroup, colorRole, desktop.color(colorGroup, colorRole));
            }
        }
        widget->setPalette(own);
        return;
    }
    QPalette palette = widget->palette();
    const QColor foreground = colourFor(control.foreground);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, foreground);
        palette.setColor(QPalette::Inactive, role, foreground);
    }
    if (control.background.source != layout::Colour::Source::Transparent) {
        const QColor background = colourFor(control.background);
        // Buttons of every kind fill their background from the Button role.
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        // A list's box takes the background too; option buttons and check
        // boxes keep the desktop's light indicator, where a dot or a tick
        // shows on any panel colour.
        if (control.kind == layout::Kind::DropDownList) {
            palette.setColor(QPalette::Base, background);
        }
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

Qt::Alignment alignmentFor(layout::Align align) {
    return (align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

QLabel* makeLabel(QLabel* label, const layout::Control& control) {
    // Plain text before the text arrives: a label that is still in its
    // automatic format lays its text out as a rich text document first.
    label->setTextFormat(Qt::PlainText);
    label->setText(labelText(control.caption));
    label->setWordWrap(true);
    label->setAlignment(alignmentFor(control.align));
    return label;
}

// Shapes and lines are outlines: they take no clicks and no focus.
QFrame* makeOutline(const layout::Control& control, QWidget* parent) {
    auto* outline = new QFrame(parent);
    outline->setFrameShape(control.kind == layout::Kind::Line ? QFrame::HLine : QFrame::Box);
    outline->setFrameShadow(QFrame::Plain);
    outline->setLineWidth(control.borderWidth);
    outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    return outline;
}

}  // namespace

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick) {
        onClick();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

// Links are in the tab order, so they also open with Enter or Space.
void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && onClick) {
        onClick();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

namespace {

// Repaints a layout's widgets in the colours that apply when the desktop's
// palette changes (high contrast turned on or off). The application itself
// hears of the change; it goes with the root widget.
class PaletteFollower final : public QObject {
  public:
    PaletteFollower(QWidget* root, LayoutWidgets& widgets) : QObject(root), widgets_(widgets) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
            widgets_.applyColours(isHighContrast(QApplication::palette()));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    LayoutWidgets& widgets_;
};

}  // namespace

void connectClick(QWidget* widget, std::function<void()> handler) {
    if (auto* link = dynamic_cast<LinkLabel*>(widget)) {
        link->onClick = std::move(handler);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QObject::connect(button, &QPushButton::clicked, std::move(handler));
    }
}

void ClickTogglesCheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect pixelRect(const layout::TwipRect& rect) {
    // Edges are rounded, not sizes, so that neighbouring controls stay flush.
    const int left = twipsToPixels(rect.left);
    const int top = twipsToPixels(rect.top);
    return {left, top, twipsToPixels(rect.left + rect.width) - left,
            twipsToPixels(rect.top + rect.height) - top};
}

QFont fontFor(const layout::Font& font) {
    QStringList families{toQString(layout::kFontFace)};
    for (std::string_view face : layout::kFallbackFontFaces) {
        families.append(toQString(face));
    }
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(font.twentiethsOfPoint / 20.0);
    result.setBold(font.bold);
    result.setUnderline(font.underline);
    return result;
}

QColor colourFor(const layout::Colour& colour) {
    switch (colour.source) {
        case layout::Colour::Source::Rgb:
            return {colour.red, colour.green, colour.blue};
        case layout::Colour::Source::SystemMenuText:
            return QApplication::palette("QMenu").color(QPalette::WindowText);
        case layout::Colour::Source::Transparent:
            break;
    }
    return Qt::transparent;
}

QString labelText(std::string_view caption) {
    QString text;
    const QString source = toQString(caption);
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == u'&') {
            if (i + 1 < source.size() && source[i + 1] == u'&') {
                text.append(u'&');
                ++i;
            }
            continue;
        }
        text.append(source[i]);
    }
    return text;
}

QWidget* LayoutWidgets::make(const layout::Control& control, QWidget* parent) const {
    const QString caption = toQString(control.caption);
    switch (control.kind) {
        case layout::Kind::Frame:
            return new QGroupBox(caption, parent);
        case layout::Kind::Label:
            return makeLabel(new QLabel(parent), control);
        case layout::Kind::Link: {
            auto* link = new LinkLabel(parent);
            link->setCursor(Qt::PointingHandCursor);
            link->setFocusPolicy(Qt::TabFocus);
            return makeLabel(link, control);
        }
        case layout::Kind::Button: {
            auto* button = new QPushButton(caption, parent);
            // Enter presses the focused button, as Space does; outside a
            // dialog a push button takes Enter only when it is auto-default.
            button->setAutoDefault(true);
            return button;
        }
        case layout::Kind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setEditable(false);
            return list;
        }
        case layout::Kind::OptionButton:
            return new QRadioButton(caption, parent);
        case layout::Kind::CheckBox:
            return new ClickTogglesCheckBox(caption, parent);
        case layout::Kind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignCenter);
            return picture;
        }
        case layout::Kind::Shape:
        case layout::Kind::Line:
            return makeOutline(control, parent);
    }
    throw std::logic_error("unknown control kind");
}

void LayoutWidgets::create(QWidget* root) {
    installLinkAccessibility();
    root_ = root;
    widgets_.clear();
    const auto& controls = layout_.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const layout::Control& control = controls[i];
        QWidget* parent = control.parent.empty() ? root : widget(control.parent);
        QWidget* made = make(control, parent);
        made->setObjectName(toQString(control.name));
        made->setFont(fontFor(control.font));
        QRect rect = pixelRect(control.rect);
        if (control.kind == layout::Kind::Line) {
            rect.setHeight(control.borderWidth);
        }
        made->setGeometry(rect);
        made->setEnabled(control.enabled);
        if (auto* button = qobject_cast<QAbstractButton*>(made); button && button->isCheckable()) {
            button->setChecked(control.checked);
        }
        made->setVisible(control.visible);
        if (!control.caption.empty()) {
            made->setAccessibleName(labelText(control.caption));
        }
        // A list is named after its caption, the label made right before it.
        if (control.kind == layout::Kind::DropDownList && i > 0 &&
            controls[i - 1].kind == layout::Kind::Label &&
            controls[i - 1].parent == control.parent) {
            auto* caption = static_cast<QLabel*>(widgets_.back());
            caption->setBuddy(made);
            made->setAccessibleName(caption->text());
        }
        widgets_.push_back(made);
    }
    applyColours(isHighContrast(QApplication::palette()));
    new PaletteFollower(root, *this);
}

void LayoutWidgets::applyColours(bool highContrast) {
    if (highContrast) {
        root_->setPalette(QPalette());
    } else {
        QPalette palette = root_->palette();
        palette.setColor(QPalette::Window, colourFor(layout_.background));
        root_->setPalette(palette);
    }
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (highContrast) {
            applySystemColours(widgets_[i], layout_.controls[i]);
        } else {
            applyLayoutColours(widgets_[i], layout_.controls[i]);
        }
    }
}

QWidget* LayoutWidgets::widget(std::string_view name) const {
    const auto& controls = layout_.controls;
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (controls[i].name == name) {
            return widgets_[i];
        }
    }
    throw std::logic_error("no control " + std::string(name));
}

}  // namespace corvallo::qt
