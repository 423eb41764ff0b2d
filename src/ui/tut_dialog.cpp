// TutDialog: construction, the observer, the waiting state, the update counter and Abort.
#include "ui/tut_dialog.h"

#include "log/user_message.h"
#include "ui/dialog_buttons.h"
#include "ui/dialog_link.h"
#include "util/startup.h"

IMPLEMENT_DYNAMIC(TutDialog, CDialog)

namespace {

constexpr unsigned int kAbortNotice = 8292;

}  // namespace

TutDialog::TutDialog(unsigned int nIDTemplate, CWnd *pParentWnd)
    : CDialog(nIDTemplate, pParentWnd),
      m_nWaiting(0),
      m_nUpdateDisable(1),
      m_pObserver(NULL),
      m_bPainted(0),
      m_nQHelpID(0)
{
}

TutDialog::TutDialog(char const *lpszTemplateName, CWnd *pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd),
      m_nWaiting(0),
      m_nUpdateDisable(1),
      m_pObserver(NULL),
      m_bPainted(0),
      m_nQHelpID(0)
{
}

TutDialog::~TutDialog()
{
    // Past this destructor the window's messages would reach CWnd's handlers only, and the
    // observer would never hear of the destruction.
    if (m_hWnd)
        DestroyWindow();
    Observer(NULL);
}

void TutDialog::Observer(TutDialogObserver *observer)
{
    if (observer == m_pObserver)
        return;
    if (m_pObserver)
        m_pObserver->link().unbind();
    m_pObserver = NULL;
    if (!observer)
        return;
    if (TutDialog *previous = observer->Dialog())
        previous->Observer(NULL);
    observer->link().bind(this);
    m_pObserver = observer;
}

void TutDialog::Wait(int wait)
{
    m_nWaiting = wait;
    // The window stays enabled while waiting, so that clicks reach the cursor handling, and
    // after it: a dialog left disabled when the wait ends could not be used any more.
    EnableWindow(TRUE);
    TutDialogParts::RefreshCursor();
}

void TutDialog::EnableUpdates(int enable)
{
    m_nUpdateDisable += enable ? -1 : 1;
}

void TutDialog::Enable(int enable)
{
    EnableWindow(enable);
}

int TutDialog::IsEnabled() const
{
    return IsWindowEnabled();
}

void TutDialog::Abort(CException *e, int deleteException)
{
    DisableUpdates();
    TutMessage::Box(e, utLibraryInstance(), kAbortNotice);
    if (deleteException && e)
        e->Delete();
    EndDialog(IDCANCEL);
}

int TutDialog::HasCuecard() const
{
    return (::GetWindowLongA(m_hWnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) ? 1 : 0;
}

ULONG *TutDialog::GetHelpMap()
{
    return NULL;
}

ULONG *TutDialog::GetHelpMapWithID(ULONG)
{
    return NULL;
}

void TutDialog::DoDataExchange(CDataExchange *) {}
