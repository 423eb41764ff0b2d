// Painting: update rectangles, WM_PAINT from the message loop, BeginPaint/EndPaint, RedrawWindow.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "pump.h"
#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using vkstest::Seen;

static bool operator==(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static void PrintTo(const RECT &r, std::ostream *os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// What a painting window saw: the messages, and the PAINTSTRUCT of its last BeginPaint.
struct PaintLog {
    std::vector<Seen> seen;
    PAINTSTRUCT lastPaint{};
    LRESULT eraseAnswer = TRUE;
};

PaintLog &paintLog()
{
    thread_local PaintLog log;
    return log;
}

LRESULT CALLBACK paintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    PaintLog &log = paintLog();
    switch (message) {
    case WM_PAINT:
    case WM_ERASEBKGND:
        log.seen.push_back({hwnd, message, 0});
        break;
    default:
        break;
    }
    if (message == WM_ERASEBKGND)
        return log.eraseAnswer;
    if (message == WM_PAINT) {
        BeginPaint(hwnd, &log.lastPaint);
        EndPaint(hwnd, &log.lastPaint);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Takes what the queue gives now, dispatching each message, until it is empty.
std::vector<Seen> pumpAll()
{
    std::vector<Seen> taken;
    vkstest::pumpUntilIdle({.onTake = [&](const MSG &msg) {
        taken.push_back({msg.hwnd, msg.message, msg.wParam});
    }});
    return taken;
}

class Painting : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        paintLog() = PaintLog{};
    }

    std::vector<Seen> takePainted()
    {
        std::vector<Seen> seen;
        seen.swap(paintLog().seen);
        return seen;
    }

    // A shown top-level window of 100 x 50 whose first paint is done.
    HWND paintedWindow()
    {
        const HWND hwnd = windowClass.create("top", WS_VISIBLE);
        pumpAll();
        takePainted();
        return hwnd;
    }

    RECT updateRect(HWND hwnd)
    {
        RECT rect{-1, -1, -1, -1};
        GetUpdateRect(hwnd, &rect, FALSE);
        return rect;
    }

    vkstest::ScopedWindowClass windowClass{paintingProc};
};

TEST_F(Painting, ShownWindowIsPaintedOnceWithItsBackgroundErased)
{
    const HWND hwnd = windowClass.create("top", WS_VISIBLE);
    EXPECT_THAT(pumpAll(), ElementsAre(Seen{hwnd, WM_PAINT, 0}));
    EXPECT_THAT(takePainted(),
                ElementsAre(Seen{hwnd, WM_PAINT, 0}, Seen{hwnd, WM_ERASEBKGND, 0}));
    EXPECT_EQ((RECT{0, 0, 100, 50}), paintLog().lastPaint.rcPaint);
    EXPECT_FALSE(paintLog().lastPaint.fErase) << "the window erased";
    EXPECT_NE(nullptr, paintLog().lastPaint.hdc);
    EXPECT_TRUE(pumpAll().empty()) << "BeginPaint validated the window";
    DestroyWindow(hwnd);
}

TEST_F(Painting, HiddenWindowHasNothingToPaint)
{
    const HWND hwnd = windowClass.create("hidden");
    SetLastError(0xdeadbeef);
    EXPECT_TRUE(InvalidateRect(hwnd, nullptr, TRUE));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    EXPECT_TRUE(pumpAll().empty());
    DestroyWindow(hwnd);
}

TEST_F(Painting, UpdateRectangleIsTheBoundOfWhatWasInvalidatedWithinTheClientArea)
{
    const HWND hwnd = paintedWindow();
    const RECT first{10, 10, 20, 20};
    const RECT second{30, 5, 40, 15};
    const RECT outside{90, 40, 200, 200};
    InvalidateRect(hwnd, &first, FALSE);
    InvalidateRect(hwnd, &second, FALSE);
    InvalidateRect(hwnd, &outside, FALSE);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ((RECT{10, 5, 100, 50}), update);

    pumpAll();
    EXPECT_THAT(takePainted(), ElementsAre(Seen{hwnd, WM_PAINT, 0})) << "no erasing was asked";
    EXPECT_EQ((RECT{10, 5, 100, 50}), paintLog().lastPaint.rcPaint);
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ((RECT{0, 0, 0, 0}), update);
    DestroyWindow(hwnd);
}

TEST_F(Painting, ValidatingCutsTheUpdateRectangleOnlyAcrossAWholeSide)
{
    const struct {
        const char *name;
        RECT valid;
        RECT left;
        BOOL stillInvalid;
    } rows[] = {
        {"all of it", {0, 0, 100, 50}, {0, 0, 0, 0}, FALSE},
        {"more than all", {-5, -5, 500, 500}, {0, 0, 0, 0}, FALSE},
        {"left strip", {0, 0, 30, 50}, {30, 0, 100, 50}, TRUE},
        {"right strip", {60, 0, 100, 50}, {0, 0, 60, 50}, TRUE},
        {"top strip", {0, 0, 100, 20}, {0, 20, 100, 50}, TRUE},
        {"bottom strip", {0, 40, 100, 50}, {0, 0, 100, 40}, TRUE},
        {"a hole keeps the bound", {10, 10, 20, 20}, {0, 0, 100, 50}, TRUE},
        {"outside", {200, 200, 300, 300}, {0, 0, 100, 50}, TRUE},
    };
    const HWND hwnd = paintedWindow();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        InvalidateRect(hwnd, nullptr, FALSE);
        SetLastError(0xdeadbeef);
        EXPECT_TRUE(ValidateRect(hwnd, &row.valid));
        EXPECT_EQ(0xdeadbeefu, GetLastError());
        RECT update{};
        EXPECT_EQ(row.stillInvalid, GetUpdateRect(hwnd, &update, FALSE));
        EXPECT_EQ(row.left, update);
        ValidateRect(hwnd, nullptr);
    }
    DestroyWindow(hwnd);
}

