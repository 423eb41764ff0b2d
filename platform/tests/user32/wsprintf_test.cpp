#include <cstdarg>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "windows.h"

namespace {

// Formats through wvsprintfA with a list built here, as the library's callers do, and checks
// that the count returned is the count stored.
std::string format(const char *fmt, ...)
{
    char buffer[1024];
    std::memset(buffer, 'Z', sizeof buffer);
    va_list args;
    va_start(args, fmt);
    const int count = wvsprintfA(buffer, fmt, args);
    va_end(args);
    EXPECT_EQ(std::strlen(buffer), static_cast<size_t>(count)) << "format " << fmt;
    return buffer;
}

const WCHAR *wide(const char16_t *text)
{
    return reinterpret_cast<const WCHAR *>(text);
}

struct Row {
    const char *name;
    std::string expected;
    std::string actual;
};

void expectRows(const Row *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(rows[i].expected, rows[i].actual);
    }
}

TEST(Wsprintf, FormatsIntegers)
{
    const Row rows[] = {
        {"decimal", "42", format("%d", 42)},
        {"i is decimal", "-7", format("%i", -7)},
        {"precision is a minimum of digits", "00042", format("%.5d", 42)},
        {"the sign counts towards the precision", "   -0042", format("%8.5d", -42)},
        {"precision 0 keeps one digit", "0", format("%.0d", 0)},
        {"zero flag pads after the sign", "-0042", format("%05d", -42)},
        {"width pads with blanks", "   42|", format("%5d|", 42)},
        {"minus left-justifies", "42   |", format("%-5d|", 42)},
        {"minus disables zero padding", "42   |", format("%-05d|", 42)},
        {"unsigned of a negative int", "4294967254", format("%u", -42)},
        {"l changes nothing", "-1 4294967295", format("%ld %lu", -1, 0xFFFFFFFFu)},
        {"h changes nothing", "70000", format("%hd", 70000)},
        {"lower-case hex", "beef", format("%x", 0xBEEF)},
        {"upper-case hex", "BEEF", format("%X", 0xBEEF)},
        {"hex of a negative int is 32 bits", "ffffffff", format("%x", -1)},
        {"hash adds 0x", "0xff", format("%#x", 255)},
        {"hash adds 0X", "0XFF", format("%#X", 255)},
        {"hex prefix before the precision zeros", "0x001f", format("%#.4x", 0x1F)},
        {"zero padding after the hex prefix", "0x001f", format("%#06x", 0x1F)},
        {"hex prefix within the width", "  0x1f", format("%#6x", 0x1F)},
        {"I64 reads 64 bits", "-5000000000", format("%I64d", -5000000000LL)},
        {"I64u", "18446744073709551615", format("%I64u", ~0ULL)},
        {"I64x", "123456789ab", format("%I64x", 0x123456789ABLL)},
        {"I32 reads 32 bits", "-1", format("%I32d", -1)},
        {"I is pointer-sized", "-5000000000", format("%Id", static_cast<INT_PTR>(-5000000000LL))},
        {"smallest int", "-2147483648", format("%d", -2147483647 - 1)},
        {"zero-padded negative long", "-000000001", format("%010ld", -1)},
        {"I32 takes the low half of a 64-bit value", "67890A",
         format("%I32X", static_cast<ULONGLONG>(0x123450067890AULL))},
        {"I64X of a negative value", "FFFFFFFFFFFEDCBB", format("%I64X", -0x12345LL)},
        {"Ix is pointer-sized", "fffffffffffedcbb", format("%Ix", static_cast<INT_PTR>(-0x12345))},
        {"smallest 64-bit value", "-9223372036854775808",
         format("%I64d", -9223372036854775807LL - 1)},
    };
    expectRows(rows, std::size(rows));
}

