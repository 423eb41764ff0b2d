// Internal: one thread's message queue: posted messages, the quit request, messages sent from
// other threads, and the thread's timers. Any thread may post; only the owner retrieves.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>

#include "kernel32/locking.h"
#include "user32/message_filter.h"
#include "user32/timer.h"
#include "windows.h"

namespace vks::detail {

class MessageQueue;

// A message another thread sent, waiting for its answer.
struct SentMessage {
    MSG msg{};
    std::shared_ptr<MessageQueue> replyTo;
    LRESULT result = 0;   // guarded by replyTo's lock
    bool done = false;    // guarded by replyTo's lock
};

// What a retrieval saw, so that a wait returns as soon as anything changes after it.
struct QueueSnapshot {
    std::uint64_t version = 0;
    std::uint64_t tickGeneration = 0;
};

class MessageQueue {
public:
    static constexpr std::size_t kMaxPosted = 10000;

    explicit MessageQueue(DWORD threadId) : threadId_(threadId) {}
    MessageQueue(const MessageQueue &) = delete;
    MessageQueue &operator=(const MessageQueue &) = delete;

    DWORD threadId() const { return threadId_; }

    // Any thread. post returns 0 or the error code.
    DWORD post(const MSG &msg);
    void postQuit(int exitCode);
    // False when the owner thread has gone.
    bool queueSent(const std::shared_ptr<SentMessage> &sent);
    void discardWindow(HWND hwnd);
    void setTimer(HWND hwnd, UINT_PTR id, UINT interval, TIMERPROC proc);
    bool killTimer(HWND hwnd, UINT_PTR id);
    bool hasTimer(HWND hwnd, UINT_PTR id);

    // Something the queue cannot see changed (a window of its thread needs painting).
    void wake();

    // Owner thread.
    std::shared_ptr<SentMessage> takeSent();
    // A posted message, else WM_QUIT; `seen` records what was looked at.
    bool retrievePosted(MSG &out, const MessageFilter &filter, bool remove, QueueSnapshot &seen);
    // A due WM_TIMER, which comes after the WM_PAINT the caller looks for in between.
    bool retrieveTimer(MSG &out, const MessageFilter &filter, bool remove);
    // Returns when anything arrives after `seen`, the tick count is changed, or a timer is due.
    void waitForChange(const QueueSnapshot &seen);
    // Returns when `sent` is answered (true) or a message is sent to this thread (false).
    bool waitForReply(const SentMessage &sent);
    // The owner thread ends: senders still waiting get 0.
    void close();

    static void answer(SentMessage &sent, LRESULT result);
    // Every queue waiting on timers looks at the tick count again.
    static void tickCountChanged();

private:
    void changed() VKS_REQUIRES(lock_);

    const DWORD threadId_;
    Mutex lock_{LockLevel::Queue};
    std::condition_variable wake_;
    std::uint64_t version_ VKS_GUARDED_BY(lock_) = 0;
    std::deque<MSG> posted_ VKS_GUARDED_BY(lock_);
    std::deque<std::shared_ptr<SentMessage>> sent_ VKS_GUARDED_BY(lock_);
    TimerList timers_ VKS_GUARDED_BY(lock_);
    bool quit_ VKS_GUARDED_BY(lock_) = false;
    int exitCode_ VKS_GUARDED_BY(lock_) = 0;
    bool closed_ VKS_GUARDED_BY(lock_) = false;
};

// The calling thread's queue, made on first use.
MessageQueue &currentQueue();
std::shared_ptr<MessageQueue> currentQueueShared();
// The queue of a live thread that has one, or null.
std::shared_ptr<MessageQueue> queueOfThread(DWORD threadId);

}  // namespace vks::detail
