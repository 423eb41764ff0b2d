// Resources a module registers whole (dialog templates compiled from resource scripts), found
// by number or name with FindResourceA and read with LoadResource, as Windows gives them.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "vksresource.h"
#include "windows.h"

namespace {

std::string bytesOf(HRSRC resource)
{
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const char *data = static_cast<const char *>(LockResource(loaded));
    DWORD size = SizeofResource(nullptr, resource);
    return data ? std::string(data, size) : std::string();
}

}  // namespace

TEST(DialogResource, FoundByNumberOrNameInEitherCase)
{
    const struct {
        const char *name;
        LPCSTR resource;
    } rows[] = {
        {"a number", MAKEINTRESOURCEA(100)},
        {"a number as text", "#100"},
        {"a name in other letters", "named_DIALOG"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        HRSRC found = FindResourceA(nullptr, row.resource, RT_DIALOG);
        ASSERT_NE(nullptr, found);
        std::string bytes = bytesOf(found);
        ASSERT_GE(bytes.size(), 26u);
        // dlgVer 1 and the extended template's signature 0xFFFF.
        EXPECT_EQ(std::string("\x01\x00\xff\xff", 4), bytes.substr(0, 4));
    }
}

TEST(DialogResource, MissingResourcesFailWithWindowsErrors)
{
    const struct {
        const char *name;
        LPCSTR resource, type;
        DWORD error;
    } rows[] = {
        {"no such number", MAKEINTRESOURCEA(101), RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"no such name", "OTHER", RT_DIALOG, ERROR_RESOURCE_NAME_NOT_FOUND},
        // RT_HTML: the program carries none (it does carry bitmaps).
        {"no such type", MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(23),
         ERROR_RESOURCE_TYPE_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, FindResourceA(nullptr, row.resource, row.type));
        EXPECT_EQ(row.error, GetLastError());
    }
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, LoadResource(nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND), GetLastError());
    EXPECT_EQ(0u, SizeofResource(nullptr, nullptr));
}

TEST(DialogResource, RegisteringAgainReplacesAndUnregisteringRemoves)
{
    // A module of its own, so that removing its resources leaves the program's alone.
    HMODULE module = LoadLibraryExA(("Z:" + std::string(VKS_TEST_MODULE)).c_str(), nullptr,
                                    LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(nullptr, module);
    const void *inModule = reinterpret_cast<const void *>(GetProcAddress(module, "VksTestModAnswer"));
    ASSERT_NE(nullptr, inModule);
    const char first[] = "first", second[] = "second!";
    ASSERT_TRUE(VksRegisterResource(inModule, MAKEINTRESOURCEA(7), "Custom", first, 5));
    ASSERT_TRUE(VksRegisterResource(inModule, MAKEINTRESOURCEA(7), "CUSTOM", second, 7));
    HRSRC found = FindResourceA(module, "custom", MAKEINTRESOURCEA(7));
    ASSERT_NE(nullptr, found);
    EXPECT_EQ("second!", bytesOf(found));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "custom", MAKEINTRESOURCEA(7)))
        << "the program does not have the module's resources";

    EXPECT_FALSE(VksRegisterResource(inModule, nullptr, "X", first, 5));
    EXPECT_FALSE(VksRegisterResource(inModule, RT_DIALOG, "", first, 5));
    EXPECT_FALSE(VksRegisterResource(inModule, RT_DIALOG, "X", nullptr, 5));

    ASSERT_TRUE(VksUnregisterResources(inModule));
    EXPECT_EQ(nullptr, FindResourceA(module, "custom", MAKEINTRESOURCEA(7)));
    EXPECT_FALSE(VksUnregisterResources(inModule));
    EXPECT_NE(nullptr, FindResourceA(nullptr, MAKEINTRESOURCEA(100), RT_DIALOG));
    FreeLibrary(module);
}
