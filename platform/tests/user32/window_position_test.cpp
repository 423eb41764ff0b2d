// Positions, sizes and Z-order: SetWindowPos and its messages, MoveWindow, BringWindowToTop, the
// client rectangle, point conversion and the windows under a point.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "input_log.h"
#include "windows.h"

namespace {

using ::testing::ElementsAreArray;
using vkstest::Event;
using vkstest::takeEvents;

constexpr LPARAM kNoClientSize = 0x0800;
constexpr LPARAM kNoClientMove = 0x1000;

void expectRect(const RECT &expected, const RECT &actual)
{
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);
}

RECT windowRect(HWND hwnd)
{
    RECT rect{};
    EXPECT_TRUE(GetWindowRect(hwnd, &rect));
    return rect;
}

// The children of a window from the top of the Z-order down.
std::vector<HWND> zOrder(HWND parent)
{
    std::vector<HWND> order;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(child);
    return order;
}

class Nested : public vkstest::InputTest {
protected:
    // A top-level window at (100, 50), a child at (10, 20) of it and a grandchild at (5, 6).
    void SetUp() override
    {
        InputTest::SetUp();
        top = make("top", WS_POPUP | WS_VISIBLE, nullptr, 100, 50, 300, 200);
        child = make("child", WS_CHILD | WS_VISIBLE, top, 10, 20, 100, 80, 1);
        grandchild = make("grandchild", WS_CHILD | WS_VISIBLE, child, 5, 6, 20, 10, 2);
        takeEvents();
    }

    HWND top = nullptr, child = nullptr, grandchild = nullptr;
};

