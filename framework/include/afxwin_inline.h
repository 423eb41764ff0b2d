// afxwin_inline.h: CWnd's thin forms of the platform calls, inline so that a program links only the
// calls it makes. Included by afxwin.h.
#pragma once

inline CWnd *CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

inline CWnd *CWnd::GetNextWindow(UINT nFlag) const
{
    return GetWindow(nFlag);
}

inline int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

inline int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const
{
    return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

inline void CWnd::SetDlgItemText(int nID, LPCSTR lpszString)
{
    ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

inline LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam,
                                        LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

inline CWnd *CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

inline CWnd *CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

inline CWnd *CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

inline CWnd *CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

inline BOOL CWnd::IsChild(const CWnd *pWnd) const
{
    return pWnd && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

inline void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

inline void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

inline void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(NULL, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

inline void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

inline void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, NULL, reinterpret_cast<LPPOINT>(lpRect), 2);
}

inline void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

inline void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

inline BOOL CWnd::SetWindowPos(const CWnd *pWndInsertAfter, int x, int y, int cx, int cy,
                               UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : HWND_TOP, x, y,
                          cx, cy, nFlags);
}

inline void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, NULL, bErase);
}

inline void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

inline void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}
