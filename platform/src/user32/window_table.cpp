// The window table: records, links and Z-order, and the calls that read one window's record.
#include "user32/window_table.h"

#include <algorithm>
#include <cstddef>
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

// The gap between the labels of windows added at either end of a sibling list, so that a window
// placed between two others mostly finds a free label without renumbering the list.
constexpr std::int64_t kLabelGap = std::int64_t{1} << 20;

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
    if (WindowRecord *parent = record->parent ? find(record->parent) : nullptr) {
        record->zLabel =
            parent->children.empty() ? 0 : find(parent->children.back())->zLabel + kLabelGap;
        parent->children.push_back(hwnd);
    } else {
        record->zLabel = topLevel_.empty() ? 0 : find(topLevel_.front())->zLabel - kLabelGap;
        topLevel_.insert(topLevel_.begin(), hwnd);
    }
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
    unlinkSibling(*found->second);
    std::unique_ptr<WindowRecord> record = std::move(found->second);
    records_.erase(found);
    if (WindowRecord *owner = record->owner ? find(record->owner) : nullptr)
        --owner->ownedCount;
    // Owned windows are top-level windows.
    if (record->ownedCount > 0)
        for (HWND top : topLevel_)
            if (WindowRecord *other = find(top); other->owner == hwnd)
                other->owner = nullptr;
    ThreadWindows &thread = *record->thread;
    thread.windows.erase(hwnd);
    if (record->paintPlace)
        thread.toPaint.erase(*record->paintPlace);
    for (HWND *slot : {&thread.focus, &thread.active, &thread.capture})
        if (*slot == hwnd)
            *slot = nullptr;
    return record;
}

const WindowList &WindowTable::siblingsOf(const WindowRecord &record)
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
    WindowList &siblings = siblingListOf(*record);
    if (siblings.empty() || siblings.front() == hwnd)
        return;
    unlinkSibling(*record);
    record->zLabel = find(siblings.front())->zLabel - kLabelGap;
    siblings.insert(siblings.begin(), hwnd);
    replacePaintPlaces(hwnd);
}

void WindowTable::sendToBottom(HWND hwnd)
{
    WindowRecord *record = find(hwnd);
    if (!record)
        return;
    WindowList &siblings = siblingListOf(*record);
    if (siblings.empty() || siblings.back() == hwnd)
        return;
    unlinkSibling(*record);
    record->zLabel = find(siblings.back())->zLabel + kLabelGap;
    siblings.push_back(hwnd);
    replacePaintPlaces(hwnd);
}

void WindowTable::placeAfter(HWND hwnd, HWND sibling)
{
    WindowRecord *record = find(hwnd);
    if (!record || hwnd == sibling)
        return;
    WindowList &siblings = siblingListOf(*record);
    unlinkSibling(*record);
    if (siblings.empty()) {
        siblings.push_back(hwnd);
        replacePaintPlaces(hwnd);
        return;
    }
    // An insert-after that is no sibling puts it at the bottom.
    const WindowRecord *above = find(sibling);
    auto place = above ? positionOf(siblings, *above) : siblings.end();
    if (place != siblings.end())
        ++place;
    const std::int64_t labelAbove =
        place == siblings.begin() ? find(siblings.front())->zLabel - 2 * kLabelGap
                                  : find(*std::prev(place))->zLabel;
    const std::int64_t labelBelow =
        place == siblings.end() ? labelAbove + 2 * kLabelGap : find(*place)->zLabel;
    place = siblings.insert(place, hwnd);
    if (labelBelow - labelAbove >= 2) {
        record->zLabel = labelAbove + (labelBelow - labelAbove) / 2;
        replacePaintPlaces(hwnd);
    } else {
        relabel(siblings);
    }
}

void WindowTable::notePaintPending(WindowRecord &record, bool pending)
{
    if (pending == record.paintPlace.has_value())
        return;
    PaintQueue &toPaint = record.thread->toPaint;
    if (pending) {
        record.paintPlace = toPaint.insert(paintPlaceOf(record)).first;
    } else {
        toPaint.erase(*record.paintPlace);
        record.paintPlace.reset();
    }
}

WindowList &WindowTable::siblingListOf(const WindowRecord &record)
{
    if (WindowRecord *parent = record.parent ? find(record.parent) : nullptr)
        return parent->children;
    return topLevel_;
}

WindowList::iterator WindowTable::positionOf(WindowList &siblings, const WindowRecord &record)
{
    // The bottom one is looked at first (the oldest top-level window, a parent's last child);
    // any other is found by its label, as labels grow down the list.
    if (!siblings.empty() && siblings.back() == record.handle)
        return std::prev(siblings.end());
    std::size_t low = 0, high = siblings.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (find(siblings[middle])->zLabel < record.zLabel)
            low = middle + 1;
        else
            high = middle;
    }
    if (low < siblings.size() && siblings[low] == record.handle)
        return siblings.begin() + static_cast<std::ptrdiff_t>(low);
    return std::find(siblings.begin(), siblings.end(), record.handle);
}

void WindowTable::unlinkSibling(const WindowRecord &record)
{
    WindowList &siblings = siblingListOf(record);
    const auto found = positionOf(siblings, record);
    if (found != siblings.end())
        siblings.erase(found);
}

void WindowTable::relabel(WindowList &siblings)
{
    std::int64_t label = 0;
    for (HWND each : siblings) {
        find(each)->zLabel = label;
        label += kLabelGap;
    }
    for (HWND each : siblings)
        replacePaintPlaces(each);
}

PaintPlace WindowTable::paintPlaceOf(const WindowRecord &record)
{
    PaintPlace place{{}, record.handle};
    place.path.reserve(4);  // deeper than most windows go
    for (const WindowRecord *each = &record; each;
         each = each->parent ? find(each->parent) : nullptr)
        place.path.push_back(each->zLabel);
    std::reverse(place.path.begin(), place.path.end());
    return place;
}

void WindowTable::replacePaintPlaces(HWND hwnd)
{
    WindowRecord *record = find(hwnd);
    if (!record)
        return;
    if (record->paintPlace) {
        notePaintPending(*record, false);
        notePaintPending(*record, true);
    }
    for (HWND child : record->children)
        replacePaintPlaces(child);
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
