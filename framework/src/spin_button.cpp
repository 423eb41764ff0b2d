// CSpinButtonCtrl: the up-down control.
#include "afxcmn.h"
#include "control_window.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    return createControl(*this, UPDOWN_CLASSA, NULL, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper)
{
    SendMessage(UDM_SETRANGE, 0, MAKELONG(nUpper, nLower));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

DWORD CSpinButtonCtrl::GetRange() const
{
    return askControl<DWORD>(m_hWnd, UDM_GETRANGE);
}

void CSpinButtonCtrl::GetRange(int &lower, int &upper) const
{
    const DWORD range = GetRange();
    lower = static_cast<short>(HIWORD(range));
    upper = static_cast<short>(LOWORD(range));
}

void CSpinButtonCtrl::GetRange32(int &lower, int &upper) const
{
    ::SendMessageA(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                   reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos(int nPos)
{
    return static_cast<short>(LOWORD(SendMessage(UDM_SETPOS, 0, MAKELONG(nPos, 0))));
}

int CSpinButtonCtrl::GetPos() const
{
    return askControl(m_hWnd, UDM_GETPOS);
}

CWnd *CSpinButtonCtrl::SetBuddy(CWnd *pWndBuddy)
{
    return FromHandle(reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy ? pWndBuddy->m_hWnd : NULL))));
}

CWnd *CSpinButtonCtrl::GetBuddy() const
{
    return FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, UDM_GETBUDDY, 0, 0)));
}

int CSpinButtonCtrl::SetBase(int nBase)
{
    return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(nBase)));
}

UINT CSpinButtonCtrl::GetBase() const
{
    return askControl<UINT>(m_hWnd, UDM_GETBASE);
}
