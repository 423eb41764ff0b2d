// The library's exceptions: one shared instance per class, thrown by pointer with its own type,
// and the throw functions that pass on to the framework's.
#include <gtest/gtest.h>

#include <string>

#include "util/exceptions.h"

namespace {

using Thrower = void (*)();

// The object a throw delivers to a handler of `Caught *`, or null when the handler missed it.
template <class Caught>
Caught *caughtAs(Thrower thrower)
{
    try {
        thrower();
    } catch (Caught *e) {
        return e;
    } catch (...) {
    }
    return nullptr;
}

std::string classNameOf(const CObject *object)
{
    return object->GetRuntimeClass()->m_lpszClassName;
}

TEST(LibraryExceptionClasses, AreDynamicClassesDerivedFromCException)
{
    struct Row {
        const char *name;
        CRuntimeClass *record;
        int objectSize;
    };
    const Row rows[] = {
        {"CGeneralException", RUNTIME_CLASS(CGeneralException), sizeof(CGeneralException)},
        {"CInvalidParamException", RUNTIME_CLASS(CInvalidParamException),
         sizeof(CInvalidParamException)},
        {"CTaskException", RUNTIME_CLASS(CTaskException), sizeof(CTaskException)},
        {"CCMException", RUNTIME_CLASS(CCMException), sizeof(CCMException)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.name, row.record->m_lpszClassName);
        EXPECT_EQ(row.objectSize, row.record->m_nObjectSize);
        EXPECT_EQ(0xFFFFu, row.record->m_wSchema);
        EXPECT_EQ(nullptr, row.record->m_pfnCreateObject);
        EXPECT_EQ(RUNTIME_CLASS(CException), row.record->m_pBaseClass);
        EXPECT_EQ(nullptr, row.record->CreateObject());
    }
}

TEST(LibraryExceptionClasses, KindsAre32Bits)
{
    EXPECT_EQ(4u, sizeof(CTaskException::TYPE));
    EXPECT_EQ(4u, sizeof(CCMException::TYPE));
}

struct InstanceRow {
    const char *name;
    Thrower thrower;
    CRuntimeClass *record;
};

const InstanceRow kInstanceRows[] = {
    {"CGeneralException", [] { impThrowException(); }, RUNTIME_CLASS(CGeneralException)},
    {"CInvalidParamException", [] { impThrowInvalidParamException(); },
     RUNTIME_CLASS(CInvalidParamException)},
    {"CTaskException", [] { impThrowTaskException(CTaskException::alreadyInUse); },
     RUNTIME_CLASS(CTaskException)},
    {"CCMException", [] { impThrowCMException(CCMException::notConnected); },
     RUNTIME_CLASS(CCMException)},
};

TEST(LibraryExceptionInstances, OneStaticObjectPerClassThatDeleteLeavesAlive)
{
    for (const InstanceRow &row : kInstanceRows) {
        SCOPED_TRACE(row.name);
        CException *first = caughtAs<CException>(row.thrower);
        ASSERT_NE(nullptr, first);
        EXPECT_EQ(row.name, classNameOf(first));
        EXPECT_TRUE(first->IsKindOf(row.record));
        EXPECT_FALSE(first->m_bAutoDelete);
        // Were the object freed, AddressSanitizer would stop the reads that follow.
        first->Delete();
        CException *second = caughtAs<CException>(row.thrower);
        EXPECT_EQ(first, second);
        EXPECT_EQ(row.name, classNameOf(second));
        second->Delete();
    }
}

TEST(LibraryExceptionInstances, AreThrownWithTheirOwnType)
{
    EXPECT_NE(nullptr, caughtAs<CGeneralException>([] { impThrowException(); }));
    EXPECT_NE(nullptr, caughtAs<CInvalidParamException>([] { impThrowInvalidParamException(); }));
    EXPECT_NE(nullptr, caughtAs<CTaskException>(
                           [] { impThrowTaskException(CTaskException::invalidOperation); }));
    EXPECT_NE(nullptr,
              caughtAs<CCMException>([] { impThrowCMException(CCMException::outOfMemory); }));
    // Each class is its own: a handler of another library class does not see it.
    EXPECT_EQ(nullptr, caughtAs<CGeneralException>([] { impThrowInvalidParamException(); }));
}

TEST(TaskException, CExceptionHandlerFindsTheKind)
{
    CException *e =
        caughtAs<CException>([] { impThrowTaskException(CTaskException::alreadyInUse); });
    ASSERT_NE(nullptr, e);
    EXPECT_STREQ("CTaskException", e->GetRuntimeClass()->m_lpszClassName);
    ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CTaskException)));
    EXPECT_EQ(2, static_cast<CTaskException *>(e)->m_type);
    e->Delete();
}

TEST(TaskException, KeepsAKindOutsideTheNamedOnes)
{
    CTaskException *e = caughtAs<CTaskException>(
        [] { impThrowTaskException(static_cast<CTaskException::TYPE>(7)); });
    ASSERT_NE(nullptr, e);
    EXPECT_EQ(7, e->m_type);
}

TEST(CMException, SuccessiveThrowsShareOneObjectAndTheLastKind)
{
    CCMException *first =
        caughtAs<CCMException>([] { impThrowCMException(CCMException::notConnected); });
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(2, first->m_type);
    CCMException *second =
        caughtAs<CCMException>([] { impThrowCMException(CCMException::alreadyConnected); });
    EXPECT_EQ(first, second);
    EXPECT_EQ(3, first->m_type);
    CCMException *unnamed =
        caughtAs<CCMException>([] { impThrowCMException(static_cast<CCMException::TYPE>(-1)); });
    EXPECT_EQ(first, unnamed);
    EXPECT_EQ(-1, first->m_type);
}

TEST(FrameworkExceptionThrowers, ThrowTheFrameworkObjects)
{
    struct Row {
        const char *name;
        Thrower thrower;
        const char *className;
        BOOL autoDelete;
    };
    const Row rows[] = {
        {"memory", [] { impThrowMemoryException(); }, "CMemoryException", FALSE},
        {"resource", [] { impThrowResourceException(); }, "CResourceException", FALSE},
        {"not supported", [] { impThrowNotSupportedException(); }, "CNotSupportedException", FALSE},
        {"archive", [] { impThrowArchiveException(CArchiveException::badIndex); },
         "CArchiveException", TRUE},
        {"OLE", [] { impThrowOleException(static_cast<LONG>(0x80004005)); }, "COleException",
         TRUE},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CException *e = caughtAs<CException>(row.thrower);
        ASSERT_NE(nullptr, e);
        EXPECT_EQ(row.className, classNameOf(e));
        EXPECT_EQ(row.autoDelete, e->m_bAutoDelete);
        e->Delete();
    }
}

TEST(FrameworkExceptionThrowers, PassTheirArguments)
{
    CArchiveException *archive =
        caughtAs<CArchiveException>([] { impThrowArchiveException(CArchiveException::badSchema); });
    ASSERT_NE(nullptr, archive);
    EXPECT_EQ(7, archive->m_cause);
    EXPECT_TRUE(archive->m_strFileName.IsEmpty());
    archive->Delete();

    COleException *ole =
        caughtAs<COleException>([] { impThrowOleException(static_cast<LONG>(0x8007000E)); });
    ASSERT_NE(nullptr, ole);
    EXPECT_EQ(static_cast<LONG>(0x8007000E), ole->m_sc);
    ole->Delete();
}

}  // namespace
