#pragma once

#include <QCheckBox>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <functional>
#include <string_view>
#include <vector>

#include "core/views/MainLayout.h"

class QWidget;

namespace corvallo::qt {

// A label that reacts to a click of the left button, for the layout's links.
class LinkLabel final : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A dotted frame in the text's colour while the link has the focus: a
    // label draws none of its own.
    void paintEvent(QPaintEvent* event) override;
};

// A check box that code can grey (the third state) but that a click only
// ticks or clears: a click ticks a clear box and clears a ticked or greyed one.
class ClickTogglesCheckBox final : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override;
};

// Runs `handler` on each click of a link or push button of the layout; other
// widgets take no clicks.
void connectClick(QWidget* widget, std::function<void()> handler);

// Text of the layout (UTF-8) as Qt holds it.
[[nodiscard]] QString toQString(std::string_view text);

// Twips to Qt's device-independent pixels: 15 twips make one pixel at 96 DPI,
// and Qt scales those pixels to the screen itself.
[[nodiscard]] int twipsToPixels(int twips);
[[nodiscard]] QRect pixelRect(const layout::TwipRect& rect);

// The layout's font in the first installed face of the layout's list.
[[nodiscard]] QFont fontFor(const layout::Font& font);
[[nodiscard]] QColor colourFor(const layout::Colour& colour);

// Qt widgets made from one window's layout description: frames are group
// boxes, labels and pictures QLabels, links LinkLabels, lists QComboBoxes,
// option buttons and the check box QRadioButton and QCheckBox, shapes and
// lines plain QFrames. Every widget's objectName is the control's name, so
// accessibility tools and tests find it the way the layout names it.
class LayoutWidgets {
  public:
    explicit LayoutWidgets(const layout::Window& layout) : layout_(layout) {}

    // Makes every control as a child of `root` or of its frame, in layout
    // order, which is also the tab order. `root` takes ownership. Each list
    // is named (for screen readers) after the label made right before it.
    // The widgets take the layout's colours, or the desktop's while its
    // palette is a high-contrast one, and follow a change of that palette.
    void create(QWidget* root);

    // The layout's colours, or with `highContrast` the application palette's.
    void applyColours(bool highContrast);

    // The widget of that control; throws std::logic_error for an unknown name
    // or before create().
    [[nodiscard]] QWidget* widget(std::string_view name) const;
    template <class Widget>
    [[nodiscard]] Widget* get(std::string_view name) const {
        return static_cast<Widget*>(widget(name));
    }

    [[nodiscard]] const layout::Window& layout() const { return layout_; }

  private:
    [[nodiscard]] QWidget* make(const layout::Control& control, QWidget* parent) const;

    const layout::Window& layout_;
    QWidget* root_ = nullptr;
    std::vector<QWidget*> widgets_;  // by layout index
};

// The caption as a QLabel shows it: "&&" is one ampersand, a single '&' (an
// access key mark) is dropped.
[[nodiscard]] QString labelText(std::string_view caption);

}  // namespace corvallo::qt
