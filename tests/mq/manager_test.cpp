// The manager window: its life with the queues, its one waiting wake-up, refused wake-ups, and
// the reuse of message blocks in steady posting.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "mq/message_pool.h"
#include "mq_fixtures.h"
#include "util/exceptions.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using mqtest::Log;
using mqtest::LoggingObserver;
using mqtest::managerWindow;
using mqtest::QueueTest;

using TmqManagerWindow = QueueTest;

TEST_F(TmqManagerWindow, ExistsExactlyWhileAQueueDoes)
{
    EXPECT_EQ(nullptr, managerWindow());
    auto first = std::make_unique<TmqQueue>();
    HWND manager = managerWindow();
    ASSERT_NE(nullptr, manager);
    auto second = std::make_unique<TmqQueue>(3);
    EXPECT_EQ(manager, managerWindow()) << "one manager for every queue";
    first.reset();
    EXPECT_EQ(manager, managerWindow());
    second.reset();
    EXPECT_EQ(nullptr, managerWindow());
    EXPECT_FALSE(IsWindow(manager));

    TmqQueue again;
    EXPECT_NE(nullptr, managerWindow()) << "the next first queue makes a new manager";
}

TEST_F(TmqManagerWindow, IsAHiddenTopLevelWindowThatIgnoresClose)
{
    TmqQueue queue;
    HWND manager = managerWindow();
    ASSERT_NE(nullptr, manager);
    EXPECT_EQ(0, GetWindowLongA(manager, GWL_STYLE));
    EXPECT_EQ(nullptr, GetParent(manager));
    char title[32] = {};
    EXPECT_EQ(10, GetWindowTextA(manager, title, sizeof title));
    EXPECT_STREQ("TmqManager", title);

    SendMessageA(manager, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(manager));
    PostMessageA(manager, WM_CLOSE, 0, 0);
    mqtest::pumpAll();
    EXPECT_TRUE(IsWindow(manager));
}

LRESULT CALLBACK refuseCreation(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return FALSE;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(TmqManagerWindow, QueueThatCannotMakeTheManagerThrowsAndCountsNothing)
{
    // A window class of the manager's name whose windows refuse to be created stands in for a
    // system that cannot make the window.
    UnregisterClassA("TmqManager", nullptr);
    WNDCLASSA refusing = {};
    refusing.lpfnWndProc = refuseCreation;
    refusing.lpszClassName = "TmqManager";
    ASSERT_NE(0, RegisterClassA(&refusing));

    CException *caught = nullptr;
    try {
        TmqQueue queue;
    } catch (CException *e) {
        caught = e;
    }
    ASSERT_NE(nullptr, caught);
    EXPECT_TRUE(caught->IsKindOf(RUNTIME_CLASS(CGeneralException)));
    caught->Delete();
    EXPECT_EQ(nullptr, managerWindow());
    EXPECT_TRUE(UnregisterClassA("TmqManager", nullptr));

    // Had the failed queue been counted, the manager would outlive this queue.
    {
        TmqQueue queue;
        EXPECT_NE(nullptr, managerWindow());
    }
    EXPECT_EQ(nullptr, managerWindow());
}

// Takes every wake-up out of the thread's queue and returns how many there were; the last is
// put back so that delivery can go on.
int takeWakeUps(HWND manager)
{
    int count = 0;
    MSG msg;
    while (PeekMessageA(&msg, manager, WM_USER, WM_USER, PM_REMOVE))
        ++count;
    if (count > 0)
        PostMessageA(manager, WM_USER, 0, 0);
    return count;
}

TEST_F(TmqManagerWindow, OneWakeUpWaitsHoweverManyMessagesDo)
{
    TmqQueue low(0);
    TmqQueue high(9);
    LoggingObserver lowObserver(log, "low", &low);
    LoggingObserver highObserver(log, "high", &high);
    for (int id = 1; id <= 3; ++id) {
        low.post(id, nullptr, 0);
        high.post(10 + id, nullptr, 0);
    }
    low.priority(20);
    EXPECT_EQ(1, takeWakeUps(managerWindow()));

    const std::vector<Log> expected = {{"low:1"},   {"low:2"},   {"low:3"},
                                       {"high:11"}, {"high:12"}, {"high:13"}};
    EXPECT_THAT(deliveriesPerWakeUp(), ElementsAreArray(expected));
}

TEST_F(TmqManagerWindow, RefusedWakeUpIsTriedAgainByTheNextChange)
{
    struct Row {
        const char *name;
        void (*retry)(TmqQueue &queue);
        Log delivered;
    };
    const Row rows[] = {
        {"next post", [](TmqQueue &queue) { queue.post(2, nullptr, 0); }, {"o:1", "o:2"}},
        {"change of queue priority", [](TmqQueue &queue) { queue.priority(4); }, {"o:1"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        log.clear();
        TmqQueue queue;
        LoggingObserver observer(log, "o", &queue);
        // A full thread queue refuses every post.
        int filled = 0;
        while (PostMessageA(nullptr, WM_APP, 0, 0))
            ++filled;
        ASSERT_GT(filled, 0);
        SetLastError(0xdeadbeef);
        queue.post(1, nullptr, 0);
        EXPECT_EQ(ERROR_NOT_ENOUGH_QUOTA, GetLastError());
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE)) {
        }
        EXPECT_EQ(0, mqtest::pumpAll()) << "no wake-up was left waiting";
        EXPECT_TRUE(log.empty());

        row.retry(queue);
        mqtest::pumpAll();
        EXPECT_THAT(log, ElementsAreArray(row.delivered));
    }
}

TEST_F(TmqManagerWindow, SteadyPostingReusesMessageBlocks)
{
    TmqQueue queue;
    long received = 0;
    LoggingObserver observer(log, "o", &queue);
    observer.reaction = [&](LoggingObserver &, TmqMessage &) {
        ++received;
        log.clear();
    };
    queue.post(1, nullptr, 0);
    mqtest::pumpAll();

    const std::size_t blocksBefore = vks::detail::tmqBlockCounts().fromHeap;
    constexpr long kMessages = 100000;
    for (long i = 0; i < kMessages; ++i) {
        queue.post(2, nullptr, 0);
        mqtest::pumpOne();
    }
    EXPECT_EQ(kMessages + 1, received);
    EXPECT_EQ(blocksBefore, vks::detail::tmqBlockCounts().fromHeap);
}

}  // namespace
