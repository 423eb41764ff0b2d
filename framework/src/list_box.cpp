// CListBox: the list box control.
#include "afxwin.h"
#include "control_window.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return createControl(*this, "ListBox", NULL, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return askControl(m_hWnd, LB_GETCOUNT); }
int CListBox::GetTopIndex() const { return askControl(m_hWnd, LB_GETTOPINDEX); }
int CListBox::SetTopIndex(int nIndex) { return askControl(m_hWnd, LB_SETTOPINDEX, nIndex); }

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return askControl<DWORD_PTR>(m_hWnd, LB_GETITEMDATA, nIndex, 0);
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return askControl(m_hWnd, LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
}

int CListBox::GetCurSel() const { return askControl(m_hWnd, LB_GETCURSEL); }
int CListBox::SetCurSel(int nSelect) { return askControl(m_hWnd, LB_SETCURSEL, nSelect); }
int CListBox::GetSel(int nIndex) const { return askControl(m_hWnd, LB_GETSEL, nIndex); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return askControl(m_hWnd, LB_SETSEL, bSelect, nIndex); }
int CListBox::GetSelCount() const { return askControl(m_hWnd, LB_GETSELCOUNT); }

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    return askControl(m_hWnd, LB_GETSELITEMS, nMaxItems, reinterpret_cast<LPARAM>(rgIndex));
}

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const
{
    return askControl(m_hWnd, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer));
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

int CListBox::GetTextLen(int nIndex) const { return askControl(m_hWnd, LB_GETTEXTLEN, nIndex); }
int CListBox::AddString(LPCSTR lpszItem) { return askControl(m_hWnd, LB_ADDSTRING, 0, textParam(lpszItem)); }
int CListBox::DeleteString(UINT nIndex) { return askControl(m_hWnd, LB_DELETESTRING, nIndex); }

int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return askControl(m_hWnd, LB_INSERTSTRING, nIndex, textParam(lpszItem));
}

void CListBox::ResetContent() { askControl(m_hWnd, LB_RESETCONTENT); }

int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    return askControl(m_hWnd, LB_FINDSTRING, nStartAfter, textParam(lpszItem));
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return askControl(m_hWnd, LB_FINDSTRINGEXACT, nIndexStart, textParam(lpszFind));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    return askControl(m_hWnd, LB_SELECTSTRING, nStartAfter, textParam(lpszItem));
}
