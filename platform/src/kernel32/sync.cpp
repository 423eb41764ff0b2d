// Critical sections: recursive locks owned by one thread, over a standard mutex.
#include <atomic>
#include <mutex>

#include "posix/thread_posix.h"
#include "vksboundary.h"
#include "windows.h"

namespace {

// What LockSemaphore points to between initialisation and deletion. The owner is atomic because
// other threads read it to learn that they are not the owner.
struct CriticalLock {
    std::mutex mutex;
    std::atomic<DWORD> owner{0};
};

CriticalLock *lockOf(LPCRITICAL_SECTION section)
{
    return section ? static_cast<CriticalLock *>(section->LockSemaphore) : nullptr;
}

HANDLE threadHandleOf(DWORD threadId)
{
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(threadId));
}

}  // namespace

DWORD WINAPI GetCurrentThreadId(void)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        return vks::detail::posix::currentThreadId();
    });
}

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    vks::atWin32BoundaryVoid([&] {
        if (!lpCriticalSection)
            return;
        *lpCriticalSection = CRITICAL_SECTION{};
        lpCriticalSection->LockCount = -1;
        lpCriticalSection->LockSemaphore = new CriticalLock;
    });
}

void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    vks::atWin32BoundaryVoid([&] {
        CriticalLock *lock = lockOf(lpCriticalSection);
        if (!lock)
            return;
        // Windows lets the owner delete a section it still holds; a mutex must be unlocked first.
        if (lock->owner.load() == GetCurrentThreadId())
            lock->mutex.unlock();
        delete lock;
        *lpCriticalSection = CRITICAL_SECTION{};
    });
}

void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    vks::atWin32BoundaryVoid([&] {
        CriticalLock *lock = lockOf(lpCriticalSection);
        if (!lock)
            return;
        const DWORD self = GetCurrentThreadId();
        if (lock->owner.load() != self) {
            lock->mutex.lock();
            lock->owner.store(self);
            lpCriticalSection->OwningThread = threadHandleOf(self);
        }
        ++lpCriticalSection->RecursionCount;
        ++lpCriticalSection->LockCount;
    });
}

void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection)
{
    vks::atWin32BoundaryVoid([&] {
        CriticalLock *lock = lockOf(lpCriticalSection);
        // Only the owner may leave: another thread's call would release a lock it does not hold.
        if (!lock || lock->owner.load() != GetCurrentThreadId())
            return;
        --lpCriticalSection->LockCount;
        if (--lpCriticalSection->RecursionCount > 0)
            return;
        lpCriticalSection->OwningThread = nullptr;
        lock->owner.store(0);
        lock->mutex.unlock();
    });
}
