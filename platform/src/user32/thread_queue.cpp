// One thread's message queue, the registry of live queues and the tick-count wake-up.
#include "user32/thread_queue.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <unordered_map>

#include "kernel32/clock.h"
#include "kernel32/no_destructor.h"
#include "user32/window_table.h"

namespace vks::detail {

namespace {

std::atomic<std::uint64_t> tickGeneration{0};

struct QueueRegistry {
    Mutex lock{LockLevel::Leaf};
    std::unordered_map<DWORD, std::weak_ptr<MessageQueue>> byThread VKS_GUARDED_BY(lock);
};

// Never destroyed: threads may end, and post, during static destruction.
QueueRegistry &registry()
{
    static NoDestructor<QueueRegistry> queues;
    return *queues;
}

// Owns the thread's queue and window-manager state; at thread exit the thread's windows and
// state go, and senders still waiting get 0.
struct ThreadQueue {
    std::shared_ptr<MessageQueue> queue;
    std::unique_ptr<ThreadWindows> windows;

    ~ThreadQueue()
    {
        if (!queue)
            return;
        {
            MutexLock guard(registry().lock);
            registry().byThread.erase(queue->threadId());
        }
        forgetThreadWindows(queue->threadId());
        queue->close();
    }
};

thread_local ThreadQueue threadQueue;
thread_local MessageQueue *threadQueueFast = nullptr;

MessageQueue &makeThreadQueue()
{
    // A tick count set before any queue exists wakes nobody.
    static std::once_flag listening;
    std::call_once(listening, [] { setTickCountListener(&MessageQueue::tickCountChanged); });
    const DWORD self = GetCurrentThreadId();
    threadQueue.windows = std::make_unique<ThreadWindows>(self);
    registerThreadWindows(*threadQueue.windows);
    threadQueue.queue = std::make_shared<MessageQueue>(self);
    {
        MutexLock guard(registry().lock);
        registry().byThread[self] = threadQueue.queue;
    }
    threadQueueFast = threadQueue.queue.get();
    return *threadQueueFast;
}

}  // namespace

MessageQueue &currentQueue()
{
    return threadQueueFast ? *threadQueueFast : makeThreadQueue();
}

std::shared_ptr<MessageQueue> currentQueueShared()
{
    currentQueue();
    return threadQueue.queue;
}

std::shared_ptr<MessageQueue> queueOfThread(DWORD threadId)
{
    MutexLock guard(registry().lock);
    const auto found = registry().byThread.find(threadId);
    return found == registry().byThread.end() ? nullptr : found->second.lock();
}

void MessageQueue::changed()
{
    ++version_;
    wake_.notify_all();
}

DWORD MessageQueue::post(const MSG &msg)
{
    MutexLock guard(lock_);
    if (posted_.size() >= kMaxPosted)
        return ERROR_NOT_ENOUGH_QUOTA;
    posted_.push_back(msg);
    changed();
    return 0;
}

void MessageQueue::postQuit(int exitCode)
{
    MutexLock guard(lock_);
    quit_ = true;
    exitCode_ = exitCode;
    changed();
}

bool MessageQueue::queueSent(const std::shared_ptr<SentMessage> &sent)
{
    MutexLock guard(lock_);
    if (closed_)
        return false;
    sent_.push_back(sent);
    changed();
    return true;
}

void MessageQueue::discardWindow(HWND hwnd)
{
    MutexLock guard(lock_);
    std::erase_if(posted_, [hwnd](const MSG &msg) { return msg.hwnd == hwnd; });
    timers_.killWindow(hwnd);
}

void MessageQueue::setTimer(HWND hwnd, UINT_PTR id, UINT interval, TIMERPROC proc)
{
    const DWORD now = tickCountNow();
    MutexLock guard(lock_);
    timers_.set(hwnd, id, interval, proc, now);
    changed();
}

bool MessageQueue::killTimer(HWND hwnd, UINT_PTR id)
{
    MutexLock guard(lock_);
    return timers_.kill(hwnd, id);
}

bool MessageQueue::hasTimer(HWND hwnd, UINT_PTR id)
{
    MutexLock guard(lock_);
    return timers_.has(hwnd, id);
}

std::shared_ptr<SentMessage> MessageQueue::takeSent()
{
    MutexLock guard(lock_);
    if (sent_.empty())
        return nullptr;
    std::shared_ptr<SentMessage> sent = std::move(sent_.front());
    sent_.pop_front();
    return sent;
}

void MessageQueue::wake()
{
    MutexLock guard(lock_);
    changed();
}

bool MessageQueue::retrievePosted(MSG &out, const MessageFilter &filter, bool remove,
                                  QueueSnapshot &seen)
{
    seen.tickGeneration = tickGeneration.load();
    const DWORD now = tickCountNow();
    MutexLock guard(lock_);
    seen.version = version_;
    const auto found = std::find_if(posted_.begin(), posted_.end(),
                                    [&filter](const MSG &msg) { return filter.accepts(msg); });
    if (found != posted_.end()) {
        out = *found;
        if (remove)
            posted_.erase(found);
        return true;
    }
    if (quit_) {
        out = MSG{};
        out.message = WM_QUIT;
        out.wParam = static_cast<WPARAM>(exitCode_);
        out.time = now;
        if (remove)
            quit_ = false;
        return true;
    }
    return false;
}

bool MessageQueue::retrieveTimer(MSG &out, const MessageFilter &filter, bool remove)
{
    const DWORD now = tickCountNow();
    MutexLock guard(lock_);
    if (std::optional<MSG> timer = timers_.due(now, filter, remove)) {
        out = *timer;
        return true;
    }
    return false;
}

void MessageQueue::waitForChange(const QueueSnapshot &seen)
{
    const DWORD now = tickCountNow();
    MutexLock guard(lock_);
    const auto somethingNew = [&]() VKS_REQUIRES(lock_) {
        return version_ != seen.version || tickGeneration.load() != seen.tickGeneration;
    };
    if (somethingNew())
        return;
    const std::optional<DWORD> untilDue = timers_.untilNextDue(now);
    if (!untilDue)
        lock_.wait(wake_, somethingNew);
    else if (*untilDue > 0)
        lock_.waitFor(wake_, std::chrono::milliseconds(*untilDue), somethingNew);
}

bool MessageQueue::waitForReply(const SentMessage &sent)
{
    MutexLock guard(lock_);
    lock_.wait(wake_, [&]() VKS_REQUIRES(lock_) { return sent.done || !sent_.empty(); });
    return sent.done;
}

void MessageQueue::close()
{
    std::deque<std::shared_ptr<SentMessage>> waiting;
    {
        MutexLock guard(lock_);
        closed_ = true;
        waiting.swap(sent_);
        posted_.clear();
    }
    for (const std::shared_ptr<SentMessage> &sent : waiting)
        answer(*sent, 0);
}

void MessageQueue::answer(SentMessage &sent, LRESULT result)
{
    MessageQueue &sender = *sent.replyTo;
    MutexLock guard(sender.lock_);
    sent.result = result;
    sent.done = true;
    sender.wake_.notify_all();
}

void MessageQueue::tickCountChanged()
{
    ++tickGeneration;
    std::vector<std::shared_ptr<MessageQueue>> live;
    {
        MutexLock guard(registry().lock);
        for (const auto &[thread, queue] : registry().byThread)
            if (std::shared_ptr<MessageQueue> alive = queue.lock())
                live.push_back(std::move(alive));
    }
    // Taking each lock orders the wake-up after any check made before the new generation.
    for (const std::shared_ptr<MessageQueue> &queue : live) {
        MutexLock guard(queue->lock_);
        queue->wake_.notify_all();
    }
}

}  // namespace vks::detail
