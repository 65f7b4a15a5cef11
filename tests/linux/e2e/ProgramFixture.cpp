#include "ProgramFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <filesystem>
#include <sstream>

namespace corvallo::e2e {
namespace {

// How long a message box may wait for its answer before the test gives up on
// it, closes it and fails.
constexpr qint64 kForgottenBoxMs = 3000;

std::string appName() {
    return std::filesystem::path(testExecutable()).filename().string();
}

QMessageBox* shownMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box != nullptr && box->isVisible() ? box : nullptr;
}

}  // namespace

std::string testExecutable() {
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

ProgramFixture::ProgramFixture()
    : configHome_("XDG_CONFIG_HOME", config_.path().c_str()),
      runtimeDir_("XDG_RUNTIME_DIR", runtime_.path().c_str()),
      helpers_(std::make_unique<QObject>()) {
    answerForgottenBoxes();
}

ProgramFixture::~ProgramFixture() = default;

void ProgramFixture::TearDown() {
    application_.reset();
    helpers_.reset();
    // The windows the program let go of are deleted once the loop runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QMainWindow* ProgramFixture::start(const std::vector<std::string>& arguments) {
    arguments_ = {testExecutable()};
    arguments_.insert(arguments_.end(), arguments.begin(), arguments.end());
    argv_.clear();
    for (std::string& argument : arguments_) {
        argv_.push_back(argument.data());
    }
    argv_.push_back(nullptr);
    application_ = std::make_unique<qt::Application>(
        static_cast<int>(arguments_.size()), argv_.data(), [this] { ended_ = true; }, trace_);
    EXPECT_TRUE(application_->start()) << "the program was refused";
    return window();
}

QMainWindow* ProgramFixture::window() const {
    return application_ ? application_->mainWindow().window() : nullptr;
}

std::string ProgramFixture::settingsPath() const {
    return config_ / (appName() + "/" + appName() + ".ini");
}

std::string ProgramFixture::autostartPath() const {
    return config_ / ("autostart/" + appName() + ".desktop");
}

QMainWindow* ProgramFixture::startShown() {
    storeLaterRun();
    QMainWindow* main = start();
    EXPECT_TRUE(waitFor([&] { return onScreen(main); }));
    return main;
}

void ProgramFixture::storeLaterRun(const std::string& extraLines) {
    std::filesystem::create_directories(config_ / appName());
    test::writeFile(settingsPath(),
                    "[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=16\n" + extraLines);
}

// Read here with a parser of the test's own, so that a fault of the
// program's INI code does not hide itself.
std::optional<std::string> ProgramFixture::setting(const std::string& key) const {
    std::istringstream lines(test::fileText(settingsPath()));
    bool inSettings = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.front() == '[') {
            inSettings = line == "[Settings]";
        } else if (inSettings && line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return std::nullopt;
}

QWidget* ProgramFixture::control(const char* name) const {
    auto* widget = findNamed(window(), name);
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

QComboBox* ProgramFixture::list(const char* name) const {
    return static_cast<QComboBox*>(control(name));
}

bool ProgramFixture::pickDisplayTimeSoon() {
    QTime display = QTime::currentTime().addSecs(5);
    if (display < QTime(0, 0, 10)) {
        QTest::qWait(15000);
        display = QTime::currentTime().addSecs(5);
    }
    pickListEntry(list("cboHour"), display.hour());
    pickListEntry(list("cboMinute"), display.minute());
    pickListEntry(list("cboSecond"), display.second());
    return QTime::currentTime().secsTo(display) >= 2;
}

void ProgramFixture::answerNextBox(QMessageBox::StandardButton button) {
    onceShown(
        helpers_.get(), [] { return shownMessageBox(); },
        [this, button](QWidget* widget) {
            auto* box = static_cast<QMessageBox*>(widget);
            boxTexts_.push_back(box->text().toStdString());
            QAbstractButton* answer = box->button(button);
            if (answer == nullptr) {
                ADD_FAILURE() << "the box has no such button: " << box->text().toStdString();
                box->done(0);
                return;
            }
            click(answer);
        });
}

// A box nobody answers would hold the test in its modal loop for ever.
void ProgramFixture::answerForgottenBoxes() {
    auto* timer = new QTimer(helpers_.get());
    auto since = std::make_shared<QElapsedTimer>();
    auto seen = std::make_shared<QPointer<QMessageBox>>();
    QObject::connect(timer, &QTimer::timeout, [this, since, seen] {
        QMessageBox* box = shownMessageBox();
        if (box != *seen) {
            *seen = box;
            since->start();
            return;
        }
        if (box != nullptr && since->elapsed() > kForgottenBoxMs) {
            boxTexts_.push_back(box->text().toStdString());
            ADD_FAILURE() << "unexpected message box: " << box->text().toStdString();
            box->done(0);
        }
    });
    timer->start(100);
}

bool ProgramFixture::hiddenInTray() {
    const bool hidden = waitFor([&] {
        return window() != nullptr && !window()->isVisible() && trayIconOnScreen() != nullptr;
    });
    if (!hidden) {
        ADD_FAILURE() << "window visible: " << (window() != nullptr && window()->isVisible())
                      << ", icon on screen: " << (trayIconOnScreen() != nullptr);
    }
    return hidden;
}

void ProgramFixture::chooseFromTrayMenu(const char* actionName) {
    QWidget* icon = trayIconOnScreen();
    ASSERT_NE(icon, nullptr) << "no notification icon";
    const QString name = QString::fromLatin1(actionName);
    onceShown(
        helpers_.get(),
        []() -> QWidget* {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr && menu->objectName() == QStringLiteral("mnuPopUp") ? menu
                                                                                       : nullptr;
        },
        [name](QWidget* widget) {
            auto* menu = static_cast<QMenu*>(widget);
            auto* item = menu->findChild<QAction*>(name);
            ASSERT_NE(item, nullptr) << "no item " << name.toStdString();
            clickAt(menu, menu->actionGeometry(item).center());
        });
    clickOnScreen(icon, Qt::RightButton);
}

}  // namespace corvallo::e2e
