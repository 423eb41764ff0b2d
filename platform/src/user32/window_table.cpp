// The window table: records, links and Z-order, and the calls that read one window's record.
#include "user32/window_table.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

#include "gdi32/display_list.h"
#include "kernel32/no_destructor.h"
#include "user32/thread_queue.h"

namespace vks::detail {

namespace {

// Handles step by 4 so that a handle never looks like a small integer or an odd pointer; they
// are never reused, so a stale handle stays invalid.
constexpr std::uintptr_t kHandleStep = 4;

// Looks from the bottom up: a window is listed once, and windows mostly go bottom first (a
// list of top-level windows in creation order, the last child).
void unlink(std::vector<HWND> &list, HWND hwnd)
{
    const auto found = std::find(list.rbegin(), list.rend(), hwnd);
    if (found != list.rend())
        list.erase(std::next(found).base());
}

}  // namespace

// Never destroyed, so that threads that end after main() still find it.
static_assert(std::is_trivially_destructible_v<Mutex>);
constinit Mutex windowLock{LockLevel::Window};

WindowTable &windowTable()
{
    static NoDestructor<WindowTable> table;
    return *table;
}

WindowRecord *WindowTable::find(HWND hwnd)
{
    const auto found = records_.find(hwnd);
    return found == records_.end() ? nullptr : found->second.get();
}

HWND WindowTable::add(std::unique_ptr<WindowRecord> record)
{
    const HWND hwnd = reinterpret_cast<HWND>(nextHandle_);
    nextHandle_ += kHandleStep;
    record->handle = hwnd;
    record->thread = threadWindows(record->threadId);
    record->thread->windows.insert(hwnd);
    // A new child goes below its siblings (creation order is tab order); a new top-level window
    // goes on top.
    if (WindowRecord *parent = record->parent ? find(record->parent) : nullptr)
        parent->children.push_back(hwnd);
    else
        topLevel_.insert(topLevel_.begin(), hwnd);
    if (WindowRecord *owner = record->owner ? find(record->owner) : nullptr)
        ++owner->ownedCount;
    records_.emplace(hwnd, std::move(record));
    return hwnd;
}

std::unique_ptr<WindowRecord> WindowTable::remove(HWND hwnd)
{
    const auto found = records_.find(hwnd);
    if (found == records_.end())
        return nullptr;
    std::unique_ptr<WindowRecord> record = std::move(found->second);
    records_.erase(found);
    if (WindowRecord *parent = record->parent ? find(record->parent) : nullptr)
        unlink(parent->children, hwnd);
    else
        unlink(topLevel_, hwnd);
    if (WindowRecord *owner = record->owner ? find(record->owner) : nullptr)
        --owner->ownedCount;
    // Owned windows are top-level windows.
    if (record->ownedCount > 0)
        for (HWND top : topLevel_)
            if (WindowRecord *other = find(top); other->owner == hwnd)
                other->owner = nullptr;
    ThreadWindows &thread = *record->thread;
    thread.windows.erase(hwnd);
    thread.toPaint.erase(hwnd);
    for (HWND *slot : {&thread.focus, &thread.active, &thread.capture})
        if (*slot == hwnd)
            *slot = nullptr;
    return record;
}

const std::vector<HWND> &WindowTable::siblingsOf(const WindowRecord &record)
{
    if (WindowRecord *parent = record.parent ? find(record.parent) : nullptr)
        return parent->children;
    return topLevel_;
}

void WindowTable::descendants(HWND hwnd, std::vector<HWND> &out)
{
    const WindowRecord *record = find(hwnd);
    if (!record)
        return;
    out.push_back(hwnd);
    for (HWND child : record->children)
        descendants(child, out);
}

ThreadWindows *WindowTable::threadWindows(DWORD threadId)
{
    const auto found = threads_.find(threadId);
    return found == threads_.end() ? nullptr : found->second;
}

void WindowTable::addThread(ThreadWindows &thread)
{
    threads_[thread.threadId] = &thread;
}

std::vector<std::unique_ptr<WindowRecord>> WindowTable::removeThread(DWORD threadId)
{
    std::vector<std::unique_ptr<WindowRecord>> gone;
    if (ThreadWindows *thread = threadWindows(threadId)) {
        // A copy: remove() takes each window out of the set.
        const std::vector<HWND> windows(thread->windows.begin(), thread->windows.end());
        for (HWND hwnd : windows)
            gone.push_back(remove(hwnd));
        threads_.erase(threadId);
    }
    return gone;
}

void WindowTable::bringToTop(HWND hwnd)
{
    WindowRecord *record = find(hwnd);
    if (!record)
        return;
    std::vector<HWND> &siblings = const_cast<std::vector<HWND> &>(siblingsOf(*record));
    unlink(siblings, hwnd);
    siblings.insert(siblings.begin(), hwnd);
}

void WindowTable::sendToBottom(HWND hwnd)
{
    WindowRecord *record = find(hwnd);
    if (!record)
        return;
    std::vector<HWND> &siblings = const_cast<std::vector<HWND> &>(siblingsOf(*record));
    unlink(siblings, hwnd);
    siblings.push_back(hwnd);
}

void WindowTable::placeAfter(HWND hwnd, HWND sibling)
{
    WindowRecord *record = find(hwnd);
    if (!record || hwnd == sibling)
        return;
    std::vector<HWND> &siblings = const_cast<std::vector<HWND> &>(siblingsOf(*record));
    unlink(siblings, hwnd);
    const auto after = std::find(siblings.begin(), siblings.end(), sibling);
    siblings.insert(after == siblings.end() ? after : after + 1, hwnd);
}

std::shared_ptr<MessageQueue> queueOfWindow(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    return record ? record->queue : nullptr;
}

WNDPROC procOfWindow(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    return record ? record->proc : nullptr;
}

std::optional<DWORD> threadOfWindow(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    return record ? std::optional<DWORD>(record->threadId) : std::nullopt;
}

std::vector<HWND> windowAndDescendants(HWND hwnd)
{
    WindowTable &table = windowTable();
    std::vector<HWND> windows;
    WindowLock guard;
    table.descendants(hwnd, windows);
    return windows;
}

void *attachedTo(const WindowRecord &record, const void *key)
{
    for (const auto &[stateKey, state] : record.attached)
        if (stateKey == key)
            return state.get();
    return nullptr;
}

bool attachToWindow(HWND hwnd, const void *key, std::shared_ptr<void> state)
{
    WindowTable &table = windowTable();
    std::shared_ptr<void> replaced;  // freed once the lock is released
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record)
        return false;
    for (auto &[stateKey, held] : record->attached)
        if (stateKey == key) {
            replaced = std::exchange(held, std::move(state));
            return true;
        }
    record->attached.emplace_back(key, std::move(state));
    return true;
}

