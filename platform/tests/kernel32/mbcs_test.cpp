#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "mbctype.h"
#include "mbstring.h"
#include "vkstest.h"
#include "windows.h"

namespace {

const unsigned char *bytes(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.c_str());
}

// Pins the ANSI code page and fails loudly when the host cannot provide it.
class CodePage {
public:
    explicit CodePage(UINT codePage) : scoped_(codePage) { EXPECT_EQ(codePage, GetACP()); }

private:
    vkstest::ScopedCodePage scoped_;
};

// The byte offset of a search result in `text`, or -1 for no match.
long offsetIn(const std::string &text, const unsigned char *found)
{
    return found ? static_cast<long>(found - bytes(text)) : -1;
}

TEST(LeadBytes, FollowTheNamedCodePage)
{
    const struct {
        const char *name;
        UINT codePage;
        BYTE byte;
        BOOL lead;
    } rows[] = {
        {"932 below the first range", 932, 0x80, FALSE},
        {"932 first range start", 932, 0x81, TRUE},
        {"932 first range end", 932, 0x9F, TRUE},
        {"932 gap: no-break space", 932, 0xA0, FALSE},
        {"932 gap: half-width katakana", 932, 0xB1, FALSE},
        {"932 gap end", 932, 0xDF, FALSE},
        {"932 second range start", 932, 0xE0, TRUE},
        {"932 second range end", 932, 0xFC, TRUE},
        {"932 above the second range", 932, 0xFD, FALSE},
        {"932 ASCII", 932, 'A', FALSE},
        {"936 below", 936, 0x80, FALSE},
        {"936 start", 936, 0x81, TRUE},
        {"936 katakana range is lead", 936, 0xB1, TRUE},
        {"936 end", 936, 0xFE, TRUE},
        {"936 0xFF", 936, 0xFF, FALSE},
        {"949 start", 949, 0x81, TRUE},
        {"949 0xFF", 949, 0xFF, FALSE},
        {"950 middle", 950, 0xA4, TRUE},
        {"950 0x80", 950, 0x80, FALSE},
        {"1252 has none", 1252, 0x81, FALSE},
        {"1252 accented letter", 1252, 0xE0, FALSE},
        {"UTF-8 is not a double-byte page", 65001, 0xE3, FALSE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.lead, IsDBCSLeadByteEx(row.codePage, row.byte));
    }
}

