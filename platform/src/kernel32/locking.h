// Internal: the platform's annotated lock, its scoped guard and the order its locks are taken in.
//
// Each lock has a level, and a thread takes locks only in rising level: holding a lock, it may
// take one of a higher level, never one of the same or a lower level. No lock is held while the
// platform calls out of itself (a window procedure, a dialog procedure, a callback or a host
// hook). Builds with checks (every build without NDEBUG) abort on a broken rule, naming it; clang
// checks the GUARDED_BY/REQUIRES annotations at compile time (-Wthread-safety).
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

#if defined(__clang__)
#define VKS_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define VKS_THREAD_ANNOTATION(x)
#endif

#define VKS_CAPABILITY(name) VKS_THREAD_ANNOTATION(capability(name))
#define VKS_SCOPED_CAPABILITY VKS_THREAD_ANNOTATION(scoped_lockable)
#define VKS_GUARDED_BY(lock) VKS_THREAD_ANNOTATION(guarded_by(lock))
#define VKS_PT_GUARDED_BY(lock) VKS_THREAD_ANNOTATION(pt_guarded_by(lock))
#define VKS_REQUIRES(...) VKS_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#define VKS_EXCLUDES(...) VKS_THREAD_ANNOTATION(locks_excluded(__VA_ARGS__))
#define VKS_ACQUIRE(...) VKS_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define VKS_RELEASE(...) VKS_THREAD_ANNOTATION(release_capability(__VA_ARGS__))
#define VKS_ACQUIRED_AFTER(...) VKS_THREAD_ANNOTATION(acquired_after(__VA_ARGS__))
#define VKS_RETURN_CAPABILITY(x) VKS_THREAD_ANNOTATION(lock_returned(x))
#define VKS_NO_THREAD_SAFETY_ANALYSIS VKS_THREAD_ANNOTATION(no_thread_safety_analysis)

#if !defined(NDEBUG)
#define VKS_LOCK_CHECKS 1
#endif

namespace vks::detail {

// Levels in the order a thread may take them.
enum class LockLevel : unsigned {
    Window = 0,  // the window manager: the window table, its records, each thread's input state
    Queue = 1,   // one thread's message queue
    Leaf = 2,    // a lock under which nothing else is taken (registries, host hooks, settings)
};

#if defined(VKS_LOCK_CHECKS)
namespace lock_order {
// The calling thread takes, or has released, a lock of this level; taking one out of order
// aborts.
void taking(LockLevel level);
void released(LockLevel level);
// Aborts when the calling thread holds any platform lock.
void checkNoneHeld(const char *callOut);
}  // namespace lock_order
#endif

// Before the platform calls out of itself: aborts, in builds with checks, when the calling
// thread holds any platform lock. `callOut` names the call-out in the message.
inline void assertNoLockHeld([[maybe_unused]] const char *callOut)
{
#if defined(VKS_LOCK_CHECKS)
    lock_order::checkNoneHeld(callOut);
#endif
}

class VKS_CAPABILITY("mutex") Mutex {
public:
    constexpr explicit Mutex(LockLevel level) : level_(level) {}
    Mutex(const Mutex &) = delete;
    Mutex &operator=(const Mutex &) = delete;

    void lock() VKS_ACQUIRE()
    {
        noteTaking();
        native_.lock();
    }
    void unlock() VKS_RELEASE()
    {
        native_.unlock();
        noteReleased();
    }

    // Waits on `changed` with this lock held, as std::condition_variable::wait does.
    template <typename Predicate>
    void wait(std::condition_variable &changed, Predicate ready) VKS_REQUIRES(this)
    {
        std::unique_lock adopted(native_, std::adopt_lock);
        changed.wait(adopted, ready);
        adopted.release();
    }
    template <typename Predicate>
    bool waitFor(std::condition_variable &changed, std::chrono::milliseconds timeout,
                 Predicate ready) VKS_REQUIRES(this)
    {
        std::unique_lock adopted(native_, std::adopt_lock);
        const bool result = changed.wait_for(adopted, timeout, ready);
        adopted.release();
        return result;
    }

private:
    void noteTaking()
    {
#if defined(VKS_LOCK_CHECKS)
        lock_order::taking(level_);
#endif
    }
    void noteReleased()
    {
#if defined(VKS_LOCK_CHECKS)
        lock_order::released(level_);
#endif
    }

    std::mutex native_;
    [[maybe_unused]] const LockLevel level_;  // read only by the lock-order checks
};

// Holds a Mutex for its scope.
class VKS_SCOPED_CAPABILITY MutexLock {
public:
    explicit MutexLock(Mutex &mutex) VKS_ACQUIRE(mutex) : mutex_(mutex) { mutex_.lock(); }
    ~MutexLock() VKS_RELEASE() { mutex_.unlock(); }
    MutexLock(const MutexLock &) = delete;
    MutexLock &operator=(const MutexLock &) = delete;

private:
    Mutex &mutex_;
};

}  // namespace vks::detail
