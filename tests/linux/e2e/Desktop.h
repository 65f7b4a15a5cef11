#pragma once

#include <QObject>
#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QMainWindow;

namespace corvallo::e2e {

using namespace std::chrono_literals;

// Runs the event loop until `condition` holds; false after `timeout`.
[[nodiscard]] bool waitFor(const std::function<bool()>& condition,
                           std::chrono::milliseconds timeout = 5s);

// The widget of that objectName inside `root`, or null.
template <class Widget = QWidget>
[[nodiscard]] Widget* findNamed(const QObject* root, const char* name) {
    return root == nullptr ? nullptr : root->findChild<Widget*>(QString::fromLatin1(name));
}

// True when the window is shown, mapped by the X server and not minimised:
// what a user sees.
[[nodiscard]] bool onScreen(const QWidget* window);
[[nodiscard]] bool centredOnScreen(const QWidget* window);

// The notification icon as the X tray host holds it: Qt's embedded icon
// window, when it is shown and mapped inside the tray.
[[nodiscard]] QWidget* trayIconOnScreen();

// A left click at the widget's centre (or at `position`), sent to the widget.
void click(QWidget* widget);
void clickAt(QWidget* widget, QPoint position);
// A click at the widget's centre on the screen, through the X server.
void clickOnScreen(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);

// Opens the list's popup and clicks the entry, as a user picks one.
void pickListEntry(QComboBox* list, int index);

// Clicks the menu bar's menu that holds `actionName`, then the item.
void chooseMenuItem(QMainWindow* window, const char* actionName);

// Keys typed on the window through the X server, as xdotool names them
// ("alt+d"), once the window has the keyboard focus.
void typeOnScreen(QWidget* window, const std::string& keys);

// What a window manager sends when the user clicks a window's close box:
// WM_DELETE_WINDOW through the X server.
void pressCloseBox(QWidget* window);

// Saves the window's picture (as Qt draws it) for review.
void saveScreenshot(QWidget* window, const std::string& fileName);

// While it lives, the https addresses that the program hands to the
// desktop's browser are caught here instead of opened.
class CaughtAddresses {
  public:
    CaughtAddresses();
    ~CaughtAddresses();
    CaughtAddresses(const CaughtAddresses&) = delete;
    CaughtAddresses& operator=(const CaughtAddresses&) = delete;

    [[nodiscard]] const std::vector<std::string>& addresses() const { return addresses_; }
    void clear() { addresses_.clear(); }

  private:
    // QDesktopServices hands a caught address to a method of a QObject; the
    // anchorClicked signal of a text browser is one that needs no moc.
    QTextBrowser standIn_;
    std::vector<std::string> addresses_;
};

// Runs `act` once on the widget that `find` returns, polling from the event
// loop, also inside modal loops (message boxes, menus, dialogs), until
// `owner` goes.
void onceShown(QObject* owner, std::function<QWidget*()> find, std::function<void(QWidget*)> act);

}  // namespace corvallo::e2e
