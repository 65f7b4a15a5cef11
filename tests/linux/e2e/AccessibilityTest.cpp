// The program without a mouse: keys through the X server (xdotool), the
// focus read back from Qt, the names, roles and states that Qt's
// accessibility hands to screen readers, the colours of a high-contrast
// palette, and every caption fitting its control.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <string>
#include <utility>
#include <vector>

#include "ProgramFixture.h"
#include "core/model/WebPages.h"
#include "core/views/MainLayout.h"
#include "linux/LayoutWidgets.h"

namespace corvallo::e2e {
namespace {

class Accessibility : public ProgramFixture {
  protected:
    static std::string focusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? std::string() : focus->objectName().toStdString();
    }

    // Types `keys` once for each expected name and checks where the focus is.
    void expectFocusWalk(QWidget* window, const std::string& keys,
                         const std::vector<std::string>& expected) {
        for (const std::string& name : expected) {
            typeOnScreen(window, keys);
            EXPECT_TRUE(waitFor([&] { return focusName() == name; }, 2s))
                << "expected " << name << ", focus on " << focusName();
        }
    }

    std::string shownPromotion() const {
        return control("lblCobrand")->isVisible() ? "lblCobrand" : "lblFullBrand";
    }
};

TEST_F(Accessibility, TabShiftTabArrowsSpaceEnterAndAccessKeysWorkTheMainWindow) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    CaughtAddresses browser;
    const std::string promotion = shownPromotion();
    control("Label61")->setFocus(Qt::TabFocusReason);
    expectFocusWalk(main, "Tab", {"cmdSettings", "cmdExit", promotion, "Label61"});
    expectFocusWalk(main, "shift+Tab", {promotion, "cmdExit", "cmdSettings", "Label61"});

    typeOnScreen(main, "Return");
    EXPECT_TRUE(waitFor([&] { return !browser.addresses().empty(); }));
    EXPECT_EQ(browser.addresses(), std::vector{pageAddress(WebPage::Home)});

    // Enter presses the focused "&Settings": the settings panel comes. The
    // option buttons are one stop (Qt enters them at the first); the check
    // box is disabled while "Don't run" is chosen.
    typeOnScreen(main, "Tab");
    ASSERT_TRUE(waitFor([&] { return focusName() == "cmdSettings"; }));
    typeOnScreen(main, "Return");
    ASSERT_TRUE(waitFor([&] { return control("cboHour")->isVisible(); }));
    control("Label61")->setFocus(Qt::TabFocusReason);
    expectFocusWalk(main, "Tab",
                    {"cboHour", "cboMinute", "cboSecond", "optRun", "cmdCalculateMoonPhase",
                     "cmdExit", promotion, "Label61"});

    // Up moves to "Run at start-up" and chooses it, the check box becomes
    // the next stop, Space ticks it; Down chooses "Don't run" again.
    control("optDontRun")->setFocus(Qt::TabFocusReason);
    typeOnScreen(main, "Up");
    EXPECT_TRUE(waitFor([&] { return focusName() == "optRun"; }));
    EXPECT_TRUE(
        waitFor([&] { return static_cast<QRadioButton*>(control("optRun"))->isChecked(); }));
    EXPECT_TRUE(waitFor([&] { return control("chkSysTray")->isEnabled(); }));
    typeOnScreen(main, "Tab");
    EXPECT_TRUE(waitFor([&] { return focusName() == "chkSysTray"; }));
    typeOnScreen(main, "space");
    EXPECT_TRUE(waitFor([&] { return setting("RunAtSysTray") == "True"; }));
    typeOnScreen(main, "shift+Tab");
    EXPECT_TRUE(waitFor([&] { return focusName() == "optRun"; }));
    typeOnScreen(main, "Down");
    EXPECT_TRUE(
        waitFor([&] { return static_cast<QRadioButton*>(control("optDontRun"))->isChecked(); }));

    // Space on a link opens it too.
    browser.clear();
    control(promotion.c_str())->setFocus(Qt::TabFocusReason);
    typeOnScreen(main, "space");
    EXPECT_TRUE(waitFor([&] { return !browser.addresses().empty(); }));
    EXPECT_EQ(browser.addresses(),
              std::vector{pageAddress(promotion == "lblCobrand" ? WebPage::CoBrand
                                                                : WebPage::FullyBranded)});
}

