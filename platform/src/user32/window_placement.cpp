// GetWindowRect, GetWindowPlacement and SetWindowPlacement.
#include <mutex>

#include "user32/size_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

UINT showCommandOf(SizeState state)
{
    switch (state) {
    case SizeState::Minimized:
        return SW_SHOWMINIMIZED;
    case SizeState::Maximized:
        return SW_SHOWMAXIMIZED;
    case SizeState::Normal:
        break;
    }
    return SW_SHOWNORMAL;
}

WindowRecord *findOrFail(WindowTable &table, HWND hwnd) VKS_REQUIRES(windowLock)
{
    WindowRecord *record = table.find(hwnd);
    if (!record)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return record;
}

// Stores the placement's positions and puts the window where its state says; false (with the
// error set) when hwnd is no window.
bool storePlacement(HWND hwnd, const WINDOWPLACEMENT &placement)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = findOrFail(table, hwnd);
    if (!record)
        return false;
    record->normalRect = placement.rcNormalPosition;
    if (placement.flags & WPF_SETMINPOSITION)
        record->minPosition = placement.ptMinPosition;
    record->maxPosition = placement.ptMaxPosition;
    record->restoreToMaximized = (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
    placeForSizeState(table, *record);
    return true;
}

}  // namespace

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *record = findOrFail(table, hWnd);
        if (!record)
            return FALSE;
        if (!lpRect) {
            SetLastError(ERROR_NOACCESS);
            return FALSE;
        }
        RECT rect = record->rect;
        // Each parent's origin moves its children's rectangles into its own coordinates.
        for (const WindowRecord *parent = record->parent ? table.find(record->parent) : nullptr;
             parent; parent = parent->parent ? table.find(parent->parent) : nullptr) {
            rect.left += parent->rect.left;
            rect.right += parent->rect.left;
            rect.top += parent->rect.top;
            rect.bottom += parent->rect.top;
        }
        *lpRect = rect;
        return TRUE;
    });
}

BOOL WINAPI GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT *lpwndpl)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *record = findOrFail(table, hWnd);
        if (!record)
            return FALSE;
        if (!lpwndpl) {
            SetLastError(ERROR_NOACCESS);
            return FALSE;
        }
        const SizeState state = sizeStateOf(*record);
        lpwndpl->length = sizeof(WINDOWPLACEMENT);
        lpwndpl->flags = record->restoreToMaximized ? WPF_RESTORETOMAXIMIZED : 0;
        lpwndpl->showCmd = showCommandOf(state);
        lpwndpl->ptMinPosition = record->minPosition;
        lpwndpl->ptMaxPosition = record->maxPosition;
        lpwndpl->rcNormalPosition = state == SizeState::Normal ? record->rect : record->normalRect;
        return TRUE;
    });
}

BOOL WINAPI SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT *lpwndpl)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpwndpl || lpwndpl->length != sizeof(WINDOWPLACEMENT)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        if (!storePlacement(hWnd, *lpwndpl))
            return FALSE;
        ShowWindow(hWnd, static_cast<int>(lpwndpl->showCmd));
        return TRUE;
    });
}
