// The cursor, the mouse capture and mouse buttons pressed through the host, with DefWindowProcA's
// cursor, activation and context-menu answers.
#include <map>
#include <ostream>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pump.h"
#include "vkshost.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// One mouse-related message as a window saw it, with both parameters.
struct Heard {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    bool operator==(const Heard &) const = default;
};

void PrintTo(const Heard &heard, std::ostream *os)
{
    *os << "{hwnd " << heard.hwnd << ", msg 0x" << std::hex << heard.message << ", wParam 0x"
        << heard.wParam << ", lParam 0x" << heard.lParam << std::dec << "}";
}

bool isMouseRelated(UINT message)
{
    switch (message) {
    case WM_NCHITTEST:
    case WM_MOUSEACTIVATE:
    case WM_ACTIVATE:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case WM_CAPTURECHANGED:
        return true;
    default:
        return false;
    }
}

struct MouseLog {
    std::vector<Heard> heard;
    // Answers a window gives instead of DefWindowProcA's.
    std::map<std::pair<HWND, UINT>, LRESULT> answers;
    std::vector<UINT> beeps;
};

MouseLog &mouseLog()
{
    thread_local MouseLog log;
    return log;
}

LRESULT CALLBACK mouseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MouseLog &log = mouseLog();
    if (isMouseRelated(message))
        log.heard.push_back({hwnd, message, wParam, lParam});
    const auto answer = log.answers.find({hwnd, message});
    if (answer != log.answers.end())
        return answer->second;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void CALLBACK hearBeep(UINT type, void *context)
{
    static_cast<MouseLog *>(context)->beeps.push_back(type);
}

std::vector<Heard> pumpHeard()
{
    vkstest::pumpUntilIdle();
    std::vector<Heard> heard;
    heard.swap(mouseLog().heard);
    return heard;
}

// A top-level window at 100, 100 (200 x 100) with a child at 10, 20 (50 x 30) of its client
// area, so the child's client point 5, 5 is the screen point 115, 125.
class Mouse : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        mouseLog() = MouseLog{};
        VksHostSetBeepListener(hearBeep, &mouseLog());
        SetCursorPos(0, 0);
        top = CreateWindowExA(0, windowClass.name(), "top", WS_VISIBLE, 100, 100, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
        child = CreateWindowExA(0, windowClass.name(), "child", WS_CHILD | WS_VISIBLE, 10, 20, 50,
                                30, top, reinterpret_cast<HMENU>(kChildId), nullptr, nullptr);
        pumpHeard();
    }

    void TearDown() override
    {
        ReleaseCapture();
        DestroyWindow(top);
        VksHostSetBeepListener(nullptr, nullptr);
        WindowTest::TearDown();
    }

    static constexpr int kChildId = 7;
    vkstest::ScopedWindowClass windowClass{mouseProc};
    HWND top = nullptr;
    HWND child = nullptr;
};

LPARAM at(int x, int y)
{
    return MAKELPARAM(x, y);
}

WPARAM handle(HWND hwnd)
{
    return reinterpret_cast<WPARAM>(hwnd);
}

TEST(Cursor, SystemCursorsHaveOneHandleEachAndOthersAreNotFound)
{
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    EXPECT_NE(nullptr, arrow);
    EXPECT_NE(nullptr, wait);
    EXPECT_NE(arrow, wait);
    EXPECT_EQ(arrow, LoadCursorA(nullptr, IDC_ARROW));
    for (LPCSTR name : {IDC_IBEAM, IDC_CROSS, IDC_HELP})
        EXPECT_NE(nullptr, LoadCursorA(nullptr, name));

    const struct {
        const char *name;
        HINSTANCE instance;
        LPCSTR cursor;
    } missing[] = {
        {"no such system cursor", nullptr, MAKEINTRESOURCEA(1)},
        {"a name, not a number", nullptr, "IDC_ARROW"},
        {"a module's own cursor", GetModuleHandleA(nullptr), MAKEINTRESOURCEA(32512)},
    };
    for (const auto &row : missing) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, LoadCursorA(row.instance, row.cursor));
        EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    }
}

TEST(Cursor, SetCursorAnswersThePreviousOne)
{
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR before = SetCursor(wait);
    EXPECT_EQ(wait, GetCursor());
    EXPECT_EQ(wait, SetCursor(before));
    EXPECT_EQ(before, GetCursor());
}

TEST_F(Mouse, CursorPositionIsKeptOnTheScreen)
{
    const struct {
        const char *name;
        POINT set;
        POINT read;
    } rows[] = {
        {"inside", {300, 200}, {300, 200}},
        {"left and above", {-50, -1}, {0, 0}},
        {"right and below", {5000, 768}, {1023, 767}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_TRUE(SetCursorPos(row.set.x, row.set.y));
        POINT read{};
        EXPECT_TRUE(GetCursorPos(&read));
        EXPECT_EQ(0xdeadbeefu, GetLastError());
        EXPECT_EQ(row.read.x, read.x);
        EXPECT_EQ(row.read.y, read.y);
    }
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetCursorPos(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOACCESS), GetLastError());
}

