// TmqQueue's operations: post and send, removal, iterators, copies and payload lifetimes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "mq_fixtures.h"

namespace {

using ::testing::ElementsAre;
using mqtest::Log;
using mqtest::LoggingObserver;
using mqtest::Payload;
using mqtest::QueueTest;

// The ids of the queue's messages in delivery order, read through an iterator.
std::vector<int> idsOf(TmqQueue &queue)
{
    std::vector<int> ids;
    TmqIterator iterator(queue);
    while (TmqMessage *message = iterator.next())
        ids.push_back(message->id());
    return ids;
}

using TmqQueueOps = QueueTest;

TEST_F(TmqQueueOps, SendDeliversAtOnceMarkedSentAndPostLaterUnmarked)
{
    TmqQueue queue;
    LoggingObserver observer(log, "o", &queue);
    TmqMessage message(4, nullptr, 0);

    queue.send(message);
    queue.send(5, nullptr, 0);
    EXPECT_THAT(log, ElementsAre("o:4", "o:5"));
    EXPECT_EQ(0, message.sent()) << "the caller's message is not marked";
    EXPECT_FALSE(queue.exists(4));

    queue.post(message);
    queue.post(6, nullptr, 0);
    EXPECT_EQ(nullptr, message.queue()) << "posting queues a copy";
    EXPECT_EQ(2, mqtest::pumpAll());
    EXPECT_THAT(log, ElementsAre("o:4", "o:5", "o:4", "o:6"));
    EXPECT_THAT(observer.sentMarks, ElementsAre(1, 1, 0, 0));
}

TEST_F(TmqQueueOps, RepostingASentMessageKeepsItsMark)
{
    TmqQueue queue;
    LoggingObserver observer(log, "o", &queue);
    bool reposted = false;
    observer.reaction = [&](LoggingObserver &, TmqMessage &message) {
        if (!reposted)
            queue.post(message);
        reposted = true;
    };
    queue.send(1, nullptr, 0);
    mqtest::pumpAll();
    EXPECT_THAT(log, ElementsAre("o:1", "o:1"));
    EXPECT_THAT(observer.sentMarks, ElementsAre(1, 1));
}

TEST_F(TmqQueueOps, RemoveByIdRemovesEveryMatch)
{
    struct Row {
        const char *name;
        std::vector<int> ids;
        int removed;
        int result;
        std::vector<int> left;
    };
    const Row rows[] = {
        {"several matches", {1, 2, 1, 3, 1}, 1, TRUE, {2, 3}},
        {"no match", {1, 2}, 7, FALSE, {1, 2}},
        {"every message", {4, 4}, 4, TRUE, {}},
        {"empty queue", {}, 1, FALSE, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TmqQueue queue;
        for (int id : row.ids)
            queue.post(id, nullptr, 0);
        EXPECT_EQ(row.result, queue.remove(row.removed));
        EXPECT_FALSE(queue.exists(row.removed));
        EXPECT_EQ(row.left, idsOf(queue));
    }
}

TEST_F(TmqQueueOps, RemoveAllAndExists)
{
    TmqQueue queue;
    EXPECT_FALSE(queue.removeAll());
    EXPECT_FALSE(queue.exists(0));
    queue.post(0, nullptr, 0);
    queue.post(8, nullptr, 0);
    EXPECT_TRUE(queue.exists(0));
    EXPECT_TRUE(queue.exists(8));
    EXPECT_TRUE(queue.removeAll());
    EXPECT_FALSE(queue.exists(8));
    EXPECT_FALSE(queue.removeAll());

    LoggingObserver observer(log, "o", &queue);
    mqtest::pumpAll();
    EXPECT_TRUE(log.empty()) << "removed messages are never delivered";
}

TEST_F(TmqQueueOps, RemoveOfOneMessageFindsItOnlyInItsOwnQueue)
{
    TmqQueue queue;
    TmqQueue other;
    queue.post(1, nullptr, 0);
    queue.post(2, nullptr, 0);
    other.post(3, nullptr, 0);
    TmqIterator iterator(queue);
    TmqMessage *first = iterator.next();
    TmqMessage *foreign = TmqIterator(other).next();
    TmqMessage freeStanding(1);

    EXPECT_FALSE(queue.remove(foreign));
    EXPECT_FALSE(queue.remove(&freeStanding));
    EXPECT_FALSE(queue.remove(static_cast<TmqMessage *>(nullptr)));
    EXPECT_TRUE(queue.remove(first));
    EXPECT_EQ(std::vector<int>{2}, idsOf(queue));
    EXPECT_EQ(std::vector<int>{3}, idsOf(other));
}

TEST_F(TmqQueueOps, DeletingAQueuedMessageTakesItOutOfItsQueue)
{
    TmqQueue queue;
    queue.post(1, nullptr, 0);
    queue.post(2, nullptr, 0);
    TmqMessage *first = TmqIterator(queue).next();
    delete first;
    EXPECT_EQ(std::vector<int>{2}, idsOf(queue));
}

TEST_F(TmqQueueOps, IteratorStandingOnARemovedMessageMovesOn)
{
    struct Row {
        const char *name;
        int removed;  // from 1, 2, 2, 3 after next() returned 1
        std::vector<int> rest;
    };
    const Row rows[] = {
        {"the message under the iterator and its twin", 2, {3}},
        {"a message behind the iterator", 1, {2, 2, 3}},
        {"the last message", 3, {2, 2}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TmqQueue queue;
        for (int id : {1, 2, 2, 3})
            queue.post(id, nullptr, 0);
        TmqIterator iterator(queue);
        ASSERT_EQ(1, iterator.next()->id());
        EXPECT_TRUE(queue.remove(row.removed));
        std::vector<int> rest;
        while (TmqMessage *message = iterator.next())
            rest.push_back(message->id());
        EXPECT_EQ(row.rest, rest);
    }
}

TEST_F(TmqQueueOps, IteratorsCopyResetAndDetachWithTheirQueue)
{
    auto queue = std::make_unique<TmqQueue>();
    for (int id : {1, 2, 3})
        queue->post(id, nullptr, 0);
    TmqIterator iterator(*queue);
    iterator.next();
    TmqIterator copy(iterator);
    EXPECT_EQ(2, copy.next()->id());
    EXPECT_EQ(2, iterator.next()->id());

    TmqQueue other;
    other.post(9, nullptr, 0);
    TmqIterator assigned(other);
    assigned = copy;
    EXPECT_EQ(3, assigned.next()->id());
    EXPECT_EQ(nullptr, assigned.next());
    assigned.reset();
    EXPECT_EQ(1, assigned.next()->id());

    queue.reset();
    EXPECT_EQ(nullptr, iterator.next());
    iterator.reset();
    EXPECT_EQ(nullptr, iterator.next());
    TmqIterator copyOfDetached(iterator);
    EXPECT_EQ(nullptr, copyOfDetached.next());
    EXPECT_EQ(9, TmqIterator(other).next()->id());
}

TEST_F(TmqQueueOps, PayloadSharedByTwoMessagesGoesAfterTheSecondDelivery)
{
    int destroyed = 0;
    auto *payload = new Payload(&destroyed);
    TmqQueue queue;
    LoggingObserver observer(log, "o", &queue);
    std::vector<int> destroyedDuringReceive;
    observer.reaction = [&](LoggingObserver &, TmqMessage &) {
        destroyedDuringReceive.push_back(destroyed);
    };
    queue.post(1, payload, 0);
    queue.post(2, payload, 0);

    ASSERT_TRUE(mqtest::pumpOne());
    EXPECT_EQ(0, destroyed);
    ASSERT_TRUE(mqtest::pumpOne());
    EXPECT_EQ(1, destroyed);
    EXPECT_THAT(destroyedDuringReceive, ElementsAre(0, 0));
    EXPECT_THAT(log, ElementsAre("o:1", "o:2"));
}

TEST_F(TmqQueueOps, PayloadOfRemovedOrUnobservedMessagesIsReleased)
{
    int destroyed = 0;
    {
        TmqQueue queue;
        queue.post(1, new Payload(&destroyed), 0);
        mqtest::pumpAll();
        EXPECT_EQ(1, destroyed) << "delivered to no observer";
        queue.post(2, new Payload(&destroyed), 0);
        queue.remove(2);
        EXPECT_EQ(2, destroyed) << "removed";
        queue.post(3, new Payload(&destroyed), 0);
        queue.send(4, new Payload(&destroyed), 0);
        EXPECT_EQ(3, destroyed) << "sent";
    }
    EXPECT_EQ(4, destroyed) << "left in the queue when it went";
}

TEST_F(TmqQueueOps, CallerThatAddsAReferenceKeepsThePayload)
{
    int destroyed = 0;
    Payload *payload = new Payload(&destroyed, 5);
    payload->addref();
    {
        TmqQueue queue;
        LoggingObserver observer(log, "o", &queue);
        queue.post(1, payload, 0);
        queue.send(2, payload, 0);
        mqtest::pumpAll();
    }
    EXPECT_EQ(0, destroyed);
    EXPECT_EQ(5, payload->value);
    payload->release();
    EXPECT_EQ(1, destroyed);
}

TEST_F(TmqQueueOps, CopiesPostTheOthersMessagesButNotItsObservers)
{
    int destroyed = 0;
    TmqQueue original(4);
    LoggingObserver originalObserver(log, "original", &original);
    original.post(1, new Payload(&destroyed), 0);
    original.post(2, nullptr, 3);

    TmqQueue copy(original);
    EXPECT_EQ(4, copy.priority());
    EXPECT_EQ((std::vector<int>{2, 1}), idsOf(copy));
    LoggingObserver copyObserver(log, "copy", &copy);

    TmqQueue assigned(1);
    LoggingObserver assignedObserver(log, "assigned", &assigned);
    assigned.post(7, nullptr, 0);
    TmqIterator assignedIterator(assigned);
    assigned = original;
    EXPECT_EQ(4, assigned.priority());
    EXPECT_EQ((std::vector<int>{2, 1}), idsOf(assigned));
    EXPECT_EQ(nullptr, assignedIterator.next()) << "its message 7 was removed under it";
    assignedIterator.reset();
    EXPECT_EQ(2, assignedIterator.next()->id());

    original.removeAll();
    EXPECT_EQ(0, destroyed) << "the copies still hold the payload";
    mqtest::pumpAll();
    EXPECT_EQ(1, destroyed);
    std::sort(log.begin(), log.end());
    EXPECT_THAT(log, ElementsAre("assigned:1", "assigned:2", "copy:1", "copy:2"));
}

TEST_F(TmqQueueOps, DestroyedQueueDetachesItsObservers)
{
    auto queue = std::make_unique<TmqQueue>();
    LoggingObserver observer(log, "o", queue.get());
    TmqObserver *copy = new LoggingObserver(observer);
    EXPECT_EQ(queue.get(), copy->queue());
    queue.reset();
    EXPECT_EQ(nullptr, observer.queue());
    EXPECT_EQ(nullptr, copy->queue());
    delete copy;
}

TEST_F(TmqQueueOps, ObserversMoveBetweenQueues)
{
    TmqQueue first;
    TmqQueue second;
    LoggingObserver a(log, "a", &first, 1);
    LoggingObserver b(log, "b", &second, 6);
    a.queue(&second);
    EXPECT_EQ(&second, a.queue());
    first.send(1, nullptr, 0);
    second.send(2, nullptr, 0);
    EXPECT_THAT(log, ElementsAre("b:2", "a:2"));

    log.clear();
    LoggingObserver c(log, "c", &first, 0);
    static_cast<TmqObserver &>(c) = b;
    EXPECT_EQ(&second, c.queue());
    EXPECT_EQ(6, c.priority());
    b.queue(nullptr);
    EXPECT_EQ(nullptr, b.queue());
    second.send(3, nullptr, 0);
    EXPECT_THAT(log, ElementsAre("c:3", "a:3"));
}

}  // namespace
