#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Runs the end-to-end tests inside a QApplication on the real display that
// the runner provides: X (tools/run/xvfb.sh), or Wayland where the runner
// says so (tools/run/weston.sh); unlike the other Linux tests, never
// offscreen.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    QApplication application(argc, argv);
    // As in the program: a window hidden in the notification area must not
    // end Qt's event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
