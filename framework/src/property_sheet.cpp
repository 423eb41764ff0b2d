// CPropertySheet: the pages it holds, its window from the platform, and its modal run.
#include "afxdlgs.h"

#include "dialog_hook.h"

using namespace vks::detail;

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {

CPropertySheet *&sheetBeingCreated()
{
    thread_local CPropertySheet *creating = nullptr;
    return creating;
}

HWND topLevelOf(HWND hwnd)
{
    while (hwnd && (::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = ::GetParent(hwnd);
    return hwnd;
}

}  // namespace

CPropertySheet::CPropertySheet()
{
    CommonConstruct(NULL, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd *pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd *pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

void CPropertySheet::CommonConstruct(CWnd *pParentWnd, UINT iSelectPage)
{
    m_psh = PROPSHEETHEADERA();
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.nStartPage = iSelectPage;
    m_psh.pfnCallback = AfxPropSheetCallback;
    m_pParentWnd = pParentWnd;
    m_bModeless = FALSE;
    m_bEndedByProgram = FALSE;
    m_nEndResult = 0;
}

CPropertySheet::~CPropertySheet()
{
    if (m_wndTab.m_hWnd)
        m_wndTab.Detach();
}

void CPropertySheet::AddPage(CPropertyPage *pPage)
{
    if (!pPage)
        return;
    m_pages.push_back(pPage);
    if (m_hWnd)
        SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(MakePageHandle(pPage)));
}

HPROPSHEETPAGE CPropertySheet::MakePageHandle(CPropertyPage *pPage)
{
    pPage->BuildRecord();
    return ::CreatePropertySheetPageA(&pPage->m_psp);
}

void CPropertySheet::RemovePage(CPropertyPage *pPage)
{
    const int index = GetPageIndex(pPage);
    if (index >= 0)
        RemovePage(index);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd)
        SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
    m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(m_pages.size());
}

CPropertyPage *CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return NULL;
    return m_pages[static_cast<std::size_t>(nPage)];
}

int CPropertySheet::GetPageIndex(CPropertyPage *pPage) const
{
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == pPage)
            return static_cast<int>(i);
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return static_cast<int>(m_psh.nStartPage);
    const HWND current =
        reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        if (current && m_pages[i]->m_hWnd == current)
            return static_cast<int>(i);
    return -1;
}

CPropertyPage *CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return ::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0) != 0;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage *pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCSTR lpszText)
{
    m_strCaption = lpszText;
    if (m_hWnd)
        SendMessage(PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::PressButton(int nButton)
{
    SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(nButton));
}

CWnd *CPropertySheet::GetTabControl()
{
    if (!m_wndTab.m_hWnd && m_hWnd)
        m_wndTab.Attach(reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL)));
    return m_wndTab.m_hWnd ? &m_wndTab : NULL;
}

HWND CPropertySheet::ownerWindow() const
{
    if (m_pParentWnd)
        return topLevelOf(m_pParentWnd->m_hWnd);
    CWnd *mainWnd = AfxGetMainWnd();
    return mainWnd && mainWnd != this ? topLevelOf(mainWnd->m_hWnd) : NULL;
}

void CPropertySheet::BuildHeader()
{
    m_records.clear();
    for (CPropertyPage *page : m_pages) {
        page->BuildRecord();
        m_records.push_back(page->m_psp);
    }
    m_psh.hwndParent = ownerWindow();
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = static_cast<UINT>(m_records.size());
    m_psh.ppsp = m_records.empty() ? NULL : m_records.data();
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.pfnCallback = AfxPropSheetCallback;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd)
        return -1;
    m_bModeless = FALSE;
    m_bEndedByProgram = FALSE;
    m_psh.dwFlags &= ~static_cast<DWORD>(PSH_MODELESS);
    BuildHeader();
    CPropertySheet *outer = sheetBeingCreated();
    sheetBeingCreated() = this;
    const INT_PTR result = ::PropertySheetA(&m_psh);
    sheetBeingCreated() = outer;
    if (result < 0)
        return -1;
    if (m_bEndedByProgram)
        return m_nEndResult;
    return result > 0 ? IDOK : IDCANCEL;
}

BOOL CPropertySheet::Create(CWnd *pParentWnd, DWORD, DWORD)
{
    if (m_hWnd)
        return FALSE;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_bModeless = TRUE;
    m_psh.dwFlags |= PSH_MODELESS;
    BuildHeader();
    CPropertySheet *outer = sheetBeingCreated();
    sheetBeingCreated() = this;
    const INT_PTR made = ::PropertySheetA(&m_psh);
    sheetBeingCreated() = outer;
    return made != -1 && m_hWnd != NULL;
}

void CPropertySheet::EndDialog(int nResult)
{
    if (m_bModeless) {
        DestroyWindow();
        return;
    }
    m_bEndedByProgram = TRUE;
    m_nEndResult = nResult;
    ::EndDialog(m_hWnd, nResult);
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

void CPropertySheet::OnDestroy()
{
    if (m_wndTab.m_hWnd)
        m_wndTab.Detach();
    CWnd::OnDestroy();
}

int CALLBACK AfxPropSheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message != PSCB_INITIALIZED)
        return 0;
    CPropertySheet *sheet = sheetBeingCreated();
    sheetBeingCreated() = NULL;
    if (!sheet || !adoptWindow(sheet, hWnd))
        return 0;
    try {
        sheet->OnInitDialog();
    } catch (CException *e) {
        TRACE("AfxPropSheetCallback: exception in OnInitDialog\n");
        e->Delete();
    }
    return 0;
}
