// TutFileDialog: construction, the run of the inner dialog, its answers and the messages of
// the common dialog window it takes over.
#include "ui/tut_file_dialog.h"

#include "ui/cut_help.h"

IMPLEMENT_DYNAMIC(TutFileDialog, CDialog)

namespace {

constexpr int kHelpButtonId = 0xE146;
constexpr ULONG kHelpButtonTopic = 39900;

ULONG helpButtonMap[] = {kHelpButtonId, kHelpButtonTopic, 0, 0};

}  // namespace

TutInnerFileDialog::TutInnerFileDialog(TutFileDialog *owner, int bOpenFileDialog,
                                       char const *lpszDefExt, char const *lpszFileName,
                                       unsigned long dwFlags, char const *lpszFilter,
                                       CWnd *pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, static_cast<DWORD>(dwFlags),
                  lpszFilter, pParentWnd),
      m_pOwner(owner),
      m_bSubclassed(0)
{
}

INT_PTR TutInnerFileDialog::DoModal()
{
    m_bSubclassed = 0;
    return CFileDialog::DoModal();
}

// The hook dialog is shown before the common dialog window, so the owner holds that window
// before its own first WM_SHOWWINDOW.
LRESULT TutInnerFileDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CFileDialog::WindowProc(message, wParam, lParam);
    if (message == WM_SHOWWINDOW && !m_bSubclassed) {
        m_bSubclassed = 1;
        m_pOwner->FileDialogSubclass();
    }
    return result;
}

TutFileDialog::TutFileDialog(int bOpenFileDialog, char const *lpszDefExt,
                             char const *lpszFileName, unsigned long dwFlags,
                             char const *lpszFilter, CWnd *pParentWnd)
    : m_ofn{},
      m_inner(this, bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd),
      m_nHelpID(0),
      m_pHelpMap(NULL),
      m_pTabOrder(NULL),
      m_bPainted(0)
{
    m_pParentWnd = pParentWnd;
    m_ofn = m_inner.m_ofn;
}

INT_PTR TutFileDialog::DoModal()
{
    m_inner.m_ofn = m_ofn;
    m_bPainted = 0;
    return m_inner.DoModal();
}

CString TutFileDialog::GetPathName() const
{
    return m_inner.GetPathName();
}

CString TutFileDialog::GetFileName() const
{
    return m_inner.GetFileName();
}

CString TutFileDialog::GetFileExt() const
{
    return m_inner.GetFileExt();
}

CString TutFileDialog::GetFileTitle() const
{
    return m_inner.GetFileTitle();
}

int TutFileDialog::GetReadOnlyPref() const
{
    return (m_inner.m_ofn.Flags & OFN_READONLY) ? 1 : 0;
}

int TutFileDialog::HasCuecard()
{
    return m_nHelpID ? 1 : 0;
}

ULONG *TutFileDialog::GetHelpMap()
{
    return m_pHelpMap;
}

void TutFileDialog::FileDialogSubclass()
{
    const HWND common = ::GetParent(m_inner.GetSafeHwnd());
    if (common && !m_hWnd)
        SubclassWindow(common);
}

void TutFileDialog::OnOK()
{
    if (UpdateData(TRUE))
        Default();
}

void TutFileDialog::OnCancel()
{
    Default();
}

void TutFileDialog::DoDataExchange(CDataExchange *)
{
}

ULONG *TutFileDialog::HelpMapFor(int id)
{
    if (id == kHelpButtonId)
        return helpButtonMap;
    ULONG *map = GetHelpMap();
    return CutHelp::IsIDInTable(static_cast<ULONG>(id), map) ? map : NULL;
}

LRESULT TutFileDialog::OnHelpRequest(LPARAM lParam)
{
    const auto *info = reinterpret_cast<const HELPINFO *>(lParam);
    if (ULONG *map = info ? HelpMapFor(info->iCtrlId) : NULL) {
        CutHelp::OnWMHelp(lParam, map);
        return TRUE;
    }
    return Default();
}

LRESULT TutFileDialog::OnContextMenuRequest(WPARAM wParam, LPARAM)
{
    const HWND under = reinterpret_cast<HWND>(wParam);
    if (ULONG *map = under ? HelpMapFor(::GetDlgCtrlID(under)) : NULL) {
        CutHelp::OnContextMenu(under, map);
        return 0;
    }
    return Default();
}

LRESULT TutFileDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SHOWWINDOW: {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        if (!m_bPainted) {
            FileDialogFinalInit();
            m_bPainted = 1;
        }
        return result;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kHelpButtonId) {
            CutHelp::OnHelp(static_cast<ULONG>(m_nHelpID));
            return 0;
        }
        break;
    case WM_ACTIVATE: {
        const UINT state = LOWORD(wParam);
        if (CutHelp::AreCueCardsEnabled() && (state == WA_ACTIVE || state == WA_CLICKACTIVE) &&
            lParam && HasCuecard())
            CutHelp::OnQSMsg(this, static_cast<ULONG>(m_nHelpID));
        break;
    }
    case WM_HELP:
        return OnHelpRequest(lParam);
    case WM_CONTEXTMENU:
        return OnContextMenuRequest(wParam, lParam);
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
