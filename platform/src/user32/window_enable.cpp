// EnableWindow and IsWindowEnabled.
#include <mutex>
#include <optional>

#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// The previous disabled state, or empty (with the error set) when hwnd is no window.
std::optional<bool> setDisabled(HWND hwnd, bool disabled)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return std::nullopt;
    }
    const bool wasDisabled = (record->style & WS_DISABLED) != 0;
    if (disabled)
        record->style |= WS_DISABLED;
    else
        record->style &= ~static_cast<DWORD>(WS_DISABLED);
    return wasDisabled;
}

}  // namespace

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        // Like Windows: a window being disabled is first told to leave any mode it is in.
        if (!bEnable && IsWindow(hWnd))
            SendMessageA(hWnd, WM_CANCELMODE, 0, 0);
        const std::optional<bool> wasDisabled = setDisabled(hWnd, !bEnable);
        if (!wasDisabled)
            return FALSE;
        if (*wasDisabled == !bEnable)
            return *wasDisabled ? TRUE : FALSE;
        SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
        return *wasDisabled ? TRUE : FALSE;
    });
}

BOOL WINAPI IsWindowEnabled(HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *record = table.find(hWnd);
        if (!record) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        return (record->style & WS_DISABLED) ? FALSE : TRUE;
    });
}
