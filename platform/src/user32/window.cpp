// Windows: creation, destruction, the window tree and the searches over it.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "gdi32/display_list.h"
#include "user32/paint_dc.h"
#include "user32/window_font.h"
#include "user32/thread_queue.h"
#include "vksboundary.h"
#include "user32/window_class.h"
#include "user32/window_state.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

constexpr std::size_t kMaxWindowExtraBytes = 40;  // a fixed limit, as the class's cbWndExtra

bool isChildStyle(DWORD style)
{
    return (style & WS_CHILD) != 0;
}

// The top-level window that owns hwnd's top-level ancestor: Windows' owner is never a child.
HWND topLevelAncestor(WindowTable &table, HWND hwnd) VKS_REQUIRES(windowLock)
{
    WindowRecord *record = table.find(hwnd);
    while (record && record->parent)
        record = table.find(record->parent);
    return record ? record->handle : nullptr;
}

std::unique_ptr<WindowRecord> newRecord(const WindowClassInfo &wndClass, DWORD exStyle,
                                        DWORD style, int x, int y, int width, int height,
                                        HMENU menu, HINSTANCE instance)
    VKS_NO_THREAD_SAFETY_ANALYSIS  // the record is the caller's alone until it joins the table
{
    auto record = std::make_unique<WindowRecord>();
    record->classAtom = wndClass.atom;
    record->style = style;
    record->exStyle = exStyle;
    record->proc = wndClass.wc.lpfnWndProc;
    record->instance = instance;
    record->id = isChildStyle(style) ? reinterpret_cast<LONG_PTR>(menu) : 0;
    const auto orZero = [](int v) { return v == CW_USEDEFAULT ? 0 : v; };
    record->rect = {orZero(x), orZero(y), orZero(x) + orZero(width), orZero(y) + orZero(height)};
    record->normalRect = record->rect;
    // As on Windows, the window comes into being hidden and is shown once created.
    record->style &= ~static_cast<DWORD>(WS_VISIBLE);
    record->extraBytes.assign(
        std::min<std::size_t>(static_cast<std::size_t>(wndClass.wc.cbWndExtra),
                              kMaxWindowExtraBytes),
        0);
    record->threadId = GetCurrentThreadId();
    record->queue = currentQueueShared();
    return record;
}

// Links a new record under its parent or owner; null (with the error set) when the parent or
// owner is no window.
HWND addWindow(std::unique_ptr<WindowRecord> record, HWND parentOrOwner)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    if (parentOrOwner && !table.find(parentOrOwner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (isChildStyle(record->style))
        record->parent = parentOrOwner;
    else
        record->owner = parentOrOwner ? topLevelAncestor(table, parentOrOwner) : nullptr;
    return table.add(std::move(record));
}

// WM_NCDESTROY to the children first, then the window leaves the table with its posted
// messages and timers.
void finishDestroy(HWND hwnd)
{
    for (HWND child : [&] {
             WindowTable &table = windowTable();
             WindowLock guard;
             const WindowRecord *record = table.find(hwnd);
             return record ? record->children : std::vector<HWND>{};
         }())
        finishDestroy(child);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    std::unique_ptr<WindowRecord> record;  // goes once the lock is released
    std::shared_ptr<MessageQueue> queue;
    {
        WindowTable &table = windowTable();
        WindowLock guard;
        record = table.remove(hwnd);
        if (record)
            queue = record->queue;
    }
    if (queue)
        queue->discardWindow(hwnd);
    forgetDrawn(hwnd);
    closeWindowDcs(hwnd);
    forgetWindowFont(hwnd);
}

void sendDestroy(const std::vector<HWND> &windows)
{
    // Parents before children, each in Z-order, as windowAndDescendants lists them.
    for (HWND hwnd : windows)
        if (IsWindow(hwnd))
            SendMessageA(hwnd, WM_DESTROY, 0, 0);
}

enum class DestroyStart { Go, AlreadyGoing, Refused };

// Marks the window and its descendants as being destroyed. Refused (with the error set) for no
// window, or a window of another thread.
DestroyStart beginDestroy(HWND hwnd, std::vector<HWND> &windows, std::vector<HWND> &owned)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return DestroyStart::Refused;
    }
    if (record->threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return DestroyStart::Refused;
    }
    if (record->destroying)
        return DestroyStart::AlreadyGoing;
    table.descendants(hwnd, windows);
    for (HWND each : windows)
        table.find(each)->destroying = true;
    if (!record->parent && record->ownedCount > 0)
        for (HWND top : table.topLevel())
            if (WindowRecord *other = table.find(top); other->owner == hwnd) {
                if (other->threadId == record->threadId) {
                    owned.push_back(top);
                } else {
                    other->owner = nullptr;
                    --record->ownedCount;
                }
            }
    return DestroyStart::Go;
}

