// The dialog manager's focus: the control the focus goes to, the focus kept over deactivation,
// WM_NEXTDLGCTL, and the default push button's look following the focus.
#include "user32/dialog_focus.h"

#include "user32/dialog_state.h"

namespace vks::detail {

namespace {

HWND defaultIdControl(HWND dialog)
{
    const LRESULT answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(answer) != DC_HASDEFID)
        return nullptr;
    return dialogChildById(dialog, LOWORD(answer));
}

void showLook(HWND button, bool isDefault)
{
    SendMessageA(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool isMinimized(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_MINIMIZE) != 0;
}

// Gives the focus back to the control the dialog kept. On activation only a kept control is
// focused, as it was left; WM_SETFOCUS falls back to the first control and selects an edit's text.
void restoreFocus(HWND dialog, bool onActivation)
{
    INT_PTR result = 0;
    // An ending dialog gives its controls no focus any more.
    if (isMinimized(dialog) || dialogEnded(dialog, result))
        return;
    HWND control = savedFocus(dialog);
    if (!control || !IsChild(dialog, control)) {
        if (onActivation)
            return;
        control = firstDialogControl(dialog);
        if (!control)
            return;
    }
    saveFocus(dialog, nullptr);
    if (onActivation)
        SetFocus(control);
    else
        focusDialogControl(control);
}

// Focuses a control as focusDialogControl does and returns the code it answered.
LRESULT focusDialogControlAsked(HWND control)
{
    const LRESULT code = askDialogCode(control);
    if (code & DLGC_HASSETSEL)
        SendMessageA(control, EM_SETSEL, 0, -1);
    SetFocus(control);
    return code;
}

// The default look follows the focus from `from` to `to` (answering `toCode`): a focused push
// button looks default, otherwise the button of the dialog's default identifier does. Only the
// buttons concerned are asked, so a move between fields leaves the buttons alone, as on Windows.
void moveDefaultLook(HWND dialog, HWND from, HWND to, LRESULT toCode)
{
    const bool toButton = to && isPushButtonCode(toCode);
    const LRESULT fromCode = from && from != to && IsChild(dialog, from) ? askDialogCode(from) : 0;
    const bool fromButton = isPushButtonCode(fromCode);
    if (!toButton && !fromButton)
        return;
    const HWND plain = fromButton ? from : defaultIdControl(dialog);
    const HWND looksDefault = toButton ? to : defaultIdControl(dialog);
    if (plain && plain != looksDefault &&
        ((plain == from ? fromCode : askDialogCode(plain)) & DLGC_DEFPUSHBUTTON))
        showLook(plain, false);
    if (looksDefault &&
        ((looksDefault == to ? toCode : askDialogCode(looksDefault)) & DLGC_UNDEFPUSHBUTTON))
        showLook(looksDefault, true);
}

}  // namespace

LRESULT askDialogCode(HWND control, WPARAM key, const MSG *msg)
{
    return SendMessageA(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg));
}

bool isPushButtonCode(LRESULT code)
{
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

HWND dialogChildById(HWND dialog, int id)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (LOWORD(GetDlgCtrlID(child)) == LOWORD(id))
            return child;
    return nullptr;
}

void focusDialogControl(HWND control)
{
    focusDialogControlAsked(control);
}

HWND firstDialogControl(HWND dialog)
{
    const HWND tabStop = GetNextDlgTabItem(dialog, nullptr, FALSE);
    return tabStop ? tabStop : GetNextDlgGroupItem(dialog, nullptr, FALSE);
}

void showDefaultId(HWND dialog, int previousId, int newId)
{
    if (const HWND old = previousId ? dialogChildById(dialog, previousId) : nullptr;
        old && (askDialogCode(old) & DLGC_DEFPUSHBUTTON))
        showLook(old, false);
    if (const HWND now = newId ? dialogChildById(dialog, newId) : nullptr;
        now && (askDialogCode(now) & DLGC_UNDEFPUSHBUTTON))
        showLook(now, true);
}

LRESULT dialogActivated(HWND dialog, WPARAM wParam)
{
    if (LOWORD(wParam) != WA_INACTIVE) {
        restoreFocus(dialog, true);
        return 0;
    }
    const HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus))
        saveFocus(dialog, focus);
    return 0;
}

LRESULT dialogFocused(HWND dialog)
{
    restoreFocus(dialog, false);
    return 0;
}

LRESULT nextDialogControl(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    HWND focus = GetFocus();
    if (focus && !IsChild(dialog, focus))
        focus = nullptr;
    const HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                       : GetNextDlgTabItem(dialog, focus, wParam != 0);
    if (!target)
        return 0;
    const LRESULT code = focusDialogControlAsked(target);
    moveDefaultLook(dialog, focus, target, code);
    return 0;
}

}  // namespace vks::detail
