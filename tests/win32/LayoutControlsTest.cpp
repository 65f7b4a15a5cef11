// The controls made from a layout: each one's id is its layout index from
// kFirstControlId on, and its layout entry is found from its id or window.
#include "win32/LayoutControls.h"

#include <gtest/gtest.h>

#include <string>

namespace corvallo::win32 {
namespace {

using layout::Kind;

// A hidden top-level window of a plain class to hold the controls.
class LayoutControlsTest : public testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvalloLayoutControlsTest";
        RegisterClassExW(&wc);
        root_ = makeRoot();
        ASSERT_NE(root_, nullptr);
    }
    void TearDown() override {
        if (root_ != nullptr) {
            DestroyWindow(root_);
        }
    }

    static HWND makeRoot() {
        return CreateWindowExW(0, L"CorvalloLayoutControlsTest", L"root", WS_OVERLAPPEDWINDOW, 0, 0,
                               640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    HWND root_ = nullptr;
};

TEST_F(LayoutControlsTest, EveryControlIsFoundFromItsIdAndItsWindow) {
    const layout::Window& layout = layout::mainWindow();
    LayoutControls controls(layout);
    controls.create(root_, GetModuleHandleW(nullptr), 96, {});
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const layout::Control& entry = layout.controls[i];
        SCOPED_TRACE(std::string(entry.name));
        HWND hwnd = controls.handle(entry.name);
        EXPECT_EQ(hwnd, controls.handleAt(i));
        if (!LayoutControls::isWindow(entry)) {
            EXPECT_EQ(hwnd, nullptr);
            continue;
        }
        ASSERT_NE(hwnd, nullptr);
        const int id = GetDlgCtrlID(hwnd);
        EXPECT_EQ(id, LayoutControls::kFirstControlId + static_cast<int>(i));
        EXPECT_EQ(controls.controlOf(hwnd), &entry);
        EXPECT_EQ(controls.controlOf(id), &entry);
        EXPECT_EQ(controls.nameOf(id), entry.name);
        EXPECT_EQ(controls.nameOf(hwnd), entry.name);
        EXPECT_EQ(controls.isLink(hwnd), entry.kind == Kind::Link);
        const HWND parent = entry.parent.empty() ? root_ : controls.handle(entry.parent);
        EXPECT_EQ(GetParent(hwnd), parent);
    }
}

// The opened list of a drop-down list has an id of its own (1000 under
// Windows), which must not pass for the layout's first control.
TEST_F(LayoutControlsTest, WindowsThatAreNotOursAreNotFound) {
    const layout::Window& layout = layout::mainWindow();
    LayoutControls controls(layout);
    controls.create(root_, GetModuleHandleW(nullptr), 96, {});
    EXPECT_EQ(controls.controlOf(static_cast<HWND>(nullptr)), nullptr);
    EXPECT_EQ(controls.controlOf(root_), nullptr);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    ASSERT_TRUE(GetComboBoxInfo(controls.handle("cboHour"), &combo));
    EXPECT_EQ(controls.controlOf(combo.hwndList), nullptr);
    EXPECT_TRUE(controls.nameOf(combo.hwndList).empty());
    EXPECT_EQ(controls.controlOf(LayoutControls::kFirstControlId - 1), nullptr);
    EXPECT_EQ(controls.controlOf(LayoutControls::kFirstControlId +
                                 static_cast<int>(layout.controls.size())),
              nullptr);
    EXPECT_EQ(controls.handle("noSuchControl"), nullptr);
}

// A window made anew (the About window at each opening) gets new controls,
// and the old ones are forgotten.
TEST_F(LayoutControlsTest, ASecondWindowTakesOverTheControls) {
    LayoutControls controls(layout::aboutWindow());
    controls.create(root_, GetModuleHandleW(nullptr), 96,
                    {.defaultButton = "cmdOK", .iconPicture = {}});
    HWND firstOk = controls.handle("cmdOK");
    DestroyWindow(root_);
    root_ = makeRoot();
    controls.create(root_, GetModuleHandleW(nullptr), 96,
                    {.defaultButton = "cmdOK", .iconPicture = {}});
    HWND secondOk = controls.handle("cmdOK");
    ASSERT_NE(secondOk, nullptr);
    EXPECT_NE(secondOk, firstOk);
    EXPECT_EQ(GetParent(secondOk), root_);
    EXPECT_EQ(controls.root(), root_);
    EXPECT_EQ(controls.nameOf(secondOk), "cmdOK");
}

// Positions and sizes follow the DPI: twips at 1440 to the inch.
TEST_F(LayoutControlsTest, ControlsArePlacedAtTheDpi) {
    const layout::Window& layout = layout::aboutWindow();
    LayoutControls controls(layout);
    controls.create(root_, GetModuleHandleW(nullptr), 192, {});
    const layout::Control& ok = layout::find(layout, "cmdOK");
    RECT rect{};
    GetWindowRect(controls.handle("cmdOK"), &rect);
    MapWindowPoints(nullptr, root_, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, MulDiv(ok.rect.left, 192, 1440));
    EXPECT_EQ(rect.right - rect.left, MulDiv(ok.rect.width, 192, 1440));
    EXPECT_EQ(controls.dpi(), 192u);
}

}  // namespace
}  // namespace corvallo::win32
