#include "win32/Win32Process.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Probe.h"
#include "ThrowAwayKey.h"
#include "win32/Utf16.h"

namespace corvallo {
namespace {

using test::ProbeCopy;
using test::ProbeOptions;

ProbeOptions claiming(std::wstring readyEvent = {}, std::wstring releaseEvent = {}) {
    ProbeOptions options;
    options.claim = true;
    options.readyEvent = std::move(readyEvent);
    options.releaseEvent = std::move(releaseEvent);
    return options;
}

// A named event for telling probes when to go on; closed at the end.
class Event {
  public:
    Event() : name_(L"Local\\CorvalloTests." + test::randomName()) {
        handle_ = CreateEventW(nullptr, TRUE, FALSE, name_.c_str());
    }
    ~Event() { CloseHandle(handle_); }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    [[nodiscard]] const std::wstring& name() const { return name_; }
    [[nodiscard]] HANDLE handle() const { return handle_; }

  private:
    std::wstring name_;
    HANDLE handle_ = nullptr;
};

TEST(Win32ProcessTest, ReportsNameFolderAndArgumentText) {
    ProbeCopy probe;
    const std::wstring quoted = L"\"" + probe.path() + L"\"";
    struct Case {
        std::wstring commandLine;
        std::string arguments;
    };
    const std::vector<Case> cases = {
        {quoted, ""},
        {quoted + L" /autorun", "/autorun"},
        {quoted + L"   \"quoted argument\"  x ", "\"quoted argument\"  x "},
        {quoted + L" Zürich 東京", "Zürich 東京"},
        {L"probe /x y", "/x y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(win32::toUtf8(c.commandLine));
        const auto report = probe.run(c.commandLine);
        EXPECT_EQ(report.appName, win32::toUtf8(probe.baseName()));
        EXPECT_EQ(report.exeFolder, win32::toUtf8(probe.folder()));
        EXPECT_EQ(report.commandLine, c.arguments);
    }
}

TEST(Win32ProcessTest, SecondCopyFindsTheFirstUntilItEnds) {
    ProbeCopy probe;
    const std::wstring commandLine = L"\"" + probe.path() + L"\"";
    Event ready;
    Event release;

    const auto first = probe.start(commandLine, claiming(ready.name(), release.name()));
    ASSERT_NE(first.process, nullptr);
    ASSERT_EQ(WaitForSingleObject(ready.handle(), 30000), WAIT_OBJECT_0);
    EXPECT_EQ(ProbeCopy::readReport(first.reportFile).anotherInstance, false);

    EXPECT_EQ(probe.run(commandLine, claiming()).anotherInstance, true);

    SetEvent(release.handle());
    EXPECT_EQ(WaitForSingleObject(first.process, 30000), WAIT_OBJECT_0);
    CloseHandle(first.process);

    EXPECT_EQ(probe.run(commandLine, claiming()).anotherInstance, false);
}

TEST(Win32ProcessTest, OfCopiesStartedTogetherExactlyOneRuns) {
    ProbeCopy probe;
    const std::wstring commandLine = L"\"" + probe.path() + L"\"";
    constexpr int kCopies = 4;
    std::vector<std::unique_ptr<Event>> ready;
    Event release;
    std::vector<ProbeCopy::Started> copies;
    for (int i = 0; i < kCopies; ++i) {
        ready.push_back(std::make_unique<Event>());
        copies.push_back(probe.start(commandLine, claiming(ready.back()->name(), release.name())));
        ASSERT_NE(copies.back().process, nullptr);
    }
    int running = 0;
    for (int i = 0; i < kCopies; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(WaitForSingleObject(ready[i]->handle(), 30000), WAIT_OBJECT_0);
        const auto another = ProbeCopy::readReport(copies[i].reportFile).anotherInstance;
        ASSERT_TRUE(another.has_value());
        running += *another ? 0 : 1;
    }
    EXPECT_EQ(running, 1);
    SetEvent(release.handle());
    for (auto& copy : copies) {
        WaitForSingleObject(copy.process, 30000);
        CloseHandle(copy.process);
    }
}

TEST(Win32ProcessTest, SecondObjectInOneProcessSeesTheFirst) {
    {
        Win32Process first;
        Win32Process second;
        EXPECT_FALSE(first.anotherInstanceRunning());
        EXPECT_TRUE(second.anotherInstanceRunning());
        // The answer stays that of the first call.
        EXPECT_FALSE(first.anotherInstanceRunning());
        EXPECT_TRUE(second.anotherInstanceRunning());
    }
    Win32Process third;
    EXPECT_FALSE(third.anotherInstanceRunning());
}

TEST(Win32ProcessTest, ExitPostsQuitToThisThread) {
    MSG message{};
    ASSERT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    Win32Process process;
    process.exit();
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 0u);
}

}  // namespace
}  // namespace corvallo
