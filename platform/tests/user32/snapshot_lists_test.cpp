// List and combo boxes in window snapshots.
#include <fstream>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "vkshost.h"
#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

class ListSnapshot : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = CreateWindowExA(0, windowClass.name(), "Lists", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
    }

    void TearDown() override
    {
        DestroyWindow(window);
        WindowTest::TearDown();
    }

    HWND control(const char *className, DWORD style, RECT r)
    {
        return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, window,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(10)), nullptr,
                               nullptr);
    }

    std::string snapshot()
    {
        const std::string path = (drive.root() / "lists.svg").string();
        EXPECT_TRUE(VksHostSnapshotWindow(window, path.c_str()));
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    vkstest::ScopedDriveC drive;
    vkstest::ScopedWindowClass windowClass;
    HWND window = nullptr;
};

TEST_F(ListSnapshot, ListBoxShowsTheLinesThatFitAndMarksTheSelection)
{
    // Room inside the edge for two lines of 13 pixels.
    const HWND list = control("ListBox", LBS_SORT, {4, 4, 100, 34});
    for (const char *text : {"pear", "apple", "fig"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    const std::string svg = snapshot();
    EXPECT_THAT(svg, HasSubstr("<g class=\"ListBox\" data-id=\"10\">"));
    EXPECT_THAT(svg, HasSubstr("fill=\"#000000\">apple</text>"));
    EXPECT_THAT(svg, HasSubstr("class=\"selected\""));
    EXPECT_THAT(svg, HasSubstr("fill=\"#ffffff\">fig</text>")) << "selected text on the mark";
    EXPECT_THAT(svg, Not(HasSubstr(">pear</text>"))) << "the third line does not fit";
}

TEST_F(ListSnapshot, ComboBoxShowsItsSelectionOnce)
{
    for (DWORD kind : {DWORD{CBS_DROPDOWNLIST}, DWORD{CBS_DROPDOWN}}) {
        SCOPED_TRACE(kind);
        const HWND combo = control("ComboBox", kind, {4, 40, 120, 60});
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("plum"));
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        const std::string svg = snapshot();
        EXPECT_THAT(svg, HasSubstr("<g class=\"ComboBox\" data-id=\"10\">"));
        const std::size_t shown = svg.find(">plum</text>");
        ASSERT_NE(std::string::npos, shown);
        EXPECT_EQ(std::string::npos, svg.find(">plum</text>", shown + 1));
        DestroyWindow(combo);
    }
}

}  // namespace
