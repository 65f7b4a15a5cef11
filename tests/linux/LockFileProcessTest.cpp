#include "linux/LockFileProcess.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ProcessProbe.h"
#include "TempFolder.h"

namespace corvallo {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

const char* const kArgv[] = {"corvallo"};

// Starts `program` as a probe with the arguments and returns its report.
// argv[0] is the program's path unless `argumentZero` is given.
std::string probe(const std::string& program, std::vector<std::string> arguments,
                  const std::string& report, const std::string& argumentZero = "") {
    test::ScopedEnvironment variable(test::kProbeReportVariable, report.c_str());
    arguments.insert(arguments.begin(), argumentZero.empty() ? program : argumentZero);
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    return test::fileText(report);
}

TEST(LockFileProcessNamesTest, ReportsTheExecutablesNameFolderAndArguments) {
    TempFolder folder;
    const std::string programFolder = folder / "Mein Prögramm";
    fs::create_directories(programFolder);
    std::string current = programFolder + "/probe";
    fs::copy_file("/proc/self/exe", current);
    struct Case {
        std::string fileName;
        std::vector<std::string> arguments;
        std::string report;  // app name, folder, command line
    };
    const std::vector<Case> cases = {
        {"corvallo", {}, "corvallo\n" + programFolder + "\n"},
        {"Corvallo.bin", {"/STARTUP"}, "Corvallo\n" + programFolder + "\n/STARTUP"},
        {"my.app.v2", {"a", "b  c", "Zürich"}, "my.app\n" + programFolder + "\na b  c Zürich"},
        {".corvallo", {""}, ".corvallo\n" + programFolder + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        fs::rename(current, programFolder + "/" + c.fileName);
        current = programFolder + "/" + c.fileName;
        // Started through a symbolic link: the name is the file's own.
        fs::remove(folder / "link");
        fs::create_symlink(current, folder / "link");
        EXPECT_EQ(probe(folder / "link", c.arguments, folder / "report"), c.report);
    }
}

// An update replaces the executable while it runs: the program keeps the name
// and folder it was started from, also when a shell found it on the PATH and
// argv[0] holds only its name.
TEST(LockFileProcessNamesTest, KeepsItsNameWhenItsFileIsRemovedWhileRunning) {
    TempFolder folder;
    const std::string program = folder / "corvallo";
    fs::copy_file("/proc/self/exe", program);
    test::ScopedEnvironment removes(test::kProbeRemovesVariable, program.c_str());
    EXPECT_EQ(probe(program, {"/STARTUP"}, folder / "report", "corvallo"),
              "corvallo\n" + folder.path() + "\n/STARTUP");
    EXPECT_FALSE(fs::exists(program));
}

class LockFileProcessTest : public ::testing::Test {
  protected:
    TempFolder runtime_;
    test::ScopedEnvironment variable_{"XDG_RUNTIME_DIR", runtime_.path().c_str()};
};

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
    EXPECT_TRUE(fs::exists(runtime_ / (third.appName() + ".lock")));
}

TEST_F(LockFileProcessTest, UnusableLockFileLetsTheProgramRun) {
    const std::string lock = runtime_ / (LockFileProcess(1, kArgv, [] {}).appName() + ".lock");
    fs::create_directories(runtime_ / "target");
    for (const bool link : {true, false}) {
        SCOPED_TRACE(link ? "symbolic link" : "folder");
        fs::remove(lock);
        link ? fs::create_symlink(runtime_ / "target", lock) : void(fs::create_directory(lock));
        LockFileProcess first(1, kArgv, [] {});
        LockFileProcess second(1, kArgv, [] {});
        EXPECT_FALSE(first.anotherInstanceRunning());
        EXPECT_FALSE(second.anotherInstanceRunning());
    }
    EXPECT_TRUE(fs::is_empty(runtime_ / "target"));
    // A runtime folder that is a file.
    test::writeFile(runtime_ / "file", "x");
    test::ScopedEnvironment broken("XDG_RUNTIME_DIR", (runtime_ / "file").c_str());
    EXPECT_FALSE(LockFileProcess(1, kArgv, [] {}).anotherInstanceRunning());
}

// A copy that is killed (or crashes) takes its lock with it.
TEST_F(LockFileProcessTest, KilledCopyDoesNotKeepTheNextOneFromRunning) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        LockFileProcess process(1, kArgv, [] {});
        const char answer = process.anotherInstanceRunning() ? 'T' : 'F';
        (void)write(ready[1], &answer, 1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char answer = 0;
    EXPECT_EQ(read(ready[0], &answer, 1), 1);
    close(ready[0]);
    EXPECT_EQ(answer, 'F');
    EXPECT_TRUE(LockFileProcess(1, kArgv, [] {}).anotherInstanceRunning());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(LockFileProcess(1, kArgv, [] {}).anotherInstanceRunning());
}

// Without a runtime folder from the session the lock goes to a folder that
// only the user can enter, so that no one else can take it first.
TEST(LockFileProcessWithoutRuntimeDirTest, KeepsTheLockInAPrivateFolder) {
    test::ScopedEnvironment unset("XDG_RUNTIME_DIR", nullptr);
    LockFileProcess process(1, kArgv, [] {});
    EXPECT_FALSE(process.anotherInstanceRunning());
    const std::string lock =
        "/tmp/corvallo-" + std::to_string(geteuid()) + "/" + process.appName() + ".lock";
    struct stat folder {};
    ASSERT_EQ(lstat(fs::path(lock).parent_path().c_str(), &folder), 0);
    EXPECT_TRUE(S_ISDIR(folder.st_mode));
    EXPECT_EQ(folder.st_uid, geteuid());
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    EXPECT_TRUE(fs::is_regular_file(lock));
    EXPECT_TRUE(LockFileProcess(1, kArgv, [] {}).anotherInstanceRunning());
}

// Copies started at the same instant: every child waits on a pipe until the
// parent closes it, asks, reports, and holds its lock until all have asked.
TEST_F(LockFileProcessTest, OfTwentyCopiesStartedTogetherExactlyOneRuns) {
    constexpr int kCopies = 20;
    int start[2], answers[2], release[2];
    ASSERT_EQ(pipe(start) | pipe(answers) | pipe(release), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < kCopies; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            close(start[1]);
            close(release[1]);
            char byte = 0;
            (void)read(start[0], &byte, 1);  // returns once the parent closes
            LockFileProcess process(1, kArgv, [] {});
            const char answer = process.anotherInstanceRunning() ? 'T' : 'F';
            (void)write(answers[1], &answer, 1);
            (void)read(release[0], &byte, 1);
            _exit(0);
        }
        children.push_back(child);
    }
    for (const int end : {start[0], answers[1], release[0], start[1]}) {
        close(end);
    }
    std::string received;
    char answer = 0;
    while (received.size() < kCopies && read(answers[0], &answer, 1) == 1) {
        received += answer;
    }
    close(release[1]);
    close(answers[0]);
    for (const pid_t child : children) {
        waitpid(child, nullptr, 0);
    }
    EXPECT_EQ(received.size(), std::size_t(kCopies));
    EXPECT_EQ(std::count(received.begin(), received.end(), 'F'), 1) << received;
}

}  // namespace
}  // namespace corvallo
