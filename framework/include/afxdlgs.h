// afxdlgs.h: the framework's wrappers of the common dialogs.
#pragma once

#include <vector>

#include "afxwin.h"
#include "commdlg.h"

// ---- CFileDialog: the common Open and Save dialog ------------------------------------------

// The object is the hook dialog that the common dialog places inside its own window (the
// framework installs its hook, OFN_ENABLEHOOK, in explorer style); GetParent() is the common
// dialog itself. m_ofn may be changed before DoModal.
class CFileDialog : public CDialog {
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
