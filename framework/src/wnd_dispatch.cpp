// CWnd's message dispatch: WindowProc, OnWndMsg, the handlers and default handling.
#include "afxwin.h"

#include "wnd_map.h"
#include "wnd_message.h"

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

}  // namespace vks::detail

using namespace vks::detail;

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
        if (!OnCommand(wParam, lParam))
            return FALSE;
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

void CWnd::PostNcDestroy() {}
