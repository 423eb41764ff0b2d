#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vkshost.h"
#include "vkstest.h"
#include "vkstext.h"
#include "windows.h"

namespace {

std::string toAnsi(const std::string &utf8)
{
    std::vector<char> buffer(utf8.size() * 2 + 8, 'x');
    int written = VksUtf8ToAnsi(utf8.c_str(), buffer.data(), static_cast<int>(buffer.size()));
    return written > 0 ? std::string(buffer.data(), static_cast<std::size_t>(written - 1)) : "failed";
}

std::string toUtf8(const std::string &ansi)
{
    std::vector<char> buffer(ansi.size() * 4 + 8, 'x');
    int written = VksAnsiToUtf8(ansi.c_str(), buffer.data(), static_cast<int>(buffer.size()));
    return written > 0 ? std::string(buffer.data(), static_cast<std::size_t>(written - 1)) : "failed";
}

TEST(CodePage, IsJapaneseByDefault)
{
    EXPECT_EQ(932u, GetACP());
}

TEST(CodePage, AcceptsOnlyCodePagesItCanConvert)
{
    const struct {
        UINT codePage;
        BOOL accepted;
    } rows[] = {
        {1252, TRUE}, {65001, TRUE}, {437, TRUE}, {850, TRUE}, {936, TRUE}, {949, TRUE},
        {950, TRUE},  {1250, TRUE},  {1258, TRUE}, {932, TRUE}, {0, FALSE}, {1200, FALSE},
        {1249, FALSE}, {1259, FALSE}, {20127, FALSE},
    };
    vkstest::ScopedCodePage restore(932);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.codePage);
        ASSERT_TRUE(VksHostSetCodePage(1251));
        EXPECT_EQ(row.accepted, VksHostSetCodePage(row.codePage));
        EXPECT_EQ(row.accepted ? row.codePage : 1251u, GetACP());
    }
}

TEST(CodePage, ConvertsBetweenUtf8AndTheAnsiCodePage)
{
    const struct {
        const char *name;
        UINT codePage;
        std::string utf8;
        std::string ansi;
    } rows[] = {
        {"kanji in 932", 932, "日本語", "\x93\xFA\x96\x7B\x8C\xEA"},
        {"half-width katakana in 932", 932, "ｱｲ", "\xB1\xB2"},
        {"ASCII in 932", 932, "win.ini", "win.ini"},
        {"accent in 1252", 1252, "café", "caf\xE9"},
        {"euro sign in 1252", 1252, "€", "\x80"},
        {"kanji in 936", 936, "中文", "\xD6\xD0\xCE\xC4"},
        {"UTF-8 as the code page", 65001, "日本", "日本"},
    };
    vkstest::ScopedCodePage restore(932);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(VksHostSetCodePage(row.codePage));
        EXPECT_EQ(row.ansi, toAnsi(row.utf8));
        EXPECT_EQ(row.utf8, toUtf8(row.ansi));
    }
}

TEST(CodePage, ReplacesWhatCannotBeConverted)
{
    const struct {
        const char *name;
        UINT codePage;
        std::string input;
        bool fromUtf8;
        std::string output;
    } rows[] = {
        {"kanji in 1252", 1252, "a日本b", true, "a??b"},
        {"accent in 932", 932, "café", true, "caf?"},
        {"stray UTF-8 bytes", 1252, "a\xFF" "b\x80" "c", true, "a?b?c"},
        {"cut UTF-8 sequence at the end", 1252, "ab\xE6\x97", true, "ab?"},
        {"lead byte at the end of 932 text", 932, "ab\x82", false, "ab?"},
        {"undefined 932 byte", 932, "a\xA0" "b", false, "a?b"},
    };
    vkstest::ScopedCodePage restore(932);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(VksHostSetCodePage(row.codePage));
        EXPECT_EQ(row.output, row.fromUtf8 ? toAnsi(row.input) : toUtf8(row.input));
    }
}

TEST(CodePage, PublicConvertersFollowTheWin32SizeRules)
{
    vkstest::ScopedCodePage japanese(932);
    char buffer[8] = "xxxxxxx";

    EXPECT_EQ(7, VksUtf8ToAnsi("日本語", nullptr, 0));

    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, VksUtf8ToAnsi("日本語", buffer, 6));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());

    EXPECT_EQ(7, VksUtf8ToAnsi("日本語", buffer, 7));
    EXPECT_EQ(std::string("\x93\xFA\x96\x7B\x8C\xEA"), std::string(buffer));

    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, VksAnsiToUtf8(nullptr, buffer, 8));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());

    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, VksUtf8ToAnsi("a", buffer, -1));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

// Text typed by a user is refused, not altered, when the code page cannot hold it.
TEST(CodePage, StrictConverterRefusesWhatItWouldReplace)
{
    vkstest::ScopedCodePage japanese(932);
    const struct {
        const char *name;
        const char *utf8;
        const char *ansi;  // null: refused
    } cases[] = {
        {"Japanese", "日本語", "\x93\xFA\x96\x7B\x8C\xEA"},
        {"a question mark of its own", "why?", "why?"},
        {"empty", "", ""},
        {"outside the code page", "a\xC3\xA5" "b", nullptr},  // U+00E5
        {"malformed lead byte", "a\xFF" "b", nullptr},
        {"cut sequence", "a\xE6\x97", nullptr},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        char buffer[16] = "xxxxxxxxxxxxxxx";
        SetLastError(0xdeadbeef);
        int written = VksUtf8ToAnsiStrict(row.utf8, buffer, sizeof buffer);
        if (row.ansi) {
            EXPECT_EQ(static_cast<int>(std::string(row.ansi).size()) + 1, written);
            EXPECT_EQ(std::string(row.ansi), std::string(buffer));
        } else {
            EXPECT_EQ(0, written);
            EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
            EXPECT_EQ('x', buffer[0]);
        }
    }
}

}  // namespace