TEST(LeadBytes, FollowTheAnsiCodePage)
{
    const struct {
        const char *name;
        UINT codePage;
        BYTE byte;
        BOOL lead;
    } rows[] = {
        {"932 lead", 932, 0x82, TRUE},
        {"932 katakana", 932, 0xB1, FALSE},
        {"936 katakana range", 936, 0xB1, TRUE},
        {"1252 no lead bytes", 1252, 0x82, FALSE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CodePage codePage(row.codePage);
        EXPECT_EQ(row.lead, IsDBCSLeadByte(row.byte));
        EXPECT_EQ(row.lead, IsDBCSLeadByteEx(CP_ACP, row.byte));
    }
}

TEST(MbsBType, ClassifiesEachByteByWhatPrecedesIt)
{
    CodePage codePage(932);
    const struct {
        const char *name;
        std::string text;
        size_t position;
        int type;
    } rows[] = {
        {"ASCII letter", "abc", 1, _MBC_SINGLE},
        {"space", " ", 0, _MBC_SINGLE},
        {"tilde", "~", 0, _MBC_SINGLE},
        {"half-width katakana", "\xB1", 0, _MBC_SINGLE},
        {"katakana range end", "\xDF", 0, _MBC_SINGLE},
        {"lead byte", "\x82\xA0", 0, _MBC_LEAD},
        {"trail byte", "\x82\xA0", 1, _MBC_TRAIL},
        {"lowest trail byte", "\x81\x40", 1, _MBC_TRAIL},
        {"trail byte that looks like a backslash", "\x95\x5C", 1, _MBC_TRAIL},
        {"trail byte 0x80", "\x81\x80", 1, _MBC_TRAIL},
        {"lead byte value as a trail", "\x82\x82", 1, _MBC_TRAIL},
        {"lead byte after a full character", "\x82\x82\x82", 2, _MBC_LEAD},
        {"tab", "a\tb", 1, _MBC_ILLEGAL},
        {"byte after an illegal one", "a\tb", 2, _MBC_SINGLE},
        {"carriage return", "\r", 0, _MBC_ILLEGAL},
        {"DEL", "\x7F", 0, _MBC_ILLEGAL},
        {"0x80 alone", "\x80", 0, _MBC_ILLEGAL},
        {"0xA0 alone", "\xA0", 0, _MBC_ILLEGAL},
        {"0xFD alone", "\xFD", 0, _MBC_ILLEGAL},
        {"0xFF alone", "\xFF", 0, _MBC_ILLEGAL},
        {"line feed after a lead byte", "\x82\n", 1, _MBC_ILLEGAL},
        {"DEL after a lead byte", "\x82\x7F", 1, _MBC_ILLEGAL},
        {"0xFD after a lead byte", "\x82\xFD", 1, _MBC_ILLEGAL},
        {"letter after a broken pair", "\x82\nA", 2, _MBC_SINGLE},
        {"lead byte after a broken pair", "\x82\n\x82\xA0", 2, _MBC_LEAD},
        {"NUL at the position", "ab", 2, _MBC_ILLEGAL},
        {"NUL before the position", std::string("a\0b", 3), 2, _MBC_ILLEGAL},
        {"NUL right after a lead byte", "\x82", 1, _MBC_ILLEGAL},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.type, _mbsbtype(bytes(row.text), row.position));
    }
    EXPECT_EQ(_MBC_ILLEGAL, _mbsbtype(nullptr, 0));
}

