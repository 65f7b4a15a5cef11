#include "linux/QtBrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace corvallo {

void QtBrowser::open(const std::string& address) {
    // The core's text is UTF-8; QUrl percent-encodes what an address may not
    // hold as it is. openUrl does not wait for the browser, and its result
    // only says whether a handler could be started, which the port does not
    // report.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace corvallo
