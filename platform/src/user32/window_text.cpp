// Window text and the default window procedure.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "user32/default_input.h"
#include "user32/mouse_state.h"
#include "user32/paint_state.h"
#include "user32/window_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

std::optional<std::string> storedText(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    return record ? std::optional<std::string>(record->text) : std::nullopt;
}

bool storeText(HWND hwnd, LPCSTR text)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record)
        return false;
    record->text = text ? text : "";
    return true;
}

// Copies at most size - 1 bytes and a NUL; the count copied.
int copyText(const std::string &text, LPSTR buffer, WPARAM size)
{
    if (!buffer || size == 0)
        return 0;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

bool ofCallingThread(HWND hwnd)
{
    return threadOfWindow(hwnd) == GetCurrentThreadId();
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        switch (Msg) {
        case WM_NCCREATE: {
            const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
            if (create && create->lpszName)
                storeText(hWnd, create->lpszName);
            return TRUE;
        }
        case WM_SETTEXT:
            return storeText(hWnd, reinterpret_cast<LPCSTR>(lParam)) ? TRUE : FALSE;
        case WM_GETTEXT:
            return copyText(storedText(hWnd).value_or(""), reinterpret_cast<LPSTR>(lParam), wParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(storedText(hWnd).value_or("").size());
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        case WM_SYSCOMMAND:
            return defaultSysCommand(hWnd, wParam);
        case WM_PAINT:
            return defaultPaint(hWnd);
        case WM_ERASEBKGND:
            return defaultEraseBackground(hWnd);
        case WM_NCHITTEST:
            return defaultHitTest(hWnd, lParam);
        case WM_SETCURSOR:
            return defaultSetCursor(hWnd, wParam, lParam);
        case WM_MOUSEACTIVATE:
            return defaultMouseActivate(hWnd, wParam, lParam);
        case WM_RBUTTONUP:
            return defaultRightButtonUp(hWnd, lParam);
        case WM_CONTEXTMENU:
            return defaultContextMenu(hWnd, wParam, lParam);
        case kKeyF1Message:
            return defaultKeyF1(hWnd);
        case WM_HELP:
            return defaultHelp(hWnd, wParam, lParam);
        case WM_ACTIVATE:
            return defaultActivate(hWnd, wParam);
        case WM_NCACTIVATE:
            return TRUE;  // the activation goes ahead
        case WM_WINDOWPOSCHANGED:
            return defaultWindowPosChanged(hWnd, reinterpret_cast<const WINDOWPOS *>(lParam));
        default:
            return 0;
        }
    });
}

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                               LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
    });
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        if (!ofCallingThread(hWnd))
            return storeText(hWnd, lpString) ? TRUE : FALSE;
        return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
    });
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        if (!lpString || nMaxCount <= 0)
            return 0;
        if (!ofCallingThread(hWnd))
            return copyText(storedText(hWnd).value_or(""), lpString, static_cast<WPARAM>(nMaxCount));
        lpString[0] = '\0';
        // A window procedure answering WM_GETTEXT itself is held to the buffer's size.
        const LRESULT copied = SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                            reinterpret_cast<LPARAM>(lpString));
        lpString[nMaxCount - 1] = '\0';
        return static_cast<int>(std::clamp<LRESULT>(copied, 0, nMaxCount - 1));
    });
}

int WINAPI GetWindowTextLengthA(HWND hWnd)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        if (!ofCallingThread(hWnd))
            return static_cast<int>(storedText(hWnd).value_or("").size());
        return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
    });
}
