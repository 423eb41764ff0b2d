// TutDialog: the default-button look of push buttons and the repair of a lost focus.
#include "ui/dialog_buttons.h"
#include "ui/tut_dialog.h"

void TutDialog::RepaintPushButton(HWND hWnd)
{
    TutDialogParts::RepaintPushButton(m_hWnd, hWnd);
}

void TutDialog::RepaintPushButton(CWnd *pWnd)
{
    if (pWnd)
        RepaintPushButton(pWnd->GetSafeHwnd());
}

void TutDialog::RepaintPushButtons()
{
    TutDialogParts::RepaintPushButtons(m_hWnd);
}

void TutDialog::ResetDisabledFocus(CWnd *pWnd)
{
    if (pWnd)
        TutDialogParts::ResetDisabledFocus(m_hWnd, pWnd->GetSafeHwnd());
}
