#include "linux/QtBrowser.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QTextBrowser>
#include <QUrl>
#include <string>
#include <vector>

namespace corvallo {
namespace {

// QDesktopServices hands the address to the handler of its scheme instead of
// the desktop's browser; the handler must be a method of a QObject, here the
// anchorClicked signal of a text browser, which needs no code from moc.
TEST(QtBrowserTest, OpensTheAddressAsUtf8) {
    QTextBrowser standIn;
    std::vector<std::string> opened;
    QObject::connect(&standIn, &QTextBrowser::anchorClicked,
                     [&](const QUrl& url) { opened.push_back(url.toEncoded().toStdString()); });
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &standIn, "anchorClicked");
    QtBrowser browser;
    browser.open("https://example.com/tips?day=1#top");
    browser.open("https://example.com/Zürich/東京 x");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(opened, (std::vector<std::string>{
                          "https://example.com/tips?day=1#top",
                          "https://example.com/Z%C3%BCrich/%E6%9D%B1%E4%BA%AC%20x",
                      }));
}

}  // namespace
}  // namespace corvallo
