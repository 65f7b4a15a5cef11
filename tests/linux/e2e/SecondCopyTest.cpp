// The corvallo executable itself, started twice as a user would start it:
// the second copy must be refused while the first goes on. Its windows are
// found and answered from outside, through the X server, with xdotool.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"

namespace corvallo::e2e {
namespace {

using namespace std::chrono_literals;

// The standard output of a shell command.
std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
            text += buffer;
        }
        pclose(pipe);
    }
    return text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        result.push_back(line);
    }
    return result;
}

// A child process running the program with the caller's environment.
class ChildProgram {
  public:
    explicit ChildProgram(const std::string& path) {
        pid_ = fork();
        if (pid_ == 0) {
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~ChildProgram() {
        if (running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    [[nodiscard]] pid_t pid() const { return pid_; }

    [[nodiscard]] bool running() {
        if (status_ < 0 && waitpid(pid_, &status_, WNOHANG) == 0) {
            status_ = -1;
        }
        return status_ < 0;
    }
    // True when the process ended by itself (not by a signal) within `timeout`.
    [[nodiscard]] bool endsWithin(std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (running() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(20ms);
        }
        return !running() && WIFEXITED(status_);
    }

    // The ids of its windows that are mapped, once there is one.
    [[nodiscard]] std::vector<std::string> visibleWindows() const {
        return lines(output("timeout 10 xdotool search --sync --onlyvisible --pid " +
                            std::to_string(pid_) + " 2>/dev/null"));
    }

  private:
    pid_t pid_ = -1;
    int status_ = -1;
};

std::string windowType(const std::string& window) {
    return output("xprop -id " + window + " _NET_WM_WINDOW_TYPE 2>/dev/null");
}

std::string geometry(const std::string& window) {
    return output("xdotool getwindowgeometry " + window + " 2>/dev/null");
}

TEST(SecondCopy, IsRefusedWithABoxAndTheFirstStays) {
    test::TempFolder config;
    test::TempFolder runtime;
    test::ScopedEnvironment configHome("XDG_CONFIG_HOME", config.path().c_str());
    test::ScopedEnvironment runtimeDir("XDG_RUNTIME_DIR", runtime.path().c_str());
    // A later run, so that the first copy shows its tip and no first-run box.
    std::filesystem::create_directories(config / "corvallo");
    test::writeFile(config / "corvallo/corvallo.ini",
                    "[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=16\n");

    ChildProgram first(CORVALLO_EXECUTABLE);
    const std::vector<std::string> firstWindows = first.visibleWindows();
    ASSERT_EQ(firstWindows.size(), 1u) << "the first copy's window did not appear";
    const std::string mainWindow = firstWindows.front();
    EXPECT_NE(windowType(mainWindow).find("_NET_WM_WINDOW_TYPE_NORMAL"), std::string::npos);
    const std::string before = geometry(mainWindow);

    ChildProgram second(CORVALLO_EXECUTABLE);
    const std::vector<std::string> secondWindows = second.visibleWindows();
    // Only a message box: a dialog, and no main window of its own.
    ASSERT_EQ(secondWindows.size(), 1u);
    const std::string box = secondWindows.front();
    EXPECT_NE(windowType(box).find("_NET_WM_WINDOW_TYPE_DIALOG"), std::string::npos);
    EXPECT_NE(output("xdotool getwindowname " + box), "") << "the box has no title";

    // Enter on the focused box presses its OK.
    output("xdotool windowfocus --sync " + box + " key Return");
    EXPECT_TRUE(second.endsWithin(10s));
    EXPECT_TRUE(first.running());
    EXPECT_EQ(first.visibleWindows(), firstWindows);
    EXPECT_EQ(geometry(mainWindow), before);

    // Log-out ends the first copy as well.
    kill(first.pid(), SIGTERM);
    EXPECT_TRUE(first.endsWithin(10s));
}

}  // namespace
}  // namespace corvallo::e2e
