#include "linux/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "linux/FileErrors.h"

namespace corvallo {

std::optional<std::string> readFileIfPresent(const std::string& path) {
    // Not QFile::open(name): it blocks on a named pipe in the file's place
    // until someone writes to it (NamedPipeInPlaceOfTheFileNeitherBlocksNorStays);
    // O_NONBLOCK does not, and does not change how a regular file reads.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throwLastError();
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const int error = errno;
        close(descriptor);
        throwError(error);
    }
    // A folder opens fine; reading it then fails with EISDIR.
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throwLastError();
    }
    return content.toStdString();
}

std::optional<FileStamp> fileStampIfPresent(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throwLastError();
    }
    constexpr long long kNsPerSecond = 1'000'000'000;
    return FileStamp{static_cast<unsigned long long>(status.st_dev),
                     static_cast<unsigned long long>(status.st_ino),
                     static_cast<long long>(status.st_size),
                     status.st_mtim.tv_sec * kNsPerSecond + status.st_mtim.tv_nsec,
                     status.st_ctim.tv_sec * kNsPerSecond + status.st_ctim.tv_nsec};
}

// Not QDir::mkpath: it gives new folders the umask's mode rather than 0700
// and reports a file in the way as EEXIST, not ENOTDIR (tests
// MissingFileReadsAsAbsentAndWriteMakesPrivateFolders and
// FailuresNameTheirStageAndSystemError).
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
            throwError(ENOTDIR);
        }
    }
}

void replaceFileAtomically(const std::string& path, std::string_view content) {
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    const QFileInfo old(file.fileName());
    // QSaveFile refuses a folder with a message but no system error
    // (FailuresNameTheirStageAndSystemError).
    if (old.isDir()) {
        throwError(EISDIR);
    }
    // Unbuffered, and every write's count checked below: QSaveFile's commit
    // puts a shortened file in place when a write stopped short (a full disk)
    // or failed while its buffer was flushed
    // (FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throwLastError();
    }
    // QSaveFile gives a new file the umask's mode; the settings are the
    // user's alone (MissingFileReadsAsAbsentAndWriteMakesPrivateFolders).
    if (!old.exists() && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        throwLastError();
    }
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size || !file.commit()) {
        throwLastError();
    }
}

}  // namespace corvallo