TEST_F(Painting, WmPaintComesAfterPostedMessagesAndQuitAndBeforeTimers)
{
    vkstest::ScopedTickCount ticks{5000};
    const HWND hwnd = paintedWindow();
    SetTimer(hwnd, 7, 10, nullptr);
    ticks.set(6000);
    InvalidateRect(hwnd, nullptr, FALSE);
    PostMessageA(hwnd, WM_USER, 1, 0);
    PostQuitMessage(3);

    const Seen expected[] = {{hwnd, WM_USER, 1}, {nullptr, WM_QUIT, 3}, {hwnd, WM_PAINT, 0},
                             {hwnd, WM_TIMER, 7}};
    EXPECT_THAT(pumpAll(), ElementsAreArray(expected));
    KillTimer(hwnd, 7);
    DestroyWindow(hwnd);
}

TEST_F(Painting, WmPaintStaysUntilTheWindowIsValid)
{
    const HWND hwnd = paintedWindow();
    InvalidateRect(hwnd, nullptr, FALSE);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_PAINT), msg.message);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "not dispatched: still due";
    EXPECT_EQ(static_cast<UINT>(WM_PAINT), msg.message);
    EXPECT_EQ(hwnd, msg.hwnd);
    ValidateRect(hwnd, nullptr);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(hwnd);
}

TEST_F(Painting, ParentsArePaintedBeforeTheirChildrenAndTopWindowsFirst)
{
    const HWND lower = windowClass.create("lower", WS_VISIBLE);
    const HWND upper = windowClass.create("upper", WS_VISIBLE);
    const HWND child = windowClass.create("child", WS_CHILD | WS_VISIBLE, upper, 1);
    pumpAll();
    takePainted();

    InvalidateRect(child, nullptr, FALSE);
    InvalidateRect(lower, nullptr, FALSE);
    InvalidateRect(upper, nullptr, FALSE);
    const Seen expected[] = {{upper, WM_PAINT, 0}, {child, WM_PAINT, 0}, {lower, WM_PAINT, 0}};
    EXPECT_THAT(pumpAll(), ElementsAreArray(expected));
    DestroyWindow(upper);
    DestroyWindow(lower);
}

