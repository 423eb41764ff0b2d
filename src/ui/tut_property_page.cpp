// TutPropertyPage: the waiting state, the push buttons, Abort, help and its default button.
#include "log/user_message.h"
#include "ui/cut_help.h"
#include "ui/dialog_buttons.h"
#include "ui/tut_property_sheet.h"

IMPLEMENT_DYNCREATE(TutPropertyPage, CPropertyPage)

TutPropertyPage::TutPropertyPage() : m_nWaiting(0), m_nUpdateDisable(1), m_nReserved(0) {}

TutPropertyPage::TutPropertyPage(unsigned int nIDTemplate)
    : CPropertyPage(nIDTemplate), m_nWaiting(0), m_nUpdateDisable(1), m_nReserved(0)
{
}

TutPropertyPage::TutPropertyPage(unsigned int nIDTemplate, unsigned int nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption), m_nWaiting(0), m_nUpdateDisable(1), m_nReserved(0)
{
}

TutPropertyPage::TutPropertyPage(char const *lpszTemplateName, unsigned int nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption),
      m_nWaiting(0),
      m_nUpdateDisable(1),
      m_nReserved(0)
{
}

void TutPropertyPage::Wait(int wait)
{
    m_nWaiting = wait;
    EnableWindow(TRUE);
    TutDialogParts::RefreshCursor();
}

void TutPropertyPage::RepaintPushButton(HWND hWnd)
{
    TutDialogParts::RepaintPushButton(m_hWnd, hWnd);
}

void TutPropertyPage::RepaintPushButton(CWnd *pWnd)
{
    if (pWnd)
        RepaintPushButton(pWnd->GetSafeHwnd());
}

void TutPropertyPage::RepaintPushButtons()
{
    TutDialogParts::RepaintPushButtons(m_hWnd);
}

void TutPropertyPage::ResetDisabledFocus(CWnd *pWnd)
{
    if (pWnd)
        TutDialogParts::ResetDisabledFocus(m_hWnd, pWnd->GetSafeHwnd());
}

int TutPropertyPage::CommitPageData()
{
    return 1;
}

void TutPropertyPage::Abort(CException *e, int deleteException)
{
    DisableUpdates();
    TutMessage::Box(e, "Error In Dialog");
    if (deleteException && e)
        e->Delete();
    EndDialog(IDCANCEL);
}

ULONG *TutPropertyPage::GetHelpMap()
{
    return NULL;
}

void TutPropertyPage::UpdateDefault(unsigned int nID)
{
    const UINT id = nID ? nID : LOWORD(SendMessage(DM_GETDEFID));
    const HWND ok = ::GetDlgItem(::GetParent(m_hWnd), IDOK);
    const HWND focus = ::GetFocus();
    if (focus && focus == ok) {
        ::SendMessageA(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        SendMessage(DM_SETDEFID, IDOK);
        return;
    }
    if (!focus || !::IsChild(m_hWnd, focus))
        return;
    if (HIWORD(SendMessage(DM_GETDEFID)) == DC_HASDEFID) {
        SendMessage(DM_SETDEFID, id);
        if (ok)
            ::SendMessageA(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    ::SetActiveWindow(focus);
}

BOOL TutPropertyPage::OnInitDialog()
{
    const BOOL result = CPropertyPage::OnInitDialog();
    CenterWindow();
    return result;
}

void TutPropertyPage::OnOK()
{
    CPropertyPage::OnOK();
}

LRESULT TutPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // No part of the page answers the mouse's hit test; its controls do.
    if (message == WM_NCHITTEST)
        return HTNOWHERE;
    return CPropertyPage::WindowProc(message, wParam, lParam);
}

BOOL TutPropertyPage::OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message)
{
    if (!m_nWaiting)
        return CPropertyPage::OnSetCursor(pWnd, nHitTest, message);
    TutDialogParts::ShowWaitCursor(m_hWnd, message);
    return TRUE;
}

BOOL TutPropertyPage::OnHelpInfo(HELPINFO *pHelpInfo)
{
    if (ULONG *map = GetHelpMap())
        CutHelp::OnWMHelp(reinterpret_cast<LPARAM>(pHelpInfo), map);
    return FALSE;
}

void TutPropertyPage::OnContextMenu(CWnd *pWnd, CPoint)
{
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    if (!hWnd)
        return;
    if (ULONG *map = GetHelpMap())
        CutHelp::OnContextMenu(hWnd, map);
}
