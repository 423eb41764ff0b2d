// The exception family: thrown by pointer with the most-derived type, auto-delete and Delete().
#include <gtest/gtest.h>

#include "afx.h"

namespace {

struct ThrowRow {
    const char *name;
    void (*raise)();
    const CRuntimeClass *record;
    BOOL autoDelete;
};

const ThrowRow kThrows[] = {
    {"memory", [] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException), FALSE},
    {"resource", [] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException), FALSE},
    {"not supported", [] { AfxThrowNotSupportedException(); },
     RUNTIME_CLASS(CNotSupportedException), FALSE},
    {"archive", [] { AfxThrowArchiveException(CArchiveException::badIndex); },
     RUNTIME_CLASS(CArchiveException), TRUE},
    {"file", [] { AfxThrowFileException(CFileException::fileNotFound); },
     RUNTIME_CLASS(CFileException), TRUE},
    {"ole", [] { AfxThrowOleException(E_FAIL); }, RUNTIME_CLASS(COleException), TRUE},
    {"user", [] { AfxThrowUserException(); }, RUNTIME_CLASS(CUserException), TRUE},
};

// What a CException* handler sees; the exception is deleted as handlers must.
const CRuntimeClass *CaughtAsBase(void (*raise)(), BOOL *autoDelete)
{
    try {
        raise();
    } catch (CException *e) {
        const CRuntimeClass *record = e->GetRuntimeClass();
        *autoDelete = e->m_bAutoDelete;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        e->Delete();
        return record;
    }
    return nullptr;
}

TEST(Exceptions, EveryThrowIsCaughtAsCExceptionWithItsOwnClass)
{
    for (const ThrowRow &row : kThrows) {
        SCOPED_TRACE(row.name);
        BOOL autoDelete = -1;
        EXPECT_EQ(row.record, CaughtAsBase(row.raise, &autoDelete));
        EXPECT_EQ(row.autoDelete, autoDelete);
    }
}

TEST(Exceptions, StaticInstancesSurviveDeleteAndAreThrownAgain)
{
    CMemoryException *first = nullptr;
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException *e) {
        first = e;
        e->Delete();
    }
    ASSERT_NE(nullptr, first);
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException *e) {
        EXPECT_EQ(first, e);
        EXPECT_STREQ("CMemoryException", e->GetRuntimeClass()->m_lpszClassName);
        e->Delete();
    }
}

TEST(Exceptions, FileExceptionCarriesCauseOsErrorAndName)
{
    try {
        AfxThrowFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, "C:\\data.ini");
    } catch (CFileException *e) {
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        EXPECT_EQ(ERROR_ACCESS_DENIED, e->m_lOsError);
        EXPECT_STREQ("C:\\data.ini", e->m_strFileName);
        e->Delete();
    }
    try {
        AfxThrowFileException(CFileException::genericException);
    } catch (CFileException *e) {
        EXPECT_EQ(-1, e->m_lOsError);
        EXPECT_TRUE(e->m_strFileName.IsEmpty());
        e->Delete();
    }
}

TEST(Exceptions, ArchiveAndOleExceptionsCarryTheirFields)
{
    try {
        AfxThrowArchiveException(CArchiveException::endOfFile, "log.dat");
    } catch (CArchiveException *e) {
        EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
        EXPECT_STREQ("log.dat", e->m_strFileName);
        e->Delete();
    }
    try {
        AfxThrowOleException(static_cast<SCODE>(0x80040154));
    } catch (COleException *e) {
        EXPECT_EQ(static_cast<SCODE>(0x80040154), e->m_sc);
        e->Delete();
    }
}

TEST(Exceptions, DerivedHandlersDoNotCatchSiblings)
{
    bool caughtAsFile = false;
    try {
        try {
            AfxThrowUserException();
        } catch (CFileException *e) {
            caughtAsFile = true;
            e->Delete();
        }
    } catch (CUserException *e) {
        e->Delete();
    }
    EXPECT_FALSE(caughtAsFile);
}

TEST(Exceptions, AnOwnStaticInstanceWithAutoDeleteOffIsNeverFreed)
{
    static CResourceException instance(FALSE);
    instance.Delete();
    instance.Delete();
    EXPECT_FALSE(instance.m_bAutoDelete);
    EXPECT_EQ(RUNTIME_CLASS(CResourceException), instance.GetRuntimeClass());
}

TEST(Exceptions, BaseErrorMessageIsEmptyAndFalse)
{
    CException *e = new CException;
    EXPECT_TRUE(e->m_bAutoDelete);

    char text[8] = "garbage";
    UINT helpContext = 77;
    EXPECT_FALSE(e->GetErrorMessage(text, sizeof text, &helpContext));
    EXPECT_STREQ("", text);
    EXPECT_EQ(0u, helpContext);

    char untouched[4] = "abc";
    EXPECT_FALSE(e->GetErrorMessage(untouched, 0));
    EXPECT_STREQ("abc", untouched);
    EXPECT_FALSE(e->GetErrorMessage(nullptr, 10, nullptr));
    e->Delete();  // auto-delete on: freed here, or the leak check fails
}

}  // namespace