TEST_F(Nested, PointsConvertThroughEachParentsOrigin)
{
    POINT point{1, 2};
    ASSERT_TRUE(ClientToScreen(grandchild, &point));
    EXPECT_EQ(116, point.x);
    EXPECT_EQ(78, point.y);
    ASSERT_TRUE(ScreenToClient(child, &point));
    EXPECT_EQ(6, point.x);
    EXPECT_EQ(8, point.y);

    const struct {
        const char *name;
        HWND from, to;
        POINT expected;  // where {1, 2} lands
    } rows[] = {
        {"grandchild to top", grandchild, top, {16, 28}},
        {"top to grandchild", top, grandchild, {-14, -24}},
        {"grandchild to screen", grandchild, nullptr, {116, 78}},
        {"screen to child", nullptr, child, {-109, -68}},
        {"to itself", child, child, {1, 2}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        POINT points[2] = {{1, 2}, {1, 2}};
        const int offset = MapWindowPoints(row.from, row.to, points, 2);
        EXPECT_EQ(row.expected.x, points[1].x);
        EXPECT_EQ(row.expected.y, points[1].y);
        EXPECT_EQ(MAKELONG(static_cast<WORD>(row.expected.x - 1),
                           static_cast<WORD>(row.expected.y - 2)),
                  offset);
    }
    RECT client{};
    ASSERT_TRUE(GetClientRect(child, &client));
    expectRect({0, 0, 100, 80}, client);
    expectRect({115, 76, 135, 86}, windowRect(grandchild));
}

TEST_F(Nested, ConversionsRefuseAWindowThatIsNone)
{
    const HWND gone = reinterpret_cast<HWND>(0x4321);
    POINT point{1, 2};
    RECT rect{};
    const struct {
        const char *name;
        bool succeeded;
    } rows[] = {
        {"GetClientRect", GetClientRect(gone, &rect) != FALSE},
        {"ScreenToClient", ScreenToClient(gone, &point) != FALSE},
        {"ClientToScreen", ClientToScreen(gone, &point) != FALSE},
        {"MapWindowPoints", MapWindowPoints(gone, top, &point, 1) != 0},
        {"SetWindowPos", SetWindowPos(gone, nullptr, 0, 0, 1, 1, SWP_NOZORDER) != FALSE},
        {"MoveWindow", MoveWindow(gone, 0, 0, 1, 1, TRUE) != FALSE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(row.succeeded);
    }
    for (auto call : {+[](HWND h, POINT *p) { return ScreenToClient(h, p); },
                      +[](HWND h, POINT *p) { return ClientToScreen(h, p); }}) {
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(call(gone, &point));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    }
    EXPECT_EQ(1, point.x) << "a failed call leaves the point alone";
}

TEST_F(Nested, SetWindowPosSendsChangingThenChangedThenMoveAndSize)
{
    ASSERT_TRUE(SetWindowPos(child, nullptr, 30, 40, 60, 70, SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(SetWindowPos(child, nullptr, 31, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    ASSERT_TRUE(SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER));
    ASSERT_TRUE(SetWindowPos(child, nullptr, 31, 40, 61, 70,
                             SWP_NOZORDER | SWP_NOSENDCHANGING));
    const LPARAM z = SWP_NOZORDER | SWP_NOACTIVATE;
    const Event kSequence[] = {
        {child, WM_WINDOWPOSCHANGING, 0, z},
        {child, WM_WINDOWPOSCHANGED, 0, z},
        {child, WM_MOVE, 0, MAKELPARAM(30, 40)},
        {child, WM_SIZE, SIZE_RESTORED, MAKELPARAM(60, 70)},
        // Only moved: the size is kept and said to be.
        {child, WM_WINDOWPOSCHANGING, 0, z | SWP_NOSIZE},
        {child, WM_WINDOWPOSCHANGED, 0, z | SWP_NOSIZE | kNoClientSize},
        {child, WM_MOVE, 0, MAKELPARAM(31, 40)},
        // Nothing to change: asked, but nothing reported.
        {child, WM_WINDOWPOSCHANGING, 0, z | SWP_NOMOVE | SWP_NOSIZE},
        // No WM_WINDOWPOSCHANGING when told so; the change is still reported.
        {child, WM_WINDOWPOSCHANGED, 0, z | SWP_NOSENDCHANGING | SWP_NOMOVE | kNoClientMove},
        {child, WM_SIZE, SIZE_RESTORED, MAKELPARAM(61, 70)},
    };
    EXPECT_THAT(takeEvents(), ElementsAreArray(kSequence));
    // Children keep their parent's client coordinates.
    expectRect({131, 90, 192, 160}, windowRect(child));
    expectRect({136, 96, 156, 106}, windowRect(grandchild));
}

LRESULT CALLBACK narrowingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGING) {
        auto *pos = reinterpret_cast<WINDOWPOS *>(lParam);
        pos->cx = 77;
        pos->x += 1;
    }
    return vkstest::inputLoggingProc(hwnd, message, wParam, lParam);
}

TEST_F(Nested, WindowPosChangingMayAlterTheRequest)
{
    vkstest::ScopedWindowClass narrowing(narrowingProc);
    const HWND hwnd = narrowing.create("narrowing", WS_CHILD | WS_VISIBLE, top, 9);
    takeEvents();
    ASSERT_TRUE(SetWindowPos(hwnd, nullptr, 10, 10, 200, 30, SWP_NOZORDER));
    RECT client{};
    GetClientRect(hwnd, &client);
    expectRect({0, 0, 77, 30}, client);
    const std::vector<Event> seen = takeEvents();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ((Event{hwnd, WM_MOVE, 0, MAKELPARAM(11, 10)}), seen[seen.size() - 2]);
    EXPECT_EQ((Event{hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(77, 30)}), seen.back());
    DestroyWindow(hwnd);
}

TEST_F(Nested, MoveWindowPlacesChildrenInTheParentsClientArea)
{
    ASSERT_TRUE(MoveWindow(child, -5, 7, 50, 40, FALSE));
    expectRect({95, 57, 145, 97}, windowRect(child));
    ASSERT_TRUE(MoveWindow(top, 0, 0, 300, 200, TRUE));
    // Children move with their parent.
    expectRect({-5, 7, 45, 47}, windowRect(child));
    const std::vector<Event> seen = takeEvents();
    EXPECT_EQ(0, std::count_if(seen.begin(), seen.end(), [&](const Event &e) {
                  return e.hwnd == child && e.message == WM_MOVE &&
                         e.lParam != MAKELPARAM(-5, 7);
              }))
        << "a child hears only its own moves";
}

TEST_F(Nested, MoveWindowRepaintsWhenAskedAndWhatItUncovers)
{
    vkstest::drainQueue();  // paints the windows once, so that all are valid
    const struct {
        const char *name;
        BOOL repaint;
        bool childInvalid, parentInvalid;
    } rows[] = {
        {"without repainting", FALSE, false, false},
        {"repainting", TRUE, true, true},
    };
    int x = 10;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(MoveWindow(child, ++x, 20, 100, 80, row.repaint));
        RECT update{};
        EXPECT_EQ(row.childInvalid, GetUpdateRect(child, &update, FALSE) != FALSE);
        if (row.childInvalid)
            expectRect({0, 0, 100, 80}, update);
        EXPECT_EQ(row.parentInvalid, GetUpdateRect(top, &update, FALSE) != FALSE);
        vkstest::drainQueue();
    }
}

TEST_F(Nested, TheZOrderFollowsInsertAfterAndFailsForNoSibling)
{
    const HWND a = make("a", WS_CHILD | WS_VISIBLE, top, 0, 0, 10, 10, 11);
    const HWND b = make("b", WS_CHILD | WS_VISIBLE, top, 0, 0, 10, 10, 12);
    ASSERT_EQ((std::vector<HWND>{child, a, b}), zOrder(top));
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    const struct {
        const char *name;
        HWND hwnd, after;
        std::vector<HWND> expected;
    } rows[] = {
        {"to the top", b, HWND_TOP, {b, child, a}},
        {"to the bottom", b, HWND_BOTTOM, {child, a, b}},
        {"after a sibling", b, child, {child, b, a}},
        {"after itself", b, b, {child, b, a}},
        {"where it already is", b, child, {child, b, a}},
        {"to the top again", a, HWND_TOP, {a, child, b}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(SetWindowPos(row.hwnd, row.after, 0, 0, 0, 0, keep));
        EXPECT_EQ(row.expected, zOrder(top));
    }
    const struct {
        const char *name;
        HWND after;
        DWORD error;
    } failures[] = {
        {"no window", reinterpret_cast<HWND>(0x4321), ERROR_INVALID_WINDOW_HANDLE},
        {"a grandchild", grandchild, ERROR_INVALID_PARAMETER},
        {"the parent", top, ERROR_INVALID_PARAMETER},
    };
    for (const auto &row : failures) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(SetWindowPos(b, row.after, 0, 0, 0, 0, keep));
        EXPECT_EQ(row.error, GetLastError());
    }
    EXPECT_EQ((std::vector<HWND>{a, child, b}), zOrder(top));
    EXPECT_TRUE(SetWindowPos(b, reinterpret_cast<HWND>(0x4321), 0, 0, 0, 0, keep | SWP_NOZORDER))
        << "SWP_NOZORDER ignores the insert-after";
}

TEST_F(Nested, ShowAndHideFlagsChangeVisibilityAndActivation)
{
    const HWND other = make("other", WS_POPUP, nullptr, 0, 0, 10, 10);
    ASSERT_EQ(top, GetActiveWindow());
    EXPECT_TRUE(SetWindowPos(other, nullptr, 0, 0, 0, 0,
                             SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                 SWP_NOACTIVATE));
    EXPECT_TRUE(IsWindowVisible(other));
    EXPECT_EQ(top, GetActiveWindow()) << "SWP_NOACTIVATE";
    EXPECT_TRUE(BringWindowToTop(other));
    EXPECT_EQ(other, GetActiveWindow());
    EXPECT_EQ(other, FindWindowA(nullptr, nullptr)) << "on top of the Z-order";
    takeEvents();
    EXPECT_TRUE(SetWindowPos(other, nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_FALSE(IsWindowVisible(other));
    EXPECT_NE(other, GetActiveWindow()) << "a hidden window passes activation on";
    const std::vector<Event> seen = takeEvents();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(WM_WINDOWPOSCHANGING, seen.front().message);
    EXPECT_EQ((Event{other, WM_WINDOWPOSCHANGED, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | kNoClientMove |
                         kNoClientSize}),
              seen.back());
}

TEST_F(Nested, PointsFindTheDeepestVisibleWindowOrTheChildUnderThem)
{
    const HWND hidden = make("hidden", WS_CHILD, top, 200, 100, 50, 50, 21);
    const HWND disabled = make("disabled", WS_CHILD | WS_VISIBLE | WS_DISABLED, top, 200, 0, 50,
                               50, 22);
    const struct {
        const char *name;
        POINT screen;
        HWND expected;
    } rows[] = {
        {"in the grandchild", {116, 78}, grandchild},
        {"in the child, beside the grandchild", {112, 72}, child},
        {"in the top window only", {390, 240}, top},
        {"over a hidden child", {310, 160}, top},
        {"over a disabled child", {310, 60}, top},
        {"right edge is outside", {400, 60}, nullptr},
        {"on no window", {900, 700}, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, WindowFromPoint(row.screen));
    }
    const struct {
        const char *name;
        POINT client;
        HWND expected;
    } childRows[] = {
        {"child", {10, 20}, child},
        {"grandchild's place is the child's", {16, 27}, child},
        {"hidden child counts", {210, 110}, hidden},
        {"disabled child counts", {210, 10}, disabled},
        {"no child", {290, 190}, top},
        {"outside", {300, 10}, nullptr},
    };
    for (const auto &row : childRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, ChildWindowFromPoint(top, row.client));
    }
}

}  // namespace
