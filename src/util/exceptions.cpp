// The library's exception classes, their instances and the throw functions.
#include "exceptions.h"

IMPLEMENT_DYNAMIC(CGeneralException, CException)
IMPLEMENT_DYNAMIC(CInvalidParamException, CException)
IMPLEMENT_DYNAMIC(CTaskException, CException)
IMPLEMENT_DYNAMIC(CCMException, CException)

CTaskException::CTaskException(BOOL bAutoDelete, TYPE type)
    : CException(bAutoDelete), m_type(type)
{
}

CCMException::CCMException(BOOL bAutoDelete, TYPE type)
    : CException(bAutoDelete), m_type(type)
{
}

namespace {

CGeneralException generalException(FALSE);
CInvalidParamException invalidParamException(FALSE);
CTaskException taskException(FALSE);
CCMException cmException(FALSE);

}  // namespace

void impThrowException()
{
    throw &generalException;
}

void impThrowInvalidParamException()
{
    throw &invalidParamException;
}

void impThrowTaskException(CTaskException::TYPE kind)
{
    taskException.m_type = kind;
    throw &taskException;
}

void impThrowCMException(CCMException::TYPE kind)
{
    cmException.m_type = kind;
    throw &cmException;
}

void impThrowMemoryException()
{
    AfxThrowMemoryException();
}

void impThrowResourceException()
{
    AfxThrowResourceException();
}

void impThrowNotSupportedException()
{
    AfxThrowNotSupportedException();
}

void impThrowArchiveException(int cause)
{
    AfxThrowArchiveException(cause, NULL);
}

void impThrowOleException(LONG sc)
{
    AfxThrowOleException(sc);
}
