// CDialog: modal and modeless dialogs from templates, their commands and data exchange.
#include "afxwin.h"

#include "dialog_hook.h"
#include "wnd_message.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

// A popup's owner is a top-level window, as Windows makes it.
HWND topLevelOf(HWND hwnd)
{
    while (hwnd && (::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = ::GetParent(hwnd);
    return hwnd;
}

}  // namespace

CDialog::CDialog() : m_nIDHelp(0), m_pParentWnd(NULL), m_nIDTemplate(0) {}

CDialog::CDialog(UINT nIDTemplate, CWnd *pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate)
{
}

// The name is copied, so that a caller's buffer need not outlive the object.
CDialog::CDialog(LPCSTR lpszTemplateName, CWnd *pParentWnd)
    : m_nIDHelp(0), m_pParentWnd(pParentWnd), m_nIDTemplate(0)
{
    if (lpszTemplateName && IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = m_nIDTemplate = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    else
        m_strTemplateName = lpszTemplateName;
}

CDialog::~CDialog() = default;

LPCDLGTEMPLATEA CDialog::findTemplate(HINSTANCE &module) const
{
    const LPCSTR name = m_nIDTemplate ? MAKEINTRESOURCEA(m_nIDTemplate)
                                      : static_cast<LPCSTR>(m_strTemplateName);
    if (!m_nIDTemplate && m_strTemplateName.IsEmpty())
        return NULL;
    module = AfxFindResourceHandle(name, RT_DIALOG);
    const HRSRC resource = ::FindResourceA(module, name, RT_DIALOG);
    if (!resource)
        return NULL;
    return static_cast<LPCDLGTEMPLATEA>(::LockResource(::LoadResource(module, resource)));
}

// The parent given, else the thread's main window, as the framework's dialogs are owned.
HWND CDialog::ownerWindow() const
{
    if (m_pParentWnd)
        return topLevelOf(m_pParentWnd->m_hWnd);
    CWnd *mainWnd = AfxGetMainWnd();
    return mainWnd && mainWnd != this ? topLevelOf(mainWnd->m_hWnd) : NULL;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE module = NULL;
    const LPCDLGTEMPLATEA dialogTemplate = m_hWnd ? NULL : findTemplate(module);
    if (!dialogTemplate)
        return -1;
    DialogCreation creating(this);
    return ::DialogBoxIndirectParamA(module, dialogTemplate, ownerWindow(), AfxDlgProc, 0);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd *pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd *pParentWnd)
{
    if (m_hWnd || !lpszTemplateName)
        return FALSE;
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_nIDTemplate = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
        m_strTemplateName.Empty();
        if (!m_nIDHelp)
            m_nIDHelp = m_nIDTemplate;
    } else {
        m_nIDTemplate = 0;
        m_strTemplateName = lpszTemplateName;
    }
    HINSTANCE module = NULL;
    const LPCDLGTEMPLATEA dialogTemplate = findTemplate(module);
    return dialogTemplate && createModeless(module, dialogTemplate, pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd *pParentWnd)
{
    if (m_hWnd || !lpDialogTemplate)
        return FALSE;
    return createModeless(AfxGetResourceHandle(), lpDialogTemplate, pParentWnd);
}

BOOL CDialog::createModeless(HINSTANCE module, LPCDLGTEMPLATEA lpDialogTemplate,
                             CWnd *pParentWnd)
{
    m_pParentWnd = pParentWnd;
    HWND hwnd = NULL;
    {
        DialogCreation creating(this);
        hwnd = ::CreateDialogIndirectParamA(module, lpDialogTemplate, ownerWindow(), AfxDlgProc,
                                            0);
    }
    return hwnd && m_hWnd == hwnd;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    NotifyLockout lockout(m_hWnd);
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (CUserException *e) {
        // The user has been told; the focus is on the control to correct.
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange *) {}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        TRACE("CDialog: UpdateData failed during initialisation\n");
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd *pWndCtrl)
{
    if (pWndCtrl)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}
