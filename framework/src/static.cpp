// CStatic: the static control.
#include "afxwin.h"
#include "control_window.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                     UINT nID)
{
    return createControl(*this, "Static", lpszText, dwStyle, rect, pParentWnd, nID);
}
