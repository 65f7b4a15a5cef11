#include "linux/LockFileProcess.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ProcessProbe.h"
#include "TempFolder.h"

namespace corvallo {
namespace {

using test::TempFolder;

const char* const kArgv[] = {"corvallo"};

class LockFileProcessTest : public ::testing::Test {
  protected:
    TempFolder runtime_;
    test::ScopedEnvironment variable_{"XDG_RUNTIME_DIR", runtime_.path().c_str()};
};

TEST(LockFileProcessNamesTest, ReportsTheExecutablesNameFolderAndArguments) {
    TempFolder folder;
    const std::string programFolder = folder / "Mein Prögramm";
    std::filesystem::create_directories(programFolder);
    std::string current = programFolder + "/probe";
    std::filesystem::copy_file("/proc/self/exe", current);
    std::filesystem::permissions(current, std::filesystem::perms::owner_all);

    struct Case {
        std::string fileName;
        std::vector<std::string> arguments;
        std::string appName;
        std::string commandLine;
    };
    const std::vector<Case> cases = {
        {"corvallo", {}, "corvallo", ""},
        {"Corvallo.bin", {"/STARTUP"}, "Corvallo", "/STARTUP"},
        {"my.app.v2", {"a", "b  c", "Zürich"}, "my.app", "a b  c Zürich"},
        {".corvallo", {""}, ".corvallo", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        const std::string path = programFolder + "/" + c.fileName;
        std::filesystem::rename(current, path);
        current = path;
        // Started through a symbolic link: the name is the file's own.
        const std::string link = folder / "link";
        std::filesystem::remove(link);
        std::filesystem::create_symlink(path, link);

        const auto report = test::runProbe(link, c.arguments, folder / "report");
        EXPECT_EQ(report.appName, c.appName);
        EXPECT_EQ(report.exeFolder, programFolder);
        EXPECT_EQ(report.commandLine, c.commandLine);
    }
}

TEST(LockFileProcessExitTest, ExitCallsTheEndOfTheProgram) {
    int calls = 0;
    LockFileProcess process(1, kArgv, [&] { ++calls; });
    EXPECT_EQ(calls, 0);
    process.exit();
    EXPECT_EQ(calls, 1);
}

TEST_F(LockFileProcessTest, SecondObjectFindsTheFirstUntilItIsGone) {
    auto first = std::make_unique<LockFileProcess>(1, kArgv, [] {});
    EXPECT_FALSE(first->anotherInstanceRunning());
    {
        LockFileProcess second(1, kArgv, [] {});
        EXPECT_TRUE(second.anotherInstanceRunning());
        // The first answer stays, also once the first object is gone.
        first.reset();
        EXPECT_TRUE(second.anotherInstanceRunning());
    }
    LockFileProcess third(1, kArgv, [] {});
    EXPECT_FALSE(third.anotherInstanceRunning());
    EXPECT_FALSE(third.anotherInstanceRunning());
    EXPECT_TRUE(std::filesystem::exists(runtime_ / (third.appName() + ".lock")));
}

TEST_F(LockFileProcessTest, UnusableLockFileLetsTheProgramRun) {
    LockFileProcess probe(1, kArgv, [] {});
    const std::string lock = runtime_ / (probe.appName() + ".lock");
    std::filesystem::create_directories(runtime_ / "target");
    test::writeFile(runtime_ / "file", "x");
    struct Case {
        const char* label;
        std::function<void()> spoil;
    };
    const std::vector<Case> cases = {
        {"symbolic link", [&] { std::filesystem::create_symlink(runtime_ / "target", lock); }},
        {"folder", [&] { std::filesystem::create_directory(lock); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove(lock);
        c.spoil();
        LockFileProcess first(1, kArgv, [] {});
        LockFileProcess second(1, kArgv, [] {});
        EXPECT_FALSE(first.anotherInstanceRunning());
        EXPECT_FALSE(second.anotherInstanceRunning());
    }
    EXPECT_TRUE(std::filesystem::is_empty(runtime_ / "target"));
    // A runtime folder that is a file.
    test::ScopedEnvironment broken("XDG_RUNTIME_DIR", (runtime_ / "file").c_str());
    LockFileProcess third(1, kArgv, [] {});
    EXPECT_FALSE(third.anotherInstanceRunning());
}

// Copies started at the same instant: every child waits on a pipe until the
// parent closes it, asks, reports, and holds its lock until all have asked.
TEST_F(LockFileProcessTest, OfTwentyCopiesStartedTogetherExactlyOneRuns) {
    constexpr int kCopies = 20;
    int start[2];
    int answers[2];
    int release[2];
    ASSERT_EQ(pipe(start), 0);
    ASSERT_EQ(pipe(answers), 0);
    ASSERT_EQ(pipe(release), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < kCopies; ++i) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(start[1]);
            close(release[1]);
            char byte = 0;
            (void)read(start[0], &byte, 1);  // returns 0 once the parent closes
            LockFileProcess process(1, kArgv, [] {});
            const char answer = process.anotherInstanceRunning() ? 'T' : 'F';
            (void)write(answers[1], &answer, 1);
            (void)read(release[0], &byte, 1);
            _exit(0);
        }
        children.push_back(child);
    }
    close(start[0]);
    close(answers[1]);
    close(release[0]);
    close(start[1]);

    std::string received;
    char answer = 0;
    while (received.size() < kCopies && read(answers[0], &answer, 1) == 1) {
        received += answer;
    }
    close(release[1]);
    for (const pid_t child : children) {
        waitpid(child, nullptr, 0);
    }
    close(answers[0]);
    EXPECT_EQ(received.size(), std::size_t(kCopies));
    EXPECT_EQ(std::count(received.begin(), received.end(), 'F'), 1) << received;
}

}  // namespace
}  // namespace corvallo
