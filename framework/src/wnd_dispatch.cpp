// CWnd's message dispatch: WindowProc, OnWndMsg, the handlers and default handling.
#include "afxwin.h"

#include "wnd_map.h"
#include "wnd_message.h"
#include "wnd_named.h"

namespace vks::detail {

namespace {

MSG &current()
{
    thread_local MSG message{};
    return message;
}

}  // namespace

const MSG &currentWindowMessage()
{
    return current();
}

CurrentMessage::CurrentMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    : outer_(current())
{
    current() = MSG{hwnd, message, wParam, lParam, 0, {}};
}

CurrentMessage::~CurrentMessage()
{
    current() = outer_;
}

namespace {

HWND &lockedOutWindow()
{
    thread_local HWND window = nullptr;
    return window;
}

}  // namespace

NotifyLockout::NotifyLockout(HWND hwnd) : outer_(lockedOutWindow())
{
    lockedOutWindow() = hwnd;
}

NotifyLockout::~NotifyLockout()
{
    lockedOutWindow() = outer_;
}

bool notificationsLockedOut(HWND hwnd)
{
    return hwnd && lockedOutWindow() == hwnd;
}

}  // namespace vks::detail

using namespace vks::detail;

namespace {

HWND windowParam(WPARAM wParam)
{
    return reinterpret_cast<HWND>(wParam);
}

HWND windowParam(LPARAM lParam)
{
    return reinterpret_cast<HWND>(lParam);
}

// Screen coordinates are signed: a second monitor may lie left of or above the first.
CPoint pointParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

}  // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    LRESULT result = 0;
    switch (message) {
    case WM_CREATE:
        result = OnCreate(reinterpret_cast<LPCREATESTRUCTA>(lParam));
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_NCDESTROY:
        OnNcDestroy();
        break;
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_CLOSE:
        OnClose();
        break;
    case WM_COMMAND:
        // Menu and accelerator commands (no control) are never locked out.
        if (lParam && notificationsLockedOut(m_hWnd))
            break;
        if (!OnCommand(wParam, lParam))
            return FALSE;
        break;
    case WM_NOTIFY:
        if (notificationsLockedOut(m_hWnd))
            break;
        if (!OnNotify(wParam, lParam, &result))
            return FALSE;
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_SETCURSOR:
        result = OnSetCursor(NamedWindow(windowParam(wParam)).get(), LOWORD(lParam),
                             HIWORD(lParam));
        break;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), NamedWindow(windowParam(lParam)).get(), HIWORD(wParam) != 0);
        break;
    case WM_SETFOCUS:
        OnSetFocus(NamedWindow(windowParam(wParam)).get());
        break;
    case WM_KILLFOCUS:
        OnKillFocus(NamedWindow(windowParam(wParam)).get());
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(NamedWindow(windowParam(wParam)).get(), pointParam(lParam));
        break;
    case WM_HELP:
        result = OnHelpInfo(reinterpret_cast<HELPINFO *>(lParam));
        break;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                  NamedWindow(windowParam(lParam)).get());
        break;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                  NamedWindow(windowParam(lParam)).get());
        break;
    default:
        return FALSE;
    }
    if (pResult)
        *pResult = result;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG &msg = currentWindowMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG *CWnd::GetCurrentMessage()
{
    return &currentWindowMessage();
}

int CWnd::OnCreate(LPCREATESTRUCTA)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnNcDestroy()
{
    Default();
    // The thread must not keep a main window that is gone (the object may delete itself next).
    if (CWinThread *thread = AfxGetThread(); thread->m_pMainWnd == this)
        thread->m_pMainWnd = NULL;
    Detach();
    PostNcDestroy();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

BOOL CWnd::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnSetCursor(CWnd *, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnActivate(UINT, CWnd *, BOOL)
{
    Default();
}

void CWnd::OnSetFocus(CWnd *)
{
    Default();
}

void CWnd::OnKillFocus(CWnd *)
{
    Default();
}

void CWnd::OnContextMenu(CWnd *, CPoint)
{
    Default();
}

BOOL CWnd::OnHelpInfo(HELPINFO *)
{
    return static_cast<BOOL>(Default());
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT *)
{
    return FALSE;
}

void CWnd::OnHScroll(UINT, UINT, CWnd *)
{
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CWnd *)
{
    Default();
}

void CWnd::PostNcDestroy() {}
