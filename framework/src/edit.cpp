// CEdit: the edit control.
#include "afxwin.h"
#include "control_window.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return createControl(*this, "Edit", NULL, dwStyle, rect, pParentWnd, nID);
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
    return askControl<UINT>(m_hWnd, EM_GETLIMITTEXT);
}

DWORD CEdit::GetSel() const
{
    return askControl<DWORD>(m_hWnd, EM_GETSEL);
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
