// TutDialog: the default-button look of push buttons and the repair of a lost focus.
#include "ui/tut_dialog.h"

namespace {

bool isPushButton(HWND hWnd)
{
    const LRESULT code = ::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

void TutDialog::RepaintPushButton(HWND hWnd)
{
    if (!hWnd || !isPushButton(hWnd))
        return;
    const LRESULT defId = SendMessage(DM_GETDEFID);
    // Without a default button DM_GETDEFID answers 0, which is no control's identifier then.
    const bool isDefault = HIWORD(defId) == DC_HASDEFID && LOWORD(defId) == ::GetDlgCtrlID(hWnd);
    const HWND focus = ::GetFocus();
    const bool focusOnOtherButton = focus && focus != hWnd && isPushButton(focus);
    const bool defaultLook = focus == hWnd || (isDefault && !focusOnOtherButton);
    ::SendMessageA(hWnd, BM_SETSTYLE, defaultLook ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TutDialog::RepaintPushButton(CWnd *pWnd)
{
    if (pWnd)
        RepaintPushButton(pWnd->GetSafeHwnd());
}

void TutDialog::RepaintPushButtons()
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        RepaintPushButton(child);
}

void TutDialog::ResetDisabledFocus(CWnd *pWnd)
{
    if (!pWnd || ::GetActiveWindow() != m_hWnd)
        return;
    const HWND focus = ::GetFocus();
    if (focus && ::IsWindowEnabled(focus))
        return;
    ::SetFocus(pWnd->GetSafeHwnd());
    RepaintPushButtons();
}
