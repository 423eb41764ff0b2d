// Posting, sending, retrieving and dispatching messages, on one thread and between threads.
#include <atomic>
#include <future>
#include <thread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pump.h"
#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"

using ::testing::ElementsAreArray;
using vkstest::Seen;
using vkstest::takeSeen;

namespace {

class Messages : public vkstest::WindowTest {
protected:
    vkstest::ScopedWindowClass windowClass;
};

// What a message loop took off the queue, in order.
std::vector<Seen> pumpAll()
{
    std::vector<Seen> taken;
    vkstest::pumpUntilIdle({.onTake = [&](const MSG &msg) {
        taken.push_back({msg.hwnd, msg.message, msg.wParam});
    }});
    return taken;
}

TEST_F(Messages, SentMessagesRunAtOncePostedOnesInOrderThenQuitThenTimer)
{
    vkstest::ScopedTickCount ticks(1000);
    const HWND a = windowClass.create("a");
    const HWND b = windowClass.create("b");
    takeSeen();
    ASSERT_TRUE(SetTimer(a, 7, 100, nullptr));
    ticks.set(1200);
    ASSERT_TRUE(PostMessageA(a, WM_USER + 1, 1, 0));
    ASSERT_TRUE(PostMessageA(nullptr, WM_APP, 2, 0));
    PostQuitMessage(3);
    ASSERT_TRUE(PostMessageA(b, WM_USER + 2, 4, 0));
    EXPECT_EQ(5, SendMessageA(b, WM_USER + 3, 5, 0) + 5);
    const Seen kSentAtOnce[] = {{b, WM_USER + 3, 5}};
    EXPECT_THAT(takeSeen(), ElementsAreArray(kSentAtOnce));

    const Seen kRetrieved[] = {
        {a, WM_USER + 1, 1}, {nullptr, WM_APP, 2}, {b, WM_USER + 2, 4},
        {nullptr, WM_QUIT, 3}, {a, WM_TIMER, 7},
    };
    EXPECT_THAT(pumpAll(), ElementsAreArray(kRetrieved));
    // The thread message and WM_QUIT reach no window procedure.
    const Seen kDispatched[] = {{a, WM_USER + 1, 1}, {b, WM_USER + 2, 4}, {a, WM_TIMER, 7}};
    EXPECT_THAT(takeSeen(), ElementsAreArray(kDispatched));
    DestroyWindow(a);
    DestroyWindow(b);
}

TEST_F(Messages, GetMessageReturnsZeroForQuitAndNonZeroOtherwise)
{
    ASSERT_TRUE(PostMessageA(nullptr, WM_USER, 0, 0));
    PostQuitMessage(42);
    MSG msg;
    EXPECT_EQ(TRUE, GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(static_cast<UINT>(WM_USER), msg.message);
    EXPECT_EQ(nullptr, msg.hwnd);
    EXPECT_EQ(FALSE, GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
    EXPECT_EQ(42u, msg.wParam);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "the quit request is used up";
}

TEST_F(Messages, BadTargetsAndArgumentsFailWithWindowsErrors)
{
    const HWND gone = windowClass.create();
    DestroyWindow(gone);
    MSG msg;

    SetLastError(0xdeadbeef);
    EXPECT_FALSE(PostMessageA(gone, WM_USER, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());

    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, SendMessageA(gone, WM_USER, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());

    SetLastError(0xdeadbeef);
    EXPECT_EQ(-1, GetMessageA(&msg, gone, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());

    SetLastError(0xdeadbeef);
    EXPECT_EQ(-1, GetMessageA(nullptr, nullptr, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());

    SetLastError(0xdeadbeef);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, 0x8)) << "unknown flag";
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_FLAGS), GetLastError());

    msg = MSG{gone, WM_USER, 0, 0, 0, {}};
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, DispatchMessageA(&msg));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
    EXPECT_EQ(0, DispatchMessageA(nullptr));
}

TEST_F(Messages, TheQueueHoldsTenThousandPostedMessages)
{
    for (int i = 0; i < 10000; ++i)
        ASSERT_TRUE(PostMessageA(nullptr, WM_USER, static_cast<WPARAM>(i), 0)) << i;
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(PostMessageA(nullptr, WM_USER, 10000, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_QUOTA), GetLastError());
    // PostQuitMessage is a flag, not a posted message: the full queue still takes it.
    PostQuitMessage(0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_TRUE(PostMessageA(nullptr, WM_USER, 10000, 0)) << "room again after one is taken";
}

TEST_F(Messages, PeekFiltersByWindowAndNumberAndCanLeaveTheMessage)
{
    const HWND parent = windowClass.create("parent");
    const HWND child = windowClass.create("child", WS_CHILD, parent, 5);
    const HWND other = windowClass.create("other");
    struct Posted {
        HWND hwnd;
        UINT message;
    };
    const Posted kPosted[] = {{other, WM_USER}, {nullptr, WM_APP}, {child, WM_USER + 5},
                              {parent, WM_COMMAND}};
    const HWND kThreadOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));
    struct Case {
        const char *name;
        HWND filter;
        UINT first, last;
        UINT expected;  // WM_NULL: nothing
    } kCases[] = {
        {"no filter: the oldest", nullptr, 0, 0, WM_USER},
        {"a window takes its children's", parent, 0, 0, WM_USER + 5},
        {"thread messages only", kThreadOnly, 0, 0, WM_APP},
        {"a number range", nullptr, WM_COMMAND, WM_COMMAND, WM_COMMAND},
        {"window and range", parent, WM_USER, WM_APP, WM_USER + 5},
        {"nothing in range", other, WM_APP, WM_APP, WM_NULL},
    };
    for (const Case &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::drainQueue();
        for (const Posted &p : kPosted)
            ASSERT_TRUE(PostMessageA(p.hwnd, p.message, 0, 0));
        MSG msg{};
        const BOOL found = PeekMessageA(&msg, row.filter, row.first, row.last, PM_NOREMOVE);
        EXPECT_EQ(row.expected != WM_NULL, found != FALSE);
        if (!found)
            continue;
        EXPECT_EQ(row.expected, msg.message);
        MSG again{};
        ASSERT_TRUE(PeekMessageA(&again, row.filter, row.first, row.last, PM_REMOVE));
        EXPECT_EQ(row.expected, again.message) << "PM_NOREMOVE left it first in line";
        EXPECT_FALSE(PeekMessageA(&again, row.filter, row.first, row.last, PM_NOREMOVE) &&
                     again.message == row.expected && again.hwnd == msg.hwnd &&
                     row.filter != nullptr && row.first == row.last)
            << "PM_REMOVE took it";
    }
    DestroyWindow(parent);
    DestroyWindow(other);
}

