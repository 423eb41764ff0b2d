// The push-button look, the focus repair and the waiting cursor of the product's dialogs.
#include "ui/dialog_buttons.h"

namespace TutDialogParts {

namespace {

bool isPushButton(HWND hWnd)
{
    const LRESULT code = ::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

bool isButtonPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

}  // namespace

void RepaintPushButton(HWND dialog, HWND button)
{
    if (!button || !isPushButton(button))
        return;
    const LRESULT defId = ::SendMessageA(dialog, DM_GETDEFID, 0, 0);
    // Without a default button DM_GETDEFID answers 0, which is no control's identifier then.
    const bool isDefault = HIWORD(defId) == DC_HASDEFID && LOWORD(defId) == ::GetDlgCtrlID(button);
    const HWND focus = ::GetFocus();
    const bool focusOnOtherButton = focus && focus != button && isPushButton(focus);
    const bool defaultLook = focus == button || (isDefault && !focusOnOtherButton);
    ::SendMessageA(button, BM_SETSTYLE, defaultLook ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void RepaintPushButtons(HWND dialog)
{
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        RepaintPushButton(dialog, child);
}

void ResetDisabledFocus(HWND dialog, HWND control)
{
    if (!control || ::GetActiveWindow() != dialog)
        return;
    const HWND focus = ::GetFocus();
    if (focus && ::IsWindowEnabled(focus))
        return;
    ::SetFocus(control);
    RepaintPushButtons(dialog);
}

void RefreshCursor()
{
    POINT at{};
    if (::GetCursorPos(&at))
        ::SetCursorPos(at.x, at.y);
}

void ShowWaitCursor(HWND dialog, UINT message)
{
    ::SetCursor(::LoadCursorA(NULL, IDC_WAIT));
    if (!isButtonPress(message))
        return;
    if (::GetActiveWindow() != dialog)
        ::SetActiveWindow(dialog);
    else
        ::MessageBeep(0);
}

}  // namespace TutDialogParts
