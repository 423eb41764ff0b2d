#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "kernel32/module.h"
#include "vkshost.h"
#include "vksresource.h"
#include "vkstest.h"
#include "windows.h"

namespace fs = std::filesystem;

namespace {

// The program's own string table: blocks 1 (ids 0-15) and 2 (ids 16-31).
const VksStringResource kProgramStrings[] = {
    {1, "Hello"},
    {2, "日本語"},
    {3, ""},
    {20, "ｱｲｳ"},
};

const bool kProgramStringsRegistered = VksRegisterStringTable(
    kProgramStrings, kProgramStrings, sizeof kProgramStrings / sizeof kProgramStrings[0]);

HMODULE platformModule()
{
    return vks::detail::moduleContaining(reinterpret_cast<void *>(&GetLastError));
}

TEST(LoadString, CutsAtTheBufferWithoutSplittingACharacter)
{
    ASSERT_TRUE(kProgramStringsRegistered);
    vkstest::ScopedCodePage japanese(932);
    const struct {
        const char *name;
        UINT id;
        int size;
        std::string text;
    } rows[] = {
        {"ASCII, ample room", 1, 100, "Hello"},
        {"ASCII, just fits", 1, 6, "Hello"},
        {"ASCII, one short", 1, 5, "Hell"},
        {"ASCII, room for the NUL only", 1, 1, ""},
        {"kanji as CP932 bytes", 2, 100, "\x93\xFA\x96\x7B\x8C\xEA"},
        {"kanji, just fits", 2, 7, "\x93\xFA\x96\x7B\x8C\xEA"},
        {"kanji, half a character short", 2, 6, "\x93\xFA\x96\x7B"},
        {"kanji, one character", 2, 3, "\x93\xFA"},
        {"kanji, no whole character fits", 2, 2, ""},
        {"half-width katakana are single bytes", 20, 3, "\xB1\xB2"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[128];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(static_cast<int>(row.text.size()), LoadStringA(nullptr, row.id, buffer, row.size));
        EXPECT_EQ(row.text, std::string(buffer));
        EXPECT_EQ('#', buffer[row.size]) << "written past the buffer";
    }
}

TEST(LoadString, ConvertsToTheCurrentCodePage)
{
    ASSERT_TRUE(kProgramStringsRegistered);
    vkstest::ScopedCodePage western(1252);
    char buffer[32];
    EXPECT_EQ(5, LoadStringA(GetModuleHandleA(nullptr), 1, buffer, sizeof buffer));
    EXPECT_STREQ("Hello", buffer);
    EXPECT_EQ(3, LoadStringA(GetModuleHandleA(nullptr), 2, buffer, sizeof buffer));
    EXPECT_STREQ("???", buffer);
}

TEST(LoadString, ReturnsZeroForWhatIsNotThere)
{
    ASSERT_TRUE(kProgramStringsRegistered);
    const struct {
        const char *name;
        HMODULE module;
        UINT id;
        DWORD error;  // 0xdeadbeef: left alone
    } rows[] = {
        {"empty entry", nullptr, 3, 0xdeadbeef},
        {"missing entry of an existing block", nullptr, 4, 0xdeadbeef},
        {"missing block", nullptr, 100, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"identifier above 16 bits", nullptr, 0x10001, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"module without strings", platformModule(), 1, ERROR_RESOURCE_TYPE_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[16] = "untouched";
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0, LoadStringA(row.module, row.id, buffer, sizeof buffer));
        EXPECT_STREQ("", buffer);
        EXPECT_EQ(row.error, GetLastError());
    }
}

TEST(LoadString, WritesNothingWithoutABuffer)
{
    ASSERT_TRUE(kProgramStringsRegistered);
    const int sizes[] = {0, -1};
    for (int size : sizes) {
        SCOPED_TRACE(size);
        char buffer[8] = "abc";
        EXPECT_EQ(0, LoadStringA(nullptr, 1, buffer, size));
        EXPECT_STREQ("abc", buffer);
    }
    EXPECT_EQ(0, LoadStringA(nullptr, 1, nullptr, 8));
}

TEST(FindResource, AnswersForStringBlocks)
{
    ASSERT_TRUE(kProgramStringsRegistered);
    const struct {
        const char *name;
        HMODULE module;
        LPCSTR block;
        LPCSTR type;
        DWORD error;  // 0: found
    } rows[] = {
        {"block of ids 0-15", nullptr, MAKEINTRESOURCEA(1), RT_STRING, 0},
        {"block of ids 16-31", GetModuleHandleA(nullptr), MAKEINTRESOURCEA(2), RT_STRING, 0},
        {"block without strings", nullptr, MAKEINTRESOURCEA(3), RT_STRING, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"block 0 is no block", nullptr, MAKEINTRESOURCEA(0), RT_STRING, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"named block", nullptr, "STRINGS", RT_STRING, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"message table", nullptr, MAKEINTRESOURCEA(1), RT_MESSAGETABLE, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"module without strings", platformModule(), MAKEINTRESOURCEA(1), RT_STRING,
         ERROR_RESOURCE_TYPE_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        HRSRC found = FindResourceA(row.module, row.block, row.type);
        EXPECT_EQ(row.error == 0, found != nullptr);
        EXPECT_EQ(row.error ? row.error : 0xdeadbeef, GetLastError());
    }
}

TEST(StringTableRegistration, RefusesTablesItCannotPlace)
{
    const VksStringResource wide[] = {{1, "a"}, {70000, "b"}};
    int onTheStack = 0;
    EXPECT_FALSE(VksRegisterStringTable(&onTheStack, kProgramStrings, 1));
    EXPECT_FALSE(VksRegisterStringTable(kProgramStrings, nullptr, 1));
    EXPECT_FALSE(VksRegisterStringTable(kProgramStrings, wide, 2));
    EXPECT_FALSE(VksUnregisterStringTables(&onTheStack));
}

// The test module registers its table when it loads and removes it when it unloads.
TEST(ModuleStrings, LiveAsLongAsTheModule)
{
    vkstest::ScopedDriveC drive;
    vkstest::ScopedCodePage japanese(932);
    fs::copy_file(VKS_TEST_MODULE, drive.host("WINDOWS/SYSTEM/VksTestMod.dll"));
    HMODULE module = LoadLibraryA("c:\\windows\\system\\vkstestmod.dll");
    ASSERT_NE(nullptr, module);

    char buffer[64];
    EXPECT_EQ(11, LoadStringA(module, 1, buffer, sizeof buffer));
    EXPECT_STREQ("Test module", buffer);
    EXPECT_EQ(14, LoadStringA(module, 2, buffer, sizeof buffer));
    EXPECT_STREQ("\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x8E\x9A\x97\xF1", buffer);
    EXPECT_NE(nullptr, FindResourceA(module, MAKEINTRESOURCEA(2), RT_STRING));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, FindResourceA(module, MAKEINTRESOURCEA(3), RT_STRING));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    EXPECT_EQ(0, LoadStringA(nullptr, 17, buffer, sizeof buffer)) << "the program has no id 17";

    ASSERT_TRUE(FreeLibrary(module));
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, LoadStringA(module, 1, buffer, sizeof buffer));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
}

}  // namespace