TEST_F(Messages, QuitPassesEveryFilter)
{
    const HWND window = windowClass.create();
    PostQuitMessage(9);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, window, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
    DestroyWindow(window);
}

TEST_F(Messages, DestroyWindowDiscardsItsPostedMessagesOnly)
{
    const HWND doomed = windowClass.create();
    const HWND kept = windowClass.create();
    ASSERT_TRUE(PostMessageA(doomed, WM_USER, 1, 0));
    ASSERT_TRUE(PostMessageA(kept, WM_USER, 2, 0));
    ASSERT_TRUE(PostMessageA(doomed, WM_USER, 3, 0));
    DestroyWindow(doomed);
    takeSeen();
    const Seen kLeft[] = {{kept, WM_USER, 2}};
    EXPECT_THAT(pumpAll(), ElementsAreArray(kLeft));
    DestroyWindow(kept);
}

TEST_F(Messages, DispatchLeavesThreadMessagesAloneAndReturnsTheProcedureResult)
{
    vkstest::ScopedWindowClass answering([](HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
        return message == WM_USER ? static_cast<LRESULT>(wParam * 2)
                                  : DefWindowProcA(hwnd, message, wParam, lParam);
    });
    const HWND window = answering.create();
    MSG msg{window, WM_USER, 21, 0, 0, {}};
    EXPECT_EQ(42, DispatchMessageA(&msg));
    EXPECT_EQ(42, SendMessageA(window, WM_USER, 21, 0));
    msg.hwnd = nullptr;
    EXPECT_EQ(0, DispatchMessageA(&msg));
    DestroyWindow(window);
}

TEST(RegisterWindowMessage, GivesOneNumberPerNameInAnyCase)
{
    const UINT first = RegisterWindowMessageA("VksTestShowSteps");
    EXPECT_GE(first, 0xC000u);
    EXPECT_LE(first, 0xFFFFu);
    EXPECT_EQ(first, RegisterWindowMessageA("vkstestshowsteps"));
    EXPECT_EQ(first, RegisterWindowMessageA("VKSTESTSHOWSTEPS"));
    const UINT second = RegisterWindowMessageA("VksTestNotifyEvent");
    EXPECT_NE(first, second);
    EXPECT_GE(second, 0xC000u);
    std::atomic<UINT> fromThread{0};
    std::thread([&] { fromThread = RegisterWindowMessageA("VKSTestShowSteps"); }).join();
    EXPECT_EQ(first, fromThread.load()) << "the numbers are process-wide";

    SetLastError(0xdeadbeef);
    EXPECT_EQ(0u, RegisterWindowMessageA(""));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_EQ(0u, RegisterWindowMessageA(nullptr));
}

