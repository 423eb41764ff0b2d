// CPropertyPage: a sheet's page, its record and its answers to the sheet's notifications.
#include "afxdlgs.h"

#include "dialog_hook.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage()
    : m_psp(), m_nIDPageTemplate(0), m_nIDCaption(0), m_bFirstSetActive(TRUE)
{
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate),
      m_psp(),
      m_nIDPageTemplate(nIDTemplate),
      m_nIDCaption(nIDCaption),
      m_bFirstSetActive(TRUE)
{
}

// The name is copied, so that a caller's buffer need not outlive the object.
CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption)
    : CDialog(lpszTemplateName),
      m_psp(),
      m_nIDPageTemplate(0),
      m_nIDCaption(nIDCaption),
      m_bFirstSetActive(TRUE)
{
    if (lpszTemplateName && IS_INTRESOURCE(lpszTemplateName))
        m_nIDPageTemplate = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    else
        m_strTemplate = lpszTemplateName;
}

void CPropertyPage::BuildRecord()
{
    const LPCSTR name = m_nIDPageTemplate ? MAKEINTRESOURCEA(m_nIDPageTemplate)
                                          : static_cast<LPCSTR>(m_strTemplate);
    m_psp = PROPSHEETPAGEA();
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxFindResourceHandle(name, RT_DIALOG);
    m_psp.pszTemplate = name;
    m_psp.pfnDlgProc = AfxDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = AfxPropPageCallback;
    if (m_nIDCaption && m_strCaption.LoadString(m_nIDCaption)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
    if (m_nIDHelp)
        m_psp.dwFlags |= PSP_HASHELP;
}

UINT CALLBACK AfxPropPageCallback(HWND, UINT message, PROPSHEETPAGEA *pPropPage)
{
    if (message == PSPCB_CREATE && pPropPage)
        expectDialog(reinterpret_cast<CPropertyPage *>(pPropPage->lParam));
    return TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    const HWND sheet = ::GetParent(m_hWnd);
    if (sheet)
        ::SendMessageA(sheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED,
                       reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::EndDialog(int nResult)
{
    const HWND sheet = ::GetParent(m_hWnd);
    CWnd *object = sheet ? CWnd::FromHandlePermanent(sheet) : NULL;
    if (object && object->IsKindOf(RUNTIME_CLASS(CPropertySheet)))
        static_cast<CPropertySheet *>(object)->EndDialog(nResult);
    else if (sheet)
        ::EndDialog(sheet, nResult);
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive) {
        m_bFirstSetActive = FALSE;
        return TRUE;
    }
    return UpdateData(FALSE);
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    const auto *header = reinterpret_cast<const NMHDR *>(lParam);
    if (!header || header->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, pResult);
    switch (header->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = OnKillActive() ? FALSE : TRUE;
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        *pResult = 0;
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = OnQueryCancel() ? FALSE : TRUE;
        return TRUE;
    case PSN_HELP:
        SendMessage(WM_COMMAND, ID_HELP);
        *pResult = 0;
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
}
