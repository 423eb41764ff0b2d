// Fixtures of the message-queue suites: a payload that reports its end, observers that log
// what they receive, and a pump for the calling thread's message queue.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mq/message_queue.h"
#include "pump.h"
#include "windows.h"

namespace mqtest {

// Deliveries as "<observer>:<id>", in the order they happened.
using Log = std::vector<std::string>;

// A payload that counts its destruction in a counter of the test.
class Payload : public TmqData {
public:
    explicit Payload(int *destroyed = nullptr, int value = 0) : value(value), destroyed_(destroyed)
    {
    }
    Payload(const Payload &other) = default;
    Payload &operator=(const Payload &other) = default;
    ~Payload() override
    {
        if (destroyed_)
            ++*destroyed_;
    }

    int value;

private:
    int *destroyed_;
};

// Logs every message it receives, then runs the test's reaction, if any.
class LoggingObserver : public TmqObserver {
public:
    using Reaction = std::function<void(LoggingObserver &self, TmqMessage &message)>;

    LoggingObserver(Log &log, std::string name, TmqQueue *queue = nullptr, int priority = 0)
        : TmqObserver(queue, priority), log_(log), name_(std::move(name))
    {
    }

    void receive(TmqMessage &message) override
    {
        log_.push_back(name_ + ":" + std::to_string(message.id()));
        sentMarks.push_back(message.sent());
        if (reaction)
            reaction(*this, message);
    }

    const std::string &name() const { return name_; }

    Reaction reaction;
    std::vector<int> sentMarks;

private:
    Log &log_;
    std::string name_;
};

// The manager window, or null when there is none.
inline HWND managerWindow()
{
    return FindWindowA(nullptr, "TmqManager");
}

// Retrieves and dispatches one message of the calling thread's queue; false when there was
// none.
inline bool pumpOne()
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    DispatchMessageA(&msg);
    return true;
}

// Dispatches until the thread's queue is empty; returns how many messages it dispatched.
inline int pumpAll()
{
    int dispatched = 0;
    while (pumpOne())
        ++dispatched;
    return dispatched;
}

// Each test starts and ends with an empty thread queue and no manager window, so a message or
// a queue left behind by one test cannot reach the next.
class QueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vkstest::drainQueue();
        ASSERT_EQ(nullptr, managerWindow()) << "a queue outlived an earlier test";
    }
    void TearDown() override { EXPECT_EQ(nullptr, managerWindow()) << "a queue outlived the test"; }

    // Dispatches one wake-up after another and logs what each delivered, so that
    // "one message per wake-up" is visible in the result.
    std::vector<Log> deliveriesPerWakeUp()
    {
        std::vector<Log> rounds;
        while (pumpOne()) {
            rounds.push_back(log);
            log.clear();
        }
        return rounds;
    }

    Log log;
};

}  // namespace mqtest