TEST(MbsBType, SingleByteCodePageHasNoPairs)
{
    CodePage codePage(1252);
    EXPECT_EQ(_MBC_SINGLE, _mbsbtype(bytes("\x82\xA0"), 0));
    EXPECT_EQ(_MBC_SINGLE, _mbsbtype(bytes("\x82\xA0"), 1));
    EXPECT_EQ(_MBC_ILLEGAL, _mbsbtype(bytes("\t"), 0));
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(MbsCmp, OrdersDoubleByteCharactersAsOneValue)
{
    const struct {
        const char *name;
        UINT codePage;
        std::string a;
        std::string b;
        int order;
    } rows[] = {
        {"equal", 932, "abc", "abc", 0},
        {"shorter first", 932, "ab", "abc", -1},
        {"katakana below a double-byte character", 932, "\xA1", "\x82\xA0", -1},
        {"double-byte character above katakana", 932, "\x82\xA0", "\xA1", 1},
        {"0xDF below the lowest pair", 932, "\xDF", "\x81\x40", -1},
        {"pairs ordered by trail", 932, "\x82\xA0", "\x82\xA1", -1},
        {"pairs ordered by lead", 932, "\x83\x40", "\x82\xFC", 1},
        {"lead byte before the NUL ends the text", 932, "ab\x82", "ab", 0},
        {"and the other way round", 932, "ab", "ab\x82", 0},
        {"both end in a lone lead byte", 932, "ab\x82", "ab\x83", 0},
        {"lone lead byte before more text", 932, "ab\x82", "abc", -1},
        {"1252 compares bytes", 1252, "\xDF", "\x81\x40", 1},
        {"1252 keeps a last 0x82", 1252, "ab\x82", "ab", 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CodePage codePage(row.codePage);
        EXPECT_EQ(row.order, sign(_mbscmp(bytes(row.a), bytes(row.b))));
    }
}

TEST(MbsCmp, NullArgumentIsAnError)
{
    EXPECT_EQ(_NLSCMPERROR, _mbscmp(nullptr, bytes("a")));
    EXPECT_EQ(_NLSCMPERROR, _mbscmp(bytes("a"), nullptr));
}

TEST(MbsSearch, CharacterMatchesOnlyAtACharactersFirstByte)
{
    const struct {
        const char *name;
        UINT codePage;
        std::string text;
        unsigned int c;
        long first;
        long last;
    } rows[] = {
        {"backslash as a trail byte", 932, "\x95\x5C", '\\', -1, -1},
        {"backslash after the pair", 932, "\x95\x5C\\", '\\', 2, 2},
        {"A as a trail byte", 932, "\x83\x41", 'A', -1, -1},
        {"A before and as a trail", 932, "A\x83\x41", 'A', 0, 0},
        {"A around a pair", 932, "A\x83\x41" "A", 'A', 0, 3},
        {"double-byte character", 932, "a\x83\x41\x83\x41", 0x8341, 1, 3},
        {"lead byte value does not match a pair", 932, "\x83\x41", 0x83, -1, -1},
        {"lone lead byte at the end", 932, "a\x83", 0x83, 1, 1},
        {"lead byte before a line feed", 932, "\x83\n", '\n', 1, 1},
        {"NUL finds the terminator", 932, "ab", 0, 2, 2},
        {"katakana", 932, "\xB1\xB2\xB1", 0xB1, 0, 2},
        {"1252 has no pairs", 1252, "\x95\x5C", '\\', 1, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CodePage codePage(row.codePage);
        EXPECT_EQ(row.first, offsetIn(row.text, _mbschr(bytes(row.text), row.c)));
        EXPECT_EQ(row.last, offsetIn(row.text, _mbsrchr(bytes(row.text), row.c)));
    }
    EXPECT_EQ(nullptr, _mbschr(nullptr, 'a'));
    EXPECT_EQ(nullptr, _mbsrchr(nullptr, 'a'));
}

TEST(MbsSearch, SubstringMatchesOnlyAtACharactersFirstByte)
{
    const struct {
        const char *name;
        UINT codePage;
        std::string text;
        std::string sub;
        long found;
    } rows[] = {
        {"plain", 932, "abcabc", "ca", 2},
        {"empty substring", 932, "abc", "", 0},
        {"not present", 932, "abc", "x", -1},
        {"starts on a trail byte", 932, "\x83\x41" "B", "AB", -1},
        {"after a pair whose trail looks alike", 932, "\x83\x41" "AB", "AB", 2},
        {"double-byte substring", 932, "a\x82\xA0\x82\xA2", "\x82\xA2", 3},
        {"trail-and-lead straddle", 932, "\x82\xA0\x82\xA2", "\xA0\x82", -1},
        {"1252 matches anywhere", 1252, "\x83\x41" "B", "AB", 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CodePage codePage(row.codePage);
        EXPECT_EQ(row.found, offsetIn(row.text, _mbsstr(bytes(row.text), bytes(row.sub))));
    }
    EXPECT_EQ(nullptr, _mbsstr(nullptr, bytes("a")));
    EXPECT_EQ(nullptr, _mbsstr(bytes("a"), nullptr));
}

TEST(MbsRev, KeepsEachPairInOrder)
{
    const struct {
        const char *name;
        UINT codePage;
        std::string text;
        std::string reversed;
    } rows[] = {
        {"empty", 932, "", ""},
        {"ASCII", 932, "abc", "cba"},
        {"pair in the middle", 932, "a\x82\xA0" "b", "b\x82\xA0" "a"},
        {"two pairs", 932, "\x82\xA0\x83\x41", "\x83\x41\x82\xA0"},
        {"katakana are single bytes", 932, "\xB1\xB2", "\xB2\xB1"},
        {"lone lead byte at the end", 932, "a\x82", "\x82" "a"},
        {"lead byte before a line feed", 932, "\x82\nA", "A\n\x82"},
        {"1252 reverses bytes", 1252, "\x82\xA0", "\xA0\x82"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CodePage codePage(row.codePage);
        std::string text = row.text;
        auto *start = reinterpret_cast<unsigned char *>(text.data());
        EXPECT_EQ(start, _mbsrev(start));
        EXPECT_EQ(row.reversed, text);
    }
    EXPECT_EQ(nullptr, _mbsrev(nullptr));
}

TEST(CharCase, StringFormConvertsSingleByteLettersOnly)
{
    const struct {
        const char *name;
        UINT codePage;
        std::string text;
        std::string upper;
        std::string lower;
    } rows[] = {
        {"ASCII", 932, "abc XYZ 1@[`{", "ABC XYZ 1@[`{", "abc xyz 1@[`{"},
        {"full-width letters stay", 932, "\x82\x60\x82\x81", "\x82\x60\x82\x81", "\x82\x60\x82\x81"},
        {"trail bytes that look like letters stay", 932, "\x83\x61" "a\x83\x41" "A",
         "\x83\x61" "A\x83\x41" "A", "\x83\x61" "a\x83\x41" "a"},
        {"half-width katakana stay", 932, "\xB1" "a", "\xB1" "A", "\xB1" "a"},
        {"lone lead byte at the end", 932, "a\x82", "A\x82", "a\x82"},
        {"0xE0 pairs with a letter under 932", 932, "\xE0" "a", "\xE0" "a", "\xE0" "a"},
        {"0xE0 is a letter of its own under 1252", 1252, "\xE0" "a", "\xE0" "A", "\xE0" "a"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CodePage codePage(row.codePage);
        std::string text = row.text;
        EXPECT_EQ(text.data(), CharUpperA(text.data()));
        EXPECT_EQ(row.upper, text);
        EXPECT_EQ(text.data(), CharLowerA(text.data()));
        EXPECT_EQ(row.lower, text);
    }
}

LPSTR asPointer(unsigned char c)
{
    return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(c));
}

TEST(CharCase, SingleCharacterFormReturnsTheCharacter)
{
    CodePage codePage(932);
    const struct {
        const char *name;
        unsigned char c;
        unsigned char upper;
        unsigned char lower;
    } rows[] = {
        {"letter", 'a', 'A', 'a'},
        {"capital", 'Q', 'Q', 'q'},
        {"digit", '7', '7', '7'},
        {"lone lead byte", 0x82, 0x82, 0x82},
        {"half-width katakana", 0xB1, 0xB1, 0xB1},
        {"NUL", 0, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(asPointer(row.upper), CharUpperA(asPointer(row.c)));
        EXPECT_EQ(asPointer(row.lower), CharLowerA(asPointer(row.c)));
    }
}

TEST(KernelStrings, NullIsEmptyAndBad)
{
    EXPECT_EQ(0, lstrlenA(nullptr));
    EXPECT_EQ(0, lstrlenA(""));
    EXPECT_EQ(5, lstrlenA("\x82\xA0" "abc"));
    EXPECT_NE(FALSE, IsBadStringPtrA(nullptr, 0));
    EXPECT_NE(FALSE, IsBadStringPtrA(nullptr, 10));
    EXPECT_EQ(FALSE, IsBadStringPtrA("abc", 4));
    EXPECT_EQ(FALSE, IsBadStringPtrA("abc", 0));
}

// Windows never maps the first 64 KiB; a pointer there is answered as a bad one, and a crash
// here would mean it was read.
TEST(KernelStrings, PointersIntoTheFirst64KiBAreBadAndNeverRead)
{
    const UINT_PTR addresses[] = {1, 0x7, 0x100, 0x1000, 0x8000, 0xFFF0, 0xFFFF};
    for (UINT_PTR address : addresses) {
        SCOPED_TRACE(address);
        const auto *pointer = reinterpret_cast<LPCSTR>(address);
        EXPECT_EQ(0, lstrlenA(pointer));
        EXPECT_NE(FALSE, IsBadStringPtrA(pointer, 1));
        EXPECT_NE(FALSE, IsBadStringPtrA(pointer, 0));
    }
    const char text[] = "past 64 KiB";
    EXPECT_EQ(11, lstrlenA(text));
    EXPECT_EQ(FALSE, IsBadStringPtrA(text, sizeof text));
}

}  // namespace
