#include "linux/LockFileProcess.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "core/ports/PlatformError.h"
#include "linux/XdgPaths.h"

namespace corvallo {

namespace {

// Not QCoreApplication::applicationFilePath: it is empty once an update has
// removed the executable (KeepsItsNameWhenItsFileIsRemovedWhileRunning).
// The target of /proc/self/exe, or "" when it cannot be read. readlink does
// not say whether it cut the path short, so the buffer grows until the path
// is shorter than it.
std::string runningExecutable() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            break;
        }
        path.resize(path.size() * 2);
    }
    // After the file was replaced or deleted (an update while the program
    // runs) the kernel adds this to the old path; the program is still
    // called by that path.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.ends_with(kDeleted)) {
        path.resize(path.size() - kDeleted.size());
    }
    return path;
}

// argv[0] as an absolute path where it names a file that exists.
std::string fromArgumentZero(const char* argument) {
    if (argument == nullptr) {
        return {};
    }
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(argument, nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : std::string(argument);
}

}  // namespace

LockFileProcess::LockFileProcess(int argc, const char* const* argv,
                                 std::function<void()> endProgram)
    : endProgram_(std::move(endProgram)) {
    std::string path = runningExecutable();
    if (path.empty()) {
        path = fromArgumentZero(argc > 0 ? argv[0] : nullptr);
    }
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        fileName_ = path;
    } else {
        folder_ = path.substr(0, slash);
        fileName_ = path.substr(slash + 1);
    }
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            arguments_ += ' ';
        }
        arguments_ += argv[i];
    }
}

LockFileProcess::~LockFileProcess() {
    if (lock_ >= 0) {
        close(lock_);
    }
}

std::string LockFileProcess::appName() const {
    // A dot that starts the name (".corvallo") begins no extension;
    // QFileInfo::completeBaseName would leave nothing of it.
    const std::size_t dot = fileName_.rfind('.');
    return dot == std::string::npos || dot == 0 ? fileName_ : fileName_.substr(0, dot);
}

std::string LockFileProcess::exeFolder() const {
    return folder_;
}

std::string LockFileProcess::commandLine() const {
    return arguments_;
}

bool LockFileProcess::anotherInstanceRunning() {
    if (anotherInstance_) {
        return *anotherInstance_;
    }
    // When no lock file can be had at all (no usable runtime folder, or a
    // symbolic link or a folder where the file should be), the program runs:
    // a second copy is the lesser harm than a program that never starts until
    // someone repairs a file the user may not even know about.
    anotherInstance_ = false;
    std::string path;
    try {
        path = xdg::runtimeDir() + "/" + appName() + ".lock";
    } catch (const PlatformError&) {
        return false;
    }
    // O_CLOEXEC: a program started from this one (the browser) must not
    // inherit the descriptor, or the lock would outlive this copy.
    // O_NOFOLLOW: a link planted in place of the file is not followed.
    const int file = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (file < 0) {
        return false;
    }
    // flock, not QLockFile: QLockFile reports a link or a folder at the lock's
    // path as a lock held by another copy, so the program would never start
    // (UnusableLockFileLetsTheProgramRun). Nor fcntl locks: they belong to the
    // process, so a second open in the same process would not conflict, and
    // closing any descriptor of the file would drop them. flock locks belong
    // to the open file description.
    int result = 0;
    while ((result = flock(file, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (result == 0) {
        lock_ = file;
        return false;
    }
    const bool held = errno == EWOULDBLOCK;
    close(file);
    // Any other failure (ENOLCK on a file system without locks) counts as
    // not held, for the reason above.
    anotherInstance_ = held;
    return held;
}

void LockFileProcess::exit() {
    endProgram_();
}

}  // namespace corvallo
