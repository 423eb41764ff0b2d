// Internal: the process's windows: their records, parent/child/owner links and Z-order, and the
// window manager's lock.
//
// The lock rule of the window manager:
// - One lock, windowLock, guards the window table, every window's record and each thread's
//   window-manager state (its focus, active window, capture, windows and windows to paint).
// - A message queue's lock (its posted and sent messages, quit request and timers) comes after
//   it: a thread holding windowLock may take a queue's lock, never the other way round.
// - The registries beside them (window classes, registered messages, menus, the cursor, the
//   host's hooks) have leaf locks: nothing else is taken while one is held.
// - No lock is held while a window procedure, a dialog procedure, a callback or a host hook
//   runs; every call out goes through a function that asserts it (callWindowProcedure,
//   assertNoLockHeld).
// kernel32/locking.h checks the order at run time in builds with checks, and clang checks the
// GUARDED_BY/REQUIRES annotations below when it compiles.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "kernel32/locking.h"
#include "user32/window_attached.h"
#include "windows.h"

namespace vks::detail {

class MessageQueue;

extern Mutex windowLock;

// Holds windowLock for its scope.
class VKS_SCOPED_CAPABILITY WindowLock {
public:
    WindowLock() VKS_ACQUIRE(windowLock) { windowLock.lock(); }
    ~WindowLock() VKS_RELEASE() { windowLock.unlock(); }
    WindowLock(const WindowLock &) = delete;
    WindowLock &operator=(const WindowLock &) = delete;
};

// One thread's window-manager state: its focus, active window and mouse capture (null when it has
// none), and its windows. It is made with the thread's queue and goes when the thread ends.
struct ThreadWindows {
    explicit ThreadWindows(DWORD id) : threadId(id) {}

