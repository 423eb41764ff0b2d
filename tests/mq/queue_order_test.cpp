// Delivery order: messages, observers and queues by priority, one message per wake-up.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "mq_fixtures.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using mqtest::Log;
using mqtest::LoggingObserver;
using mqtest::QueueTest;

using TmqOrder = QueueTest;

TEST_F(TmqOrder, MessagesGoByPriorityThenByArrival)
{
    struct Row {
        const char *name;
        std::vector<int> priorities;  // message i + 1 is posted with priorities[i]
        std::vector<int> delivered;   // ids in delivery order
    };
    const Row rows[] = {
        {"1, 5, 5, 3", {1, 5, 5, 3}, {2, 3, 4, 1}},
        {"all equal", {0, 0, 0}, {1, 2, 3}},
        {"rising", {1, 2, 3}, {3, 2, 1}},
        {"negative below zero", {0, -1, 7, -1}, {3, 1, 2, 4}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Log log;
        TmqQueue queue;
        LoggingObserver observer(log, "o", &queue);
        for (std::size_t i = 0; i < row.priorities.size(); ++i)
            queue.post(static_cast<int>(i + 1), nullptr, row.priorities[i]);
        mqtest::pumpAll();
        Log expected;
        for (int id : row.delivered)
            expected.push_back("o:" + std::to_string(id));
        EXPECT_THAT(log, ElementsAreArray(expected));
    }
}

TEST_F(TmqOrder, ObserversGoByPriorityThenByAttachment)
{
    struct Row {
        const char *name;
        std::vector<int> priorities;  // observer "o<i>" attaches with priorities[i]
        Log received;
    };
    const Row rows[] = {
        {"2 then 7", {2, 7}, {"o1:1", "o0:1"}},
        {"equal ones keep their order", {5, 5, 9, 1, 5},
         {"o2:1", "o0:1", "o1:1", "o4:1", "o3:1"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Log log;
        TmqQueue queue;
        std::vector<std::unique_ptr<LoggingObserver>> observers;
        for (std::size_t i = 0; i < row.priorities.size(); ++i)
            observers.push_back(std::make_unique<LoggingObserver>(
                log, "o" + std::to_string(i), &queue, row.priorities[i]));
        queue.post(1, nullptr, 0);
        mqtest::pumpAll();
        EXPECT_THAT(log, ElementsAreArray(row.received));
        log.clear();
        queue.send(1, nullptr, 0);
        EXPECT_THAT(log, ElementsAreArray(row.received)) << "sent";
    }
}

TEST_F(TmqOrder, HigherQueueIsDrainedFirstOneMessagePerWakeUp)
{
    TmqQueue low(0);
    TmqQueue high(9);
    LoggingObserver lowObserver(log, "low", &low);
    LoggingObserver highObserver(log, "high", &high);
    low.post(1, nullptr, 0);
    low.post(2, nullptr, 0);
    high.post(3, nullptr, 0);
    high.post(4, nullptr, 5);
    high.post(5, nullptr, 0);

    const std::vector<Log> expected = {
        {"high:4"}, {"high:3"}, {"high:5"}, {"low:1"}, {"low:2"},
    };
    EXPECT_THAT(deliveriesPerWakeUp(), ElementsAreArray(expected));
}

TEST_F(TmqOrder, QueuesOfEqualPriorityTakeTurnsInTheOrderTheyFilled)
{
    TmqQueue first(3);
    TmqQueue second(3);
    LoggingObserver a(log, "a", &first);
    LoggingObserver b(log, "b", &second);
    second.post(1, nullptr, 0);
    first.post(2, nullptr, 0);
    second.post(3, nullptr, 0);
    // The queue stays at the head of the waiting queues until it is empty.
    const std::vector<Log> expected = {{"b:1"}, {"b:3"}, {"a:2"}};
    EXPECT_THAT(deliveriesPerWakeUp(), ElementsAreArray(expected));
}

TEST_F(TmqOrder, RaisingAQueueThatWaitsPutsItFirst)
{
    TmqQueue low(0);
    TmqQueue high(5);
    LoggingObserver lowObserver(log, "low", &low);
    LoggingObserver highObserver(log, "high", &high);
    low.post(1, nullptr, 0);
    high.post(2, nullptr, 0);
    low.priority(10);
    EXPECT_EQ(10, low.priority());
    const std::vector<Log> expected = {{"low:1"}, {"high:2"}};
    EXPECT_THAT(deliveriesPerWakeUp(), ElementsAreArray(expected));
}

TEST_F(TmqOrder, ChangingAQueuedMessagesPriorityMovesIt)
{
    TmqQueue queue;
    LoggingObserver observer(log, "o", &queue);
    queue.post(1, nullptr, 1);
    queue.post(2, nullptr, 2);
    queue.post(3, nullptr, 3);
    TmqIterator iterator(queue);
    iterator.next();
    iterator.next();
    TmqMessage *one = iterator.next();
    ASSERT_NE(nullptr, one);
    ASSERT_EQ(1, one->id());
    one->priority(9);
    EXPECT_EQ(&queue, one->queue());
    // Equal priority after the change: it goes after the messages already there.
    TmqIterator again(queue);
    again.next();
    TmqMessage *three = again.next();
    three->priority(2);
    mqtest::pumpAll();
    EXPECT_THAT(log, ElementsAre("o:1", "o:2", "o:3"));
}

TEST_F(TmqOrder, ChangingAnObserversPriorityResortsIt)
{
    TmqQueue queue;
    LoggingObserver a(log, "a", &queue, 1);
    LoggingObserver b(log, "b", &queue, 2);
    a.priority(3);
    EXPECT_EQ(3, a.priority());
    queue.send(1, nullptr, 0);
    EXPECT_THAT(log, ElementsAre("a:1", "b:1"));
}

}  // namespace
