#include "linux/IniSettingsStore.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "core/ports/PlatformError.h"

namespace corvallo {
namespace {

namespace fs = std::filesystem;
using test::fileText;
using test::writeFile;

long entriesIn(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), {});
}

class IniSettingsStoreTest : public ::testing::Test {
  protected:
    test::TempFolder folder_;
    std::string path_ = folder_ / "Corvallo/Corvallo.ini";
    IniSettingsStore store_{path_};
};

TEST_F(IniSettingsStoreTest, AnyTextRoundTripsUnderAnyKey) {
    std::string large;
    while (large.size() < 64 * 1024) {
        large += "Zürich \\ = [x] ; # \r\n\t ";
    }
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Empty", ""},
        {"Blanks", "  leading and trailing  "},
        {"Tabs", "\tboth\t"},
        {"Syntax", "a=b [Settings] ; # x="},
        {"Breaks", "one\r\ntwo\nthree\r"},
        {"Backslashes", "\\n \\s\\x41 \\"},
        {"Controls", std::string("nul\0del\x7F", 8)},
        {"Unicode", "Zürich 東京 ✓"},
        {"Large", large},
        {"a=b", "1"},
        {"[Other]", "2"},
        {";x", "3"},
        {" spaced ", "4"},
    };
    for (const auto& [key, value] : cases) {
        store_.write(key, value);
    }
    for (const auto& [key, value] : cases) {
        SCOPED_TRACE(key);
        EXPECT_EQ(store_.read(key), std::optional(value));
    }
    // One line per value under the one header.
    const std::string text = fileText(path_);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), long(cases.size() + 1));
}

TEST_F(IniSettingsStoreTest, KeysMatchWithoutRegardToAsciiCaseAndKeepTheirSpelling) {
    store_.write("LastDate", "1");
    store_.write("LASTDATE", "2");
    EXPECT_EQ(store_.read("lastdate"), std::optional<std::string>("2"));
    EXPECT_EQ(fileText(path_), "[Settings]\nLastDate=2\n");
}

TEST_F(IniSettingsStoreTest, WriteChangesOneLineOfAHandEditedFileAndKeepsTheRest) {
    fs::create_directories(folder_ / "Corvallo");
    writeFile(path_,
              "\xEF\xBB\xBF; by hand\r\n[Other]\r\nCard=other\r\n\r\n[settings]\r\n  card = 5  \r\n"
              "no equals sign\r\nCard=second, ignored\r\n# comment\r\n\r\n[Last]\nx=y");
    EXPECT_EQ(store_.read("Card"), std::optional<std::string>("5"));
    EXPECT_EQ(store_.read("x"), std::nullopt);

    store_.write("Card", "6");
    store_.write("Hour", " 7");
    EXPECT_EQ(
        fileText(path_),
        "\xEF\xBB\xBF; by hand\r\n[Other]\r\nCard=other\r\n\r\n[settings]\r\n  card =6\r\n"
        "no equals sign\r\nCard=second, ignored\r\n# comment\r\nHour=\\s7\r\n\r\n[Last]\nx=y");
}

TEST_F(IniSettingsStoreTest, FileWithoutTheSectionGetsItAtTheEnd) {
    fs::create_directories(folder_ / "Corvallo");
    writeFile(path_, "[Other]\nCard=1");
    store_.write("Card", "2");
    EXPECT_EQ(fileText(path_), "[Other]\nCard=1\n\n[Settings]\nCard=2\n");
}

