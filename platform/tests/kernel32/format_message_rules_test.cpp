// FormatMessageA as Windows answers it: escapes under IGNORE_INSERTS, the text's own line breaks,
// wrapping to a width, '*' fields, wide inserts, buffer limits and empty results.
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "windows.h"

namespace {

constexpr char kUntouched[] = "xxxxxx";

// What a call left: the bytes it stored (the buffer as it is when it failed), its result and
// the last error (0xdeadbeef when it set none).
struct Outcome {
    std::string text;
    DWORD result;
    DWORD error;
};

Outcome formatArray(DWORD flags, const char *source, const DWORD_PTR *arguments)
{
    char buffer[512];
    std::memcpy(buffer, kUntouched, sizeof kUntouched);
    SetLastError(0xdeadbeef);
    DWORD result = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | flags, source, 0, 0, buffer, sizeof buffer,
                                  reinterpret_cast<va_list *>(const_cast<DWORD_PTR *>(arguments)));
    DWORD error = GetLastError();
    return {result ? std::string(buffer, result) : std::string(buffer), result, error};
}

Outcome formatVaList(DWORD flags, const char *source, ...)
{
    char buffer[512];
    std::memcpy(buffer, kUntouched, sizeof kUntouched);
    va_list list;
    va_start(list, source);
    SetLastError(0xdeadbeef);
    DWORD result = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | flags, source, 0, 0, buffer, sizeof buffer, &list);
    DWORD error = GetLastError();
    va_end(list);
    return {result ? std::string(buffer, result) : std::string(buffer), result, error};
}

struct Row {
    const char *name;
    DWORD flags;
    const char *source;
    const char *expected;  // on failure: the buffer, untouched
    DWORD result;
    DWORD error;  // 0xdeadbeef: none set
};

void expectRows(const Row *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Row &row = rows[i];
        SCOPED_TRACE(row.name);
        Outcome outcome = formatArray(row.flags, row.source, nullptr);
        EXPECT_EQ(row.expected, outcome.text);
        EXPECT_EQ(row.result, outcome.result);
        EXPECT_EQ(row.error, outcome.error);
    }
}

constexpr DWORD kNone = 0xdeadbeef;
constexpr DWORD kIgnore = FORMAT_MESSAGE_IGNORE_INSERTS;
constexpr DWORD kNoWrap = FORMAT_MESSAGE_MAX_WIDTH_MASK;

TEST(FormatMessageRules, IgnoreInsertsStillActsOnBreaksTabsAndTheEnd)
{
    const Row rows[] = {
        {"inserts stay as written", kIgnore, "test%1%2!*.*s!%99", "test%1%2!*.*s!%99", 17, kNone},
        {"%n %r %t act", kIgnore, "%n%r%t", "\r\n\r\t", 4, kNone},
        {"other escapes stay as written", kIgnore, "%%% %.%!", "%%% %.%!", 8, kNone},
        {"%0 ends the text", kIgnore, "test%0test", "test", 4, kNone},
        {"nothing before %0", kIgnore, "%0test", kUntouched, 0, ERROR_NO_WORK_DONE},
        {"a lone percent at the end stays", kIgnore, "50%", "50%", 3, kNone},
        {"lone LF", kIgnore, "hi\n", "hi\r\n", 4, kNone},
        {"lone CR", kIgnore, "\r", "\r\n", 2, kNone},
        {"CR then CR LF", kIgnore, "\r\r\n", "\r\n\r\n", 4, kNone},
        {"width mask: breaks become blanks", kIgnore | kNoWrap, "hi\r\n", "hi ", 3, kNone},
        {"width mask: CR then CR LF", kIgnore | kNoWrap, "\r\r\n", "  ", 2, kNone},
        {"a width still wraps", kIgnore | 8, "short%nlong line%1", "short\r\nlong\r\nline%1", 19, kNone},
    };
    expectRows(rows, std::size(rows));
}

TEST(FormatMessageRules, TextLineBreaksBecomeCrLfOrBlanks)
{
    const Row rows[] = {
        {"lone LF", 0, "hi\n", "hi\r\n", 4, kNone},
        {"CR LF", 0, "hi\r\n", "hi\r\n", 4, kNone},
        {"lone CR", 0, "\r", "\r\n", 2, kNone},
        {"CR then CR LF", 0, "\r\r\n", "\r\n\r\n", 4, kNone},
        {"LF then CR is two breaks", 0, "a\n\rb", "a\r\n\r\nb", 6, kNone},
        {"width mask: lone LF", kNoWrap, "hi\n", "hi ", 3, kNone},
        {"width mask: CR LF", kNoWrap, "hi\r\n", "hi ", 3, kNone},
        {"width mask: lone CR", kNoWrap, "\r", " ", 1, kNone},
        {"width mask: CR then CR LF", kNoWrap, "\r\r\n", "  ", 2, kNone},
        {"width mask: %n stays a break", kNoWrap, "a\nb%nc", "a b\r\nc", 6, kNone},
    };
    expectRows(rows, std::size(rows));
}

