#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ProcessProbe.h"

// Runs the Linux tests inside a QApplication, as the program runs. Qt uses
// its offscreen platform unless told otherwise, so no display is needed; this
// also holds for test discovery at build time, which ctest's environment
// does not reach.
int main(int argc, char** argv) {
    if (corvallo::test::isProcessProbe()) {
        return corvallo::test::runProcessProbe(argc, argv);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
