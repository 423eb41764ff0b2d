// The module state, extension modules and the resource chain that LoadString follows.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "afx.h"
#include "vkstest.h"
#include "vksresource.h"

namespace {

// Strings of the test program itself; 201 shares block 13 with 200 but is absent.
const VksStringResource kProgramStrings[] = {
    {200, "program"},
    {203, "program 203"},
    {100 + 16 * 40, "program block"},
};

int ProgramAnchor;  // an address inside the program, for registering its string table

// A fresh view of the chain for each test: the program's string table, the two test extension
// modules loaded, and the resource module put back afterwards. Entries a test creates are
// deleted at its end, so that they do not reach into the next test.
class ResourceChain : public ::testing::Test {
protected:
    ResourceChain()
    {
        VksRegisterStringTable(&ProgramAnchor, kProgramStrings,
                               sizeof kProgramStrings / sizeof kProgramStrings[0]);
        moduleA_ = LoadLibraryA(VKS_CHAIN_MODULE_A);
        moduleB_ = LoadLibraryA(VKS_CHAIN_MODULE_B);
        savedResource_ = AfxGetResourceHandle();
    }

    ~ResourceChain() override
    {
        for (CDynLinkLibrary *pEntry : created_)
            delete pEntry;
        AfxSetResourceHandle(savedResource_);
        FreeLibrary(moduleB_);
        FreeLibrary(moduleA_);
        VksUnregisterStringTables(&ProgramAnchor);
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, moduleA_);
        ASSERT_NE(nullptr, moduleB_);
        baseline_ = AfxGetModuleState()->GetLibraries();
    }

    // The entries added since the test began, the newest first.
    std::vector<CDynLinkLibrary *> NewEntries() const
    {
        std::vector<CDynLinkLibrary *> entries = AfxGetModuleState()->GetLibraries();
        entries.resize(entries.size() - baseline_.size());
        return entries;
    }

    // Joins a module to the chain as an extension library would at load.
    CDynLinkLibrary *Chain(HMODULE module)
    {
        records_.push_back(std::make_unique<AFX_EXTENSION_MODULE>());
        AFX_EXTENSION_MODULE &record = *records_.back();
        EXPECT_TRUE(AfxInitExtensionModule(record, module));
        created_.push_back(new CDynLinkLibrary(record));
        return created_.back();
    }

    static std::string Load(UINT id, BOOL *found = nullptr)
    {
        CString text("stale");
        BOOL result = text.LoadString(id);
        if (found)
            *found = result;
        return std::string(text, text.GetLength());
    }

    HMODULE moduleA_ = nullptr;
    HMODULE moduleB_ = nullptr;
    HINSTANCE savedResource_ = nullptr;
    std::vector<std::unique_ptr<AFX_EXTENSION_MODULE>> records_;
    std::vector<CDynLinkLibrary *> created_;
    std::vector<CDynLinkLibrary *> baseline_;  // entries left by earlier tests of the process
};

TEST(ModuleState, ResourceAndInstanceHandlesStartAtTheProgram)
{
    HMODULE program = GetModuleHandleA(NULL);
    ASSERT_NE(nullptr, program);
    EXPECT_EQ(program, AfxGetInstanceHandle());
    EXPECT_EQ(program, AfxGetResourceHandle());
    EXPECT_EQ(AfxGetModuleState(), AfxGetModuleState());
}

TEST_F(ResourceChain, SetResourceHandleChangesOnlyTheResourceModule)
{
    AfxSetResourceHandle(moduleA_);
    EXPECT_EQ(moduleA_, AfxGetResourceHandle());
    EXPECT_EQ(GetModuleHandleA(NULL), AfxGetInstanceHandle());
}

TEST_F(ResourceChain, InitExtensionModuleRecordsTheModuleOnce)
{
    AFX_EXTENSION_MODULE record = {};
    EXPECT_TRUE(AfxInitExtensionModule(record, moduleA_));
    EXPECT_TRUE(record.bInitialized);
    EXPECT_EQ(moduleA_, record.hModule);
    EXPECT_EQ(moduleA_, record.hResource);

    EXPECT_TRUE(AfxInitExtensionModule(record, moduleB_));
    EXPECT_EQ(moduleA_, record.hModule);
    EXPECT_EQ(moduleA_, record.hResource);
}

TEST_F(ResourceChain, EntriesJoinAtTheHeadAndOneModuleMayJoinTwice)
{
    CDynLinkLibrary *first = Chain(moduleA_);
    CDynLinkLibrary *second = Chain(moduleB_);
    AFX_EXTENSION_MODULE again = *records_.front();
    created_.push_back(new CDynLinkLibrary(again, TRUE));
    CDynLinkLibrary *third = created_.back();

    std::vector<CDynLinkLibrary *> expected = {third, second, first};
    EXPECT_EQ(expected, NewEntries());
    EXPECT_EQ(moduleA_, third->m_hResource);
    EXPECT_TRUE(third->m_bSystem);
    EXPECT_FALSE(first->m_bSystem);

    // Deleting an entry unlinks it.
    delete second;
    created_.erase(created_.begin() + 1);
    expected = {third, first};
    EXPECT_EQ(expected, NewEntries());
}

struct LoadRow {
    const char *name;
    UINT id;
    BOOL found;
    const char *text;
};