    const DWORD threadId;
    HWND focus VKS_GUARDED_BY(windowLock) = nullptr;
    HWND active VKS_GUARDED_BY(windowLock) = nullptr;
    HWND capture VKS_GUARDED_BY(windowLock) = nullptr;
    std::unordered_set<HWND> windows VKS_GUARDED_BY(windowLock);
    // Its windows with an update region or an internal paint pending, shown or not, so that a
    // message loop with nothing to paint finds that out without looking at every window.
    std::unordered_set<HWND> toPaint VKS_GUARDED_BY(windowLock);
};

// Each field is read and written with windowLock held.
struct WindowRecord {
    HWND handle VKS_GUARDED_BY(windowLock) = nullptr;
    ATOM classAtom VKS_GUARDED_BY(windowLock) = 0;
    std::string text VKS_GUARDED_BY(windowLock);
    DWORD style VKS_GUARDED_BY(windowLock) = 0;
    DWORD exStyle VKS_GUARDED_BY(windowLock) = 0;
    LONG_PTR id VKS_GUARDED_BY(windowLock) = 0;
    HWND parent VKS_GUARDED_BY(windowLock) = nullptr;  // children only
    HWND owner VKS_GUARDED_BY(windowLock) = nullptr;   // top-level windows only
    int ownedCount VKS_GUARDED_BY(windowLock) = 0;     // the windows it owns
    WNDPROC proc VKS_GUARDED_BY(windowLock) = nullptr;
    HINSTANCE instance VKS_GUARDED_BY(windowLock) = nullptr;
    LONG_PTR userData VKS_GUARDED_BY(windowLock) = 0;
    // Top-level windows: screen coordinates; children: their parent's client coordinates
    // (windows have no frame, so the client area is the whole window).
    RECT rect VKS_GUARDED_BY(windowLock){};
    // The placement a minimised or maximised window returns to, and its stored positions.
    RECT normalRect VKS_GUARDED_BY(windowLock){};
    POINT minPosition VKS_GUARDED_BY(windowLock){-1, -1};
    POINT maxPosition VKS_GUARDED_BY(windowLock){-1, -1};
    bool restoreToMaximized VKS_GUARDED_BY(windowLock) = false;
    std::vector<unsigned char> extraBytes VKS_GUARDED_BY(windowLock);
    std::vector<HWND> children VKS_GUARDED_BY(windowLock);  // Z-order, top first
    DWORD threadId VKS_GUARDED_BY(windowLock) = 0;
    std::shared_ptr<MessageQueue> queue VKS_GUARDED_BY(windowLock);
    ThreadWindows *thread VKS_GUARDED_BY(windowLock) = nullptr;  // set when it joins the table
    bool destroying VKS_GUARDED_BY(windowLock) = false;
    // Painting: the update region kept as its bounding rectangle, in client coordinates.
    RECT update VKS_GUARDED_BY(windowLock){};
    bool eraseDue VKS_GUARDED_BY(windowLock) = false;
    bool internalPaint VKS_GUARDED_BY(windowLock) = false;
    // State hung on the window under a key (user32/window_attached.h).
    std::vector<std::pair<const void *, std::shared_ptr<void>>> attached VKS_GUARDED_BY(windowLock);
};

// The state hung on the window under the key; null when none.
void *attachedTo(const WindowRecord &record, const void *key) VKS_REQUIRES(windowLock);

class WindowTable {
public:
    WindowRecord *find(HWND hwnd) VKS_REQUIRES(windowLock);
    // Gives the handle, links it in Z-order and to its thread, which has its ThreadWindows.
    HWND add(std::unique_ptr<WindowRecord> record) VKS_REQUIRES(windowLock);
    // Unlinks it; its thread forgets it as focus, active window or capture.
    std::unique_ptr<WindowRecord> remove(HWND hwnd) VKS_REQUIRES(windowLock);
    const std::vector<HWND> &siblingsOf(const WindowRecord &record) VKS_REQUIRES(windowLock);
    const std::vector<HWND> &topLevel() const VKS_REQUIRES(windowLock) { return topLevel_; }
    // hwnd itself first.
    void descendants(HWND hwnd, std::vector<HWND> &out) VKS_REQUIRES(windowLock);
    // The thread's state, null for a thread that has made no message queue (or has ended).
    ThreadWindows *threadWindows(DWORD threadId) VKS_REQUIRES(windowLock);
    void addThread(ThreadWindows &thread) VKS_REQUIRES(windowLock);
    // Takes the thread's windows out of the table, and the thread's state with them.
    std::vector<std::unique_ptr<WindowRecord>> removeThread(DWORD threadId)
        VKS_REQUIRES(windowLock);
    void bringToTop(HWND hwnd) VKS_REQUIRES(windowLock);    // first among its siblings
    void sendToBottom(HWND hwnd) VKS_REQUIRES(windowLock);  // last among its siblings
    // Right below the sibling.
    void placeAfter(HWND hwnd, HWND sibling) VKS_REQUIRES(windowLock);

private:
    std::uintptr_t nextHandle_ VKS_GUARDED_BY(windowLock) = 0x10020;
    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> records_ VKS_GUARDED_BY(windowLock);
    std::vector<HWND> topLevel_ VKS_GUARDED_BY(windowLock);  // Z-order, top first
    std::unordered_map<DWORD, ThreadWindows *> threads_ VKS_GUARDED_BY(windowLock);
};

WindowTable &windowTable();

// Answers for one window, read under the lock; empty/null when hwnd is no window.
std::shared_ptr<MessageQueue> queueOfWindow(HWND hwnd);
WNDPROC procOfWindow(HWND hwnd);
std::optional<DWORD> threadOfWindow(HWND hwnd);
// The window and every window below it; empty when hwnd is no window.
std::vector<HWND> windowAndDescendants(HWND hwnd);

// A thread's queue is made: its state joins the table.
void registerThreadWindows(ThreadWindows &thread);
// A thread ends: its windows go without messages, as its window procedures can no longer run,
// and its state leaves the table (the caller then frees it).
void forgetThreadWindows(DWORD threadId);

// Calls the window's procedure on the calling thread; 0 when hwnd is no window.
LRESULT callWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Calls `proc`, asserting first that the calling thread holds no lock.
LRESULT callProcedure(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vks::detail