TEST_F(Mouse, MovingOverAWindowSetsItsCursorAndPostsTheMoveInClientCoordinates)
{
    SetCursorPos(115, 125);
    const Heard expected[] = {
        {child, WM_NCHITTEST, 0, at(115, 125)},
        {child, WM_SETCURSOR, handle(child), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)},
        {top, WM_SETCURSOR, handle(child), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)},
        {child, WM_MOUSEMOVE, 0, at(5, 5)},
    };
    EXPECT_THAT(pumpHeard(), ElementsAreArray(expected));

    SetCursorPos(115, 125);
    EXPECT_TRUE(pumpHeard().empty()) << "the cursor did not move";
    SetCursorPos(900, 700);
    EXPECT_TRUE(pumpHeard().empty()) << "no window there";
}

TEST_F(Mouse, DefaultSetCursorAsksTheParentFirstThenSetsTheClassCursor)
{
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    WNDCLASSA wc{};
    wc.lpfnWndProc = mouseProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    wc.lpszClassName = "VksMouseTestIBeam";
    ASSERT_NE(0, RegisterClassA(&wc));
    const HWND edit = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 100, 0, 50,
                                      20, top, nullptr, nullptr, nullptr);
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

    SetCursor(wait);
    EXPECT_TRUE(SendMessageA(edit, WM_SETCURSOR, handle(edit), overClient));
    EXPECT_EQ(wc.hCursor, GetCursor());

    SetCursor(wait);
    mouseLog().answers[{top, WM_SETCURSOR}] = TRUE;
    EXPECT_TRUE(SendMessageA(edit, WM_SETCURSOR, handle(edit), overClient));
    EXPECT_EQ(wait, GetCursor()) << "the parent set the cursor";

    mouseLog().answers.clear();
    EXPECT_FALSE(SendMessageA(top, WM_SETCURSOR, handle(top), overClient))
        << "a class without a cursor leaves it";
    EXPECT_TRUE(SendMessageA(top, WM_SETCURSOR, handle(top), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE)));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), GetCursor());
    DestroyWindow(edit);
    UnregisterClassA(wc.lpszClassName, nullptr);
}

TEST_F(Mouse, ClickOnAnInactiveWindowActivatesItThenDeliversTheButton)
{
    const HWND other = windowClass.create("other", WS_VISIBLE);
    ASSERT_EQ(other, GetActiveWindow());
    pumpHeard();

    SetLastError(0xdeadbeef);
    EXPECT_TRUE(VksHostMouseButton(115, 125, WM_LBUTTONDOWN));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
    EXPECT_TRUE(VksHostMouseButton(115, 125, WM_LBUTTONUP));
    const LPARAM press = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    const LPARAM release = MAKELPARAM(HTCLIENT, WM_LBUTTONUP);
    const Heard expected[] = {
        {child, WM_NCHITTEST, 0, at(115, 125)},
        {child, WM_MOUSEACTIVATE, handle(top), press},
        {top, WM_MOUSEACTIVATE, handle(top), press},
        {other, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(top)},
        {top, WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(other)},
        {child, WM_SETCURSOR, handle(child), press},
        {top, WM_SETCURSOR, handle(child), press},
        // Only a press asks about activation.
        {child, WM_NCHITTEST, 0, at(115, 125)},
        {child, WM_SETCURSOR, handle(child), release},
        {top, WM_SETCURSOR, handle(child), release},
        {child, WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5)},
        {child, WM_LBUTTONUP, 0, at(5, 5)},
    };
    EXPECT_THAT(pumpHeard(), ElementsAreArray(expected));
    EXPECT_EQ(top, GetActiveWindow());
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(115, cursor.x);
    EXPECT_EQ(125, cursor.y);
    DestroyWindow(other);
}

