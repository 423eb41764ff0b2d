// The exception classes.
#include "afxexcept.h"
#include "runtime_class.h"

VKS_IMPLEMENT_FRAMEWORK_CLASS(CException, CObject)
VKS_IMPLEMENT_FRAMEWORK_CLASS(CMemoryException, CException)
VKS_IMPLEMENT_FRAMEWORK_CLASS(CResourceException, CException)
VKS_IMPLEMENT_FRAMEWORK_CLASS(CNotSupportedException, CException)
VKS_IMPLEMENT_FRAMEWORK_CLASS(CUserException, CException)
VKS_IMPLEMENT_FRAMEWORK_CLASS(CArchiveException, CException)
VKS_IMPLEMENT_FRAMEWORK_CLASS(CFileException, CException)
VKS_IMPLEMENT_FRAMEWORK_CLASS(COleException, CException)

CException::CException() : m_bAutoDelete(TRUE) {}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (lpszError && nMaxError > 0)
        lpszError[0] = '\0';
    if (pnHelpContext)
        *pnHelpContext = 0;
    return FALSE;
}

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

COleException::COleException(SCODE sc) : m_sc(sc) {}
