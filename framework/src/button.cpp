// CButton: the button control.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                     UINT nID)
{
    return CreateEx(0, "Button", lpszCaption, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd ? pParentWnd->m_hWnd : NULL,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & 0xff;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    SendMessage(BM_SETSTYLE, nStyle, bRedraw);
}
