#include "linux/XdgAutostartEntry.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace corvallo {
namespace {

using test::fileText;
using test::TempFolder;
using Stage = StartupEntryError::Stage;

// The arguments of an Exec value as a desktop would start them: the string
// escapes first, then the quoting, then %% as a literal %. Nothing for a
// value the rules do not allow: a backslash inside quotes before anything
// but ", `, $ or \, a lone %, or an unclosed quote.
std::optional<std::vector<std::string>> execArguments(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            text += next == 'n'   ? '\n'
                    : next == 'r' ? '\r'
                    : next == 't' ? '\t'
                    : next == 's' ? ' '
                                  : next;
        } else {
            text += value[i];
        }
    }
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    bool inArgument = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '\\') {
            if (i + 1 == text.size() ||
                std::string_view("\"`$\\").find(text[i + 1]) == std::string_view::npos) {
                return std::nullopt;
            }
            current += text[++i];
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (c == '%') {
            if (i + 1 == text.size() || text[i + 1] != '%') {
                return std::nullopt;
            }
            current += text[++i];
        } else if (c == ' ' && !quoted) {
            if (inArgument) {
                arguments.push_back(current);
            }
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inArgument) {
        arguments.push_back(current);
    }
    return arguments;
}

std::string execLineOf(const std::string& entry) {
    const std::size_t start = entry.find("\nExec=");
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = entry.find('\n', start + 1);
    return entry.substr(start + 6, end - start - 6);
}

class XdgAutostartEntryTest : public ::testing::Test {
  protected:
    TempFolder config_;
    std::string folder_ = config_ / "autostart";
    XdgAutostartEntry entries_{folder_};
};

TEST_F(XdgAutostartEntryTest, ExecStartsTheProgramWithTheArgumentsWhateverThePath) {
    struct Case {
        std::string folder;
        std::string arguments;
    };
    const std::vector<Case> cases = {
        {"/usr/bin", "/STARTUP"},
        {"/opt/Mein Prögramm 東京", "/STARTUP"},
        {"/home/a \"quoted\" 'single'", "with blanks  twice"},
        {"/home/$HOME/`id`/$(id)", "$PATH"},
        {"/home/back\\slash\\", "\\n not a break"},
        {"/home/100% sure/%f %u", "%%"},
        {"/home/tab\there/line\nbreak;#[x]=y", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        entries_.write("corvallo", c.folder, c.arguments);
        const std::string exec = execLineOf(fileText(folder_ + "/corvallo.desktop"));
        // The whole value stays on its one line and uses no bare field code.
        EXPECT_EQ(exec.find_first_of("\r\n"), std::string::npos);
        std::vector<std::string> expected = {c.folder + "/corvallo"};
        if (!c.arguments.empty()) {
            expected.push_back(c.arguments);
        }
        EXPECT_EQ(execArguments(exec), std::optional(expected)) << exec;
    }
}

TEST_F(XdgAutostartEntryTest, EntryIsADesktopEntryOfItsName) {
    entries_.write("corvallo", "/usr/bin", "/STARTUP");
    EXPECT_EQ(fileText(folder_ + "/corvallo.desktop"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Corvallo\n"
              "Comment=One feng shui tip a day\n"
              "Icon=corvallo\n"
              "Exec=\"/usr/bin/corvallo\" \"/STARTUP\"\n"
              "X-GNOME-Autostart-enabled=true\n"
              "Terminal=false\n");
}

TEST_F(XdgAutostartEntryTest, WriteReplacesPresentSeesAndRemoveDeletes) {
    EXPECT_FALSE(entries_.present("corvallo"));
    // Nothing to remove, not even a folder: no error, and nothing made.
    entries_.remove("corvallo");
    EXPECT_FALSE(std::filesystem::exists(folder_));

    entries_.write("corvallo", "/old", "");
    entries_.write("corvallo", "/new", "");
    EXPECT_TRUE(entries_.present("corvallo"));
    EXPECT_FALSE(entries_.present("other"));
    EXPECT_EQ(execLineOf(fileText(folder_ + "/corvallo.desktop")), "\"/new/corvallo\"");
    const auto mode = std::filesystem::status(folder_).permissions();
    EXPECT_EQ(mode, std::filesystem::perms::owner_all);

    // Any file of the name counts, whatever it holds.
    test::writeFile(folder_ + "/other.desktop", "not an entry");
    EXPECT_TRUE(entries_.present("other"));

    entries_.remove("corvallo");
    entries_.remove("corvallo");
    EXPECT_FALSE(entries_.present("corvallo"));
    EXPECT_TRUE(entries_.present("other"));
    // Only the one entry is left: no temporary file stays behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(XdgAutostartEntryTest, FailuresNameTheirStageAndSystemError) {
    test::writeFile(config_ / "file", "x");
    std::filesystem::create_directories(folder_ + "/corvallo.desktop");
    struct Case {
        const char* label;
        std::string folder;
        bool writing;
        Stage stage;
        int error;
    };
    const std::vector<Case> cases = {
        {"write, folder is a file", config_ / "file", true, Stage::OpeningKey, ENOTDIR},
        {"write, folder below a file", config_ / "file/autostart", true, Stage::OpeningKey,
         ENOTDIR},
        {"write, entry is a folder", folder_, true, Stage::SettingValue, EISDIR},
        {"remove, folder is a file", config_ / "file", false, Stage::OpeningKey, ENOTDIR},
        {"remove, entry is a folder", folder_, false, Stage::OpeningKey, EISDIR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        XdgAutostartEntry entries(c.folder);
        try {
            if (c.writing) {
                entries.write("corvallo", "/usr/bin", "/STARTUP");
            } else {
                entries.remove("corvallo");
            }
            ADD_FAILURE() << "no error";
        } catch (const StartupEntryError& error) {
            EXPECT_EQ(error.stage(), c.stage);
            EXPECT_EQ(error.status(), c.error);
        }
    }
    EXPECT_EQ(fileText(config_ / "file"), "x");
    EXPECT_TRUE(std::filesystem::is_empty(folder_ + "/corvallo.desktop"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

}  // namespace
}  // namespace corvallo