// Two top-level windows, the upper with three children and the lower with one; a change to
// their Z-order or visibility, made before they are invalidated or while they wait to paint.
TEST_F(Painting, PaintOrderFollowsZOrderAndVisibilityChanges)
{
    enum { Upper, A, B, C, Lower, D, kCount };
    using Windows = std::array<HWND, kCount>;
    auto move = [](HWND hwnd, HWND after) {
        SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    };
    // C, then B, then C... each right below A.
    auto moveAfterA = [&](const Windows &w, int times) {
        for (int i = 0; i < times; ++i)
            move(i % 2 ? w[B] : w[C], w[A]);
    };
    const struct {
        const char *name;
        std::function<void(const Windows &)> change;
        std::vector<int> painted;
    } rows[] = {
        {"nothing moved", [](const Windows &) {}, {Upper, A, B, C, Lower, D}},
        {"child to the top", [&](const Windows &w) { move(w[C], HWND_TOP); },
         {Upper, C, A, B, Lower, D}},
        {"child to the bottom", [&](const Windows &w) { move(w[A], HWND_BOTTOM); },
         {Upper, B, C, A, Lower, D}},
        {"child after a sibling", [&](const Windows &w) { move(w[C], w[A]); },
         {Upper, A, C, B, Lower, D}},
        {"child after the sibling above it", [&](const Windows &w) { move(w[B], w[A]); },
         {Upper, A, B, C, Lower, D}},
        // Each move takes the place halfway between A and the next, until none is left and the
        // children are numbered again.
        {"children moved after the same sibling 21 times",
         [&](const Windows &w) { moveAfterA(w, 21); }, {Upper, A, C, B, Lower, D}},
        {"children moved after the same sibling 64 times",
         [&](const Windows &w) { moveAfterA(w, 64); }, {Upper, A, B, C, Lower, D}},
        {"lower window raised with its child", [&](const Windows &w) { move(w[Lower], HWND_TOP); },
         {Lower, D, Upper, A, B, C}},
        {"upper window to the bottom", [&](const Windows &w) { move(w[Upper], HWND_BOTTOM); },
         {Lower, D, Upper, A, B, C}},
        {"lower window after the upper", [&](const Windows &w) { move(w[Lower], w[Upper]); },
         {Upper, A, B, C, Lower, D}},
        {"hidden child", [](const Windows &w) { ShowWindow(w[B], SW_HIDE); },
         {Upper, A, C, Lower, D}},
        {"hidden parent", [](const Windows &w) { ShowWindow(w[Upper], SW_HIDE); },
         {Lower, D}},
        {"child hidden and shown again",
         [](const Windows &w) {
             ShowWindow(w[B], SW_HIDE);
             ShowWindow(w[B], SW_SHOWNA);
         },
         {Upper, A, B, C, Lower, D}},
        {"destroyed child", [](const Windows &w) { DestroyWindow(w[B]); },
         {Upper, A, C, Lower, D}},
        {"destroyed top-level window", [](const Windows &w) { DestroyWindow(w[Upper]); },
         {Lower, D}},
    };
    for (const auto &row : rows) {
        for (const bool whileWaiting : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (whileWaiting ? ", while waiting" : ", before"));
            Windows w{};
            w[Lower] = windowClass.create("lower", WS_VISIBLE);
            w[D] = windowClass.create("d", WS_CHILD | WS_VISIBLE, w[Lower], 1);
            w[Upper] = windowClass.create("upper", WS_VISIBLE);
            for (int i : {A, B, C})
                w[i] = windowClass.create("child", WS_CHILD | WS_VISIBLE, w[Upper], i);
            pumpAll();
            if (!whileWaiting)
                row.change(w);
            for (HWND hwnd : w)
                InvalidateRect(hwnd, nullptr, FALSE);
            if (whileWaiting)
                row.change(w);
            takePainted();
            std::vector<Seen> expected;
            for (int i : row.painted)
                expected.push_back({w[i], WM_PAINT, 0});
            std::vector<Seen> painted;
            for (const Seen &seen : pumpAll())
                if (seen.message == WM_PAINT)
                    painted.push_back(seen);
            EXPECT_THAT(painted, ElementsAreArray(expected));
            DestroyWindow(w[Upper]);
            DestroyWindow(w[Lower]);
        }
    }
}