TEST_F(Accessibility, AccessKeysOpenTheSettingsPanelAndTheAboutWindow) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    CaughtAddresses browser;
    // Alt+S presses "&Settings".
    typeOnScreen(main, "alt+s");
    EXPECT_TRUE(waitFor([&] { return control("cboHour")->isVisible(); }));
    // In the About window the focus starts on "&OK" and Tab reaches both links.
    bool seen = false;
    onceShown(
        main, [] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); },
        [&](QWidget* about) {
            seen = true;
            EXPECT_TRUE(waitFor([&] { return focusName() == "cmdOK"; }));
            expectFocusWalk(about, "Tab", {"lblHomePage", "Label5", "cmdOK"});
            expectFocusWalk(about, "shift+Tab", {"Label5"});
            typeOnScreen(about, "Return");
            EXPECT_TRUE(waitFor([&] { return !browser.addresses().empty(); }));
            EXPECT_EQ(browser.addresses(), std::vector{pageAddress(WebPage::FullyBranded)});
            EXPECT_TRUE(about->isVisible());
            typeOnScreen(about, "alt+o");
        });
    // The menus by their access keys: Help, About Software.
    typeOnScreen(main, "alt+h a");
    EXPECT_TRUE(waitFor([&] { return seen && QApplication::activeModalWidget() == nullptr; }));
}

// What a screen reader hears for each control of the main window.
TEST_F(Accessibility, ControlsHaveTheNamesRolesAndStatesAScreenReaderAnnounces) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    const std::string tip = static_cast<QLabel*>(control("lblCardDesc"))->text().toStdString();
    ASSERT_FALSE(tip.empty());
    struct Expected {
        const char* name;
        QAccessible::Role role;
        std::string accessibleName;
    };
    const Expected expected[] = {
        {"Label61", QAccessible::Link,
         "Join our feng shui discussion board, the friendliest place online to share ideas and "
         "ask questions. Click here to visit it!"},
        {"picCard", QAccessible::Graphic, tip},
        {"picCard2", QAccessible::Graphic, tip},
        {"lblCardDesc", QAccessible::StaticText, tip},
        {"cmdSettings", QAccessible::Button, "Settings"},
        {"optRun", QAccessible::RadioButton, "Run at start-up"},
        {"optDontRun", QAccessible::RadioButton, "Don't run at start-up"},
        {"chkSysTray", QAccessible::CheckBox, "Start at system tray"},
        {"cmdCalculateMoonPhase", QAccessible::Button, "Show Corvallo Tip"},
        {"cmdExit", QAccessible::Button, "Exit"},
        {"lblCobrand", QAccessible::Link,
         "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
         "your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
         "co-branding."},
    };
    for (const Expected& entry : expected) {
        SCOPED_TRACE(entry.name);
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(control(entry.name));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), entry.role);
        EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), entry.accessibleName);
    }
    // On Linux a list's name is its value; what it is for comes from the
    // labels that name it (AT-SPI's labelled-by relation): its caption and
    // its frame, "Choose Display Time, Hour, combo box, 7".
    const std::pair<const char*, std::string> lists[] = {
        {"cboHour", "Hour"}, {"cboMinute", "Minute"}, {"cboSecond", "Second"}};
    for (const auto& [list, caption] : lists) {
        SCOPED_TRACE(list);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(list));
        EXPECT_EQ(accessible->role(), QAccessible::ComboBox);
        std::vector<std::string> labels;
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
            labels.push_back(label->text(QAccessible::Name).toStdString());
        }
        EXPECT_EQ(labels, (std::vector<std::string>{caption, "Choose Display Time"}));
    }
    const auto state = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(control(name))->state();
    };
    EXPECT_TRUE(state("optDontRun").checked);
    EXPECT_FALSE(state("optRun").checked);
    EXPECT_TRUE(state("chkSysTray").disabled);
    EXPECT_TRUE(state("Label61").focusable);
    // The links open by the accessibility interface's press action too.
    CaughtAddresses browser;
    QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(control("Label61"));
    ASSERT_NE(banner->actionInterface(), nullptr);
    banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(browser.addresses(), std::vector{pageAddress(WebPage::Home)});
}

