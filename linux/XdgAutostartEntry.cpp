#include "linux/XdgAutostartEntry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "linux/AtomicFile.h"

namespace corvallo {

namespace {

using Stage = StartupEntryError::Stage;

[[noreturn]] void fail(Stage stage, int error) {
    throw StartupEntryError(stage, error, std::strerror(error));
}

// One argument of an Exec value, quoted and escaped.
std::string quotedArgument(const std::string& argument) {
    std::string result = "\"";
    for (const char c : argument) {
        // Inside quotes these four are escaped by a backslash, and then the
        // value is a string, whose own escaping doubles every backslash: a
        // quote becomes \\" and a backslash \\\\.
        if (c == '"' || c == '`' || c == '$') {
            result += "\\\\";
            result += c;
        } else if (c == '\\') {
            result += "\\\\\\\\";
        } else if (c == '\n') {
            result += "\\n";
        } else if (c == '\r') {
            result += "\\r";
        } else if (c == '\t') {
            result += "\\t";
        } else if (c == '%') {
            // A single % starts a field code (%f, %u, ...).
            result += "%%";
        } else {
            result += c;
        }
    }
    return result + "\"";
}

std::string desktopEntry(const std::string& exec) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Corvallo\n"
           "Comment=One feng shui tip a day\n"
           "Icon=corvallo\n"
           "Exec=" +
           exec +
           "\n"
           "X-GNOME-Autostart-enabled=true\n"
           "Terminal=false\n";
}

}  // namespace

std::string XdgAutostartEntry::execValue(const std::string& executable,
                                         const std::string& arguments) {
    std::string value = quotedArgument(executable);
    if (!arguments.empty()) {
        value += " " + quotedArgument(arguments);
    }
    return value;
}

std::string XdgAutostartEntry::pathOf(const std::string& name) const {
    return folder_ + "/" + name + ".desktop";
}

bool XdgAutostartEntry::present(const std::string& name) const {
    struct stat status {};
    return lstat(pathOf(name).c_str(), &status) == 0;
}

void XdgAutostartEntry::write(const std::string& name, const std::string& folder,
                              const std::string& arguments) {
    try {
        makeFolders(folder_);
    } catch (const PlatformError& error) {
        fail(Stage::OpeningKey, static_cast<int>(error.status()));
    }
    try {
        replaceFileAtomically(pathOf(name),
                              desktopEntry(execValue(folder + "/" + name, arguments)));
    } catch (const PlatformError& error) {
        fail(Stage::SettingValue, static_cast<int>(error.status()));
    }
}

void XdgAutostartEntry::remove(const std::string& name) {
    const int folder = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        if (errno == ENOENT) {
            return;
        }
        fail(Stage::OpeningKey, errno);
    }
    const std::string fileName = name + ".desktop";
    const int result = unlinkat(folder, fileName.c_str(), 0);
    const int error = errno;
    close(folder);
    if (result != 0 && error != ENOENT) {
        fail(Stage::OpeningKey, error);
    }
}

}  // namespace corvallo
