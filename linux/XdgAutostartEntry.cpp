#include "linux/XdgAutostartEntry.h"

#include <QFile>
#include <QFileInfo>
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

QString qtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
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
    return QFileInfo::exists(qtPath(pathOf(name)));
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
    if (QFile::remove(qtPath(pathOf(name)))) {
        return;
    }
    // errno is that of the unlink behind QFile::remove (see linux/FileErrors.h).
    const int error = errno;
    if (error != ENOENT) {
        fail(Stage::OpeningKey, error);
    }
}

}  // namespace corvallo
