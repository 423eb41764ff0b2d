// CComboBox: the combo box control.
#include "afxwin.h"
#include "control_window.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return createControl(*this, "ComboBox", NULL, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return askControl(m_hWnd, CB_GETCOUNT); }
int CComboBox::GetCurSel() const { return askControl(m_hWnd, CB_GETCURSEL); }
int CComboBox::SetCurSel(int nSelect) { return askControl(m_hWnd, CB_SETCURSEL, nSelect); }

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return askControl<DWORD_PTR>(m_hWnd, CB_GETITEMDATA, nIndex, 0);
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return askControl(m_hWnd, CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
}

int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const
{
    return askControl(m_hWnd, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText));
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

int CComboBox::GetLBTextLen(int nIndex) const { return askControl(m_hWnd, CB_GETLBTEXTLEN, nIndex); }

int CComboBox::AddString(LPCSTR lpszString)
{
    return askControl(m_hWnd, CB_ADDSTRING, 0, textParam(lpszString));
}

int CComboBox::DeleteString(UINT nIndex) { return askControl(m_hWnd, CB_DELETESTRING, nIndex); }

int CComboBox::InsertString(int nIndex, LPCSTR lpszString)
{
    return askControl(m_hWnd, CB_INSERTSTRING, nIndex, textParam(lpszString));
}

void CComboBox::ResetContent() { askControl(m_hWnd, CB_RESETCONTENT); }

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const
{
    return askControl(m_hWnd, CB_FINDSTRING, nStartAfter, textParam(lpszString));
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return askControl(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, textParam(lpszFind));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString)
{
    return askControl(m_hWnd, CB_SELECTSTRING, nStartAfter, textParam(lpszString));
}