void detachFromWindow(HWND hwnd, const void *key)
{
    WindowTable &table = windowTable();
    std::shared_ptr<void> gone;  // freed once the lock is released
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record)
        return;
    auto &attached = record->attached;
    const auto found = std::find_if(attached.begin(), attached.end(),
                                    [key](const auto &entry) { return entry.first == key; });
    if (found == attached.end())
        return;
    gone = std::move(found->second);
    attached.erase(found);
}

void registerThreadWindows(ThreadWindows &thread)
{
    WindowLock guard;
    windowTable().addThread(thread);
}

void forgetThreadWindows(DWORD threadId)
{
    std::vector<std::unique_ptr<WindowRecord>> gone;  // freed once the lock is released
    std::vector<HWND> handles;
    {
        WindowLock guard;
        gone = windowTable().removeThread(threadId);
        for (const std::unique_ptr<WindowRecord> &record : gone)
            handles.push_back(record->handle);
    }
    for (HWND hwnd : handles)
        forgetDrawn(hwnd);
}

LRESULT callWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC proc = procOfWindow(hwnd);
    return proc ? callProcedure(proc, hwnd, message, wParam, lParam) : 0;
}

LRESULT callProcedure(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    assertNoLockHeld("a window procedure");
    return proc(hwnd, message, wParam, lParam);
}

}  // namespace vks::detail
