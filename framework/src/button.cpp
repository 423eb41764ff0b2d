// CButton: the button control.
#include "afxwin.h"
#include "control_window.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                     UINT nID)
{
    return createControl(*this, "Button", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & 0xff;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    SendMessage(BM_SETSTYLE, nStyle, bRedraw);
}
