// CFileDialog: the common file dialog with the framework's hook, so that its hook dialog is a
// framework window.
#include "afxdlgs.h"

#include <cstring>

#include "dialog_hook.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {

// The common dialog's hook calls take the dialog procedure's form; the first one claims the
// hook dialog for the object being run.
UINT_PTR CALLBACK fileDialogHook(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<UINT_PTR>(AfxDlgProc(hWnd, message, wParam, lParam));
}

void copyCut(char *buffer, std::size_t size, LPCSTR text)
{
    const std::size_t length = text ? strnlen(text, size - 1) : 0;
    if (length)
        std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd *pParentWnd)
    : m_ofn{}, m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt ? lpszDefExt : ""),
      m_szFileName{}, m_szFileTitle{}
{
    m_pParentWnd = pParentWnd;
    copyCut(m_szFileName, sizeof m_szFileName, lpszFileName);
    if (lpszFilter) {
        m_filter.assign(lpszFilter, lpszFilter + std::strlen(lpszFilter));
        for (char &c : m_filter)
            if (c == '|')
                c = '\0';
        // The list ends with an empty string, whether or not the caller closed it with "||".
        m_filter.push_back('\0');
        m_filter.push_back('\0');
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.lpstrFilter = m_filter.empty() ? NULL : m_filter.data();
    m_ofn.lpstrDefExt = lpszDefExt ? static_cast<LPCSTR>(m_strDefExt) : NULL;
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = fileDialogHook;
}

INT_PTR CFileDialog::DoModal()
{
    if (m_hWnd)
        return IDCANCEL;
    if (!m_ofn.hwndOwner) {
        CWnd *owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
        m_ofn.hwndOwner = owner ? owner->GetSafeHwnd() : NULL;
    }
    BOOL chosen = FALSE;
    {
        vks::detail::DialogCreation creation(this);
        chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    }
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile ? CString(m_ofn.lpstrFile) : CString();
}

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    return m_ofn.nFileOffset <= path.GetLength() ? path.Mid(m_ofn.nFileOffset) : CString();
}

CString CFileDialog::GetFileExt() const
{
    const CString path = GetPathName();
    if (!m_ofn.nFileExtension || m_ofn.nFileExtension > path.GetLength())
        return CString();
    return path.Mid(m_ofn.nFileExtension);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const CString extension = GetFileExt();
    // The dot before the extension goes too.
    return extension.IsEmpty() ? name : name.Left(name.GetLength() - extension.GetLength() - 1);
}

BOOL CFileDialog::GetReadOnlyPref() const
{
    return (m_ofn.Flags & OFN_READONLY) ? TRUE : FALSE;
}

void CFileDialog::OnInitDone()
{
}

BOOL CFileDialog::OnFileNameOK()
{
    return FALSE;
}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    const auto *notify = reinterpret_cast<const OFNOTIFYA *>(lParam);
    switch (notify ? notify->hdr.code : 0) {
    case CDN_INITDONE:
        OnInitDone();
        *pResult = 0;
        return TRUE;
    case CDN_FILEOK:
        *pResult = OnFileNameOK();
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
}
