#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Desktop.h"
#include "TempFolder.h"
#include "linux/Application.h"

class QComboBox;
class QMainWindow;

namespace corvallo::e2e {

// The executable that runs the tests, which is the program's executable for
// the in-process program: its name names the settings and start-up files.
[[nodiscard]] std::string testExecutable();

// One fresh program per test on the test's QApplication, against its own
// XDG folders, with what a test needs to work it and to read what it stored.
class ProgramFixture : public testing::Test {
  protected:
    ProgramFixture();
    ~ProgramFixture() override;
    void TearDown() override;

    // Makes and starts the program with those arguments; the main window once
    // it is on screen (or made, for a start that leaves it hidden).
    QMainWindow* start(const std::vector<std::string>& arguments = {});
    // A later run's main window, waited for until it is on screen.
    QMainWindow* startShown();
    [[nodiscard]] bool ended() const { return ended_; }
    [[nodiscard]] qt::Application& application() { return *application_; }
    [[nodiscard]] QMainWindow* window() const;

    // A store as a finished first run leaves it, with a tip due today.
    void storeLaterRun(const std::string& extraLines = "");
    [[nodiscard]] std::optional<std::string> setting(const std::string& key) const;
    [[nodiscard]] std::string settingsPath() const;
    [[nodiscard]] std::string autostartPath() const;

    // The control of that name in the main window (fails the test when absent).
    [[nodiscard]] QWidget* control(const char* name) const;
    [[nodiscard]] QComboBox* list(const char* name) const;

    // Picks a display time five seconds ahead in the settings panel's lists,
    // clear of midnight, where the lists cannot name a time a few seconds
    // ahead. False when the picks took so long that less than two are left.
    [[nodiscard]] bool pickDisplayTimeSoon();

    // The next message box is answered with `button`; its text is kept.
    void answerNextBox(QMessageBox::StandardButton button);
    // The texts of the boxes shown so far, answered or not.
    [[nodiscard]] const std::vector<std::string>& boxTexts() const { return boxTexts_; }

    // The window hides into the notification area: off screen, icon shown.
    [[nodiscard]] bool hiddenInTray();
    // A right click on the notification icon, then a click on the popup's item.
    void chooseFromTrayMenu(const char* actionName);

  private:
    void answerForgottenBoxes();

    test::TempFolder config_;
    test::TempFolder runtime_;
    test::ScopedEnvironment configHome_;
    test::ScopedEnvironment runtimeDir_;
    std::vector<std::string> arguments_;
    std::vector<char*> argv_;
    bool ended_ = false;
    std::unique_ptr<QObject> helpers_;
    NoStartTrace trace_;
    std::unique_ptr<qt::Application> application_;
    std::vector<std::string> boxTexts_;
};

}  // namespace corvallo::e2e
