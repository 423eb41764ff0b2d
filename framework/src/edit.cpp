// CEdit: the edit control.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CreateEx(0, "Edit", NULL, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : NULL,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

void CEdit::LimitText(int nChars)
{
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars));
}

void CEdit::SetLimitText(UINT nMax)
{
    SendMessage(EM_SETLIMITTEXT, nMax);
}

UINT CEdit::GetLimitText() const
{
    return static_cast<UINT>(::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

DWORD CEdit::GetSel() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETSEL, 0, 0));
}

void CEdit::GetSel(int &nStartChar, int &nEndChar) const
{
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)),
           bNoScroll);
}

// Scrolling the caret into view is the control's own business here: bNoScroll changes nothing.
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
}

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}