TEST(FormatMessageRules, WrapsAsWindowsWraps)
{
    const Row rows[] = {
        {"fits", 20, "short long line", "short long line", 15, kNone},
        {"last word moves down", 11, "short long line", "short long\r\nline", 16, kNone},
        {"a line reaching the width breaks", 20, "short long long line", "short long long\r\nline", 21, kNone},
        {"lines hold fewer than the width", 10, "short long line", "short\r\nlong line", 16, kNone},
        {"blanks at the break are dropped", 16, "short long    line", "short long\r\nline", 16, kNone},
        {"long word cut at the width", 16, "short long    wordlongerthanaline",
         "short long\r\nwordlongerthanal\r\nine", 33, kNone},
        {"break inside a run of blanks keeps the rest", 12, "short long    line",
         "short long\r\n  line", 18, kNone},
        {"rest of the blanks makes an empty line", 12, "short long    wordlongerthanaline",
         "short long\r\n\r\nwordlongerth\r\nanaline", 35, kNone},
        {"leading blanks that fit stay", 15, "   short line", "   short line", 13, kNone},
        {"leading blanks before a long word", 11, "   shortlong line", "\r\nshortlong\r\nline", 17, kNone},
        {"after %n as at the start", 11, "l1%n   shortlong line", "l1\r\n\r\nshortlong\r\nline", 21, kNone},
        {"blanks only", 5, "                ", "\r\n\r\n\r\n ", 7, kNone},
        {"trailing blanks", 5, "l1               ", "l1\r\n\r\n\r\n  ", 10, kNone},
        {"a word filling the line breaks after it", 8, "shortlon", "shortlon\r\n", 10, kNone},
        {"a word longer than the line", 8, "shortlongline", "shortlon\r\ngline", 15, kNone},
        {"several breaks", 7, "short long line", "short\r\nlong\r\nline", 17, kNone},
        {"text LF is a blank", 11, "short\nlong line", "short long\r\nline", 16, kNone},
        {"break before %n", 8, "shortlon%n", "shortlon\r\n\r\n", 12, kNone},
        {"%n starts a line", 10, "short%nlong line", "short\r\nlong line", 16, kNone},
        {"%n and wrapping", 8, "short%nlong line", "short\r\nlong\r\nline", 17, kNone},
        {"%r starts a line", 10, "short%rlong line", "short\rlong line", 15, kNone},
        {"%r and wrapping", 8, "short%rlong line", "short\rlong\r\nline", 16, kNone},
        {"only blanks are break points: tab", 11, "short long\tline", "short\r\nlong\tline", 16, kNone},
        {"only blanks are break points: hyphen", 11, "short long-line", "short\r\nlong-line", 16, kNone},
        {"only blanks are break points: period", 11, "short long.line", "short\r\nlong.line", 16, kNone},
    };
    expectRows(rows, std::size(rows));

    // The mask never wraps, however long the line.
    std::string source = "first line%n";
    std::string expected = "first line\r\n";
    for (int i = 0; i < 26; ++i) {
        source += "123456789 ";
        expected += "123456789 ";
    }
    Outcome outcome = formatArray(kNoWrap, source.c_str(), nullptr);
    EXPECT_EQ(expected, outcome.text);
    EXPECT_EQ(272u, outcome.result);
}

TEST(FormatMessageRules, WrapsInsertedTextToo)
{
    const DWORD_PTR arguments[] = {reinterpret_cast<DWORD_PTR>("long line")};
    Outcome outcome = formatArray(FORMAT_MESSAGE_ARGUMENT_ARRAY | 8, "short %1", arguments);
    EXPECT_EQ("short\r\nlong\r\nline", outcome.text);
}

