#include "Desktop.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

namespace corvallo::e2e {

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    return QTest::qWaitFor(condition, static_cast<int>(timeout.count()));
}

bool onScreen(const QWidget* window) {
    return window != nullptr && window->isVisible() && !window->isMinimized() &&
           window->windowHandle() != nullptr && window->windowHandle()->isExposed();
}

bool centredOnScreen(const QWidget* window) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = window->frameGeometry().center() - available.center();
    return std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2;
}

// Qt's X11 tray icon is a top-level widget of its own class, which the tray
// host embeds and maps.
QWidget* trayIconOnScreen() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qstrcmp(widget->metaObject()->className(), "QSystemTrayIconSys") == 0 &&
            widget->isVisible() && widget->windowHandle() != nullptr &&
            widget->windowHandle()->isExposed()) {
            return widget;
        }
    }
    return nullptr;
}

void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Through the X server (XTEST), as the pointer of a user: the event takes the
// same way as a real click, which matters where the click ends the widget.
void clickOnScreen(QWidget* widget, Qt::MouseButton button) {
    ASSERT_NE(widget, nullptr);
    // Relative to the widget's X window: an icon embedded in the tray does not
    // know its own place on the screen.
    const QPoint centre = widget->rect().center();
    const int number = button == Qt::RightButton ? 3 : 1;
    const std::string command = "xdotool mousemove --window " + std::to_string(widget->winId()) +
                                " " + std::to_string(centre.x()) + " " +
                                std::to_string(centre.y()) + " click " + std::to_string(number);
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

void clickAt(QWidget* widget, QPoint position) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
}

void pickListEntry(QComboBox* list, int index) {
    ASSERT_NE(list, nullptr);
    ASSERT_LT(index, list->count());
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(waitFor([&] { return view->isVisible(); }));
    // The arrow keys move the highlight to the entry, Enter picks it.
    while (view->currentIndex().row() != index) {
        const int row = view->currentIndex().row();
        QTest::keyClick(view, row < index ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_NE(view->currentIndex().row(), row) << "the highlight does not move";
    }
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return !view->isVisible(); }));
}

void chooseMenuItem(QMainWindow* window, const char* actionName) {
    ASSERT_NE(window, nullptr);
    QMenuBar* bar = window->menuBar();
    for (QAction* top : bar->actions()) {
        QMenu* menu = top->menu();
        auto* item =
            menu == nullptr ? nullptr : menu->findChild<QAction*>(QString::fromLatin1(actionName));
        if (item == nullptr) {
            continue;
        }
        clickAt(bar, bar->actionGeometry(top).center());
        ASSERT_TRUE(waitFor([&] { return menu->isVisible(); }));
        clickAt(menu, menu->actionGeometry(item).center());
        return;
    }
    ADD_FAILURE() << "no menu item " << actionName;
}

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply == nullptr ? xcb_atom_t{XCB_ATOM_NONE} : reply->atom;
    std::free(reply);
    return result;
}

}  // namespace

void pressCloseBox(QWidget* window) {
    ASSERT_NE(window, nullptr);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(connection), 0);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    // A round trip, so that the server has sent the message before the
    // connection goes.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

void typeOnScreen(QWidget* window, const std::string& keys) {
    ASSERT_NE(window, nullptr);
    const std::string command = "xdotool windowfocus --sync " + std::to_string(window->winId()) +
                                " key --clearmodifiers " + keys;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

CaughtAddresses::CaughtAddresses() {
    QObject::connect(&standIn_, &QTextBrowser::anchorClicked, [this](const QUrl& url) {
        addresses_.push_back(url.toEncoded().toStdString());
    });
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &standIn_, "anchorClicked");
}

CaughtAddresses::~CaughtAddresses() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void saveScreenshot(QWidget* window, const std::string& fileName) {
    ASSERT_NE(window, nullptr);
    const QString folder = QStringLiteral(CORVALLO_SCREENSHOT_FOLDER);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QLatin1Char('/') + QString::fromStdString(fileName);
    EXPECT_TRUE(window->grab().save(path)) << path.toStdString();
}

void onceShown(QObject* owner, std::function<QWidget*()> find, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout,
                     [timer, find = std::move(find), act = std::move(act)] {
                         QWidget* widget = find();
                         if (widget == nullptr) {
                             return;
                         }
                         // The action may run a modal loop of its own.
                         timer->stop();
                         timer->deleteLater();
                         act(widget);
                     });
    timer->start();
}

}  // namespace corvallo::e2e
