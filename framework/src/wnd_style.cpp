// CWnd: styles and the dialog items of a window.
#include "afxwin.h"

namespace {

// Replaces the bits of one style word; false when nothing changed.
bool modifyStyleWord(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hwnd, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return false;
    ::SetWindowLongA(hwnd, index, static_cast<LONG>(changed));
    if (flags)
        ::SetWindowPos(hwnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return true;
}

}  // namespace

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return modifyStyleWord(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return modifyStyleWord(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

int CWnd::GetDlgItemText(int nID, CString &rString) const
{
    const HWND item = ::GetDlgItem(m_hWnd, nID);
    if (!item) {
        rString.Empty();
        return 0;
    }
    const int length = ::GetWindowTextLengthA(item);
    const int copied = ::GetWindowTextA(item, rString.GetBufferSetLength(length), length + 1);
    rString.ReleaseBuffer(copied);
    return copied;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd *pParent)
{
    const HWND item = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : NULL;
    return item ? SubclassWindow(item) : FALSE;
}