bool matchesFind(const WindowRecord &record, LPCSTR className, LPCSTR windowName)
    VKS_REQUIRES(windowLock)
{
    if (className && !namesWindowClass(className, record.classAtom))
        return false;
    return !windowName || sameNameIgnoringCase(record.text, windowName);
}

}  // namespace

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                            HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        const std::optional<WindowClassInfo> wndClass = findWindowClass(lpClassName);
        if (!wndClass) {
            SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
            return nullptr;
        }
        if (isChildStyle(dwStyle) && !hWndParent) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
        const HWND hwnd = addWindow(newRecord(*wndClass, dwExStyle, dwStyle, X, Y, nWidth, nHeight,
                                              hMenu, hInstance),
                                    hWndParent);
        if (!hwnd)
            return nullptr;

        CREATESTRUCTA create{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, Y, X,
                             static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
        const LPARAM createParam = reinterpret_cast<LPARAM>(&create);
        // A refused creation sends no WM_DESTROY: the window never fully existed.
        if (!SendMessageA(hwnd, WM_NCCREATE, 0, createParam) ||
            SendMessageA(hwnd, WM_CREATE, 0, createParam) == -1) {
            if (IsWindow(hwnd))
                finishDestroy(hwnd);
            return nullptr;
        }
        if ((dwStyle & WS_VISIBLE) && IsWindow(hwnd))
            ShowWindow(hwnd, SW_SHOW);
        return IsWindow(hwnd) ? hwnd : nullptr;
    });
}

BOOL WINAPI DestroyWindow(HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        std::vector<HWND> windows;
        std::vector<HWND> owned;
        switch (beginDestroy(hWnd, windows, owned)) {
        case DestroyStart::Refused:
            return FALSE;
        case DestroyStart::AlreadyGoing:
            // Asked again from its own WM_DESTROY, say: the first call finishes the work.
            return TRUE;
        case DestroyStart::Go:
            break;
        }
        for (HWND each : owned)
            DestroyWindow(each);
        passActivationFrom(hWnd);
        releaseFocusFrom(hWnd, true);
        sendDestroy(windows);
        if (IsWindow(hWnd))
            finishDestroy(hWnd);
        return TRUE;
    });
}

BOOL WINAPI IsWindow(HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        WindowTable &table = windowTable();
        WindowLock guard;
        return table.find(hWnd) ? TRUE : FALSE;
    });
}

HWND WINAPI GetParent(HWND hWnd)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *record = table.find(hWnd);
        if (!record) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        if (record->style & WS_CHILD)
            return record->parent;
        // An owned pop-up answers its owner; an owned overlapped window answers NULL.
        return (record->style & WS_POPUP) ? record->owner : nullptr;
    });
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *record = table.find(hWnd);
        if (!record) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        const std::vector<HWND> &siblings = table.siblingsOf(*record);
        const auto self = std::find(siblings.begin(), siblings.end(), hWnd);
        switch (uCmd) {
        case GW_HWNDFIRST:
            return siblings.front();
        case GW_HWNDLAST:
            return siblings.back();
        case GW_HWNDNEXT:
            return self + 1 < siblings.end() ? *(self + 1) : nullptr;
        case GW_HWNDPREV:
            return self > siblings.begin() ? *(self - 1) : nullptr;
        case GW_OWNER:
            return record->owner;
        case GW_CHILD:
            return record->children.empty() ? nullptr : record->children.front();
        case GW_ENABLEDPOPUP:
            for (HWND top : table.topLevel()) {
                const WindowRecord *other = table.find(top);
                if (other->owner == hWnd && (other->style & WS_POPUP) &&
                    (other->style & WS_VISIBLE) && !(other->style & WS_DISABLED))
                    return top;
            }
            return nullptr;
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    });
}

HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        if (lpClassName && !findWindowClass(lpClassName)) {
            SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
            return nullptr;
        }
        WindowTable &table = windowTable();
        WindowLock guard;
        for (HWND top : table.topLevel())
            if (matchesFind(*table.find(top), lpClassName, lpWindowName))
                return top;
        return nullptr;
    });
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        ATOM atom = 0;
        {
            WindowTable &table = windowTable();
            WindowLock guard;
            const WindowRecord *record = table.find(hWnd);
            if (!record) {
                SetLastError(ERROR_INVALID_WINDOW_HANDLE);
                return 0;
            }
            atom = record->classAtom;
        }
        if (!lpClassName || nMaxCount <= 0) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        const std::string name = windowClassName(atom);
        const std::size_t count = std::min(name.size(), static_cast<std::size_t>(nMaxCount) - 1);
        std::memcpy(lpClassName, name.data(), count);
        lpClassName[count] = '\0';
        return static_cast<int>(count);
    });
}
