// CComboBox: the combo box control.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

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

BOOL CComboBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return CreateEx(0, "ComboBox", NULL, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : NULL,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

int CComboBox::GetCount() const { return ask(m_hWnd, CB_GETCOUNT); }
int CComboBox::GetCurSel() const { return ask(m_hWnd, CB_GETCURSEL); }
int CComboBox::SetCurSel(int nSelect) { return ask(m_hWnd, CB_SETCURSEL, nSelect); }

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, CB_GETITEMDATA, nIndex, 0));
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return ask(m_hWnd, CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
}

int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const
{
    return ask(m_hWnd, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText));
}

void CComboBox::GetLBText(int nIndex, CString &rString) const
{
    // An index that names no item gives an empty string rather than a buffer of -1 bytes.
    const int length = GetLBTextLen(nIndex);
    if (length < 0) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(length));
    rString.ReleaseBuffer(length);
}

int CComboBox::GetLBTextLen(int nIndex) const { return ask(m_hWnd, CB_GETLBTEXTLEN, nIndex); }

int CComboBox::AddString(LPCSTR lpszString)
{
    return ask(m_hWnd, CB_ADDSTRING, 0, text(lpszString));
}

int CComboBox::DeleteString(UINT nIndex) { return ask(m_hWnd, CB_DELETESTRING, nIndex); }

int CComboBox::InsertString(int nIndex, LPCSTR lpszString)
{
    return ask(m_hWnd, CB_INSERTSTRING, nIndex, text(lpszString));
}

void CComboBox::ResetContent() { ask(m_hWnd, CB_RESETCONTENT); }

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const
{
    return ask(m_hWnd, CB_FINDSTRING, nStartAfter, text(lpszString));
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return ask(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, text(lpszFind));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString)
{
    return ask(m_hWnd, CB_SELECTSTRING, nStartAfter, text(lpszString));
}