TEST_F(IniSettingsStoreTest, MissingFileReadsAsAbsentAndWriteMakesPrivateFolders) {
    EXPECT_EQ(store_.read("Card"), std::nullopt);
    EXPECT_FALSE(fs::exists(folder_ / "Corvallo"));
    store_.write("Card", "3");
    EXPECT_EQ(store_.read("Card"), std::optional<std::string>("3"));
    EXPECT_EQ(fs::status(folder_ / "Corvallo").permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(IniSettingsStoreTest, NothingIsCached) {
    store_.write("Card", "1");
    writeFile(path_, "[Settings]\nCard=from elsewhere\n");
    EXPECT_EQ(store_.read("Card"), std::optional<std::string>("from elsewhere"));
    store_.write("Minute", "0");
    EXPECT_EQ(fileText(path_), "[Settings]\nCard=from elsewhere\nMinute=0\n");
}

// A read parses the file again only when its stamp changed since the last
// parse. Every way another program changes the file is seen by the next
// read: right after a read, when the kernel may not have moved the file's
// times yet, and after the file had been left alone for long enough that
// its parse was kept.
TEST_F(IniSettingsStoreTest, ChangesByOthersAreSeenByTheNextRead) {
    fs::create_directories(folder_ / "Corvallo");
    const auto rewriteInPlace = [&] {
        const std::string text = "[Settings]\nCard=2\n";
        const int file = open(path_.c_str(), O_WRONLY | O_TRUNC);
        ASSERT_GE(file, 0);
        ASSERT_EQ(::write(file, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        close(file);
    };
    const auto replace = [&] {
        writeFile(path_ + ".new", "[Settings]\nCard=2\n");
        fs::rename(path_ + ".new", path_);
    };
    struct Case {
        const char* how;
        bool leftAlone;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"rewritten in place to the same length, at once", false, rewriteInPlace},
        {"rewritten in place to the same length, after a while", true, rewriteInPlace},
        {"replaced by another file, after a while", true, replace},
    };
    for (const auto& [how, leftAlone, change] : cases) {
        SCOPED_TRACE(how);
        writeFile(path_, "[Settings]\nCard=1\n");
        if (leftAlone) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        }
        ASSERT_EQ(store_.read("Card"), std::optional<std::string>("1"));
        change();
        EXPECT_EQ(store_.read("Card"), std::optional<std::string>("2"));
    }
    fs::remove(path_);
    EXPECT_EQ(store_.read("Card"), std::nullopt);
}

TEST_F(IniSettingsStoreTest, ForApplicationUsesTheConfigHome) {
    test::ScopedEnvironment config("XDG_CONFIG_HOME", folder_.path().c_str());
    EXPECT_EQ(IniSettingsStore::forApplication("Corvallo").path(), path_);
}

// A file that is a folder or a socket, or a folder that is a file: reads and
// writes throw, and nothing there is replaced.
TEST_F(IniSettingsStoreTest, UnusablePathsThrowWithTheSystemError) {
    writeFile(folder_ / "file", "x");
    fs::create_directories(folder_ / "folder.ini");
    const std::string socketPath = folder_ / "socket.ini";
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(socket);
    const std::vector<std::pair<std::string, int>> cases = {
        {folder_ / "folder.ini", EISDIR},
        {socketPath, ENXIO},
        {folder_ / "file/deeper/Corvallo.ini", ENOTDIR},
    };
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path);
        IniSettingsStore store(path);
        for (const bool writing : {false, true}) {
            try {
                writing ? store.write("Card", "1") : void(store.read("Card"));
                ADD_FAILURE() << "no error, writing " << writing;
            } catch (const PlatformError& error) {
                EXPECT_EQ(error.status(), expected);
                EXPECT_EQ(error.description(), std::strerror(expected));
            }
        }
    }
    EXPECT_EQ(fileText(folder_ / "file"), "x");
    EXPECT_TRUE(fs::is_empty(folder_ / "folder.ini"));
    EXPECT_TRUE(fs::is_socket(socketPath));
}

// A named pipe in the file's place reads as an empty file and the next write
// replaces it; nothing waits for a writer that never comes.
TEST_F(IniSettingsStoreTest, NamedPipeInPlaceOfTheFileNeitherBlocksNorStays) {
    fs::create_directories(folder_ / "Corvallo");
    ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    auto use = std::async(std::launch::async, [this] {
        const auto before = store_.read("Card");
        store_.write("Card", "4");
        return before;
    });
    bool blocked = false;
    while (use.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        // A writer on the pipe releases an open that waits for one, so that
        // the test ends and reports instead of hanging.
        blocked = true;
        close(open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    }
    EXPECT_FALSE(blocked) << "the store waited on the named pipe";
    EXPECT_EQ(use.get(), std::nullopt);
    EXPECT_TRUE(fs::is_regular_file(path_));
    EXPECT_EQ(store_.read("Card"), std::optional<std::string>("4"));
}

// A write that fails half way (the disk is full) keeps the old file and
// leaves no temporary file: a file size limit makes the write fail with EFBIG.
// Both a file written in one piece and one small enough to be buffered first.
TEST_F(IniSettingsStoreTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    store_.write("Card", "1");
    const std::string before = fileText(path_);
    for (const std::size_t size : {std::size_t(64 * 1024), std::size_t(8 * 1024)}) {
        SCOPED_TRACE(size);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096;
        // Past the limit the kernel sends SIGXFSZ, which would end the test.
        const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        long status = 0;
        try {
            store_.write("Large", std::string(size, 'x'));
        } catch (const PlatformError& error) {
            status = error.status();
        }
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, oldHandler);
        EXPECT_EQ(status, EFBIG);
        EXPECT_EQ(fileText(path_), before);
        EXPECT_EQ(entriesIn(folder_ / "Corvallo"), 1);
    }
}

}  // namespace
}  // namespace corvallo
