// afxdlgs.h: the framework's property sheets and pages, and the common dialogs' wrappers.
#pragma once

#include <vector>

#include "afxwin.h"
#include "commctrl.h"
#include "commdlg.h"

// The command of the framework's Help buttons, which a page's PSN_HELP becomes.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

// The property sheet's Apply button.
#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW 0x3021
#endif

// One page of a property sheet: a dialog from a template, made a child of the sheet when the
// sheet first shows it. Its answers to the sheet's notifications come from the virtual calls
// below; its OK and Cancel do not end anything (the sheet does).
class AFX_CORE_CLASS CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    // The caption id names the tab's text (a string resource); 0 takes the template's caption.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // The record the sheet makes the page from, filled when the sheet is made.
    PROPSHEETPAGEA m_psp;

    // Tells the sheet that the page's data differs from what was applied (Apply is enabled),
    // or no longer does.
    void SetModified(BOOL bChanged = TRUE);
    // Ends the sheet the page is on with nResult.
    void EndDialog(int nResult);

    // PSN_SETACTIVE: loads the controls again (UpdateData(FALSE)) except on the first showing,
    // which OnInitDialog did. TRUE accepts.
    virtual BOOL OnSetActive();
    // PSN_KILLACTIVE: UpdateData(TRUE); FALSE keeps the page.
    virtual BOOL OnKillActive();
    // PSN_APPLY: OnOK, then TRUE; FALSE keeps the sheet open on this page.
    virtual BOOL OnApply();
    // PSN_RESET: OnCancel.
    virtual void OnReset();
    // PSN_QUERYCANCEL: TRUE lets the sheet close.
    virtual BOOL OnQueryCancel();
    // Nothing: a page's OK and Cancel only store or drop its data.
    void OnOK() override;
    void OnCancel() override;

    // Fills m_psp for the sheet; called by CPropertySheet.
    void BuildRecord();

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

private:
    CString m_strCaption;
    CString m_strTemplate;
    UINT m_nIDPageTemplate;
    UINT m_nIDCaption;
    BOOL m_bFirstSetActive;
};

// A property sheet: a window with a tab row over its pages and the buttons OK, Cancel, Apply
// and Help, run modally (DoModal) or modeless (Create).
class AFX_CORE_CLASS CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd *pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd *pParentWnd = NULL, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // The header the sheet is made from: flags (PSH_HASHELP, PSH_NOAPPLYNOW, ...) may be set
    // before DoModal or Create.
    PROPSHEETHEADERA m_psh;

    void AddPage(CPropertyPage *pPage);
    void RemovePage(CPropertyPage *pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage *GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage *pPage) const;
    // The page shown (before the sheet is made: the page it will show first).
    CPropertyPage *GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage *pPage);
    void SetTitle(LPCSTR lpszText);
    // A click of PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW or PSBTN_HELP, posted.
    void PressButton(int nButton);
    // The tab control's window, as an object valid while the sheet exists.
    CWnd *GetTabControl();

    // IDOK when OK closed the sheet after changes were applied, IDCANCEL when nothing was
    // applied, EndDialog's value when the program ended it, -1 when it cannot be made.
    virtual INT_PTR DoModal();
    // Modeless: made and shown; the object lives until DestroyWindow.
    virtual BOOL Create(CWnd *pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    // Ends a modal sheet with nResult; destroys a modeless one.
    void EndDialog(int nResult);

    // Runs once the sheet, its buttons and its first page are made; CPropertySheet's does
    // nothing and returns TRUE.
    virtual BOOL OnInitDialog();

protected:
    void OnDestroy() override;

private:
    void CommonConstruct(CWnd *pParentWnd, UINT iSelectPage);
    HWND ownerWindow() const;
    // The pages' records for the platform; filled before the sheet is made.
    void BuildHeader();
    HPROPSHEETPAGE MakePageHandle(CPropertyPage *pPage);

    std::vector<CPropertyPage *> m_pages;
    std::vector<PROPSHEETPAGEA> m_records;
    CString m_strCaption;
    CWnd *m_pParentWnd;
    CWnd m_wndTab;
    BOOL m_bModeless;
    BOOL m_bEndedByProgram;
    int m_nEndResult;

    friend int CALLBACK AfxPropSheetCallback(HWND, UINT, LPARAM);
};

// The callbacks that give a framework sheet and its pages their windows as the platform makes
// them.
AFX_CORE_API int CALLBACK AfxPropSheetCallback(HWND hWnd, UINT message, LPARAM lParam);
AFX_CORE_API UINT CALLBACK AfxPropPageCallback(HWND hWnd, UINT message, PROPSHEETPAGEA *pPropPage);

// ---- CFileDialog: the common Open and Save dialog ------------------------------------------

// The object is the hook dialog that the common dialog places inside its own window (the
// framework installs its hook, OFN_ENABLEHOOK, in explorer style); GetParent() is the common
// dialog itself. m_ofn may be changed before DoModal.
class AFX_CORE_CLASS CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // The filter's pairs are separated by '|' ("Text (*.txt)|*.txt||"); the file name is cut to
    // MAX_PATH - 1 characters.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = NULL,
                         LPCSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = NULL, CWnd *pParentWnd = NULL);

    // GetOpenFileNameA or GetSaveFileNameA on m_ofn: IDOK or IDCANCEL (also when the common
    // dialog failed; CommDlgExtendedError tells why).
    INT_PTR DoModal() override;

    // The answers, once DoModal gave IDOK: the full path, the name with its extension, the
    // extension without its dot, the name without it.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const;

    OPENFILENAMEA m_ofn;

protected:
    // CDN_INITDONE: the common dialog is made and about to be shown.
    virtual void OnInitDone();
    // CDN_FILEOK: nonzero keeps the dialog open.
    virtual BOOL OnFileNameOK();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

    BOOL m_bOpenFileDialog;

private:
    CString m_strDefExt;
    std::vector<char> m_filter;
    char m_szFileName[MAX_PATH];
    char m_szFileTitle[64];
};
