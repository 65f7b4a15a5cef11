#include "linux/IniSettingsStore.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "platform/PlatformError.h"

namespace corvallo {
namespace {

using test::fileText;
using test::TempFolder;
using test::writeFile;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

class IniSettingsStoreTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    std::string path_ = folder_ / "Corvallo/Corvallo.ini";
    IniSettingsStore store_{path_};
};

TEST_F(IniSettingsStoreTest, AnyTextRoundTripsUnderAnyKey) {
    std::string large;
    while (large.size() < 64 * 1024) {
        large += "Zürich \\ = [x] ; # \r\n\t ";
    }
    struct Case {
        std::string key;
        std::string value;
    };
    const std::vector<Case> cases = {
        {"Empty", ""},
        {"Blanks", "  leading and trailing  "},
        {"Tabs", "\tboth\t"},
        {"Equals", "a=b==c="},
        {"Header", "[Settings]"},
        {"Semicolon", "; not a comment"},
        {"Hash", "# nor this"},
        {"Breaks", "one\r\ntwo\nthree\r"},
        {"Backslashes", "\\n is not a break \\ \\\\"},
        {"Escapes", "\\s\\x41\\t"},
        {"Controls", std::string("nul\0del\x7F bell\a", 15)},
        {"Unicode", "Zürich 東京 ✓"},
        {"Large", large},
        {"a=b", "key with an equals sign"},
        {"[Other]", "key that looks like a section"},
        {";x", "key that looks like a comment"},
        {" spaced key ", "1"},
        {"Schlüssel", "Wert"},
    };
    for (const auto& c : cases) {
        store_.write(c.key, c.value);
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(store_.read(c.key), std::optional<std::string>(c.value));
    }
    // One line per value under the one header, so other programs reading the
    // file line by line see the same keys.
    const std::string text = fileText(path_);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::ptrdiff_t(cases.size() + 1));
    EXPECT_EQ(text.rfind("[Settings]\n", 0), 0u);
}

TEST_F(IniSettingsStoreTest, KeysMatchWithoutRegardToAsciiCaseAndKeepTheirSpelling) {
    store_.write("LastDate", "1");
    store_.write("LASTDATE", "2");
    EXPECT_EQ(store_.read("lastdate"), std::optional<std::string>("2"));
    EXPECT_EQ(fileText(path_), "[Settings]\nLastDate=2\n");
    // Only ASCII letters fold: Ü and ü are different keys.
    store_.write("Ü", "upper");
    EXPECT_EQ(store_.read("ü"), std::nullopt);
}

TEST_F(IniSettingsStoreTest, WriteChangesOneLineOfAHandEditedFileAndKeepsTheRest) {
    std::filesystem::create_directories(folder_ / "Corvallo");
    const std::string before =
        "\xEF\xBB\xBF; made by hand\r\n"
        "[Other]\r\n"
        "Card=other section\r\n"
        "\r\n"
        "[settings]\r\n"
        "  card = 5  \r\n"
        "no equals sign here\r\n"
        "Card=second copy, ignored\r\n"
        "# trailing comment\r\n"
        "\r\n"
        "[Last]\n"
        "x=y";
    writeFile(path_, before);
    EXPECT_EQ(store_.read("Card"), std::optional<std::string>("5"));
    EXPECT_EQ(store_.read("x"), std::nullopt);

    store_.write("Card", "6");
    store_.write("Hour", " 7");
    EXPECT_EQ(fileText(path_),
              "\xEF\xBB\xBF; made by hand\r\n"
              "[Other]\r\n"
              "Card=other section\r\n"
              "\r\n"
              "[settings]\r\n"
              "  card =6\r\n"
              "no equals sign here\r\n"
              "Card=second copy, ignored\r\n"
              "# trailing comment\r\n"
              "Hour=\\s7\r\n"
              "\r\n"
              "[Last]\n"
              "x=y");
    EXPECT_EQ(store_.read("Hour"), std::optional<std::string>(" 7"));
}

