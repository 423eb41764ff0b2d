// Delivery that stays safe while observers delete themselves or others, throw, or run a modal
// loop inside receive().
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "afxwin.h"
#include "mq_fixtures.h"
#include "util/exceptions.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using mqtest::Log;
using mqtest::LoggingObserver;
using mqtest::QueueTest;

enum class Way { send, post };

const struct WayRow {
    const char *name;
    Way way;
} kWays[] = {{"sent", Way::send}, {"posted", Way::post}};

// Hands each id to the queue the way of the row, then delivers whatever was posted.
void deliver(TmqQueue &queue, Way way, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (way == Way::send)
            queue.send(id, nullptr, 0);
        else
            queue.post(id, nullptr, 0);
    }
    mqtest::pumpAll();
}

using TmqDelivery = QueueTest;

TEST_F(TmqDelivery, ObserverThatDestroysItselfIsNotCalledAgain)
{
    for (const WayRow &row : kWays) {
        SCOPED_TRACE(row.name);
        log.clear();
        TmqQueue queue;
        auto *leaving = new LoggingObserver(log, "leaving", &queue, 9);
        LoggingObserver staying(log, "staying", &queue, 1);
        leaving->reaction = [](LoggingObserver &self, TmqMessage &) { delete &self; };
        deliver(queue, row.way, {1, 2});
        EXPECT_THAT(log, ElementsAre("leaving:1", "staying:1", "staying:2"));
    }
}

TEST_F(TmqDelivery, ObserverDeletedByAnEarlierOneIsSkipped)
{
    for (const WayRow &row : kWays) {
        SCOPED_TRACE(row.name);
        log.clear();
        TmqQueue queue;
        LoggingObserver first(log, "first", &queue, 9);
        auto *second = new LoggingObserver(log, "second", &queue, 5);
        LoggingObserver third(log, "third", &queue, 1);
        first.reaction = [&second](LoggingObserver &, TmqMessage &) {
            delete second;
            second = nullptr;
        };
        deliver(queue, row.way, {1});
        EXPECT_THAT(log, ElementsAre("first:1", "third:1"));
    }
}

TEST_F(TmqDelivery, ObserverThatLeavesForAnotherQueueIsNotCalledForThisMessage)
{
    TmqQueue queue;
    TmqQueue elsewhere;
    LoggingObserver first(log, "first", &queue, 9);
    LoggingObserver second(log, "second", &queue, 5);
    LoggingObserver third(log, "third", &queue, 1);
    first.reaction = [&](LoggingObserver &, TmqMessage &) { second.queue(&elsewhere); };
    deliver(queue, Way::post, {1});
    EXPECT_THAT(log, ElementsAre("first:1", "third:1"));
}

TEST_F(TmqDelivery, ObserverThatDestroysTheLastQueueEndsDeliveryAndTheManager)
{
    auto *queue = new TmqQueue;
    LoggingObserver first(log, "first", queue, 9);
    LoggingObserver second(log, "second", queue, 1);
    first.reaction = [&queue](LoggingObserver &, TmqMessage &) {
        delete queue;
        queue = nullptr;
    };
    queue->post(1, nullptr, 0);
    queue->post(2, nullptr, 0);
    mqtest::pumpAll();
    EXPECT_THAT(log, ElementsAre("first:1"));
    EXPECT_EQ(nullptr, first.queue());
    EXPECT_EQ(nullptr, mqtest::managerWindow());
}

TEST_F(TmqDelivery, FrameworkExceptionsAreDeletedAndDeliveryGoesOn)
{
    for (const WayRow &row : kWays) {
        SCOPED_TRACE(row.name);
        log.clear();
        TmqQueue queue;
        LoggingObserver library(log, "library", &queue, 9);
        LoggingObserver heap(log, "heap", &queue, 8);
        LoggingObserver quiet(log, "quiet", &queue, 1);
        library.reaction = [](LoggingObserver &, TmqMessage &) { impThrowException(); };
        // A heap exception with auto-delete on: the test leaks it unless delivery deletes it.
        heap.reaction = [](LoggingObserver &, TmqMessage &) { AfxThrowUserException(); };
        deliver(queue, row.way, {1, 2});
        EXPECT_THAT(log, ElementsAre("library:1", "heap:1", "quiet:1", "library:2", "heap:2",
                                     "quiet:2"));
    }
    // The library's shared instance survived the Delete() calls.
    try {
        impThrowException();
    } catch (CException *e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CGeneralException)));
        e->Delete();
    }
}

