// The library's exceptions and the throw functions that the library and the product use.
//
// Each library exception class has exactly one static instance, auto-delete off, alive while
// the library is loaded: every throw of the class throws a pointer to it. Handlers call
// Delete(), which leaves the instance alone, and never `delete`. The kind of a task or
// connection failure stays in the shared instance until the next throw of its class, so a
// handler reads it at once.
#pragma once

#include "afx.h"

AFX_DECLARE_SIMPLE_EXCEPTION_OF(AFX_EXT_CLASS, CGeneralException)
AFX_DECLARE_SIMPLE_EXCEPTION_OF(AFX_EXT_CLASS, CInvalidParamException)

// A requested operation failed.
class AFX_EXT_CLASS CTaskException : public CException {
    DECLARE_DYNAMIC(CTaskException)
public:
    // Any value other than 1 to 3 means the operation failed for another reason.
    enum TYPE : LONG {
        operationFailed = 0,
        invalidOperation = 1,
        alreadyInUse = 2,
        invalidParameter = 3,
    };
    explicit CTaskException(BOOL bAutoDelete = TRUE, TYPE type = operationFailed);
    ~CTaskException() override = default;

    TYPE m_type;
};

// A task could not run in the state the product and its connection are in.
class AFX_EXT_CLASS CCMException : public CException {
    DECLARE_DYNAMIC(CCMException)
public:
    // Any value other than 1 to 4 is a serious error after which the product must restart.
    enum TYPE : LONG {
        fatalError = 0,
        outOfMemory = 1,
        notConnected = 2,
        alreadyConnected = 3,
        windowsOpen = 4,
    };
    explicit CCMException(BOOL bAutoDelete = TRUE, TYPE type = fatalError);
    ~CCMException() override = default;

    TYPE m_type;
};

// The library's instances.
[[noreturn]] AFX_EXT_API void impThrowException();  // CGeneralException
[[noreturn]] AFX_EXT_API void impThrowInvalidParamException();
// Store `kind` in the instance, then throw it.
[[noreturn]] AFX_EXT_API void impThrowTaskException(CTaskException::TYPE kind);
[[noreturn]] AFX_EXT_API void impThrowCMException(CCMException::TYPE kind);

// The framework's exceptions, thrown by the framework's throw functions.
[[noreturn]] AFX_EXT_API void impThrowMemoryException();
[[noreturn]] AFX_EXT_API void impThrowResourceException();
[[noreturn]] AFX_EXT_API void impThrowNotSupportedException();
[[noreturn]] AFX_EXT_API void impThrowArchiveException(int cause);  // no file name
[[noreturn]] AFX_EXT_API void impThrowOleException(LONG sc);
