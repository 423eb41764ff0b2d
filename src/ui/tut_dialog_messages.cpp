// TutDialog's message handlers: creation, first paint, destruction, the waiting cursor and the
// help requests.
#include "ui/cut_help.h"
#include "ui/dialog_buttons.h"
#include "ui/dialog_link.h"
#include "ui/tut_dialog.h"
#include "util/tutstring.h"

namespace {

constexpr UINT kHelpCommand = 0xE146;
// The Help button has its own topic, whatever the dialog's map says.
ULONG helpButtonMap[] = {kHelpCommand, 39900, 0, 0};

}  // namespace

int TutDialog::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (GetHelpMap() || GetHelpMapWithID(0)) {
        const LONG exStyle = ::GetWindowLongA(m_hWnd, GWL_EXSTYLE);
        ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_CONTEXTHELP);
    }
    return 0;
}

BOOL TutDialog::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    CenterWindow();
    ExpandTitle();
    if (m_pObserver)
        m_pObserver->link().notify(TutDialogLink::created);
    return result;
}

void TutDialog::ExpandTitle()
{
    CString title;
    GetWindowText(title);
    TutString text(title);
    text.expandEmbeddedMacros();
    SetWindowText(text);
}

void TutDialog::OnPaint()
{
    if (!m_bPainted) {
        m_bPainted = 1;
        if (m_pObserver)
            m_pObserver->link().startTimer();
    }
    CDialog::OnPaint();
}

void TutDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (m_pObserver && m_pObserver->link().isTimer(nIDEvent)) {
        m_pObserver->link().stopTimer();
        m_pObserver->link().notify(TutDialogLink::painted);
        return;
    }
    CDialog::OnTimer(nIDEvent);
}

void TutDialog::OnDestroy()
{
    if (m_pObserver) {
        m_pObserver->link().stopTimer();
        m_pObserver->link().notify(TutDialogLink::destroyed);
    }
    CutHelp::CloseCuecard(this);
    CDialog::OnDestroy();
}

BOOL TutDialog::OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message)
{
    if (!m_nWaiting)
        return CDialog::OnSetCursor(pWnd, nHitTest, message);
    TutDialogParts::ShowWaitCursor(m_hWnd, message);
    return TRUE;
}

BOOL TutDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == kHelpCommand && HIWORD(wParam) == 0) {
        OnHelp();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void TutDialog::OnHelp()
{
    CutHelp::OnHelp(m_nIDHelp);
}

ULONG *TutDialog::HelpMapFor(int id)
{
    if (static_cast<UINT>(id) == kHelpCommand)
        return helpButtonMap;
    if (ULONG *map = GetHelpMap())
        return map;
    return GetHelpMapWithID(static_cast<ULONG>(id));
}

BOOL TutDialog::OnHelpInfo(HELPINFO *pHelpInfo)
{
    if (!pHelpInfo)
        return FALSE;
    if (ULONG *map = HelpMapFor(pHelpInfo->iCtrlId))
        CutHelp::OnWMHelp(reinterpret_cast<LPARAM>(pHelpInfo), map);
    return FALSE;
}

void TutDialog::OnContextMenu(CWnd *pWnd, CPoint)
{
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    if (!hWnd)
        return;
    if (ULONG *map = HelpMapFor(::GetDlgCtrlID(hWnd)))
        CutHelp::OnContextMenu(hWnd, map);
}

void TutDialog::OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized)
{
    const bool activated = nState == WA_ACTIVE || nState == WA_CLICKACTIVE;
    if (activated && pWndOther && HasCuecard() && CutHelp::AreCueCardsEnabled())
        CutHelp::OnQSMsg(this, m_nQHelpID ? m_nQHelpID : m_nIDHelp);
    CDialog::OnActivate(nState, pWndOther, bMinimized);
}
