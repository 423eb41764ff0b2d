#include <cstring>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

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
    {21, "ab\xE0"},                   // a lead byte without its trail
    {22, "\xED\xED" "L\xFF" "a $"},  // bad bytes before ASCII
};

const bool kProgramStringsRegistered = VksRegisterStringTable(
    kProgramStrings, kProgramStrings, sizeof kProgramStrings / sizeof kProgramStrings[0]);

// A module that carries no resources: the C++ run-time's. (The platform is linked into this test
// program, so its module is the program's, which has the program's string table.)
HMODULE moduleWithoutResources()
{
    return vks::detail::moduleContaining(reinterpret_cast<void *>(&std::set_terminate));
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
        {"a lead byte without its trail is one unknown character, not a NUL", 21, 100, "ab?"},
        {"bad bytes never swallow the characters after them", 22, 100, "??L?a $"},
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
    ASSERT_NE(GetModuleHandleA(nullptr), moduleWithoutResources());
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
        {"module without strings", moduleWithoutResources(), 1, ERROR_RESOURCE_TYPE_NOT_FOUND},
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
    ASSERT_NE(GetModuleHandleA(nullptr), moduleWithoutResources());
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
        {"a type the program lacks (RT_HTML)", nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(23),
         ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"module without strings", moduleWithoutResources(), MAKEINTRESOURCEA(1), RT_STRING,
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

namespace {

std::vector<unsigned char> resourceBytes(HMODULE module, LPCSTR name, LPCSTR type)
{
    HRSRC found = FindResourceA(module, name, type);
    EXPECT_NE(nullptr, found);
    const auto *bytes = static_cast<const unsigned char *>(LockResource(LoadResource(module, found)));
    return bytes ? std::vector<unsigned char>(bytes, bytes + SizeofResource(module, found))
                 : std::vector<unsigned char>();
}

std::vector<unsigned char> words(std::initializer_list<unsigned> values)
{
    std::vector<unsigned char> bytes;
    for (unsigned value : values) {
        bytes.push_back(static_cast<unsigned char>(value));
        bytes.push_back(static_cast<unsigned char>(value >> 8));
    }
    return bytes;
}

// The caption of a dialog template, which tells the languages of resource_kinds.rc apart.
std::string captionOf(HMODULE module, int id)
{
    const std::vector<unsigned char> bytes = resourceBytes(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    std::string caption;
    for (std::size_t at = 30; at + 1 < bytes.size() && bytes[at]; at += 2)
        caption += static_cast<char>(bytes[at]);
    return caption;
}

}  // namespace

// A string table reads back as Windows lays it out: block id / 16 + 1 of 16 counted UTF-16
// strings, whether the module registered it from a list or a script compiled it.
TEST(FindResource, GivesAStringBlockAsSixteenCountedStrings)
{
    ASSERT_TRUE(kProgramStringsRegistered);
    std::vector<unsigned char> expected = words({0, 5, 'H', 'e', 'l', 'l', 'o', 3, 0x65E5, 0x672C, 0x8A9E, 0});
    for (int i = 4; i < 16; ++i)
        expected.insert(expected.end(), {0, 0});
    EXPECT_EQ(expected, resourceBytes(nullptr, MAKEINTRESOURCEA(1), RT_STRING));

    // Strings 900 and 917 of resource_kinds.rc: index 4 of block 57 and index 5 of block 58.
    const std::vector<unsigned char> block = resourceBytes(nullptr, MAKEINTRESOURCEA(58), RT_STRING);
    std::vector<unsigned char> wide = words({0, 0, 0, 0, 0, 5, 'w', 'i', 'd', 'e', 0x263A});
    for (int i = 6; i < 16; ++i)
        wide.insert(wide.end(), {0, 0});
    EXPECT_EQ(wide, block);
    char buffer[32];
    EXPECT_EQ(13, LoadStringA(nullptr, 900, buffer, sizeof buffer));
    EXPECT_STREQ("from a script", buffer);
}

TEST(FindResource, GivesVersionIconAndMessageTableBytes)
{
    const std::vector<unsigned char> version = resourceBytes(nullptr, MAKEINTRESOURCEA(1), RT_VERSION);
    ASSERT_GE(version.size(), 92u);
    EXPECT_EQ(version.size(), static_cast<std::size_t>(version[0] | version[1] << 8)) << "wLength";
    EXPECT_EQ(words({'V', 'S', '_', 'V', 'E', 'R', 'S', 'I', 'O', 'N', '_', 'I', 'N', 'F', 'O', 0}),
              std::vector<unsigned char>(version.begin() + 6, version.begin() + 38));
    // The fixed part: signature 0xFEEF04BD, then FILEVERSION 1,2,3,4.
    EXPECT_EQ((std::vector<unsigned char>{0xBD, 0x04, 0xEF, 0xFE}),
              std::vector<unsigned char>(version.begin() + 40, version.begin() + 44));
    EXPECT_EQ(words({2, 1, 4, 3}), std::vector<unsigned char>(version.begin() + 48, version.begin() + 56));

    // The group names each image, 16x16 of 32 bits and 32x32 of 4 bits, as RT_ICON 1 and 2.
    const std::vector<unsigned char> group = resourceBytes(nullptr, MAKEINTRESOURCEA(502), RT_GROUP_ICON);
    std::vector<unsigned char> expected = words({0, 1, 2});
    expected.insert(expected.end(), {16, 16, 0, 0});
    for (const auto &w : words({1, 32, 1128, 0, 1}))
        expected.push_back(w);
    expected.insert(expected.end(), {32, 32, 16, 0});
    for (const auto &w : words({1, 4, 744, 0, 2}))
        expected.push_back(w);
    EXPECT_EQ(expected, group);
    EXPECT_EQ(1128u, resourceBytes(nullptr, MAKEINTRESOURCEA(1), RT_ICON).size());
    EXPECT_EQ(744u, resourceBytes(nullptr, MAKEINTRESOURCEA(2), RT_ICON).size());
}

TEST(FindResource, ChoosesTheLanguageAsWindowsDoes)
{
    const WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    const WORD german = MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT);
    const struct {
        const char *name;
        WORD userLanguage;
        int dialog;
        const char *caption;
    } rows[] = {
        {"neutral first", japanese, 510, "Neutral"},
        {"then the user's", japanese, 511, "Japanese"},
        {"then the system's, US English", german, 511, "English"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        VksHostSetUserLanguage(&row.userLanguage);
        EXPECT_EQ(row.caption, captionOf(nullptr, row.dialog));
    }
    VksHostSetUserLanguage(nullptr);
}
