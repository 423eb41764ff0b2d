// Library start-up: the entry point's reasons, the resource chain of the library and the
// product, the product name and the event-log key, and the product's feature set.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "product.h"
#include "product_host.h"
#include "settings/profile.h"
#include "util/exceptions.h"
#include "util/startup.h"
#include "vkstest.h"

namespace {

constexpr UINT kProductNameId = 2453;
const std::string kEventLogKey = "System\\CurrentControlSet\\Services\\EventLog\\Application";

std::vector<CDynLinkLibrary *> chain()
{
    return AfxGetModuleState()->GetLibraries();
}

size_t chainEntriesOf(HMODULE module)
{
    size_t count = 0;
    for (CDynLinkLibrary *entry : chain())
        count += entry->m_hModule == module ? 1 : 0;
    return count;
}

// The loader's names for the two libraries, found without asking the code under test.
HMODULE libraryModule()
{
    return GetModuleHandleA("libvksutil");
}

HMODULE productModule()
{
    return GetModuleHandleA("libproduct");
}

TEST(LibraryLoad, ChainsTheLibraryAndTheProduct)
{
    ASSERT_NE(nullptr, libraryModule());
    ASSERT_NE(nullptr, productModule());
    EXPECT_EQ(libraryModule(), utLibraryInstance());
    EXPECT_GE(chainEntriesOf(libraryModule()), 1u);
    EXPECT_GE(chainEntriesOf(productModule()), 1u);
    for (CDynLinkLibrary *entry : chain()) {
        if (entry->m_hModule == libraryModule()) {
            EXPECT_EQ(libraryModule(), entry->m_hResource);
            EXPECT_FALSE(entry->m_bSystem);
        }
    }
}

TEST(LibraryLoad, MakesTheLibraryClassesKnownByName)
{
    EXPECT_EQ(RUNTIME_CLASS(CTaskException), CRuntimeClass::FromName("CTaskException"));
    EXPECT_EQ(RUNTIME_CLASS(CCMException), CRuntimeClass::FromName("CCMException"));
}

TEST(LibraryEntry, ThreadNotificationsAndUnknownReasonsChangeNothing)
{
    struct Row {
        const char *name;
        DWORD reason;
        BOOL expected;
    };
    const Row rows[] = {
        {"thread attach", DLL_THREAD_ATTACH, TRUE},
        {"thread detach", DLL_THREAD_DETACH, TRUE},
        {"first unknown reason", 4, FALSE},
        {"another unknown reason", 5, FALSE},
        {"largest reason", 0xFFFFFFFF, FALSE},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<CDynLinkLibrary *> chainBefore = chain();
        HINSTANCE instanceBefore = utLibraryInstance();
        EXPECT_EQ(row.expected, utDllMain(libraryModule(), row.reason, nullptr));
        EXPECT_EQ(chainBefore, chain());
        EXPECT_EQ(instanceBefore, utLibraryInstance());
    }
}

TEST(LibraryEntry, ProcessAttachChainsTheLibraryAgain)
{
    size_t libraryEntries = chainEntriesOf(libraryModule());
    size_t productEntries = chainEntriesOf(productModule());
    EXPECT_EQ(TRUE, utDllMain(libraryModule(), DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(libraryModule(), utLibraryInstance());
    EXPECT_EQ(libraryEntries + 1, chainEntriesOf(libraryModule()));
    EXPECT_EQ(productEntries + 1, chainEntriesOf(productModule()));
}

TEST(LibraryEntry, ProcessDetachFreesTheProfilesAndLeavesTheChain)
{
    vkstest::ScopedDriveC drive;
    std::string windowsIni = TutProfile::windows().name();
    // A mark on the profile held now: only a profile made again after detach is without it.
    const_cast<TutProfile &>(TutProfile::windows()).name("c:\\marked.ini");
    std::vector<CDynLinkLibrary *> chainBefore = chain();
    EXPECT_EQ(TRUE, utDllMain(libraryModule(), DLL_PROCESS_DETACH, nullptr));
    EXPECT_EQ(chainBefore, chain());
    EXPECT_EQ(windowsIni, TutProfile::windows().name());
    const_cast<TutProfile &>(TutProfile::windows()).name(windowsIni.c_str());
}

TEST(InitUtilDynLink, EachCallAddsTheLibraryThenTheProduct)
{
    size_t libraryEntries = chainEntriesOf(libraryModule());
    size_t productEntries = chainEntriesOf(productModule());
    InitUtilDynLink();
    InitUtilDynLink();
    EXPECT_EQ(libraryEntries + 2, chainEntriesOf(libraryModule()));
    EXPECT_EQ(productEntries + 2, chainEntriesOf(productModule()));
    // The most recent entry comes first: the product's, then the library's.
    std::vector<CDynLinkLibrary *> entries = chain();
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(productModule(), entries[0]->m_hModule);
    EXPECT_EQ(libraryModule(), entries[1]->m_hModule);
    EXPECT_FALSE(entries[1]->m_bSystem);
}

// Gives the product another name for the test's lifetime.
class ScopedProductName {
public:
    explicit ScopedProductName(const char *utf8OrNull) { EXPECT_TRUE(ProductSetName(utf8OrNull)); }
    ~ScopedProductName() { ProductSetName(nullptr); }
    ScopedProductName(const ScopedProductName &) = delete;
    ScopedProductName &operator=(const ScopedProductName &) = delete;
};

// True when some module that string loading searches holds string `id`.
bool anySearchedModuleHolds(UINT id)
{
    std::vector<HMODULE> modules = {AfxGetResourceHandle()};
    for (CDynLinkLibrary *entry : chain())
        modules.push_back(entry->m_hResource);
    for (HMODULE module : modules) {
        char text[64];
        if (LoadStringA(module, id, text, sizeof text) > 0)
            return true;
    }
    return false;
}

TEST(ProductName, ComesFromTheProductLibrary)
{
    vkstest::ScopedCodePage codePage(932);
    CString name("stale");
    const char *text = utProductName(name);
    EXPECT_STREQ("VELMORA", text);
    EXPECT_EQ(static_cast<const char *>(name), text);
}

TEST(ProductName, LibraryTableDoesNotHoldIt)
{
    char text[64] = "stale";
    EXPECT_EQ(0, LoadStringA(utLibraryInstance(), kProductNameId, text, sizeof text));
}

TEST(EventLogRegistryRoot, IsTheApplicationLogUnderTheLocalMachine)
{
    HKEY root = nullptr;
    CString path("stale");
    EXPECT_EQ(TRUE, utGetEventLogRegistryRoot(root, path));
    EXPECT_EQ(HKEY_LOCAL_MACHINE, root);
    EXPECT_EQ(0x80000002u, static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(root)));
    EXPECT_EQ(kEventLogKey, static_cast<const char *>(path));
}

TEST(EventLogFQRegistryPath, AppendsOneBackslashAndTheProductName)
{
    struct Row {
        const char *name;
        const char *productUtf8;  // null: the product's own name
        std::string expectedPath;
    };
    const Row rows[] = {
        {"product's own name", nullptr, kEventLogKey + "\\VELMORA"},
        {"double-byte name", "ベルモラ", kEventLogKey + "\\\x83x\x83\x8B\x83\x82\x83\x89"},
        {"no name anywhere", "", kEventLogKey + "\\"},
    };
    vkstest::ScopedCodePage codePage(932);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ScopedProductName productName(row.productUtf8);
        HKEY root = nullptr;
        CString path("stale");
        EXPECT_EQ(TRUE, utGetEventLogFQRegistryPath(root, path));
        EXPECT_EQ(HKEY_LOCAL_MACHINE, root);
        EXPECT_EQ(row.expectedPath, static_cast<const char *>(path));
    }
}

TEST(EventLogFQRegistryPath, EmptyNameWhenNoModuleHoldsIt)
{
    ScopedProductName noName("");
    ASSERT_FALSE(anySearchedModuleHolds(kProductNameId));
    CString name("stale");
    EXPECT_STREQ("", utProductName(name));
    HKEY root = nullptr;
    CString path;
    EXPECT_EQ(TRUE, utGetEventLogFQRegistryPath(root, path));
    EXPECT_EQ(kEventLogKey + "\\", static_cast<const char *>(path));
}

// Puts the product's feature set back to none when the test ends.
class ScopedFeatures {
public:
    ScopedFeatures(const int *features, size_t count) { ProductSetFeatures(features, count); }
    ~ScopedFeatures() { ProductSetFeatures(nullptr, 0); }
    ScopedFeatures(const ScopedFeatures &) = delete;
    ScopedFeatures &operator=(const ScopedFeatures &) = delete;
};

TEST(ProductFeatures, FollowTheHostSetting)
{
    const int quickStepsAndSeven[] = {32, 7};
    {
        ScopedFeatures features(quickStepsAndSeven, 2);
        EXPECT_NE(0, hasFeature(32));
        EXPECT_NE(0, hasFeature(7));
        EXPECT_EQ(0, hasFeature(8));
        EXPECT_EQ(0, hasFeature(0));
    }
    {
        // Only the first `count` numbers count.
        ScopedFeatures features(quickStepsAndSeven, 1);
        EXPECT_NE(0, hasFeature(32));
        EXPECT_EQ(0, hasFeature(7));
    }
    {
        ScopedFeatures none(nullptr, 5);
        EXPECT_EQ(0, hasFeature(32));
    }
}

// Run only by the next test, in a child process started with VKS_PRODUCT_FEATURES set: prints
// what hasFeature answers for a few numbers.
TEST(ProductFeaturesAtLoad, DISABLED_Report)
{
    for (int feature : {-3, 0, 7, 8, 32, 33})
        std::printf("feature %d: %d\n", feature, hasFeature(feature) ? 1 : 0);
}

std::string outputOf(const std::string &command)
{
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (!pipe)
        return output;
    char chunk[256];
    while (size_t n = std::fread(chunk, 1, sizeof chunk, pipe.get()))
        output.append(chunk, n);
    return output;
}

TEST(ProductFeaturesAtLoad, ComeFromTheEnvironment)
{
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string output = outputOf(
        "VKS_PRODUCT_FEATURES=' 32,7 ,x,,-3,33x' '" + self +
        "' --gtest_also_run_disabled_tests --gtest_filter=ProductFeaturesAtLoad.DISABLED_Report"
        " 2>/dev/null");
    const char *const expected[] = {
        "feature -3: 1\n", "feature 0: 0\n", "feature 7: 1\n",
        "feature 8: 0\n",  "feature 32: 1\n", "feature 33: 0\n",
    };
    for (const char *line : expected) {
        SCOPED_TRACE(line);
        EXPECT_NE(std::string::npos, output.find(line)) << output;
    }
}

}  // namespace
