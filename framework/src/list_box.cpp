// CListBox: the list box control.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

int ask(HWND box, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return static_cast<int>(::SendMessageA(box, message, wParam, lParam));
}

LPARAM text(LPCSTR s)
{
    return reinterpret_cast<LPARAM>(s);
}

}  // namespace

BOOL CListBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CreateEx(0, "ListBox", NULL, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : NULL,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

int CListBox::GetCount() const { return ask(m_hWnd, LB_GETCOUNT); }
int CListBox::GetTopIndex() const { return ask(m_hWnd, LB_GETTOPINDEX); }
int CListBox::SetTopIndex(int nIndex) { return ask(m_hWnd, LB_SETTOPINDEX, nIndex); }

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, LB_GETITEMDATA, nIndex, 0));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return ask(m_hWnd, LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
}

int CListBox::GetCurSel() const { return ask(m_hWnd, LB_GETCURSEL); }
int CListBox::SetCurSel(int nSelect) { return ask(m_hWnd, LB_SETCURSEL, nSelect); }
int CListBox::GetSel(int nIndex) const { return ask(m_hWnd, LB_GETSEL, nIndex); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return ask(m_hWnd, LB_SETSEL, bSelect, nIndex); }
int CListBox::GetSelCount() const { return ask(m_hWnd, LB_GETSELCOUNT); }

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    return ask(m_hWnd, LB_GETSELITEMS, nMaxItems, reinterpret_cast<LPARAM>(rgIndex));
}

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const
{
    return ask(m_hWnd, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer));
}

void CListBox::GetText(int nIndex, CString &rString) const
{
    // An index that names no item gives an empty string rather than a buffer of -1 bytes.
    const int length = GetTextLen(nIndex);
    if (length < 0) {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBufferSetLength(length));
    rString.ReleaseBuffer(length);
}

int CListBox::GetTextLen(int nIndex) const { return ask(m_hWnd, LB_GETTEXTLEN, nIndex); }
int CListBox::AddString(LPCSTR lpszItem) { return ask(m_hWnd, LB_ADDSTRING, 0, text(lpszItem)); }
int CListBox::DeleteString(UINT nIndex) { return ask(m_hWnd, LB_DELETESTRING, nIndex); }

int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return ask(m_hWnd, LB_INSERTSTRING, nIndex, text(lpszItem));
}

void CListBox::ResetContent() { ask(m_hWnd, LB_RESETCONTENT); }

int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    return ask(m_hWnd, LB_FINDSTRING, nStartAfter, text(lpszItem));
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return ask(m_hWnd, LB_FINDSTRINGEXACT, nIndexStart, text(lpszFind));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    return ask(m_hWnd, LB_SELECTSTRING, nStartAfter, text(lpszItem));
}