TEST_F(TmqDelivery, OtherExceptionsPassOutOfSendAndLeaveNoDeliveryBehind)
{
    TmqQueue queue;
    LoggingObserver thrower(log, "thrower", &queue, 9);
    LoggingObserver after(log, "after", &queue, 1);
    thrower.reaction = [](LoggingObserver &, TmqMessage &message) {
        if (message.id() == 1)
            throw std::runtime_error("not a framework exception");
    };
    EXPECT_THROW(queue.send(1, nullptr, 0), std::runtime_error);
    EXPECT_THAT(log, ElementsAre("thrower:1"));

    // A delivery left behind would be skipped to `after` when `thrower` leaves.
    log.clear();
    thrower.queue(nullptr);
    queue.send(2, nullptr, 0);
    EXPECT_THAT(log, ElementsAre("after:2"));
}

TEST_F(TmqDelivery, SendInsideReceiveDeliversTheNestedMessageFirst)
{
    TmqQueue queue;
    LoggingObserver first(log, "first", &queue, 9);
    LoggingObserver second(log, "second", &queue, 1);
    first.reaction = [&queue](LoggingObserver &, TmqMessage &message) {
        if (message.id() == 1)
            queue.send(2, nullptr, 0);
    };
    deliver(queue, Way::post, {1});
    EXPECT_THAT(log, ElementsAre("first:1", "first:2", "second:2", "second:1"));
}

// A window whose modal loop an observer runs, as a modal dialog would.
class ModalWindow : public CWnd {
public:
    ModalWindow()
    {
        WNDCLASSA wndClass = {};
        wndClass.lpfnWndProc = DefWindowProcA;
        wndClass.lpszClassName = "TmqTestModal";
        RegisterClassA(&wndClass);  // fails harmlessly when an earlier test registered it
        EXPECT_TRUE(CreateEx(0, "TmqTestModal", "modal", WS_POPUP, 0, 0, 0, 0, NULL, NULL));
    }
    ~ModalWindow() override { DestroyWindow(); }
};

TEST_F(TmqDelivery, ModalLoopInsideReceiveDeliversTheRestFromTheLoop)
{
    ModalWindow modal;
    TmqQueue queue;
    LoggingObserver opener(log, "opener", &queue, 9);
    LoggingObserver middle(log, "middle", &queue, 5);
    LoggingObserver closer(log, "closer", &queue, 1);
    int idAfterTheLoop = 0;
    opener.reaction = [&](LoggingObserver &, TmqMessage &message) {
        if (message.id() != 1)
            return;
        modal.RunModalLoop();
        log.push_back("loop ended");
        // The interrupted message is still whole when the loop returns.
        idAfterTheLoop = message.id();
    };
    closer.reaction = [&](LoggingObserver &, TmqMessage &message) {
        if (message.id() == 3)
            modal.EndModalLoop(1);
    };
    queue.post(1, nullptr, 0);
    queue.post(2, nullptr, 0);
    queue.post(3, nullptr, 0);
    mqtest::pumpAll();

    const std::string expected[] = {
        "opener:1", "middle:1", "closer:1",  // the interrupted message, finished from the loop
        "opener:2", "middle:2", "closer:2",  // the waiting messages, from the loop
        "opener:3", "middle:3", "closer:3", "loop ended",
    };
    EXPECT_THAT(log, ElementsAreArray(expected));
    EXPECT_EQ(1, idAfterTheLoop);
}

TEST_F(TmqDelivery, ModalLoopOfTheLastObserverStillDeliversWaitingMessages)
{
    ModalWindow modal;
    TmqQueue queue;
    LoggingObserver only(log, "only", &queue);
    only.reaction = [&](LoggingObserver &, TmqMessage &message) {
        if (message.id() == 1) {
            modal.RunModalLoop();
            log.push_back("loop ended");
        } else if (message.id() == 2) {
            modal.EndModalLoop(1);
        }
    };
    queue.post(1, nullptr, 0);
    queue.post(2, nullptr, 0);
    mqtest::pumpAll();
    EXPECT_THAT(log, ElementsAre("only:1", "only:2", "loop ended"));
}

}  // namespace
