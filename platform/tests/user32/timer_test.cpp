// Timers over a fixed tick count: when WM_TIMER comes, replacement, killing, ids, and waking.
#include <thread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pump.h"
#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAreArray;
using vkstest::Seen;

namespace {

class Timers : public vkstest::WindowTest {
protected:
    vkstest::ScopedTickCount ticks{100000};
    vkstest::ScopedWindowClass windowClass;

    void at(DWORD tick) { ticks.set(tick); }

    // The WM_TIMERs retrieved now, until the queue is empty.
    std::vector<Seen> timersNow()
    {
        std::vector<Seen> taken;
        vkstest::pumpUntilIdle({.dispatch = false, .onTake = [&](const MSG &msg) {
                                    taken.push_back({msg.hwnd, msg.message, msg.wParam});
                                }});
        return taken;
    }
};

TEST_F(Timers, FireWhenDueOnceHoweverLateAndComeAfterPostedMessages)
{
    const HWND hwnd = windowClass.create();
    ASSERT_TRUE(SetTimer(hwnd, 1, 100, nullptr));
    at(100099);
    EXPECT_TRUE(timersNow().empty()) << "not yet due";
    at(100100);
    ASSERT_TRUE(PostMessageA(hwnd, WM_USER, 0, 0));
    const Seen kDue[] = {{hwnd, WM_USER, 0}, {hwnd, WM_TIMER, 1}};
    EXPECT_THAT(timersNow(), ElementsAreArray(kDue));
    at(100100 + 1000);
    const Seen kOneForTenPeriods[] = {{hwnd, WM_TIMER, 1}};
    EXPECT_THAT(timersNow(), ElementsAreArray(kOneForTenPeriods));
    at(100100 + 1099);
    EXPECT_TRUE(timersNow().empty()) << "restarted when retrieved";
    DestroyWindow(hwnd);
}

TEST_F(Timers, PeekWithoutRemoveLeavesTheTimerDue)
{
    const HWND hwnd = windowClass.create();
    SetTimer(hwnd, 4, 10, nullptr);
    at(100010);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(4u, msg.wParam);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
    DestroyWindow(hwnd);
}

TEST_F(Timers, SameIdOnAWindowReplacesAndRestartsOtherWindowsKeepTheirs)
{
    const HWND a = windowClass.create();
    const HWND b = windowClass.create();
    SetTimer(a, 1, 100, nullptr);
    SetTimer(b, 1, 100, nullptr);
    at(100050);
    EXPECT_TRUE(SetTimer(a, 1, 100, nullptr));  // now due at 100150
    at(100100);
    const Seen kOnlyB[] = {{b, WM_TIMER, 1}};
    EXPECT_THAT(timersNow(), ElementsAreArray(kOnlyB));
    at(100150);
    const Seen kThenA[] = {{a, WM_TIMER, 1}};
    EXPECT_THAT(timersNow(), ElementsAreArray(kThenA));
    DestroyWindow(a);
    DestroyWindow(b);
}

TEST_F(Timers, TheMostOverdueComesFirst)
{
    const HWND hwnd = windowClass.create();
    SetTimer(hwnd, 1, 300, nullptr);
    SetTimer(hwnd, 2, 100, nullptr);
    at(100300);
    const Seen kOrder[] = {{hwnd, WM_TIMER, 2}, {hwnd, WM_TIMER, 1}};
    EXPECT_THAT(timersNow(), ElementsAreArray(kOrder));
    DestroyWindow(hwnd);
}

TEST_F(Timers, KillTimerSucceedsOnceAndStopsTheTimer)
{
    const HWND hwnd = windowClass.create();
    SetTimer(hwnd, 9, 50, nullptr);
    EXPECT_TRUE(KillTimer(hwnd, 9));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(KillTimer(hwnd, 9));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    at(100500);
    EXPECT_TRUE(timersNow().empty());
    DestroyWindow(hwnd);
}

TEST_F(Timers, DestroyingTheWindowKillsItsTimers)
{
    const HWND doomed = windowClass.create();
    const HWND kept = windowClass.create();
    SetTimer(doomed, 1, 10, nullptr);
    SetTimer(kept, 2, 10, nullptr);
    DestroyWindow(doomed);
    at(100010);
    const Seen kKept[] = {{kept, WM_TIMER, 2}};
    EXPECT_THAT(timersNow(), ElementsAreArray(kKept));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(KillTimer(doomed, 1));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    DestroyWindow(kept);
}

TEST_F(Timers, IntervalsBelowTenMillisecondsAreTen)
{
    const HWND hwnd = windowClass.create();
    SetTimer(hwnd, 1, 0, nullptr);
    at(100009);
    EXPECT_TRUE(timersNow().empty());
    at(100010);
    EXPECT_EQ(1u, timersNow().size());
    DestroyWindow(hwnd);
}

TEST_F(Timers, ThreadTimersGetNewIdsAndComeAsThreadMessages)
{
    const UINT_PTR first = SetTimer(nullptr, 500, 10, nullptr);
    const UINT_PTR second = SetTimer(nullptr, 500, 20, nullptr);
    EXPECT_NE(0u, first);
    EXPECT_NE(first, second);
    EXPECT_EQ(first, SetTimer(nullptr, first, 30, nullptr)) << "an existing id is replaced";
    at(100030);
    const Seen kBoth[] = {{nullptr, WM_TIMER, second}, {nullptr, WM_TIMER, first}};
    EXPECT_THAT(timersNow(), ElementsAreArray(kBoth));
    EXPECT_TRUE(KillTimer(nullptr, first));
    EXPECT_TRUE(KillTimer(nullptr, second));
}

std::vector<UINT_PTR> &procCalls()
{
    static std::vector<UINT_PTR> calls;
    return calls;
}

TEST_F(Timers, DispatchCallsTheTimerProcedure)
{
    procCalls().clear();
    const HWND hwnd = windowClass.create();
    SetTimer(hwnd, 6, 10, [](HWND, UINT message, UINT_PTR id, DWORD time) {
        EXPECT_EQ(static_cast<UINT>(WM_TIMER), message);
        EXPECT_EQ(100010u, time);
        procCalls().push_back(id);
    });
    at(100010);
    vkstest::takeSeen();
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_NE(0, msg.lParam);
    EXPECT_EQ(0, DispatchMessageA(&msg));
    EXPECT_EQ(std::vector<UINT_PTR>{6}, procCalls());
    EXPECT_TRUE(vkstest::takeSeen().empty()) << "the window procedure is not called";
    DestroyWindow(hwnd);
}

TEST_F(Timers, GetMessageWaitingOnATimerWakesWhenAnotherThreadAdvancesTheTickCount)
{
    const HWND hwnd = windowClass.create();
    SetTimer(hwnd, 3, 1000, nullptr);
    std::thread advancer([this] { at(100000 + 1000); });
    MSG msg;
    // Without the wake-up this would wait for ever: the fixed count never moves by itself.
    EXPECT_EQ(TRUE, GetMessageA(&msg, nullptr, 0, 0));
    advancer.join();
    EXPECT_EQ(static_cast<UINT>(WM_TIMER), msg.message);
    EXPECT_EQ(3u, msg.wParam);
    DestroyWindow(hwnd);
}

}  // namespace
