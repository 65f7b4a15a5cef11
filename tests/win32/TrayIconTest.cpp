// Which mouse messages of the notification icon mean which gesture.
#include "win32/Win32TrayIcon.h"

#include <gtest/gtest.h>

namespace corvallo::win32 {
namespace {

TEST(TrayIconTest, DoubleClickActivatesAndRightButtonUpOpensTheMenu) {
    EXPECT_EQ(Win32TrayIcon::gestureOf(WM_LBUTTONDBLCLK), TrayGesture::Activate);
    EXPECT_EQ(Win32TrayIcon::gestureOf(WM_RBUTTONUP), TrayGesture::OpenMenu);
}

TEST(TrayIconTest, EveryOtherMouseMessageMeansNothing) {
    for (const UINT message :
         {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK,
          WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_CONTEXTMENU, 0}) {
        EXPECT_EQ(Win32TrayIcon::gestureOf(message), std::nullopt) << message;
    }
}

}  // namespace
}  // namespace corvallo::win32
