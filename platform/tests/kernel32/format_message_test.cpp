// FormatMessageA: insert sequences, printf formats, widths, buffers and the system's texts.
#include <cstdarg>
#include <string>

#include <gtest/gtest.h>

#include "windows.h"

namespace {

// Formats `text` with an argument array of pointer-sized values.
std::string fromString(const char *text, const DWORD_PTR *arguments, DWORD flags, DWORD &result)
{
    char buffer[512] = "stale";
    result = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | flags, text, 0, 0,
                            buffer, sizeof buffer,
                            reinterpret_cast<va_list *>(const_cast<DWORD_PTR *>(arguments)));
    return result ? std::string(buffer, result) : std::string();
}

std::string fromVaList(const char *text, ...)
{
    va_list list;
    va_start(list, text);
    char buffer[256] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_STRING, text, 0, 0, buffer, sizeof buffer, &list);
    va_end(list);
    return std::string(buffer, length);
}

const char kAlpha[] = "alpha";
const char kBeta[] = "beta";

const DWORD_PTR kArguments[] = {
    reinterpret_cast<DWORD_PTR>(kAlpha), reinterpret_cast<DWORD_PTR>(kBeta), 42, 0xFFFFFFFF, 5, 3,
    reinterpret_cast<DWORD_PTR>("wide"), 10, 11, reinterpret_cast<DWORD_PTR>("tenth"),
};

TEST(FormatMessage, ExpandsInsertsAndEscapes)
{
    const struct {
        const char *name;
        const char *text;
        const char *expected;
    } rows[] = {
        {"inserts in any order, twice", "%2 %1 %2", "beta alpha beta"},
        {"two-digit insert", "[%10]", "[tenth]"},
        {"digit after a two-digit insert is text", "%101", "tenth1"},
        {"line break, tab, bare CR", "a%nb%tc%rd", "a\r\nb\tc\rd"},
        {"escaped characters", "100%% %. %! % x", "100% . !  x"},
        {"unknown escape gives the character", "%q", "q"},
        {"%0 ends the text", "kept%0dropped%1", "kept"},
        {"decimal", "%3!d!", "42"},
        {"negative from a 32-bit value", "%4!d!", "-1"},
        {"unsigned and hex", "%4!u! %3!04x! %3!X!", "4294967295 002a 2A"},
        {"string with width and precision", "[%1!-8s!][%2!.2s!]", "[alpha   ][be]"},
        {"star width takes the next inserts", "[%5!*d!]", "[    3]"},
        {"character", "%3!c!", "*"},
        {"64-bit", "%4!I64u!", "4294967295"},
        {"text line breaks are kept", "one\r\ntwo", "one\r\ntwo"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DWORD result = 0;
        EXPECT_EQ(row.expected, fromString(row.text, kArguments, 0, result));
        EXPECT_EQ(std::string(row.expected).size(), result);
    }
}

TEST(FormatMessage, RefusesBrokenSequences)
{
    const struct {
        const char *name;
        const char *text;
    } rows[] = {
        {"lone percent at the end", "50%"},
        {"format without its closing mark", "%1!d"},
        {"floating-point format", "%1!f!"},
        {"field too wide to allocate", "%1!99999999s!"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        DWORD result = 1;
        fromString(row.text, kArguments, 0, result);
        EXPECT_EQ(0u, result);
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
}

TEST(FormatMessage, WidthJoinsTextLinesAndWrapsAtBlanks)
{
    const struct {
        const char *name;
        DWORD width;
        const char *text;
        const char *expected;
    } rows[] = {
        {"no width keeps text breaks", 0, "ab\r\ncd%ne", "ab\r\ncd\r\ne"},
        {"mask: text breaks become blanks, %n stays", FORMAT_MESSAGE_MAX_WIDTH_MASK, "ab\r\ncd%ne",
         "ab cd\r\ne"},
        {"wrap at the last blank; a full line breaks too", 10, "one two three four",
         "one two\r\nthree\r\nfour"},
        {"a word longer than the width is cut", 4, "abcdefghij", "abcd\r\nefgh\r\nij"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DWORD result = 0;
        EXPECT_EQ(row.expected, fromString(row.text, kArguments, row.width, result));
    }
}

TEST(FormatMessage, InsertWithoutArgumentsFails)
{
    SetLastError(0xdeadbeef);
    char buffer[32];
    EXPECT_EQ(0u, FormatMessageA(FORMAT_MESSAGE_FROM_STRING, "needs %1", 0, 0, buffer, sizeof buffer, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(FormatMessage, TakesArgumentsFromAVaList)
{
    EXPECT_EQ("beta 7 alpha", fromVaList("%2 %3!d! %1", "alpha", "beta", 7));
}

TEST(FormatMessage, BufferTooSmallFailsAndAllocatedBufferIsFreedWithLocalFree)
{
    char small[5] = "xxxx";
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0u, FormatMessageA(FORMAT_MESSAGE_FROM_STRING, "hello", 0, 0, small, sizeof small, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    char exact[6];
    EXPECT_EQ(5u, FormatMessageA(FORMAT_MESSAGE_FROM_STRING, "hello", 0, 0, exact, sizeof exact, nullptr));
    EXPECT_STREQ("hello", exact);

    char *allocated = nullptr;
    EXPECT_EQ(5u, FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, "hello",
                                 0, 0, reinterpret_cast<LPSTR>(&allocated), 0, nullptr));
    ASSERT_NE(nullptr, allocated);
    EXPECT_STREQ("hello", allocated);
    EXPECT_EQ(nullptr, LocalFree(allocated));

    SetLastError(0xdeadbeef);
    EXPECT_EQ(0u, FormatMessageA(0, "no source", 0, 0, exact, sizeof exact, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(FormatMessage, SystemTextsAndUnknownIds)
{
    const struct {
        const char *name;
        DWORD id;
        DWORD language;
        const char *expected;  // null: fails with `error`
        DWORD error;
    } rows[] = {
        {"access denied", ERROR_ACCESS_DENIED, 0, "Access is denied.\r\n", 0},
        {"in US English", ERROR_INVALID_PARAMETER, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
         "The parameter is incorrect.\r\n", 0},
        {"unknown id", 0x12345, 0, nullptr, ERROR_MR_MID_NOT_FOUND},
        {"a language the system has no texts in", ERROR_ACCESS_DENIED,
         MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT), nullptr, ERROR_RESOURCE_LANG_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[128] = "";
        SetLastError(0xdeadbeef);
        DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      row.id, row.language, buffer, sizeof buffer, nullptr);
        if (row.expected) {
            EXPECT_EQ(row.expected, std::string(buffer, length));
        } else {
            EXPECT_EQ(0u, length);
            EXPECT_EQ(row.error, GetLastError());
        }
    }
}

}  // namespace
