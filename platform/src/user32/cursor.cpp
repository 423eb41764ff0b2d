// LoadCursorA, SetCursor, GetCursor, GetCursorPos, SetCursorPos and the mouse capture.
#include <algorithm>
#include <iterator>
#include <mutex>
#include <utility>

#include "kernel32/no_destructor.h"
#include "user32/mouse_state.h"
#include "vksboundary.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// The system cursors Windows offers by number; each has one handle for the process's life.
constexpr WORD kSystemCursorIds[] = {32512, 32513, 32514, 32515, 32516, 32640, 32641, 32642,
                                     32643, 32644, 32645, 32646, 32648, 32649, 32650, 32651};

constexpr ULONG_PTR kSystemCursorBase = 0x7F0000;

bool isSystemCursor(LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return false;
    const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    return std::find(std::begin(kSystemCursorIds), std::end(kSystemCursorIds), id) !=
           std::end(kSystemCursorIds);
}

struct CurrentCursor {
    std::mutex lock;
    // What the screen shows before any program sets a cursor.
    HCURSOR cursor = reinterpret_cast<HCURSOR>(kSystemCursorBase | 32512);
};

CurrentCursor &currentCursor()
{
    static NoDestructor<CurrentCursor> current;
    return *current;
}

}  // namespace

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName)
{
    return vks::atWin32Boundary<HCURSOR>(nullptr, [&]() -> HCURSOR {
        if (hInstance || !isSystemCursor(lpCursorName)) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return nullptr;
        }
        return reinterpret_cast<HCURSOR>(kSystemCursorBase |
                                         reinterpret_cast<ULONG_PTR>(lpCursorName));
    });
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor)
{
    return vks::atWin32Boundary<HCURSOR>(nullptr, [&]() -> HCURSOR {
        CurrentCursor &current = currentCursor();
        std::lock_guard guard(current.lock);
        return std::exchange(current.cursor, hCursor);
    });
}

HCURSOR WINAPI GetCursor(void)
{
    return vks::atWin32Boundary<HCURSOR>(nullptr, [&]() -> HCURSOR {
        CurrentCursor &current = currentCursor();
        std::lock_guard guard(current.lock);
        return current.cursor;
    });
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpPoint) {
            SetLastError(ERROR_NOACCESS);
            return FALSE;
        }
        *lpPoint = cursorPosition();
        return TRUE;
    });
}

BOOL WINAPI SetCursorPos(int X, int Y)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const POINT before = cursorPosition();
        const POINT now = placeCursor({X, Y});
        if (now.x == before.x && now.y == before.y)
            return TRUE;
        if (const std::optional<MouseTarget> target = mouseTargetAt(now))
            deliverMouseMessage(*target, WM_MOUSEMOVE, now);
        return TRUE;
    });
}

HWND WINAPI SetCapture(HWND hWnd)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        if (hWnd && !IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        const HWND previous = exchangeCapture(hWnd);
        if (previous && previous != hWnd)
            SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
        return previous;
    });
}

BOOL WINAPI ReleaseCapture(void)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (const HWND previous = exchangeCapture(nullptr))
            SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
        return TRUE;
    });
}

HWND WINAPI GetCapture(void)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND { return captureWindow(); });
}
