// GetDlgCtrlID.
#include <gtest/gtest.h>

#include "window_fixtures.h"
#include "windows.h"

namespace {

class ControlIds : public vkstest::WindowTest {
protected:
    vkstest::ScopedWindowClass windowClass;
};

TEST_F(ControlIds, AChildAnswersItsIdentifierAndATopLevelWindowZero)
{
    const HWND dialog = windowClass.create("dialog", WS_POPUP);
    const struct {
        const char *what;
        HWND hwnd;
        int id;
    } kCases[] = {
        {"control", windowClass.create("ok", WS_CHILD, dialog, 1), 1},
        {"static", windowClass.create("text", WS_CHILD, dialog, 0xFFFF), 0xFFFF},
        {"reserved help id", windowClass.create("help", WS_CHILD, dialog, 57100), 57100},
        {"dialog", dialog, 0},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(row.id, GetDlgCtrlID(row.hwnd));
        EXPECT_EQ(0xdeadbeefu, GetLastError());
    }
}

TEST_F(ControlIds, FollowsTheIdentifierSetAfterCreation)
{
    const HWND dialog = windowClass.create("dialog", WS_POPUP);
    const HWND control = windowClass.create("edit", WS_CHILD, dialog, 7);
    SetWindowLongA(control, GWL_ID, 1001);
    EXPECT_EQ(1001, GetDlgCtrlID(control));
}

TEST_F(ControlIds, NoWindowGivesZeroAndTheError)
{
    const HWND gone = windowClass.create("gone", WS_POPUP);
    ASSERT_TRUE(DestroyWindow(gone));
    for (HWND hwnd : {static_cast<HWND>(nullptr), gone}) {
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0, GetDlgCtrlID(hwnd));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    }
}

}  // namespace