TEST_F(ResourceChain, LoadStringFollowsTheChainOrder)
{
    Chain(moduleA_);
    Chain(moduleB_);  // most recent: searched before A
    const LoadRow rows[] = {
        {"current module first", 200, TRUE, "program"},
        {"not in the current module: the newest entry", 100, TRUE, "from B"},
        {"only in the older entry", 101, TRUE, "A only"},
        {"empty in one entry, found in another", 102, TRUE, "B fills 102"},
        {"block in the program but not the string", 202, TRUE, "A has 202"},
        {"converted to the code page", 104, TRUE, "\x93\xFA\x96\x7B"},
        {"missing everywhere", 105, FALSE, ""},
        {"missing block everywhere", 4000, FALSE, ""},
        {"beyond 16 bits", 0x10000 + 200, FALSE, ""},
    };
    vkstest::ScopedCodePage codePage(932);
    for (const LoadRow &row : rows) {
        SCOPED_TRACE(row.name);
        BOOL found = -1;
        EXPECT_EQ(row.text, Load(row.id, &found));
        EXPECT_EQ(row.found, found);
    }
}

TEST_F(ResourceChain, TheNewestEntryWinsWhicheverModuleItIs)
{
    Chain(moduleB_);
    Chain(moduleA_);
    EXPECT_EQ("from A", Load(100));
    EXPECT_EQ("B fills 102", Load(102));
}

TEST_F(ResourceChain, AStringMissingFromTheCurrentModuleIsFoundInTheChain)
{
    Chain(moduleB_);
    AfxSetResourceHandle(moduleA_);
    EXPECT_EQ("from A", Load(100));       // the current module comes before every entry
    EXPECT_EQ("B only", Load(103));       // not in A: the chain
    EXPECT_EQ("", Load(200));             // the program is neither current nor chained
    EXPECT_EQ(moduleA_, AfxGetResourceHandle());
}

TEST_F(ResourceChain, TheFrameworkModuleComesLast)
{
    const VksStringResource frameworkStrings[] = {{100, "framework 100"}, {300, "framework"}};
    const void *frameworkCode = reinterpret_cast<const void *>(&AfxGetModuleState);
    ASSERT_TRUE(VksRegisterStringTable(frameworkCode, frameworkStrings, 2));
    EXPECT_EQ("framework 100", Load(100));
    Chain(moduleA_);
    EXPECT_EQ("from A", Load(100));
    EXPECT_EQ("framework", Load(300));
    VksUnregisterStringTables(frameworkCode);
}

TEST_F(ResourceChain, ConstructingFromAResourceIdLoadsTheString)
{
    Chain(moduleA_);
    EXPECT_STREQ("A only", CString(MAKEINTRESOURCEA(101)));
    EXPECT_STREQ("", CString(MAKEINTRESOURCEA(105)));
}

TEST_F(ResourceChain, FindResourceHandleNamesTheFirstModuleWithTheBlock)
{
    Chain(moduleA_);
    Chain(moduleB_);
    EXPECT_EQ(GetModuleHandleA(NULL), AfxFindResourceHandle(MAKEINTRESOURCEA(13), RT_STRING));
    EXPECT_EQ(moduleB_, AfxFindResourceHandle(MAKEINTRESOURCEA(7), RT_STRING));
    // None has it: the current resource module.
    AfxSetResourceHandle(moduleA_);
    EXPECT_EQ(moduleA_, AfxFindResourceHandle(MAKEINTRESOURCEA(999), RT_STRING));
}

TEST_F(ResourceChain, ExtensionModulesTakeTheClassesRegisteredBeforeThem)
{
    // A record registered now, as a module's static initialisers would; records stay linked for
    // the life of the process, so each run of the test adds its own.
    static std::list<CRuntimeClass> records;
    CRuntimeClass &lateRecord = records.emplace_back(CRuntimeClass{
        "CLateClass", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, RUNTIME_CLASS(CObject),
        nullptr});
    AFX_CLASSINIT lateInit(&lateRecord);
    EXPECT_EQ(&lateRecord, CRuntimeClass::FromName("CLateClass"));  // an application class

    CDynLinkLibrary *entry = Chain(moduleA_);
    EXPECT_EQ(&lateRecord, entry->m_pFirstSharedClass);  // the newest registration heads the list
    EXPECT_EQ(&lateRecord, CRuntimeClass::FromName("CLateClass"));

    delete entry;
    created_.pop_back();
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CLateClass"));
    // The framework's own classes are in no list.
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CException"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(nullptr));
}

// An entry that says when it is destroyed.
class CProbeLibrary : public CDynLinkLibrary {
public:
    using CDynLinkLibrary::CDynLinkLibrary;
    ~CProbeLibrary() override { std::fputs("chain entry freed\n", stderr); }
};

TEST(ModuleStateExitDeathTest, EntriesLeftInTheChainAreFreedAtExit)
{
    EXPECT_EXIT(
        {
            static AFX_EXTENSION_MODULE record = {};
            AfxInitExtensionModule(record, GetModuleHandleA(NULL));
            new CProbeLibrary(record);  // never deleted by its creator
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "chain entry freed");
}

}  // namespace

// LoadStringA stops short of a double-byte character that does not fit its buffer; the load
// must see that as a cut text and try again, not take the shorter text as the whole string.
TEST_F(ResourceChain, LoadStringKeepsADoubleByteCharacterAtTheFirstBufferEdge)
{
    static int anchor;
    const std::string text = std::string(254, 'a') + "\xE3\x81\x82";  // 254 bytes, then "あ"
    const VksStringResource strings[] = {{204, text.c_str()}};
    ASSERT_TRUE(VksRegisterStringTable(&anchor, strings, 1));

    EXPECT_EQ(std::string(254, 'a') + "\x82\xA0", Load(204));
    VksUnregisterStringTables(&anchor);
}
