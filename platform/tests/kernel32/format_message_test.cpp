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
        {"a write fault", ERROR_WRITE_FAULT, 0,
         "The system cannot write to the specified device.\r\n", 0},
        {"a Win32 error as an HRESULT", 0x80070005, 0, "Access is denied.\r\n", 0},
        {"a missing file as an HRESULT", 0x80070002, 0,
         "The system cannot find the file specified.\r\n", 0},
        {"an HRESULT of another facility", 0x80040005, 0, nullptr, ERROR_MR_MID_NOT_FOUND},
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

// Every code the platform's calls set has its text, so that no program shows a bare number.
TEST(FormatMessage, EveryErrorThePlatformSetsHasItsText)
{
    const DWORD codes[] = {
        ERROR_SUCCESS, ERROR_INVALID_FUNCTION, ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND,
        ERROR_ACCESS_DENIED, ERROR_INVALID_HANDLE, ERROR_NOT_ENOUGH_MEMORY, ERROR_INVALID_DATA,
        ERROR_OUTOFMEMORY, ERROR_INVALID_DRIVE, ERROR_NO_MORE_FILES, ERROR_WRITE_FAULT,
        ERROR_READ_FAULT, ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION, ERROR_HANDLE_EOF,
        ERROR_NOT_SUPPORTED, ERROR_FILE_EXISTS, ERROR_INVALID_PARAMETER, ERROR_OPEN_FAILED,
        ERROR_DISK_FULL, ERROR_CALL_NOT_IMPLEMENTED, ERROR_INSUFFICIENT_BUFFER, ERROR_INVALID_NAME,
        ERROR_MOD_NOT_FOUND, ERROR_PROC_NOT_FOUND, ERROR_DIR_NOT_EMPTY, ERROR_BAD_PATHNAME,
        ERROR_ALREADY_EXISTS, ERROR_FILENAME_EXCED_RANGE, ERROR_MORE_DATA, ERROR_NO_WORK_DONE,
        ERROR_NO_MORE_ITEMS, ERROR_NOT_OWNER, ERROR_MR_MID_NOT_FOUND, ERROR_NOACCESS,
        ERROR_INVALID_FLAGS, ERROR_BADDB, ERROR_BADKEY, ERROR_CANTOPEN, ERROR_CANTREAD,
        ERROR_CANTWRITE, ERROR_KEY_DELETED, ERROR_NO_UNICODE_TRANSLATION, ERROR_INTERNAL_ERROR,
        ERROR_INVALID_WINDOW_HANDLE, ERROR_INVALID_MENU_HANDLE, ERROR_TLW_WITH_WSCHILD,
        ERROR_CANNOT_FIND_WND_CLASS, ERROR_WINDOW_OF_OTHER_THREAD, ERROR_CLASS_ALREADY_EXISTS,
        ERROR_CLASS_DOES_NOT_EXIST, ERROR_INVALID_INDEX, ERROR_CONTROL_ID_NOT_FOUND,
        ERROR_INVALID_MSGBOX_STYLE, ERROR_INVALID_THREAD_ID, ERROR_MENU_ITEM_NOT_FOUND,
        ERROR_TIMEOUT, ERROR_RESOURCE_DATA_NOT_FOUND, ERROR_RESOURCE_TYPE_NOT_FOUND,
        ERROR_RESOURCE_NAME_NOT_FOUND, ERROR_RESOURCE_LANG_NOT_FOUND, ERROR_NOT_ENOUGH_QUOTA,
    };
    for (DWORD code : codes) {
        SCOPED_TRACE(code);
        char buffer[256] = "";
        const DWORD length =
            FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                           0, buffer, sizeof buffer, nullptr);
        ASSERT_GT(length, 2u);
        EXPECT_EQ("\r\n", std::string(buffer + length - 2)) << buffer;
    }
}

}  // namespace
