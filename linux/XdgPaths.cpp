#include "linux/XdgPaths.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/ports/PlatformError.h"
#include "linux/FileErrors.h"

namespace corvallo::xdg {

namespace {

// The variable's value when it is an absolute path, else nothing.
std::string absolutePathFrom(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    return value;
}

std::string homeFromPasswordDatabase() {
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 4096);
    passwd entry{};
    passwd* found = nullptr;
    int status = 0;
    // ERANGE: the entry does not fit; the buffer grows until it does.
    while ((status = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found)) ==
           ERANGE) {
        buffer.resize(buffer.size() * 2);
    }
    if (found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        // getpwuid_r reports "no such user" as success with no entry.
        const int error = status != 0 ? status : ENOENT;
        throw PlatformError(error, std::strerror(error));
    }
    return found->pw_dir;
}

}  // namespace

// Not QStandardPaths::GenericConfigLocation: it takes a relative
// XDG_CONFIG_HOME as it stands and answers "//.config" for a home folder "/"
// or no HOME at all (ConfigHomeTakesOnlyAnAbsoluteXdgConfigHome).
std::string configHome() {
    std::string configured = absolutePathFrom("XDG_CONFIG_HOME");
    if (!configured.empty()) {
        return configured;
    }
    std::string home = absolutePathFrom("HOME");
    if (home.empty()) {
        home = homeFromPasswordDatabase();
    }
    while (!home.empty() && home.back() == '/') {
        home.pop_back();
    }
    return home + "/.config";
}

// Not QStandardPaths::RuntimeLocation: it takes a relative XDG_RUNTIME_DIR as
// it stands, and even makes that folder in the working folder
// (RuntimeDirTakesAnAbsoluteXdgRuntimeDirElseAPrivateFolderInTmp).
std::string runtimeDir() {
    std::string configured = absolutePathFrom("XDG_RUNTIME_DIR");
    if (!configured.empty()) {
        return configured;
    }
    // Sessions without a login manager (a plain console, cron, some
    // containers) have no runtime folder; the rules then ask for a
    // replacement with the same guarantees: owned by the user, mode 0700.
    const std::string fallback = "/tmp/corvallo-" + std::to_string(geteuid());
    makePrivateFolder(fallback);
    return fallback;
}

void makePrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        throwLastError();
    }
    // Checked through a descriptor of the folder itself: O_NOFOLLOW refuses a
    // symbolic link put in its place, and the checks and the change of mode
    // below then apply to what was opened, not to whatever the name points
    // to a moment later.
    const int folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) {
        throwLastError();
    }
    struct stat status {};
    int error = 0;
    if (fstat(folder, &status) != 0) {
        error = errno;
    } else if (status.st_uid != geteuid()) {
        error = EPERM;
    } else if ((status.st_mode & 077) != 0 && fchmod(folder, 0700) != 0) {
        error = errno;
    }
    close(folder);
    if (error != 0) {
        throw PlatformError(error, std::strerror(error));
    }
}

}  // namespace corvallo::xdg
