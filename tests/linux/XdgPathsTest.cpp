#include "linux/XdgPaths.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "core/ports/PlatformError.h"

namespace corvallo {
namespace {

using test::ScopedEnvironment;

TEST(XdgPathsTest, ConfigHomeTakesOnlyAnAbsoluteXdgConfigHome) {
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const std::string fromPasswordDatabase = std::string(user->pw_dir) + "/.config";
    struct Case {
        const char* configured;
        const char* home;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/srv/config", "/home/ann", "/srv/config"},
        {"relative/config", "/home/ann", "/home/ann/.config"},
        {"", "/home/ann/", "/home/ann/.config"},
        {nullptr, "/", "/.config"},
        {nullptr, nullptr, fromPasswordDatabase},
        {nullptr, "relative/home", fromPasswordDatabase},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        ScopedEnvironment configured("XDG_CONFIG_HOME", c.configured);
        ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(xdg::configHome(), c.expected);
    }
}

TEST(XdgPathsTest, RuntimeDirTakesAnAbsoluteXdgRuntimeDirElseAPrivateFolderInTmp) {
    const std::string fallback = "/tmp/corvallo-" + std::to_string(geteuid());
    for (const char* configured : {"relative", static_cast<const char*>(nullptr)}) {
        ScopedEnvironment runtime("XDG_RUNTIME_DIR", configured);
        EXPECT_EQ(xdg::runtimeDir(), fallback);
        struct stat status {};
        ASSERT_EQ(lstat(fallback.c_str(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
        EXPECT_EQ(status.st_mode & 0777, 0700u);
    }
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", "/run/user/1000");
    EXPECT_EQ(xdg::runtimeDir(), "/run/user/1000");
}

TEST(XdgPathsTest, PrivateFolderIsMadeOrTightenedButNeverTakenFromAnotherOwner) {
    test::TempFolder folder;
    const std::string path = folder / "private";
    struct Case {
        const char* label;
        std::function<void()> prepare;
        int error;  // 0: the folder is used
    };
    const std::vector<Case> cases = {
        {"missing", [] {}, 0},
        {"open to all", [&] { mkdir(path.c_str(), 0777), chmod(path.c_str(), 0777); }, 0},
        {"another owner", [&] { mkdir(path.c_str(), 0700), chown(path.c_str(), 4321, 4321); },
         EPERM},
        {"symbolic link", [&] { symlink(folder.path().c_str(), path.c_str()); }, ENOTDIR},
        {"file", [&] { test::writeFile(path, ""); }, ENOTDIR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove_all(path);
        c.prepare();
        int error = 0;
        try {
            xdg::makePrivateFolder(path);
        } catch (const PlatformError& failure) {
            error = static_cast<int>(failure.status());
        }
        EXPECT_EQ(error, c.error);
        struct stat status {};
        if (c.error == 0) {
            ASSERT_EQ(lstat(path.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 0777, 0700u);
        }
    }
}

}  // namespace
}  // namespace corvallo
