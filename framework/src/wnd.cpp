// CWnd: creation, destruction, the handle map and the framework's window procedure.
#include "afxwin.h"

#include "wnd_map.h"
#include "wnd_message.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CWnd, CObject)

namespace {

// Creation's first message claims the object being created for its window.
CWnd *claimWindowBeingCreated(HWND hWnd)
{
    CWnd *creating = windowBeingCreated();
    if (!creating)
        return nullptr;
    windowBeingCreated() = nullptr;
    creating->Attach(hWnd);
    return creating;
}

bool classUsesFrameworkProc(LPCSTR lpszClassName)
{
    WNDCLASSA wc{};
    return GetClassInfoA(AfxGetInstanceHandle(), lpszClassName, &wc) &&
           wc.lpfnWndProc == AfxWndProc;
}

}  // namespace

// CWnd's friend: AfxWndProc's way in to the protected WindowProc.
class CWndProcEntry {
public:
    static LRESULT windowProc(CWnd *wnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return wnd->WindowProc(message, wParam, lParam);
    }
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd *wnd = windowObject(hWnd);
    if (!wnd)
        wnd = claimWindowBeingCreated(hWnd);
    if (!wnd)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    CurrentMessage current(hWnd, message, wParam, lParam);
    try {
        // The object may delete itself (PostNcDestroy): nothing below touches it.
        return CWndProcEntry::windowProc(wnd, message, wParam, lParam);
    } catch (CException *e) {
        // A framework exception ends at the window procedure; a failed WM_CREATE fails creation.
        TRACE("AfxWndProc: exception in message 0x%04x\n", message);
        e->Delete();
        return message == WM_CREATE ? -1 : 0;
    }
}

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL), m_nModalResult(0), m_nFlags(0) {}

CWnd::CWnd(HWND hWndMarker) : m_hWnd(hWndMarker), m_pfnSuper(NULL), m_nModalResult(0), m_nFlags(0)
{
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd()
{
    if (m_hWnd && windowObject(m_hWnd) == this)
        DestroyWindow();
}

CWnd *CWnd::FromHandle(HWND hWnd)
{
    return FromHandlePermanent(hWnd);
}

CWnd *CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? windowObject(hWnd) : NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    if (!lpszClassName)
        lpszClassName = AfxRegisterWndClass(0);
    const bool ours = classUsesFrameworkProc(lpszClassName);
    CWnd *outer = windowBeingCreated();
    windowBeingCreated() = ours ? this : NULL;
    const HWND hWnd = CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y,
                                      nWidth, nHeight, hWndParent, nIDorHMenu,
                                      AfxGetInstanceHandle(), lpParam);
    windowBeingCreated() = outer;
    if (!hWnd)
        return FALSE;
    if (!ours)
        SubclassWindow(hWnd);
    return m_hWnd == hWnd;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    if (windowObject(m_hWnd) != this) {
        // Attached elsewhere or already unmapped: only forget the handle.
        m_hWnd = NULL;
        return FALSE;
    }
    const HWND hWnd = m_hWnd;
    const BOOL destroyed = ::DestroyWindow(hWnd);
    // A window whose WM_NCDESTROY did not reach us (its procedure was replaced) is unmapped here.
    if (destroyed && windowObject(hWnd) == this) {
        unmapWindowObject(hWnd);
        m_hWnd = NULL;
    }
    return destroyed;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (m_hWnd || !hWndNew || windowObject(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    mapWindowObject(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    const HWND hWnd = m_hWnd;
    if (hWnd && windowObject(hWnd) == this)
        unmapWindowObject(hWnd);
    m_hWnd = NULL;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    const WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (previous != AfxWndProc)
        m_pfnSuper = previous;
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper && m_hWnd)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = NULL;
    return Detach();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    ::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString &rString) const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    const int copied = ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(length), length + 1);
    rString.ReleaseBuffer(copied);
}

CWnd *CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}