// A high-contrast palette replaces the red-and-black design at once, the
// pictures stay, and the ordinary palette brings every pixel back.
TEST_F(Accessibility, HighContrastPaletteRepaintsInTheDesktopsColoursAndBack) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    // The window's activation gives a control the focus, and its focus mark;
    // it may come after the window is on screen, so it is waited for before
    // the first picture is taken.
    main->activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == main; }));
    QApplication::processEvents();
    QWidget* client = main->centralWidget();
    const QImage before = client->grab().toImage();
    const QPoint corner(2, 2);
    EXPECT_EQ(before.pixelColor(corner), QColor(Qt::black));

    const QPalette ordinary = QApplication::palette();
    QPalette contrast(Qt::white, Qt::black);
    contrast.setColor(QPalette::WindowText, Qt::white);
    contrast.setColor(QPalette::Text, Qt::white);
    contrast.setColor(QPalette::ButtonText, Qt::white);
    contrast.setColor(QPalette::Window, Qt::black);
    contrast.setColor(QPalette::Base, Qt::black);
    contrast.setColor(QPalette::Button, Qt::black);
    contrast.setColor(QPalette::Link, Qt::yellow);
    QApplication::setPalette(contrast);
    QApplication::processEvents();
    const QImage high = client->grab().toImage();
    saveScreenshot(main, "high-contrast-main.png");
    const auto countOf = [](const QImage& image, const QColor& colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(countOf(high, QColor(192, 0, 0)), 0);
    EXPECT_GT(countOf(before, QColor(192, 0, 0)), 0);
    EXPECT_GT(countOf(high, QColor(Qt::yellow)), 0);  // the links
    EXPECT_EQ(static_cast<QLabel*>(control("lblCardDesc"))->palette().color(QPalette::WindowText),
              QColor(Qt::white));
    // The tip picture is unchanged.
    const QRect picture = control("picCard")->geometry().translated(
        control("picCard")->parentWidget()->mapTo(client, QPoint(0, 0)));
    EXPECT_EQ(high.copy(picture), before.copy(picture));

    QApplication::setPalette(ordinary);
    QApplication::processEvents();
    EXPECT_EQ(client->grab().toImage(), before);
}

// Checks that each shown control's caption of `layout` in `root` fits the
// room its control gives it, measured with the control's font; returns how
// many were measured.
int expectCaptionsFit(const QWidget* root, const layout::Window& layout) {
    int measured = 0;
    for (const layout::Control& entry : layout.controls) {
        if (entry.caption.empty() || !entry.visible) {
            continue;
        }
        SCOPED_TRACE(std::string(entry.name));
        auto* widget = findNamed(root, std::string(entry.name).c_str());
        EXPECT_NE(widget, nullptr);
        if (widget == nullptr) {
            continue;
        }
        const QFontMetrics metrics(widget->font());
        QRect room = widget->contentsRect();
        int flags = Qt::TextShowMnemonic;
        QString text = qt::labelText(entry.caption);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QStyle::SubElement element =
                qobject_cast<QRadioButton*>(widget) ? QStyle::SE_RadioButtonContents
                : qobject_cast<QCheckBox*>(widget)  ? QStyle::SE_CheckBoxContents
                                                    : QStyle::SE_PushButtonContents;
            room = widget->style()->subElementRect(element, &option, widget);
            text = button->text();
        } else if (qobject_cast<QGroupBox*>(widget) == nullptr) {
            flags |= Qt::TextWordWrap;
        }
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags, text);
        EXPECT_LE(needed.width(), room.width()) << text.toStdString();
        EXPECT_LE(needed.height(), room.height()) << text.toStdString();
        ++measured;
    }
    return measured;
}

// Every caption of both windows fits its control. ctest runs this at Qt's
// scale factors 1.5 and 2 as well (QT_SCALE_FACTOR), each with a screenshot
// of the main window for review.
TEST_F(Accessibility, EveryCaptionFitsItsControl) {
    QMainWindow* main = startShown();
    ASSERT_NE(main, nullptr);
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        EXPECT_DOUBLE_EQ(main->devicePixelRatioF(), scale.toDouble());
        saveScreenshot(main, "main-scale-" + scale.toStdString() + ".png");
    }
    EXPECT_GE(expectCaptionsFit(main, layout::mainWindow()), 15);
    int measuredInAbout = 0;
    onceShown(
        main, [] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); },
        [&](QWidget* about) {
            measuredInAbout = expectCaptionsFit(about, layout::aboutWindow());
            static_cast<QDialog*>(about)->reject();
        });
    chooseMenuItem(main, "mnuAbout");
    EXPECT_TRUE(waitFor([&] { return measuredInAbout >= 5; }));
}

}  // namespace
}  // namespace corvallo::e2e
