// TmqData's reference count and TmqMessage's fields, copies and payload references.
#include <gtest/gtest.h>

#include "mq/message_pool.h"
#include "mq_fixtures.h"

namespace {

using mqtest::Payload;

TEST(TmqData, CountsReferencesAndDeletesItselfAtZero)
{
    int destroyed = 0;
    Payload *payload = new Payload(&destroyed);
    EXPECT_EQ(1u, payload->addref());
    EXPECT_EQ(2u, payload->addref());
    EXPECT_EQ(1u, payload->release());
    EXPECT_EQ(0, destroyed);
    EXPECT_EQ(0u, payload->release());
    EXPECT_EQ(1, destroyed);
}

TEST(TmqData, ReleaseWithoutAReferenceLeavesTheObjectToItsOwner)
{
    int destroyed = 0;
    Payload payload(&destroyed);
    EXPECT_EQ(0u, payload.release());
    EXPECT_EQ(0, destroyed);
    EXPECT_EQ(1u, payload.addref());
}

TEST(TmqData, CopiesStartAtZeroAndAssignmentKeepsTheOwnCount)
{
    Payload original(nullptr, 7);
    original.addref();
    original.addref();

    Payload copy(original);
    EXPECT_EQ(7, copy.value);
    EXPECT_EQ(1u, copy.addref());

    Payload assigned(nullptr, 1);
    assigned.addref();
    assigned.addref();
    assigned.addref();
    assigned = original;
    EXPECT_EQ(7, assigned.value);
    EXPECT_EQ(4u, assigned.addref());
    EXPECT_EQ(3u, original.addref());
}

TEST(TmqMessage, ConstructionTakesOneReferenceAndDestructionDropsIt)
{
    int destroyed = 0;
    Payload *payload = new Payload(&destroyed);
    {
        TmqMessage message(12, payload, 3);
        EXPECT_EQ(12, message.id());
        EXPECT_EQ(3, message.priority());
        EXPECT_EQ(nullptr, message.queue());
        EXPECT_EQ(0, message.sent());
        TmqData *held = message.data();
        EXPECT_EQ(payload, held);
        // The message's reference and the caller's: releasing ours leaves one.
        EXPECT_EQ(1u, held->release());
    }
    EXPECT_EQ(1, destroyed);

    TmqMessage empty;
    EXPECT_EQ(0, empty.id());
    EXPECT_EQ(nullptr, empty.data());
    EXPECT_EQ(0, empty.priority());
}

TEST(TmqMessage, CopiesShareThePayloadUntilTheLastGoes)
{
    int destroyed = 0;
    auto *message = new TmqMessage(5, new Payload(&destroyed), 2);
    TmqMessage copy(*message);
    TmqMessage assigned(9, nullptr, 0);
    assigned = copy;
    delete message;
    EXPECT_EQ(0, destroyed);
    EXPECT_EQ(5, assigned.id());
    EXPECT_EQ(2, assigned.priority());
    copy.data(nullptr);
    EXPECT_EQ(0, destroyed);
    assigned = TmqMessage(1);
    EXPECT_EQ(1, destroyed);
    EXPECT_EQ(1, assigned.id());
}

TEST(TmqMessage, AssignmentReleasesTheOldPayload)
{
    int oldDestroyed = 0;
    int newDestroyed = 0;
    TmqMessage target(1, new Payload(&oldDestroyed), 0);
    {
        TmqMessage source(2, new Payload(&newDestroyed), 4);
        target = source;
        EXPECT_EQ(1, oldDestroyed);
    }
    EXPECT_EQ(0, newDestroyed);
    EXPECT_EQ(2, target.id());
    EXPECT_EQ(4, target.priority());
}

TEST(TmqMessage, GivingAMessageItsOwnPayloadKeepsIt)
{
    int destroyed = 0;
    TmqMessage message(1, new Payload(&destroyed, 41), 0);
    TmqData *same = message.data();
    same->release();
    message.data(same);
    EXPECT_EQ(0, destroyed);

    message = message;
    EXPECT_EQ(0, destroyed);
    TmqData *held = message.data();
    EXPECT_EQ(41, static_cast<Payload *>(held)->value);
    held->release();
}

TEST(TmqMessageBlocks, DeletedBlocksServeTheNextMessagesAndCleanupFreesThem)
{
    TmqMessage::cleanup();
    ASSERT_EQ(0u, vks::detail::tmqBlockCounts().free);

    const std::size_t fromHeap = vks::detail::tmqBlockCounts().fromHeap;
    auto *first = new TmqMessage(1);
    auto *second = new TmqMessage(2);
    EXPECT_EQ(fromHeap + 2, vks::detail::tmqBlockCounts().fromHeap);
    delete first;
    delete second;
    EXPECT_EQ(2u, vks::detail::tmqBlockCounts().free);

    // The last block returned is the first one handed out again.
    auto *third = new TmqMessage(3);
    EXPECT_EQ(static_cast<void *>(second), static_cast<void *>(third));
    EXPECT_EQ(3, third->id());
    EXPECT_EQ(1u, vks::detail::tmqBlockCounts().free);
    EXPECT_EQ(fromHeap + 2, vks::detail::tmqBlockCounts().fromHeap);
    delete third;

    TmqMessage::cleanup();
    EXPECT_EQ(0u, vks::detail::tmqBlockCounts().free);
    auto *fourth = new TmqMessage(4);
    EXPECT_EQ(fromHeap + 3, vks::detail::tmqBlockCounts().fromHeap);
    delete fourth;
}

// A larger class must not be given a block sized for a plain message.
struct BiggerMessage : TmqMessage {
    char extra[64] = {};
};

TEST(TmqMessageBlocks, LargerDerivedMessagesGetBlocksOfTheirOwnSize)
{
    delete new TmqMessage(1);
    const std::size_t freeBefore = vks::detail::tmqBlockCounts().free;
    ASSERT_GT(freeBefore, 0u);
    auto *bigger = new BiggerMessage;
    bigger->extra[63] = 'x';
    EXPECT_EQ(freeBefore, vks::detail::tmqBlockCounts().free);
    delete bigger;
    EXPECT_EQ(freeBefore, vks::detail::tmqBlockCounts().free);
}

}  // namespace