TEST_F(Painting, InvalidatingAParentReachesTheChildrenUnderTheAreaUnlessTold)
{
    const HWND parent = paintedWindow();
    const HWND child = windowClass.create("child", WS_CHILD | WS_VISIBLE, parent, 1);
    pumpAll();
    takePainted();

    const RECT clear{0, 0, 0, 0};
    const RECT inChild{50, 20, 150, 40};  // the child is at 0, 0, 100, 50 of the parent
    InvalidateRect(parent, &inChild, FALSE);
    EXPECT_EQ((RECT{50, 20, 100, 40}), updateRect(child));

    ValidateRect(child, nullptr);
    RedrawWindow(parent, &inChild, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
    EXPECT_EQ(clear, updateRect(child));
    EXPECT_EQ((RECT{50, 20, 100, 40}), updateRect(parent));

    ValidateRect(parent, nullptr);
    EXPECT_EQ(clear, updateRect(parent));
    DestroyWindow(parent);
}

TEST_F(Painting, UpdateWindowPaintsAtOnceOnlyWhatIsInvalid)
{
    const HWND parent = paintedWindow();
    const HWND child = windowClass.create("child", WS_CHILD | WS_VISIBLE, parent, 1);
    pumpAll();
    takePainted();

    SetLastError(0xdeadbeef);
    EXPECT_TRUE(UpdateWindow(parent));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
    EXPECT_TRUE(takePainted().empty()) << "nothing was invalid";

    InvalidateRect(child, nullptr, TRUE);
    EXPECT_TRUE(UpdateWindow(parent));
    EXPECT_THAT(takePainted(),
                ElementsAre(Seen{child, WM_PAINT, 0}, Seen{child, WM_ERASEBKGND, 0}));
    EXPECT_TRUE(pumpAll().empty());
    DestroyWindow(parent);
}

TEST_F(Painting, BeginPaintTellsThePainterToEraseWhenTheWindowDidNot)
{
    const HWND hwnd = paintedWindow();
    paintLog().eraseAnswer = FALSE;
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    EXPECT_TRUE(paintLog().lastPaint.fErase);

    PAINTSTRUCT again{};
    const HDC dc = BeginPaint(hwnd, &again);
    EXPECT_NE(nullptr, dc);
    EXPECT_NE(paintLog().lastPaint.hdc, dc) << "each paint has its own handle";
    EXPECT_FALSE(again.fErase) << "nothing was left to erase";
    EXPECT_EQ((RECT{0, 0, 0, 0}), again.rcPaint);
    EXPECT_TRUE(EndPaint(hwnd, &again));
    DestroyWindow(hwnd);
}

TEST_F(Painting, RedrawWindowFlags)
{
    const HWND hwnd = paintedWindow();

    // An internal paint gives WM_PAINT with nothing invalid.
    EXPECT_TRUE(RedrawWindow(hwnd, nullptr, nullptr, RDW_INTERNALPAINT));
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    EXPECT_THAT(pumpAll(), ElementsAre(Seen{hwnd, WM_PAINT, 0}));
    EXPECT_TRUE(pumpAll().empty()) << "BeginPaint ended the internal paint";
    takePainted();

    // ERASENOW erases before returning and leaves the painting to the queue.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_THAT(takePainted(), ElementsAre(Seen{hwnd, WM_ERASEBKGND, 0}));
    EXPECT_THAT(pumpAll(), ElementsAre(Seen{hwnd, WM_PAINT, 0}));
    EXPECT_THAT(takePainted(), ElementsAre(Seen{hwnd, WM_PAINT, 0}));

    // UPDATENOW paints before returning.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_THAT(takePainted(), ElementsAre(Seen{hwnd, WM_PAINT, 0}));

    // VALIDATE with NOERASE drops the erase of what stays invalid.
    const RECT left{0, 0, 30, 50};
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    RedrawWindow(hwnd, &left, nullptr, RDW_VALIDATE | RDW_NOERASE);
    UpdateWindow(hwnd);
    EXPECT_THAT(takePainted(), ElementsAre(Seen{hwnd, WM_PAINT, 0}));
    EXPECT_EQ((RECT{30, 0, 100, 50}), paintLog().lastPaint.rcPaint);
    DestroyWindow(hwnd);
}

TEST_F(Painting, ShowingThroughSetWindowPosInvalidatesTheWindow)
{
    const HWND hwnd = windowClass.create("hidden");
    EXPECT_TRUE(SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                             SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                 SWP_NOACTIVATE));
    EXPECT_EQ((RECT{0, 0, 100, 50}), updateRect(hwnd));
    EXPECT_THAT(pumpAll(), ElementsAre(Seen{hwnd, WM_PAINT, 0}));
    DestroyWindow(hwnd);
}

