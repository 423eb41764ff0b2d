// DefWindowProcA: what a window does with a message its own procedure leaves to the default.
#include "user32/default_input.h"
#include "user32/key_state.h"
#include "user32/paint_state.h"
#include "user32/window_state.h"
#include "user32/window_text.h"
#include "vksboundary.h"
#include "windows.h"

using namespace vks::detail;

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
