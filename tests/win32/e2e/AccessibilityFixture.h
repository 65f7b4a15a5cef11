#pragma once

// The program started for keyboard and screen-reader tests: a later run with
// the tip panel in front, its main window on screen and in the foreground.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "Driver.h"
#include "core/views/MainLayout.h"

namespace corvallo::e2e {

inline const layout::Window& mainLayout() {
    return layout::mainWindow();
}

class Accessibility : public testing::Test {
  protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Registry::clearSettings();
        Registry::removeRunValue();
        // A later run: the tip panel in front.
        Registry::write(Registry::kSettingsKey, L"Hour", L"7");
        Registry::write(Registry::kSettingsKey, L"Minute", L"0");
        Registry::write(Registry::kSettingsKey, L"Second", L"0");
        Registry::write(Registry::kSettingsKey, L"Card", L"16");
    }
    void TearDown() override {
        program.reset();
        Registry::removeRunValue();
        CoUninitialize();
    }

    // Starts the program and waits for its main window, on screen and in
    // the foreground, where the keys go.
    HWND start() {
        program = std::make_unique<RunningProgram>(programPath());
        HWND main = program->mainWindow();
        EXPECT_NE(main, nullptr) << "the main window did not appear";
        if (main != nullptr) {
            EXPECT_TRUE(waitFor([&] { return IsWindowVisible(main) != FALSE; }));
            EXPECT_TRUE(bringToForeground(main));
        }
        return main;
    }

    // The layout name of the control that has the keyboard focus.
    std::string focusIn(HWND window, const layout::Window& layout) {
        return layoutName(window, layout, focusedWindow(window));
    }

    // Presses `keys` once for each expected name and checks where the focus
    // is after each press.
    void expectFocusWalk(HWND window, const layout::Window& layout,
                         std::initializer_list<WORD> keys,
                         const std::vector<std::string>& expected) {
        for (const std::string& name : expected) {
            pressKeys(window, keys);
            EXPECT_EQ(focusIn(window, layout), name);
        }
    }

    // The promotion link that this run shows.
    std::string shownPromotion(HWND main) {
        HWND cobrand = layoutControl(main, mainLayout(), "lblCobrand");
        return IsWindowVisible(cobrand) ? "lblCobrand" : "lblFullBrand";
    }

    HWND aboutWindow(HWND main) {
        HWND about = nullptr;
        waitFor([&] {
            for (HWND window : program->topLevelWindows(L"Corvallo v1.10")) {
                if (window != main && IsWindowVisible(window)) {
                    about = window;
                    return true;
                }
            }
            return false;
        });
        return about;
    }

    std::unique_ptr<RunningProgram> program;
};

}  // namespace corvallo::e2e