TEST_F(Painting, HidingAChildExposesItsParent)
{
    const HWND parent = paintedWindow();
    const HWND child = CreateWindowExA(0, windowClass.name(), "child", WS_CHILD | WS_VISIBLE, 10,
                                       5, 20, 10, parent, reinterpret_cast<HMENU>(1), nullptr,
                                       nullptr);
    pumpAll();
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ((RECT{10, 5, 30, 15}), updateRect(parent));
    DestroyWindow(parent);
}

TEST_F(Painting, NullWindowRepaintsEveryTopLevelWindow)
{
    const HWND first = paintedWindow();
    const HWND second = paintedWindow();
    const HWND child = windowClass.create("child", WS_CHILD | WS_VISIBLE, second, 1);
    pumpAll();
    takePainted();

    SetLastError(0xdeadbeef);
    EXPECT_TRUE(InvalidateRect(nullptr, nullptr, FALSE));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
    // The desktop erases at once; painting waits for the queue.
    const std::vector<Seen> erased = takePainted();
    EXPECT_THAT(erased, ::testing::Contains(Seen{first, WM_ERASEBKGND, 0}));
    EXPECT_THAT(erased, ::testing::Contains(Seen{child, WM_ERASEBKGND, 0}));
    EXPECT_EQ((RECT{0, 0, 100, 50}), updateRect(first));
    EXPECT_EQ((RECT{0, 0, 100, 50}), updateRect(child));
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST_F(Painting, NoWindowIsRefused)
{
    const HWND gone = windowClass.create("gone");
    DestroyWindow(gone);
    const struct {
        const char *name;
        BOOL (*call)(HWND);
    } calls[] = {
        {"InvalidateRect", [](HWND h) { return InvalidateRect(h, nullptr, TRUE); }},
        {"ValidateRect", [](HWND h) { return ValidateRect(h, nullptr); }},
        {"GetUpdateRect", [](HWND h) { return GetUpdateRect(h, nullptr, FALSE); }},
        {"UpdateWindow", [](HWND h) { return UpdateWindow(h); }},
        {"RedrawWindow", [](HWND h) { return RedrawWindow(h, nullptr, nullptr, RDW_VALIDATE); }},
        {"BeginPaint",
         [](HWND h) {
             PAINTSTRUCT ps{};
             return BeginPaint(h, &ps) ? TRUE : FALSE;
         }},
    };
    for (const auto &call : calls) {
        SCOPED_TRACE(call.name);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(call.call(gone));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    }
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(UpdateWindow(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

}  // namespace