// With an array, a '*' field reads the insert's own entry and each further value the entry after
// the highest one read so far; so an insert used twice reads new entries the second time.
TEST(FormatMessageRules, StarFieldsFromAnArray)
{
    const DWORD_PTR numbers[] = {6, 4, 2, 5, 3, 1};
    const DWORD_PTR bill = reinterpret_cast<DWORD_PTR>("Bill");
    const DWORD_PTR documented[] = {4, 2, bill, reinterpret_cast<DWORD_PTR>("Bob"), 6, bill};
    const DWORD_PTR negativeWidth[] = {0xFFFFFFFD, 7};
    const struct {
        const char *name;
        const char *source;
        const DWORD_PTR *arguments;
        const char *expected;
    } rows[] = {
        {"width and precision", "%1!*.*u!", numbers, "  0002"},
        {"the same insert twice", "%1!*.*u!,%1!*.*u!", numbers, "  0002, 00003"},
        {"the next insert after two stars", "%1!*.*u!,%4!*.*u!", numbers, "  0002,  001"},
        {"width only", "%1!*u!|%3!*u!", numbers, "     4| 5"},
        {"strings", "%1!*.*s! %4 %5!*s!", documented, "  Bi Bob   Bill"},
        {"negative width left-aligns", "[%1!*u!]", negativeWidth, "[7  ]"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Outcome outcome = formatArray(FORMAT_MESSAGE_ARGUMENT_ARRAY, row.source, row.arguments);
        EXPECT_EQ(row.expected, outcome.text);
        EXPECT_EQ(std::strlen(row.expected), outcome.result);
    }
}

// With a va_list, as Windows XP and later read it: an insert after a starred one with a lower
// number is one position further on.
TEST(FormatMessageRules, StarFieldsFromAVaList)
{
    EXPECT_EQ("   t", formatVaList(0, "%1!*s!", 4, "t").text);
    EXPECT_EQ("  03", formatVaList(0, "%1!4.2u!", 3).text);
    EXPECT_EQ("  001", formatVaList(0, "%1!*.*u!", 5, 3, 1).text);
    EXPECT_EQ("  001, 0002", formatVaList(0, "%1!*.*u!,%1!*.*u!", 5, 3, 1, 4, 2).text);
    EXPECT_EQ("  001,  0002", formatVaList(0, "%1!*.*u!,%3!*.*u!", 5, 3, 1, 6, 4, 2).text);
    EXPECT_EQ("  Bi Bob   Bill", formatVaList(0, "%1!*.*s! %3 %4!*s!", 4, 2, "Bill", "Bob", 6, "Bill").text);
    EXPECT_EQ("   x y", formatVaList(0, "%1!*s! %2", 4, "x", "y").text);
}

const WCHAR *wide(const char16_t *text)
{
    return reinterpret_cast<const WCHAR *>(text);
}

TEST(FormatMessageRules, WideInsertsAreConvertedToTheCodePage)
{
    vkstest::ScopedCodePage codePage(932);
    const struct {
        const char *name;
        Outcome outcome;
        const char *expected;
    } rows[] = {
        {"S", formatVaList(0, "%1!S!", wide(u"test")), "test"},
        {"ls", formatVaList(0, "%1!ls!", wide(u"test")), "test"},
        {"ws", formatVaList(0, "%1!ws!", wide(u"test")), "test"},
        {"hs and hS stay narrow", formatVaList(0, "%1!hs!%2!hS!", "na", "rrow"), "narrow"},
        {"C, lc and wc", formatVaList(0, "%1!C!%2!lc!%3!wc!%1!C!", 't', 'e', 's'), "test"},
        {"Japanese becomes Shift-JIS", formatVaList(0, "%1!S!", wide(u"\u3042\u3044")), "\x82\xA0\x82\xA2"},
        {"a wide character", formatVaList(0, "<%1!C!>", 0x3042), "<\x82\xA0>"},
        {"width counts bytes", formatVaList(0, "[%1!5S!]", wide(u"\u3042")), "[   \x82\xA0]"},
        {"null wide string", formatVaList(0, "%1!S!", static_cast<const WCHAR *>(nullptr)), "(null)"},
        {"unmappable pair", formatVaList(0, "%1!S!", wide(u"\U0001F377")), "??"},
        {"lone surrogate", formatVaList(0, "%1!S!", wide(u"\xD800" "a")), "?a"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, row.outcome.text);
        EXPECT_EQ(std::strlen(row.expected), row.outcome.result);
        EXPECT_EQ(kNone, row.outcome.error);
    }
    const DWORD_PTR arguments[] = {reinterpret_cast<DWORD_PTR>(wide(u"\u3042")), 'z'};
    EXPECT_EQ("\x82\xA0z", formatArray(FORMAT_MESSAGE_ARGUMENT_ARRAY, "%1!ws!%2!wc!", arguments).text);
}

TEST(FormatMessageRules, EmptyResultStoresNothing)
{
    const DWORD_PTR empty[] = {reinterpret_cast<DWORD_PTR>("")};
    const struct {
        const char *name;
        DWORD flags;
        const char *source;
        const DWORD_PTR *arguments;
    } rows[] = {
        {"empty text", 0, "", nullptr},
        {"%0 first", 0, "%0test", nullptr},
        {"an empty insert", FORMAT_MESSAGE_ARGUMENT_ARRAY, "%1", empty},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Outcome outcome = formatArray(row.flags, row.source, row.arguments);
        EXPECT_EQ(0u, outcome.result);
        EXPECT_EQ(static_cast<DWORD>(ERROR_NO_WORK_DONE), outcome.error);
        EXPECT_EQ(kUntouched, outcome.text);

        char *allocated = reinterpret_cast<char *>(0x1234);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0u, FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER | row.flags,
                                     row.source, 0, 0, reinterpret_cast<LPSTR>(&allocated), 0,
                                     reinterpret_cast<va_list *>(const_cast<DWORD_PTR *>(row.arguments))));
        EXPECT_EQ(static_cast<DWORD>(ERROR_NO_WORK_DONE), GetLastError());
        EXPECT_EQ(nullptr, allocated);
    }
}

