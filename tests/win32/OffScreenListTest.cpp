// A list the layout never shows is kept as data; it must answer every call the
// view makes as the drop-down list combo box it stands for does.
#include "win32/OffScreenList.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvallo::win32 {
namespace {

// What a drop-down list combo box answers, in the view's terms: the index
// after a selection (-1 for none) and whether CB_SETCURSEL refused it.
struct Answer {
    int index;
    bool refused;
    bool operator==(const Answer&) const = default;
};

Answer comboBoxAnswer(HWND box, int index) {
    const LRESULT result = SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return {static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)),
            result == CB_ERR && index != -1};
}

Answer offScreenAnswer(OffScreenList& list, int index) {
    bool refused = false;
    try {
        list.setIndex(index);
    } catch (const std::out_of_range&) {
        refused = true;
    }
    return {list.index(), refused};
}

TEST(OffScreenListTest, AnswersAsADropDownListComboBox) {
    HWND box = CreateWindowExW(0, WC_COMBOBOXW, L"", CBS_DROPDOWNLIST, 0, 0, 100, 200, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    const std::vector<std::string> items{"1901", "1902", "1903"};
    for (const std::string& item : items) {
        const std::wstring text(item.begin(), item.end());
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    OffScreenList list;
    list.fill(items);
    EXPECT_EQ(list.itemCount(), static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0)));
    EXPECT_EQ(list.index(), static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)));
    EXPECT_EQ(list.item(2), "1903");
    EXPECT_THROW((void)list.item(3), std::out_of_range);
    // Each selection in turn, from the one before: the last item, none, the
    // first, another.
    for (const int index : {2, -1, 0, 1}) {
        SCOPED_TRACE(index);
        const Answer expected = comboBoxAnswer(box, index);
        EXPECT_EQ(offScreenAnswer(list, index), expected);
    }
    // One past the end and one below -1 are refused and change nothing.
    for (const int index : {3, -2}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(offScreenAnswer(list, index), (Answer{1, true}));
    }
    list.fill(items);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(list.index(), static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)));
    EXPECT_EQ(list.index(), -1);
    DestroyWindow(box);
}

}  // namespace
}  // namespace corvallo::win32