// A window that lives on a thread of its own, running a message loop until WM_QUIT.
class WindowThread {
public:
    explicit WindowThread(const char *className)
    {
        std::promise<HWND> created;
        auto ready = created.get_future();
        thread_ = std::thread([this, className, &created] {
            created.set_value(CreateWindowExA(0, className, "remote", 0, 0, 0, 0, 0, nullptr,
                                              nullptr, nullptr, nullptr));
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
                retrieved_.push_back({msg.hwnd, msg.message, msg.wParam});
                DispatchMessageA(&msg);
            }
            DestroyWindow(window_);
        });
        window_ = ready.get();
    }
    ~WindowThread()
    {
        if (thread_.joinable())
            join();
    }
    HWND window() const { return window_; }
    // Posts WM_QUIT through a thread message the loop turns into PostQuitMessage.
    void join() { thread_.join(); }
    const std::vector<Seen> &retrieved() const { return retrieved_; }

private:
    std::thread thread_;
    HWND window_ = nullptr;
    std::vector<Seen> retrieved_;
};

LRESULT CALLBACK remoteProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 1)
        PostQuitMessage(0);
    if (message == WM_USER + 2)
        return static_cast<LRESULT>(wParam + 100);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(MessagesBetweenThreads, PostingToAnotherThreadsWindowWakesItsGetMessage)
{
    vkstest::ScopedWindowClass remoteClass(remoteProc);
    WindowThread remote(remoteClass.name());
    ASSERT_TRUE(IsWindow(remote.window()));
    ASSERT_TRUE(PostMessageA(remote.window(), WM_USER, 7, 0));
    ASSERT_TRUE(PostMessageA(remote.window(), WM_USER + 1, 8, 0));
    remote.join();
    const Seen kRetrieved[] = {{remote.window(), WM_USER, 7}, {remote.window(), WM_USER + 1, 8}};
    EXPECT_THAT(remote.retrieved(), ElementsAreArray(kRetrieved));
    EXPECT_FALSE(IsWindow(remote.window()));
}

TEST(MessagesBetweenThreads, SendMessageWaitsForTheOwnerThreadAndReturnsItsAnswer)
{
    vkstest::ScopedWindowClass remoteClass(remoteProc);
    WindowThread remote(remoteClass.name());
    EXPECT_EQ(105, SendMessageA(remote.window(), WM_USER + 2, 5, 0));
    // Sent messages are answered inside GetMessageA and never retrieved as posted ones.
    ASSERT_TRUE(PostMessageA(remote.window(), WM_USER + 1, 0, 0));
    remote.join();
    const Seen kRetrieved[] = {{remote.window(), WM_USER + 1, 0}};
    EXPECT_THAT(remote.retrieved(), ElementsAreArray(kRetrieved));
}

TEST(MessagesBetweenThreads, DestroyingAnotherThreadsWindowIsRefused)
{
    vkstest::ScopedWindowClass remoteClass(remoteProc);
    WindowThread remote(remoteClass.name());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(DestroyWindow(remote.window()));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    EXPECT_TRUE(IsWindow(remote.window()));
    ASSERT_TRUE(PostMessageA(remote.window(), WM_USER + 1, 0, 0));
}

TEST(MessagesBetweenThreads, PostThreadMessageReachesTheThreadsQueue)
{
    std::promise<DWORD> started;
    std::atomic<UINT> got{0};
    std::thread worker([&] {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes the queue, as on Windows
        started.set_value(GetCurrentThreadId());
        if (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.hwnd == nullptr)
            got = msg.message;
    });
    const DWORD id = started.get_future().get();
    EXPECT_TRUE(PostThreadMessageA(id, WM_APP + 3, 0, 0));
    worker.join();
    EXPECT_EQ(static_cast<UINT>(WM_APP + 3), got.load());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(PostThreadMessageA(id, WM_APP, 0, 0)) << "the thread has ended";
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_THREAD_ID), GetLastError());
}

}  // namespace
