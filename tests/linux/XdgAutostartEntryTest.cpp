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

namespace fs = std::filesystem;
using test::fileText;
using Stage = StartupEntryError::Stage;
using Arguments = std::vector<std::string>;

// The arguments a desktop starts for an Exec value: string escapes first,
// then quoting, then %% as %. Nothing for what the rules do not allow: inside
// quotes a backslash before anything but " ` $ \, a lone %, an open quote.
std::optional<Arguments> execArguments(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char next = i + 1 < value.size() ? value[i + 1] : '\0';
        if (value[i] != '\\') {
            text += value[i];
        } else if (std::string_view("nrts").find(next) != std::string_view::npos) {
            text += "\n\r\t "[std::string_view("nrts").find(next)], ++i;
        } else {
            text += next, ++i;
        }
    }
    Arguments arguments;
    bool quoted = false;
    bool inArgument = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if ((quoted && c == '\\' &&
             std::string_view("\"`$\\").find(next) == std::string_view::npos) ||
            (c == '%' && next != '%')) {
            return std::nullopt;
        }
        if (c == ' ' && !quoted) {
            inArgument = false;
            continue;
        }
        if (!inArgument) {
            arguments.emplace_back();
            inArgument = true;
        }
        if (c == '"') {
            quoted = !quoted;
        } else {
            arguments.back() += (c == '\\' || c == '%') ? text[++i] : c;
        }
    }
    return quoted ? std::nullopt : std::optional(arguments);
}

class XdgAutostartEntryTest : public ::testing::Test {
  protected:
    [[nodiscard]] std::string entryText() const { return fileText(folder_ + "/corvallo.desktop"); }

    test::TempFolder config_;
    std::string folder_ = config_ / "autostart";
    XdgAutostartEntry entries_{folder_};
};

TEST_F(XdgAutostartEntryTest, ExecStartsTheProgramWithTheArgumentsWhateverThePath) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/opt/Mein Prögramm 東京", "/STARTUP"},
        {"/home/a \"quoted\" 'single'", "with blanks  twice"},
        {"/home/$HOME/`id`/$(id)", "$PATH"},
        {"/home/back\\slash\\", "\\n not a break"},
        {"/home/100% sure/%f %u", "%%"},
        {"/home/tab\there/line\nbreak;#[x]=y", ""},
    };
    for (const auto& [folder, arguments] : cases) {
        SCOPED_TRACE(folder);
        entries_.write("corvallo", folder, arguments);
        const std::string text = entryText();
        const std::size_t start = text.find("\nExec=") + 6;
        const std::string exec = text.substr(start, text.find('\n', start) - start);
        Arguments expected = {folder + "/corvallo"};
        if (!arguments.empty()) {
            expected.push_back(arguments);
        }
        EXPECT_EQ(execArguments(exec), std::optional(expected)) << exec;
    }
}

TEST_F(XdgAutostartEntryTest, WriteReplacesPresentSeesAndRemoveDeletes) {
    // Nothing to remove, not even a folder: no error, and nothing made.
    entries_.remove("corvallo");
    EXPECT_FALSE(fs::exists(folder_));
    EXPECT_FALSE(entries_.present("corvallo"));

    entries_.write("corvallo", "/old", "");
    entries_.write("corvallo", "/usr/bin", "/STARTUP");
    EXPECT_EQ(entryText(),
              "[Desktop Entry]\nType=Application\nName=Corvallo\nComment=One feng shui tip a day\n"
              "Icon=corvallo\nExec=\"/usr/bin/corvallo\" \"/STARTUP\"\n"
              "X-GNOME-Autostart-enabled=true\nTerminal=false\n");
    EXPECT_EQ(fs::status(folder_).permissions(), fs::perms::owner_all);
    EXPECT_TRUE(entries_.present("corvallo"));
    // Any file of the name counts, whatever it holds.
    EXPECT_FALSE(entries_.present("other"));
    test::writeFile(folder_ + "/other.desktop", "not an entry");
    EXPECT_TRUE(entries_.present("other"));

    entries_.remove("corvallo");
    entries_.remove("corvallo");
    EXPECT_FALSE(entries_.present("corvallo"));
    EXPECT_TRUE(entries_.present("other"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

// An entry that is a symbolic link (a user who keeps the file elsewhere)
// counts by the file it names, is written through to that file, and is
// removed as a link.
TEST_F(XdgAutostartEntryTest, SymbolicLinkCountsAndIsWrittenByWhatItNames) {
    const std::string link = folder_ + "/corvallo.desktop";
    const std::string target = config_ / "kept elsewhere.desktop";
    fs::create_directories(folder_);
    fs::create_symlink(target, link);
    EXPECT_FALSE(entries_.present("corvallo"));
    entries_.write("corvallo", "/usr/bin", "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(fileText(target).find("\nExec=\"/usr/bin/corvallo\"\n"), std::string::npos);
    EXPECT_TRUE(entries_.present("corvallo"));
    entries_.remove("corvallo");
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_regular_file(target));
}

TEST_F(XdgAutostartEntryTest, FailuresNameTheirStageAndSystemError) {
    test::writeFile(config_ / "file", "x");
    fs::create_directories(folder_ + "/corvallo.desktop");
    struct Case {
        std::string folder;
        bool writing;
        Stage stage;
        int error;
    };
    const std::vector<Case> cases = {
        {config_ / "file", true, Stage::OpeningKey, ENOTDIR},
        {config_ / "file/autostart", true, Stage::OpeningKey, ENOTDIR},
        {folder_, true, Stage::SettingValue, EISDIR},  // the entry is a folder
        {config_ / "file", false, Stage::OpeningKey, ENOTDIR},
        {folder_, false, Stage::OpeningKey, EISDIR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + (c.writing ? " write" : " remove"));
        XdgAutostartEntry entries(c.folder);
        try {
            c.writing ? entries.write("corvallo", "/usr/bin", "") : entries.remove("corvallo");
            ADD_FAILURE() << "no error";
        } catch (const StartupEntryError& error) {
            EXPECT_EQ(error.stage(), c.stage);
            EXPECT_EQ(error.status(), c.error);
        }
    }
    EXPECT_EQ(fileText(config_ / "file"), "x");
    EXPECT_TRUE(fs::is_empty(folder_ + "/corvallo.desktop"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

}  // namespace
}  // namespace corvallo