TEST(Wsprintf, FormatsCharactersStringsAndPointers)
{
    const Row rows[] = {
        {"character", "<A>", format("<%c>", 'A')},
        {"character with width", "  x", format("%3c", 'x')},
        {"zero flag has no effect on c", "    x", format("%05c", 'x')},
        {"zero character is skipped", "ab", format("a%cb", 0)},
        {"string", "abc", format("%s", "abc")},
        {"string precision is a byte limit", "ab", format("%.2s", "abcdef")},
        {"precision .0 means no limit", "abcdef", format("%.0s", "abcdef")},
        {"string width", "  ab|ab  |", format("%4s|%-4s|", "ab", "ab")},
        {"zero flag has no effect on s", "    ab", format("%06s", "ab")},
        {"NULL string", "(null)", format("%s", static_cast<const char *>(nullptr))},
        {"NULL string cut by precision", "(nu", format("%.3s", static_cast<const char *>(nullptr))},
        {"double-byte text passes as bytes", "\x82\xA0", format("%s", "\x82\xA0")},
        {"pointer is 16 upper-case digits", "000000001234ABCD",
         format("%p", reinterpret_cast<void *>(0x1234ABCD))},
        {"pointer ignores the width", "0000000000000000", format("%20p", nullptr)},
        {"percent", "100%", format("100%%")},
    };
    expectRows(rows, std::size(rows));
}

TEST(Wsprintf, ConvertsWideArgumentsThroughTheCodePage)
{
    vkstest::ScopedCodePage codePage(932);
    ASSERT_EQ(932u, GetACP());
    const Row rows[] = {
        {"S reads a wide string", "abc", format("%S", wide(u"abc"))},
        {"ls reads a wide string", "ab", format("%ls", wide(u"ab"))},
        {"ws reads a wide string", "ab", format("%ws", wide(u"ab"))},
        {"hS reads a narrow string", "narrow", format("%hS", "narrow")},
        {"Japanese becomes Shift-JIS", "\x82\xA0\x82\xA2", format("%S", wide(u"\u3042\u3044"))},
        {"precision counts bytes of the result", "\x82\xA0\x82", format("%.3S", wide(u"\u3042\u3044"))},
        {"wide NULL", "(null)", format("%S", static_cast<const WCHAR *>(nullptr))},
        {"C reads a wide character", "\x82\xA0", format("%C", 0x3042)},
        {"wc reads a wide character", "Z", format("%wc", 'Z')},
        {"hC reads a narrow character", "q", format("%hC", 'q')},
        {"zero wide character is skipped", "ab", format("a%Cb", 0)},
        {"lone surrogate", "?", format("%S", wide(u"\xD800"))},
        {"character outside the code page", "?", format("%S", wide(u"\u00E9"))},
    };
    expectRows(rows, std::size(rows));
}