TEST(FormatMessageRules, RefusedCallsAnswerAsWindowsDoes)
{
    const struct {
        const char *name;
        DWORD flags;
        bool nullBuffer;
        DWORD size;
        DWORD error;
    } rows[] = {
        {"null buffer, no room", FORMAT_MESSAGE_FROM_SYSTEM, true, 0, ERROR_INSUFFICIENT_BUFFER},
        {"null buffer, some room", FORMAT_MESSAGE_FROM_SYSTEM, true, 256, ERROR_INSUFFICIENT_BUFFER},
        {"null pointer to allocate into", FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER, true, 0,
         ERROR_NOT_ENOUGH_MEMORY},
        {"null pointer to allocate into, with a size",
         FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER, true, 256, ERROR_NOT_ENOUGH_MEMORY},
        {"no source", FORMAT_MESSAGE_IGNORE_INSERTS, false, 6, ERROR_INVALID_PARAMETER},
        {"width without a source", FORMAT_MESSAGE_MAX_WIDTH_MASK, false, 6, ERROR_INVALID_PARAMETER},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[8];
        std::memcpy(buffer, kUntouched, sizeof kUntouched);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0u, FormatMessageA(row.flags, "test", 0, 0, row.nullBuffer ? nullptr : buffer, row.size, nullptr));
        EXPECT_EQ(row.error, GetLastError());
        EXPECT_STREQ(kUntouched, buffer);
    }

    char *allocated = reinterpret_cast<char *>(0x1234);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0u, FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER, "test", 0, 0, reinterpret_cast<LPSTR>(&allocated),
                                 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_EQ(nullptr, allocated) << "the pointer is cleared before the flags are checked";
}

// A buffer of 32,768 characters or more is refused, allocated or not; 32,767 is the largest.
TEST(FormatMessageRules, BuffersStopAt32767Characters)
{
    for (DWORD size : {32766u, 32767u, 32768u, 40000u}) {
        SCOPED_TRACE(size);
        std::string source(size - 1, 'A');
        for (size_t i = 0; i < source.size(); ++i)
            source[i] = static_cast<char>('A' + i % 26);
        std::vector<char> buffer(size);
        SetLastError(0xdeadbeef);
        DWORD result = FormatMessageA(FORMAT_MESSAGE_FROM_STRING, source.c_str(), 0, 0, buffer.data(), size, nullptr);
        char *allocated = nullptr;
        DWORD allocatedResult = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                               source.c_str(), 0, 0, reinterpret_cast<LPSTR>(&allocated), size,
                                               nullptr);
        if (size < 32768) {
            EXPECT_EQ(size - 1, result);
            EXPECT_EQ(source, buffer.data());
            EXPECT_EQ(size - 1, allocatedResult);
            ASSERT_NE(nullptr, allocated);
            EXPECT_EQ(source, allocated);
        } else {
            EXPECT_EQ(0u, result);
            EXPECT_EQ(0u, allocatedResult);
            EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
            EXPECT_EQ(nullptr, allocated);
        }
        LocalFree(allocated);
    }
}

// An allocated result may be longer than any buffer a caller passes, up to 128 KiB.
TEST(FormatMessageRules, AllocatedResultsStopAt128KiB)
{
    for (size_t length : {size_t{40000}, size_t{128 * 1024 - 1}, size_t{128 * 1024}}) {
        SCOPED_TRACE(length);
        const std::string source(length, 'a');
        char *allocated = nullptr;
        SetLastError(0xdeadbeef);
        DWORD result = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, source.c_str(),
                                      0, 0, reinterpret_cast<LPSTR>(&allocated), 0, nullptr);
        if (length < 128 * 1024) {
            EXPECT_EQ(length, result);
            ASSERT_NE(nullptr, allocated);
            EXPECT_EQ(source, allocated);
        } else {
            EXPECT_EQ(0u, result);
            EXPECT_EQ(static_cast<DWORD>(ERROR_MORE_DATA), GetLastError());
            EXPECT_EQ(nullptr, allocated);
        }
        LocalFree(allocated);
    }
}

}  // namespace
