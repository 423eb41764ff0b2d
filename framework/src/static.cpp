// CStatic: the static control.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                     UINT nID)
{
    return CreateEx(0, "Static", lpszText, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : NULL,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}
