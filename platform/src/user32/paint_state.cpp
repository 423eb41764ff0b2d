// Update regions: invalidation, validation, and which window the message loop paints next.
#include "user32/paint_state.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "user32/thread_queue.h"
#include "user32/paint_dc.h"
#include "user32/window_class.h"
#include "user32/window_table.h"

namespace vks::detail {

namespace {

bool isEmpty(const RECT &r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

RECT intersect(const RECT &a, const RECT &b)
{
    const RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    return isEmpty(r) ? RECT{} : r;
}

RECT unite(const RECT &a, const RECT &b)
{
    if (isEmpty(a))
        return b;
    if (isEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RECT offset(const RECT &r, LONG dx, LONG dy)
{
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

bool sameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT clientRectOf(const WindowRecord &record) VKS_REQUIRES(windowLock)
{
    return {0, 0, record.rect.right - record.rect.left, record.rect.bottom - record.rect.top};
}

// The update region is kept as a bounding rectangle, so validating can only cut it where the
// validated part spans it from one side across; a hole leaves it whole (more is repainted, never
// less).
RECT subtract(const RECT &update, const RECT &valid)
{
    const RECT common = intersect(update, valid);
    if (isEmpty(common))
        return update;
    if (sameRect(common, update))
        return {};
    if (common.top == update.top && common.bottom == update.bottom) {
        if (common.left == update.left)
            return {common.right, update.top, update.right, update.bottom};
        if (common.right == update.right)
            return {update.left, update.top, common.left, update.bottom};
    }
    if (common.left == update.left && common.right == update.right) {
        if (common.top == update.top)
            return {update.left, common.bottom, update.right, update.bottom};
        if (common.bottom == update.bottom)
            return {update.left, update.top, update.right, common.top};
    }
    return update;
}

bool shownWithAncestors(WindowTable &table, const WindowRecord *record) VKS_REQUIRES(windowLock)
{
    for (; record; record = record->parent ? table.find(record->parent) : nullptr)
        if (!(record->style & WS_VISIBLE))
            return false;
    return true;
}

bool needsPaint(const WindowRecord &record) VKS_REQUIRES(windowLock)
{
    return !isEmpty(record.update) || record.internalPaint;
}

// Keeps the thread's set of windows to paint in step with the record.
void notePaintPending(WindowRecord &record) VKS_REQUIRES(windowLock)
{
    if (needsPaint(record))
        record.thread->toPaint.insert(record.handle);
    else
        record.thread->toPaint.erase(record.handle);
}

using Queues = std::vector<std::shared_ptr<MessageQueue>>;

// No window clips its children here (there is no WS_CLIPCHILDREN), so a change reaches the
// children under the area unless RDW_NOCHILDREN says otherwise, with or without
// RDW_ALLCHILDREN.
void applyRedraw(WindowTable &table, WindowRecord &record, const RECT &area, UINT flags,
                 bool isRoot, Queues &touched) VKS_REQUIRES(windowLock)
{
    if (!(record.style & WS_VISIBLE))
        return;
    const RECT part = intersect(area, clientRectOf(record));
    if ((flags & RDW_INVALIDATE) && !isEmpty(part)) {
        record.update = unite(record.update, part);
        if (flags & RDW_ERASE)
            record.eraseDue = true;
        touched.push_back(record.queue);
    } else if (flags & RDW_VALIDATE) {
        record.update = subtract(record.update, part);
        if (isEmpty(record.update) || (flags & RDW_NOERASE))
            record.eraseDue = false;
    }
    // The internal paint is the named window's own.
    if (isRoot && (flags & RDW_INTERNALPAINT)) {
        record.internalPaint = true;
        touched.push_back(record.queue);
    } else if (isRoot && (flags & RDW_NOINTERNALPAINT)) {
        record.internalPaint = false;
    }
    notePaintPending(record);
    if (flags & RDW_NOCHILDREN)
        return;
    for (HWND child : record.children) {
        WindowRecord *childRecord = table.find(child);
        const RECT inChild = offset(part, -childRecord->rect.left, -childRecord->rect.top);
        if (!isEmpty(intersect(inChild, clientRectOf(*childRecord))))
            applyRedraw(table, *childRecord, inChild, flags, false, touched);
    }
}

// A thread waiting in GetMessageA for another thread's window looks again.
void wakeOthers(const Queues &touched)
{
    const DWORD self = GetCurrentThreadId();
    for (const std::shared_ptr<MessageQueue> &queue : touched)
        if (queue && queue->threadId() != self)
            queue->wake();
}

bool windowNeedsPaint(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    return record && shownWithAncestors(table, record) && needsPaint(*record);
}

bool takeEraseDue(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record || !record->eraseDue)
        return false;
    record->eraseDue = false;
    return true;
}

void eraseNow(HWND hwnd)
{
    if (!takeEraseDue(hwnd))
        return;
    const HDC dc = openPaintDc(hwnd);
    SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    closePaintDc(hwnd, dc);
}

// RDW_UPDATENOW and RDW_ERASENOW: parents first, as the message loop would take them.
void paintNow(HWND hwnd, UINT flags)
{
    const std::vector<HWND> windows =
        (flags & RDW_NOCHILDREN) ? std::vector<HWND>{hwnd} : windowAndDescendants(hwnd);
    for (HWND each : windows) {
        if ((flags & RDW_UPDATENOW) && windowNeedsPaint(each))
            SendMessageA(each, WM_PAINT, 0, 0);
        else
            eraseNow(each);
    }
}

// The first window to paint in the whole tree: top-level windows in Z-order, each before its
// children.
HWND findToPaint(WindowTable &table, const std::vector<HWND> &level, DWORD threadId,
                 const MessageFilter &filter) VKS_REQUIRES(windowLock)
{
    for (HWND hwnd : level) {
        const WindowRecord *record = table.find(hwnd);
        if (!record || !(record->style & WS_VISIBLE))
            continue;
        if (record->threadId == threadId && needsPaint(*record) &&
            filter.accepts(MSG{hwnd, WM_PAINT, 0, 0, 0, {}}))
            return hwnd;
        if (HWND child = findToPaint(table, record->children, threadId, filter))
            return child;
    }
    return nullptr;
}

// Where the window comes in that order: its and its ancestors' places among their siblings,
// from the top-level window down (a parent's path is a prefix of its children's).
std::vector<std::size_t> paintOrderOf(WindowTable &table, const WindowRecord *record)
    VKS_REQUIRES(windowLock)
{
    std::vector<std::size_t> path;
    for (; record; record = record->parent ? table.find(record->parent) : nullptr) {
        const std::vector<HWND> &siblings = table.siblingsOf(*record);
        path.push_back(static_cast<std::size_t>(
            std::find(siblings.begin(), siblings.end(), record->handle) - siblings.begin()));
    }
    std::reverse(path.begin(), path.end());
    return path;
}

// Beyond this many candidates, one walk of the tree costs less than placing each.
constexpr std::size_t kPlacedCandidates = 16;

// The same window as findToPaint, looked for among the thread's windows to paint.
HWND firstToPaint(WindowTable &table, const ThreadWindows &thread, const MessageFilter &filter)
    VKS_REQUIRES(windowLock)
{
    std::vector<const WindowRecord *> candidates;
    for (HWND hwnd : thread.toPaint) {
        const WindowRecord *record = table.find(hwnd);
        if (record && shownWithAncestors(table, record) &&
            filter.accepts(MSG{hwnd, WM_PAINT, 0, 0, 0, {}}))
            candidates.push_back(record);
    }
    if (candidates.size() > kPlacedCandidates)
        return findToPaint(table, table.topLevel(), thread.threadId, filter);
    HWND first = nullptr;
    std::vector<std::size_t> firstPlace;
    for (const WindowRecord *record : candidates) {
        std::vector<std::size_t> place = paintOrderOf(table, record);
        if (!first || place < firstPlace) {
            first = record->handle;
            firstPlace = std::move(place);
        }
    }
    return first;
}

void exposeScreenArea(HWND hidden, const RECT &screenArea)
{
    std::vector<std::pair<HWND, RECT>> under;
    {
        WindowTable &table = windowTable();
        WindowLock guard;
        // Only the windows below it were covered; from the bottom up to it.
        const std::vector<HWND> &topLevel = table.topLevel();
        for (auto below = topLevel.rbegin(); below != topLevel.rend() && *below != hidden;
             ++below) {
            const WindowRecord *record = table.find(*below);
            if ((record->style & WS_VISIBLE) && !isEmpty(intersect(record->rect, screenArea)))
                under.emplace_back(*below,
                                   offset(screenArea, -record->rect.left, -record->rect.top));
        }
    }
    for (const auto &[top, area] : under)
        redrawWindow(top, &area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

void redrawWindow(HWND hwnd, const RECT *rect, UINT flags)
{
    Queues touched;
    {
        WindowTable &table = windowTable();
        WindowLock guard;
        WindowRecord *record = table.find(hwnd);
        if (!record || !shownWithAncestors(table, record))
            return;
        const RECT area = rect ? *rect : clientRectOf(*record);
        applyRedraw(table, *record, area, flags, true, touched);
    }
    wakeOthers(touched);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
        paintNow(hwnd, flags);
}

std::optional<PaintStart> takeUpdate(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record)
        return std::nullopt;
    const PaintStart start{record->update, record->eraseDue};
    record->update = {};
    record->eraseDue = false;
    record->internalPaint = false;
    notePaintPending(*record);
    return start;
}

std::optional<RECT> updateRectOf(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    return record ? std::optional<RECT>(record->update) : std::nullopt;
}

HWND windowToPaint(DWORD threadId, const MessageFilter &filter)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const ThreadWindows *thread = table.threadWindows(threadId);
    return thread && !thread->toPaint.empty() ? firstToPaint(table, *thread, filter) : nullptr;
}

void exposeShownWindow(HWND hwnd)
{
    redrawWindow(hwnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void exposeHiddenWindow(HWND hwnd)
{
    HWND parent = nullptr;
    RECT area{};
    {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *record = table.find(hwnd);
        if (!record)
            return;
        parent = record->parent;
        area = record->rect;
    }
    if (parent)
        redrawWindow(parent, &area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    else
        exposeScreenArea(hwnd, area);
}

LRESULT defaultPaint(HWND hwnd)
{
    PAINTSTRUCT paint{};
    if (BeginPaint(hwnd, &paint))
        EndPaint(hwnd, &paint);
    return 0;
}

LRESULT defaultEraseBackground(HWND hwnd)
{
    char name[256];
    if (!GetClassNameA(hwnd, name, sizeof name))
        return 0;
    const std::optional<WindowClassInfo> wndClass = findWindowClass(name);
    return wndClass && wndClass->wc.hbrBackground ? TRUE : FALSE;
}

}  // namespace vks::detail
