// afxexcept.h: the framework's exception family and its throw functions.
//
// Exceptions are thrown by pointer, typed as the most-derived class, so that both
// `catch (CFileException *)` and `catch (CException *)` match. A handler ends with e->Delete(),
// never `delete e`: the memory, resource and not-supported exceptions are static objects whose
// auto-delete flag is off; the others come from the heap with the flag on.
#pragma once

#include "afxobject.h"
#include "afxstr.h"

typedef LONG SCODE;

class AFX_CORE_CLASS CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException();  // auto-delete on
    explicit CException(BOOL bAutoDelete);
    ~CException() override = default;

    // Deletes the object when its auto-delete flag is set; otherwise does nothing.
    void Delete();
    // Copies a description into lpszError (at most nMaxError bytes with the NUL) and returns
    // TRUE, or returns FALSE with an empty text when there is none. The help context, when
    // asked for, is 0.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

    BOOL m_bAutoDelete;
};

// Exceptions without fields of their own, one line each; `linkage` is the export marker of the
// DLL that defines the class.
#define AFX_DECLARE_SIMPLE_EXCEPTION_OF(linkage, class_name)                                   \
    class linkage class_name : public CException {                                             \
        DECLARE_DYNAMIC(class_name)                                                            \
    public:                                                                                    \
        class_name() = default;                                                                \
        explicit class_name(BOOL bAutoDelete) : CException(bAutoDelete) {}                     \
    };
#define AFX_DECLARE_SIMPLE_EXCEPTION(class_name) \
    AFX_DECLARE_SIMPLE_EXCEPTION_OF(AFX_CORE_CLASS, class_name)

AFX_DECLARE_SIMPLE_EXCEPTION(CMemoryException)
AFX_DECLARE_SIMPLE_EXCEPTION(CResourceException)
AFX_DECLARE_SIMPLE_EXCEPTION(CNotSupportedException)
AFX_DECLARE_SIMPLE_EXCEPTION(CUserException)

class AFX_CORE_CLASS CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = NULL);
    int m_cause;
    CString m_strFileName;
};

class AFX_CORE_CLASS CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
        invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
        lockViolation, diskFull, endOfFile
    };
    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = NULL);
    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class AFX_CORE_CLASS COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK);
    SCODE m_sc;
};

// Static instances, auto-delete off.
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowResourceException();
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowNotSupportedException();
// Heap objects, auto-delete on.
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowArchiveException(int cause,
                                                              LPCSTR lpszArchiveName = NULL);
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                               LPCSTR lpszFileName = NULL);
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowOleException(SCODE sc);
[[noreturn]] AFX_CORE_API void AFXAPI AfxThrowUserException();