TEST_F(Mouse, MouseActivateAnswersDecideActivationAndWhetherTheClickIsEaten)
{
    const struct {
        const char *name;
        LRESULT answer;
        bool activated;
        bool delivered;
    } rows[] = {
        {"activate", MA_ACTIVATE, true, true},
        {"activate and eat", MA_ACTIVATEANDEAT, true, false},
        {"no activate", MA_NOACTIVATE, false, true},
        {"no activate and eat", MA_NOACTIVATEANDEAT, false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HWND other = windowClass.create("other", WS_VISIBLE);
        pumpHeard();
        mouseLog().answers[{top, WM_MOUSEACTIVATE}] = row.answer;
        EXPECT_TRUE(VksHostMouseButton(150, 110, WM_RBUTTONDOWN));
        EXPECT_EQ(row.activated, GetActiveWindow() == top);
        const std::vector<Heard> heard = pumpHeard();
        const bool delivered = std::any_of(heard.begin(), heard.end(), [](const Heard &h) {
            return h.message == WM_RBUTTONDOWN;
        });
        EXPECT_EQ(row.delivered, delivered);
        VksHostMouseButton(150, 110, WM_RBUTTONUP);
        pumpHeard();
        mouseLog().answers.clear();
        DestroyWindow(other);
    }
}

TEST_F(Mouse, PressOnADisabledWindowBeepsAndIsNotDelivered)
{
    EnableWindow(top, FALSE);
    pumpHeard();
    EXPECT_TRUE(VksHostMouseButton(115, 125, WM_LBUTTONDOWN));
    EXPECT_TRUE(VksHostMouseButton(115, 125, WM_LBUTTONUP));
    const Heard expected[] = {
        {top, WM_SETCURSOR, handle(top), MAKELPARAM(HTERROR, WM_LBUTTONDOWN)},
        {top, WM_SETCURSOR, handle(top), MAKELPARAM(HTERROR, WM_LBUTTONUP)},
    };
    EXPECT_THAT(pumpHeard(), ElementsAreArray(expected));
    EXPECT_THAT(mouseLog().beeps, ElementsAre(static_cast<UINT>(MB_OK))) << "the press only";
}

TEST_F(Mouse, ADisabledChildLeavesTheClickToItsParent)
{
    EnableWindow(child, FALSE);
    VksHostMouseButton(115, 125, WM_LBUTTONDOWN);
    VksHostMouseButton(115, 125, WM_LBUTTONUP);
    const std::vector<Heard> heard = pumpHeard();
    EXPECT_THAT(heard, ::testing::Contains(Heard{top, WM_LBUTTONDOWN, MK_LBUTTON, at(15, 25)}));
    EXPECT_TRUE(mouseLog().beeps.empty());
}

TEST_F(Mouse, NoWindowOfTheThreadAtThePointTakesNoClick)
{
    EXPECT_FALSE(VksHostMouseButton(900, 700, WM_LBUTTONDOWN));
    EXPECT_FALSE(VksHostMouseButton(900, 700, WM_LBUTTONUP));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(VksHostMouseButton(115, 125, WM_MOUSEMOVE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_TRUE(pumpHeard().empty());
}

TEST_F(Mouse, CaptureTakesTheMouseWhereverItIs)
{
    EXPECT_EQ(nullptr, SetCapture(child));
    EXPECT_EQ(child, GetCapture());
    SetCursorPos(50, 60);
    VksHostMouseButton(900, 700, WM_LBUTTONUP);
    const Heard moved[] = {
        {child, WM_MOUSEMOVE, 0, at(50 - 110, 60 - 120)},
        {child, WM_LBUTTONUP, 0, at(900 - 110, 700 - 120)},
    };
    EXPECT_THAT(pumpHeard(), ElementsAreArray(moved)) << "no hit test, no WM_SETCURSOR";

    EXPECT_EQ(child, SetCapture(top));
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(nullptr, GetCapture());
    const Heard changes[] = {
        {child, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(top)},
        {top, WM_CAPTURECHANGED, 0, 0},
    };
    EXPECT_THAT(pumpHeard(), ElementsAreArray(changes));

    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, SetCapture(reinterpret_cast<HWND>(0x1234)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(Mouse, RightButtonReleaseAsksForTheContextMenuWhichChildrenPassUp)
{
    VksHostMouseButton(115, 125, WM_RBUTTONDOWN);
    VksHostMouseButton(115, 125, WM_RBUTTONUP);
    std::vector<Heard> heard = pumpHeard();
    std::erase_if(heard, [](const Heard &h) { return h.message != WM_CONTEXTMENU; });
    const Heard expected[] = {
        {child, WM_CONTEXTMENU, handle(child), at(115, 125)},
        {top, WM_CONTEXTMENU, handle(child), at(115, 125)},
    };
    EXPECT_THAT(heard, ElementsAreArray(expected));
}

TEST(Beep, GoesToTheListenerWithItsSound)
{
    std::vector<UINT> heard;
    VksHostSetBeepListener(
        [](UINT type, void *context) {
            static_cast<std::vector<UINT> *>(context)->push_back(type);
        },
        &heard);
    SetLastError(0xdeadbeef);
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    EXPECT_TRUE(MessageBeep(0xFFFFFFFF));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
    VksHostSetBeepListener(nullptr, nullptr);
    EXPECT_TRUE(MessageBeep(MB_OK)) << "no listener: the beep goes nowhere";
    EXPECT_THAT(heard, ElementsAre(static_cast<UINT>(MB_ICONEXCLAMATION), 0xFFFFFFFFu));
}

}  // namespace
