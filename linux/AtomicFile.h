#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvallo {

// Whole-file reads and replacements for small files that must never be seen
// half written. Every failure throws PlatformError(errno, strerror(errno)).

// The file's bytes; nothing when it does not exist (ENOENT). Anything else
// that stops the read (the path is a folder, a component of it is a file)
// throws.
[[nodiscard]] std::optional<std::string> readFileIfPresent(const std::string& path);

// What changes whenever a file's content may have: the file itself (device
// and inode, new after an atomic replacement), its size, and its modification
// and status change times to the nanosecond.
struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNs = 0;
    long long changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The file's stamp; nothing when it does not exist (ENOENT). Anything else
// throws.
[[nodiscard]] std::optional<FileStamp> fileStampIfPresent(const std::string& path);

// Creates `folder` and every missing folder above it with mode 0700. A
// component that exists but is not a folder throws ENOTDIR.
void makeFolders(const std::string& folder);

// Replaces the file at `path` (whose folder must exist) with `content`,
// through QSaveFile: the bytes go to a new file in the same folder, which is
// synced to the disk and then renamed over the old file. A crash at any
// moment leaves either the old file or the new one, whole. On failure the old
// file is untouched and the new one is gone. The new file keeps the old one's
// permissions; a file made anew gets 0600. A symbolic link in the file's
// place is followed: the file it names is the one replaced.
void replaceFileAtomically(const std::string& path, std::string_view content);

}  // namespace corvallo
