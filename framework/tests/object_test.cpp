// Run-time class records, IsKindOf chains and dynamic creation.
#include <gtest/gtest.h>

#include <memory>

#include "afx.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
public:
    int m_nSides = 0;
};

class CSquare : public CShape {
    DECLARE_DYNCREATE(CSquare)
public:
    CSquare() { m_nSides = 4; }
};

class CTile : public CSquare {
    DECLARE_DYNAMIC(CTile)
public:
    double m_dWeight = 0;
};

class CPlain : public CObject {};  // no record of its own

IMPLEMENT_DYNAMIC(CShape, CObject)
IMPLEMENT_DYNCREATE(CSquare, CShape)
IMPLEMENT_DYNAMIC(CTile, CSquare)

struct RecordRow {
    const char *name;
    CRuntimeClass *record;
    int size;
    CRuntimeClass *base;
    bool creatable;
};

TEST(RuntimeClass, RecordsNameSizeSchemaCreatorAndBase)
{
    const RecordRow rows[] = {
        {"CObject", RUNTIME_CLASS(CObject), sizeof(CObject), nullptr, false},
        {"CShape", RUNTIME_CLASS(CShape), sizeof(CShape), RUNTIME_CLASS(CObject), false},
        {"CSquare", RUNTIME_CLASS(CSquare), sizeof(CSquare), RUNTIME_CLASS(CShape), true},
        {"CTile", RUNTIME_CLASS(CTile), sizeof(CTile), RUNTIME_CLASS(CSquare), false},
        {"CException", RUNTIME_CLASS(CException), sizeof(CException), RUNTIME_CLASS(CObject), false},
        {"CMemoryException", RUNTIME_CLASS(CMemoryException), sizeof(CMemoryException),
         RUNTIME_CLASS(CException), false},
        {"CFileException", RUNTIME_CLASS(CFileException), sizeof(CFileException),
         RUNTIME_CLASS(CException), false},
        {"CDynLinkLibrary", RUNTIME_CLASS(CDynLinkLibrary), sizeof(CDynLinkLibrary),
         RUNTIME_CLASS(CObject), false},
    };
    for (const RecordRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.name, row.record->m_lpszClassName);
        EXPECT_EQ(row.size, row.record->m_nObjectSize);
        EXPECT_EQ(0xFFFFu, row.record->m_wSchema);
        EXPECT_EQ(row.base, row.record->m_pBaseClass);
        EXPECT_EQ(row.creatable, row.record->m_pfnCreateObject != nullptr);
    }
}

TEST(RuntimeClass, ObjectsReportTheirMostDerivedRecord)
{
    CTile tile;
    CObject &asObject = tile;
    CPlain plain;
    EXPECT_EQ(RUNTIME_CLASS(CTile), asObject.GetRuntimeClass());
    // A class without DECLARE_DYNAMIC reports the nearest record above it.
    EXPECT_EQ(RUNTIME_CLASS(CObject), plain.GetRuntimeClass());
}

struct KindRow {
    const char *name;
    const CObject *object;
    const CRuntimeClass *record;
    BOOL expected;
};

TEST(RuntimeClass, IsKindOfWalksTheBaseChain)
{
    const CShape shape;
    const CSquare square;
    const CTile tile;
    const CPlain plain;
    const KindRow rows[] = {
        {"tile is a tile", &tile, RUNTIME_CLASS(CTile), TRUE},
        {"tile is a square", &tile, RUNTIME_CLASS(CSquare), TRUE},
        {"tile is a shape", &tile, RUNTIME_CLASS(CShape), TRUE},
        {"tile is an object", &tile, RUNTIME_CLASS(CObject), TRUE},
        {"square is not a tile", &square, RUNTIME_CLASS(CTile), FALSE},
        {"shape is not a square", &shape, RUNTIME_CLASS(CSquare), FALSE},
        {"shape is not an exception", &shape, RUNTIME_CLASS(CException), FALSE},
        {"plain object is an object", &plain, RUNTIME_CLASS(CObject), TRUE},
        {"null record", &tile, nullptr, FALSE},
    };
    for (const KindRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, row.object->IsKindOf(row.record));
    }
}

TEST(RuntimeClass, IsKindOfComparesRecordAddressesNotNames)
{
    // A look-alike record with the same name is another class.
    CRuntimeClass lookAlike = *RUNTIME_CLASS(CShape);
    CSquare square;
    EXPECT_FALSE(square.IsKindOf(&lookAlike));
    EXPECT_TRUE(RUNTIME_CLASS(CSquare)->IsDerivedFrom(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CSquare)));
}

TEST(RuntimeClass, CreateObjectBuildsDynCreateClassesOnly)
{
    std::unique_ptr<CObject> created(RUNTIME_CLASS(CSquare)->CreateObject());
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(RUNTIME_CLASS(CSquare), created->GetRuntimeClass());
    EXPECT_EQ(4, static_cast<CSquare *>(created.get())->m_nSides);

    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CTile)->CreateObject());
}

}  // namespace
