#include "linux/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "linux/FileErrors.h"
#include "core/ports/PlatformError.h"

namespace corvallo {

namespace {

// Closes the descriptor when the scope ends.
class Descriptor {
  public:
    explicit Descriptor(int value) : value_(value) {}
    ~Descriptor() {
        if (value_ >= 0) {
            close(value_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int get() const { return value_; }

    // Closes now, reporting the result: close may report a write that failed
    // late (on NFS, for example).
    int closeNow() {
        const int result = close(value_);
        value_ = -1;
        return result;
    }

  private:
    int value_;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void writeAll(int file, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(file, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwLastError();
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
}

void writeSyncAndRename(int file, const std::string& temporary, const std::string& path,
                        std::string_view content) {
    struct stat old {};
    if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        fchmod(file, old.st_mode & 07777) != 0) {
        throwLastError();
    }
    writeAll(file, content);
    // Without the sync a crash soon after the rename can leave an empty file
    // under the new name on some file systems (ext4 with delayed allocation).
    if (fsync(file) != 0 || rename(temporary.c_str(), path.c_str()) != 0) {
        throwLastError();
    }
}

void syncFolder(const std::string& folder) {
    Descriptor descriptor(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.get() < 0) {
        throwLastError();
    }
    // The rename lives in the folder; syncing it makes the rename itself
    // durable. Some file systems cannot sync a folder and say EINVAL: there
    // the rename is as durable as they make it.
    if (fsync(descriptor.get()) != 0 && errno != EINVAL) {
        throwLastError();
    }
}

}  // namespace

std::optional<std::string> readFileIfPresent(const std::string& path) {
    // O_NONBLOCK: a named pipe in the file's place would otherwise block the
    // open until someone writes to it; a regular file is not affected.
    Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throwLastError();
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        // A folder opens fine; read then fails with EISDIR.
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0) {
            return content;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throwLastError();
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
}

void makeFolders(const std::string& folder) {
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = folder.find('/', end + 1);
        const std::string prefix = folder.substr(0, end);
        struct stat status {};
        // Looked at before mkdir: mkdir of an existing folder may fail with
        // EACCES or EROFS rather than EEXIST where the parent is not writable.
        if (stat(prefix.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                throwLastError();
            }
            if (mkdir(prefix.c_str(), 0700) == 0) {
                continue;
            }
            // Another process may have made it in the meantime.
            if (errno != EEXIST || stat(prefix.c_str(), &status) != 0) {
                throwLastError();
            }
        }
        if (!S_ISDIR(status.st_mode)) {
            throw PlatformError(ENOTDIR, std::strerror(ENOTDIR));
        }
    }
}

void replaceFileAtomically(const std::string& path, std::string_view content) {
    const std::string folder = folderOf(path);
    // Hidden, and named after the file, so a leftover (after a power cut)
    // shows what it was; mkostemp makes the name unique and the file 0600.
    std::string temporary = folder + "/." + path.substr(path.rfind('/') + 1) + ".XXXXXX";
    Descriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        throwLastError();
    }
    try {
        writeSyncAndRename(file.get(), temporary, path, content);
    } catch (const PlatformError&) {
        unlink(temporary.c_str());
        throw;
    }
    if (file.closeNow() != 0) {
        throwLastError();
    }
    syncFolder(folder);
}

}  // namespace corvallo