// A precision on a wide string is a number of bytes of the converted text, as Windows counts it:
// a double-byte character may be cut after its lead byte. Each unit of a surrogate pair the code
// page cannot hold becomes its own '?'.
TEST(Wsprintf, WidePrecisionCountsBytesOfTheResult)
{
    vkstest::ScopedCodePage codePage(932);
    const WCHAR star[] = {0x2606, 0};  // 81 99 in code page 932
    const WCHAR nonCharacter[] = {0xFFFE, 0};
    const WCHAR glass[] = {0xD83C, 0xDF77, 0};  // U+1F377, outside code page 932
    const WCHAR glassThenA[] = {0xD83C, 0xDF77, 'a', 0};
    const struct {
        const char *name;
        const char *format;
        const WCHAR *argument;
        const char *expected;
    } rows[] = {
        {"cut after the lead byte", "%.1S", star, "\x81"},
        {"the whole character", "%.2S", star, "\x81\x99"},
        {"more room than text", "%.3S", star, "\x81\x99"},
        {"no precision", "%S", star, "\x81\x99"},
        {"ls and ws count bytes too", "%.1ls|%.1ws", star, "\x81|\x81"},
        {"unmappable character", "%.1S", nonCharacter, "?"},
        {"unmappable character, more room", "%.2S", nonCharacter, "?"},
        {"unmappable pair gives one mark per unit", "%.2S", glass, "??"},
        {"pair cut by the precision", "%.1S", glass, "?"},
        {"pair then text", "%S", glassThenA, "??a"},
        {"width pads the bytes", "[%4.1S]", star, "[   \x81]"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (std::strchr(row.format, '|'))
            EXPECT_EQ(row.expected, format(row.format, row.argument, row.argument));
        else
            EXPECT_EQ(row.expected, format(row.format, row.argument));
    }
    EXPECT_EQ("\x81", format("%.1s", "\x81\x99")) << "a narrow string is cut the same way";
}

TEST(Wsprintf, WideArgumentsUnderAWesternCodePage)
{
    vkstest::ScopedCodePage codePage(1252);
    ASSERT_EQ(1252u, GetACP());
    EXPECT_EQ("\xE9", format("%S", wide(u"\u00E9")));
    EXPECT_EQ("?", format("%S", wide(u"\u3042")));
}

// Unsupported conversions print their letter and drop the '%' and what came before the letter;
// they read no argument, so the next conversion still gets the first one.
TEST(Wsprintf, UnsupportedConversionsPrintTheLetter)
{
    const Row rows[] = {
        {"flags out of order", "-5d 7", format("%0-5d %d", 7)},
        {"floating point", "f 7", format("%f %d", 7)},
        {"floating point with precision", "f 7", format("%.1f %d", 7)},
        {"exponent", "e", format("%e")},
        {"plus flag", "+d 7", format("%+d %d", 7)},
        {"space flag", " d", format("% d")},
        {"star width", "*d 7", format("%*d %d", 7)},
        {"octal", "o", format("%o")},
        {"count", "n", format("%n")},
        {"percent at the end", "ab", format("ab%")},
        {"size prefix at the end", "ab", format("ab%I64")},
    };
    expectRows(rows, std::size(rows));
}

TEST(Wsprintf, ReadsMixedArgumentsInOrder)
{
    EXPECT_EQ("k=1099511627776,z,beef,", format("%s=%I64d,%c,%x,", "k", 1LL << 40, 'z', 0xBEEF));
    EXPECT_EQ("12 34", format("%d %I64d", 12, 34LL));
}

TEST(Wsprintf, VariadicFormIsTheSame)
{
    char buffer[64];
    EXPECT_EQ(9, wsprintfA(buffer, "%s-%04d", "abcd", 7));
    EXPECT_STREQ("abcd-0007", buffer);
}

TEST(Wsprintf, NullBufferOrFormatStoresNothing)
{
    EXPECT_EQ(0, wsprintfA(nullptr, "%d", 1));
    char buffer[8] = "xyz";
    EXPECT_EQ(0, wsprintfA(buffer, nullptr));
    EXPECT_STREQ("", buffer);
}

// A 1024-byte output buffer followed by a canary that must never change.
class WsprintfLimit : public ::testing::Test {
protected:
    static constexpr size_t kBuffer = 1024;
    static constexpr size_t kCanary = 64;
    static constexpr char kCanaryByte = '\x5A';

    WsprintfLimit() { std::memset(memory_, kCanaryByte, sizeof memory_); }

    char *buffer() { return memory_; }
    bool canaryIntact() const
    {
        for (size_t i = kBuffer; i < sizeof memory_; ++i)
            if (memory_[i] != kCanaryByte)
                return false;
        return true;
    }

private:
    char memory_[kBuffer + kCanary];
};

TEST_F(WsprintfLimit, StoresAtMost1023CharactersAndTheNul)
{
    const std::string exactly1022(1022, 'a');
    const std::string exactly1023(1023, 'b');
    const std::string longer(3000, 'c');
    const struct {
        const char *name;
        const char *format;
        const char *argument;
        int stored;
    } rows[] = {
        {"1022 characters fit", "%s", exactly1022.c_str(), 1022},
        {"1023 characters fit", "%s", exactly1023.c_str(), 1023},
        {"a long string is cut", "%s", longer.c_str(), 1023},
        {"long literal text is cut", longer.c_str(), nullptr, 1023},
        {"a wide field is cut", "%3000s", "x", 1023},
        {"the cut falls in literal text after a field", "%s!!!", exactly1022.c_str(), 1023},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::memset(buffer(), 'Q', kBuffer);
        const int stored = wsprintfA(buffer(), row.format, row.argument);
        EXPECT_EQ(row.stored, stored);
        EXPECT_EQ(static_cast<size_t>(row.stored), std::strlen(buffer()));
        EXPECT_TRUE(canaryIntact());
    }
}

TEST_F(WsprintfLimit, CutKeepsTheFirstBytes)
{
    EXPECT_EQ(1023, wsprintfA(buffer(), "%03000d", -5));
    EXPECT_EQ("-" + std::string(1022, '0'), buffer());
    EXPECT_TRUE(canaryIntact());

    const std::string text = std::string(1020, 'a') + "XYZW";
    EXPECT_EQ(1023, wsprintfA(buffer(), "%s", text.c_str()));
    EXPECT_EQ(std::string(1020, 'a') + "XYZ", buffer());
    EXPECT_TRUE(canaryIntact());
}

}  // namespace