TEST_F(IniSettingsStoreTest, FileWithoutTheSectionGetsItAtTheEnd) {
    std::filesystem::create_directories(folder_ / "Corvallo");
    writeFile(path_, "[Other]\nCard=1");
    EXPECT_EQ(store_.read("Card"), std::nullopt);
    store_.write("Card", "2");
    EXPECT_EQ(fileText(path_), "[Other]\nCard=1\n\n[Settings]\nCard=2\n");
}

TEST_F(IniSettingsStoreTest, MissingFileReadsAsAbsentAndWriteMakesPrivateFoldersAndFile) {
    IniSettingsStore deep(folder_ / "a/b/Corvallo.ini");
    EXPECT_EQ(deep.read("Card"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "a"));

    deep.write("Card", "3");
    EXPECT_EQ(deep.read("Card"), std::optional<std::string>("3"));
    for (const std::string made : {"a", "a/b", "a/b/Corvallo.ini"}) {
        SCOPED_TRACE(made);
        struct stat status {};
        ASSERT_EQ(stat((folder_ / made).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, made.ends_with(".ini") ? 0600u : 0700u);
    }
    EXPECT_EQ(namesIn(folder_ / "a/b"), std::vector<std::string>{"Corvallo.ini"});
}

TEST_F(IniSettingsStoreTest, NothingIsCached) {
    IniSettingsStore other(path_);
    store_.write("Card", "1");
    other.write("Hour", "8");
    EXPECT_EQ(store_.read("Hour"), std::optional<std::string>("8"));
    writeFile(path_, "[Settings]\nCard=from elsewhere\n");
    EXPECT_EQ(store_.read("Card"), std::optional<std::string>("from elsewhere"));
    store_.write("Minute", "0");
    EXPECT_EQ(fileText(path_), "[Settings]\nCard=from elsewhere\nMinute=0\n");
}

TEST_F(IniSettingsStoreTest, ForApplicationUsesTheConfigHome) {
    test::ScopedEnvironment config("XDG_CONFIG_HOME", folder_.path().c_str());
    IniSettingsStore store = IniSettingsStore::forApplication("Corvallo");
    EXPECT_EQ(store.path(), folder_ / "Corvallo/Corvallo.ini");
}

// A store whose file is a folder or a socket, or whose folder is a file. A
// file that cannot be read is not replaced by one with only the new value.
TEST_F(IniSettingsStoreTest, UnusablePathsThrowWithTheSystemError) {
    writeFile(folder_ / "file", "x");
    std::filesystem::create_directories(folder_ / "folder.ini");
    const std::string socketPath = folder_ / "socket.ini";
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(socket);
    struct Case {
        std::string path;
        int error;
    };
    const std::vector<Case> cases = {
        {folder_ / "folder.ini", EISDIR},
        {socketPath, ENXIO},
        {folder_ / "file/Corvallo.ini", ENOTDIR},
        {folder_ / "file/deeper/Corvallo.ini", ENOTDIR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        IniSettingsStore store(c.path);
        for (const bool writing : {false, true}) {
            try {
                if (writing) {
                    store.write("Card", "1");
                } else {
                    (void)store.read("Card");
                }
                ADD_FAILURE() << "no error, writing " << writing;
            } catch (const PlatformError& error) {
                EXPECT_EQ(error.status(), c.error);
                EXPECT_EQ(error.description(), std::strerror(c.error));
            }
        }
    }
    EXPECT_EQ(fileText(folder_ / "file"), "x");
    EXPECT_TRUE(std::filesystem::is_empty(folder_ / "folder.ini"));
    EXPECT_TRUE(std::filesystem::is_socket(socketPath));
}

// A write that fails half way (the disk is full) keeps the old file and
// leaves no temporary file: a file size limit makes the write fail with EFBIG.
TEST_F(IniSettingsStoreTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    store_.write("Card", "1");
    const std::string before = fileText(path_);

    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    // Past the limit the kernel sends SIGXFSZ, which would end the test.
    sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    int status = 0;
    try {
        store_.write("Large", std::string(64 * 1024, 'x'));
    } catch (const PlatformError& error) {
        status = static_cast<int>(error.status());
    }
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(status, EFBIG);
    EXPECT_EQ(fileText(path_), before);
    EXPECT_EQ(namesIn(folder_ / "Corvallo"), std::vector<std::string>{"Corvallo.ini"});
}

}  // namespace
}  // namespace corvallo
