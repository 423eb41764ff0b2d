// TutPropertySheet's message handlers: creation, its buttons' commands, help requests,
// activation and destruction.
#include "ui/cut_help.h"
#include "ui/tut_property_sheet.h"

namespace {

constexpr UINT kHelpCommand = 0xE146;
constexpr int kButtonIds[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};

}  // namespace

LRESULT TutPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RBUTTONUP)
        OnRButtonUp(lParam);
    return CPropertySheet::WindowProc(message, wParam, lParam);
}

int TutPropertySheet::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CPropertySheet::OnCreate(lpCreateStruct) == -1)
        return -1;
    CenterWindow();
    if (HasCuecard())
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    return 0;
}

BOOL TutPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case ID_APPLY_NOW:
            OnApplyNow();
            return TRUE;
        case IDHELP:
        case kHelpCommand:
            CutHelp::OnHelp(m_nHelpID);
            return TRUE;
        default:
            break;
        }
    }
    return CPropertySheet::OnCommand(wParam, lParam);
}

BOOL TutPropertySheet::OnHelpInfo(HELPINFO *pHelpInfo)
{
    if (ULONG *map = GetHelpMap())
        CutHelp::OnWMHelp(reinterpret_cast<LPARAM>(pHelpInfo), map);
    return FALSE;
}

void TutPropertySheet::OnContextMenu(CWnd *pWnd, CPoint)
{
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    if (!hWnd)
        return;
    if (ULONG *map = GetHelpMap())
        CutHelp::OnContextMenu(hWnd, map);
}

void TutPropertySheet::OnRButtonUp(LPARAM lParam)
{
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    for (int id : kButtonIds) {
        const HWND button = ::GetDlgItem(m_hWnd, id);
        if (!button)
            continue;
        RECT place{};
        ::GetWindowRect(button, &place);
        ScreenToClient(&place);
        if (::PtInRect(&place, point)) {
            CutHelp::OnContextMenu(button, GetHelpMap());
            return;
        }
    }
}

void TutPropertySheet::OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized)
{
    const bool activated = nState == WA_ACTIVE || nState == WA_CLICKACTIVE;
    if (activated && pWndOther && HasCuecard() && CutHelp::AreCueCardsEnabled())
        CutHelp::OnQSMsg(this, m_nQHelpID ? m_nQHelpID : m_nHelpID);
    CPropertySheet::OnActivate(nState, pWndOther, bMinimized);
}

void TutPropertySheet::OnDestroy()
{
    CutHelp::CloseCuecard(this);
    CPropertySheet::OnDestroy();
}
