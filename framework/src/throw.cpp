// The throw functions: each throws a pointer typed as the most-derived class.
#include "afxexcept.h"

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException instance(FALSE);
    throw &instance;
}

void AFXAPI AfxThrowResourceException()
{
    static CResourceException instance(FALSE);
    throw &instance;
}

void AFXAPI AfxThrowNotSupportedException()
{
    static CNotSupportedException instance(FALSE);
    throw &instance;
}

void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowOleException(SCODE sc) { throw new COleException(sc); }

void AFXAPI AfxThrowUserException() { throw new CUserException; }
