// CString: sharing, byte-wise comparison, Shift-JIS aware searching and editing, formatting.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "afx.h"
#include "vkstest.h"

namespace {

std::string Bytes(const CString &s) { return std::string(static_cast<LPCSTR>(s), s.GetLength()); }

// The Shift-JIS cases pin code page 932 for the test.
class ShiftJisString : public ::testing::Test {
    vkstest::ScopedCodePage codePage_{932};
};

struct ConstructRow {
    const char *name;
    CString value;
    std::string expected;
};

TEST(CStringBasics, ConstructorsAndAssignment)
{
    CString assignedChar;
    assignedChar = 'q';
    CString assignedNull("x");
    assignedNull = static_cast<LPCSTR>(nullptr);
    const ConstructRow rows[] = {
        {"default", CString(), ""},
        {"text", CString("abc"), "abc"},
        {"null text", CString(static_cast<LPCSTR>(nullptr)), ""},
        {"counted", CString("abcdef", 3), "abc"},
        {"count past the NUL stops at it", CString("ab", 10), "ab"},
        {"negative count", CString("abc", -1), ""},
        {"null counted", CString(nullptr, 4), ""},
        {"repeated", CString('z', 3), "zzz"},
        {"repeated none", CString('z', 0), ""},
        {"repeated negative", CString('z', -2), ""},
        {"assigned char", assignedChar, "q"},
        {"assigned null", assignedNull, ""},
    };
    for (const ConstructRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, Bytes(row.value));
        EXPECT_EQ(static_cast<int>(row.expected.size()), row.value.GetLength());
        EXPECT_EQ(row.expected.empty(), row.value.IsEmpty() != FALSE);
    }
}

TEST(CStringBasics, ConcatenatesEveryCombination)
{
    const CString ab("ab");
    CString appended("x");
    appended += ab;
    appended += "cd";
    appended += '!';
    appended += static_cast<LPCSTR>(nullptr);
    const ConstructRow rows[] = {
        {"string + string", ab + CString("cd"), "abcd"},
        {"string + text", ab + "cd", "abcd"},
        {"text + string", "cd" + ab, "cdab"},
        {"string + char", ab + 'c', "abc"},
        {"char + string", 'c' + ab, "cab"},
        {"string + null", ab + static_cast<LPCSTR>(nullptr), "ab"},
        {"empty + empty", CString() + "", ""},
        {"appends", appended, "xabcd!"},
    };
    for (const ConstructRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, Bytes(row.value));
    }
}

TEST(CStringBasics, AppendingToItselfAndItsOwnTail)
{
    CString s("abc");
    s += s;
    EXPECT_EQ("abcabc", Bytes(s));
    s += static_cast<LPCSTR>(s) + 4;
    EXPECT_EQ("abcabcbc", Bytes(s));
    s = static_cast<LPCSTR>(s) + 3;
    EXPECT_EQ("abcbc", Bytes(s));
}

TEST(CStringBasics, GetAtAndSetAtStayInsideTheText)
{
    CString s("abc");
    EXPECT_EQ('b', s.GetAt(1));
    EXPECT_EQ('c', s[2]);
    EXPECT_EQ('\0', s.GetAt(3));
    EXPECT_EQ('\0', s.GetAt(4));
    EXPECT_EQ('\0', s.GetAt(-1));
    s.SetAt(0, 'X');
    s.SetAt(3, 'Y');
    s.SetAt(-1, 'Y');
    EXPECT_EQ("Xbc", Bytes(s));
}

TEST(CStringSharing, CopiesShareOneBlockUntilWritten)
{
    CString original("shared text");
    CString copy = original;
    CString assigned;
    assigned = original;
    EXPECT_EQ(static_cast<LPCSTR>(original), static_cast<LPCSTR>(copy));
    EXPECT_EQ(static_cast<LPCSTR>(original), static_cast<LPCSTR>(assigned));

    copy.SetAt(0, 'S');
    EXPECT_NE(static_cast<LPCSTR>(original), static_cast<LPCSTR>(copy));
    EXPECT_EQ("shared text", Bytes(original));
    EXPECT_EQ("Shared text", Bytes(copy));
    EXPECT_EQ(static_cast<LPCSTR>(original), static_cast<LPCSTR>(assigned));

    assigned.MakeUpper();
    EXPECT_EQ("shared text", Bytes(original));
    EXPECT_EQ("SHARED TEXT", Bytes(assigned));
}

TEST(CStringSharing, EveryEmptyStringSharesOneBlock)
{
    CString a;
    CString b("");
    CString c("text");
    c.Empty();
    CString d = CString("xyz").Mid(5);
    EXPECT_EQ(static_cast<LPCSTR>(a), static_cast<LPCSTR>(b));
    EXPECT_EQ(static_cast<LPCSTR>(a), static_cast<LPCSTR>(c));
    EXPECT_EQ(static_cast<LPCSTR>(a), static_cast<LPCSTR>(d));
    EXPECT_STREQ("", a);
}

TEST(CStringSharing, GetBufferMakesThePrivateCopy)
{
    CString original("hello");
    CString copy = original;
    LPSTR buffer = copy.GetBuffer(20);
    EXPECT_NE(static_cast<LPCSTR>(original), buffer);
    buffer[0] = 'j';
    copy.ReleaseBuffer();
    EXPECT_EQ("hello", Bytes(original));
    EXPECT_EQ("jello", Bytes(copy));
}

TEST(CStringSharing, ALockedBufferIsNeverShared)
{
    CString locked("locked");
    LPSTR buffer = locked.LockBuffer();
    CString copy = locked;
    EXPECT_NE(buffer, static_cast<LPCSTR>(copy));
    buffer[0] = 'L';
    EXPECT_EQ("locked", Bytes(copy));
    EXPECT_EQ("Locked", Bytes(locked));

    locked = "reassigned";  // fits or not, the text is right
    EXPECT_EQ("reassigned", Bytes(locked));
    locked.UnlockBuffer();
    CString shared = locked;
    EXPECT_EQ(static_cast<LPCSTR>(locked), static_cast<LPCSTR>(shared));
}

TEST(CStringSharing, CopiesOnManyThreadsKeepTheCountRight)
{
    const CString text("counted across threads");
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&text] {
            for (int i = 0; i < 20000; ++i) {
                CString copy = text;
                CString second(copy);
                second = copy;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    CString last = text;
    last.SetAt(0, 'C');  // the original block must still be alive and shared correctly
    EXPECT_EQ("counted across threads", Bytes(text));
}

TEST(CStringBuffer, ReleaseBufferSetsTheLength)
{
    CString s;
    LPSTR buffer = s.GetBuffer(10);
    std::memcpy(buffer, "hello", 6);
    s.ReleaseBuffer();
    EXPECT_EQ("hello", Bytes(s));

    s.GetBuffer(0);
    s.ReleaseBuffer(3);
    EXPECT_EQ("hel", Bytes(s));

    buffer = s.GetBufferSetLength(5);
    EXPECT_EQ(5, s.GetLength());
    buffer[3] = 'p';
    buffer[4] = '!';
    EXPECT_EQ("help!", Bytes(s));

    // A length beyond the buffer is cut to it; -1 (or any negative) stops at the first NUL or
    // the end of the buffer.
    CString full;
    std::memset(full.GetBuffer(8), 'x', 8);
    full.ReleaseBuffer(1000);
    EXPECT_EQ("xxxxxxxx", Bytes(full));
    full.GetBuffer(8)[3] = '\0';
    full.ReleaseBuffer(-5);
    EXPECT_EQ("xxx", Bytes(full));
}

TEST(CStringBuffer, OversizedRequestsThrowTheMemoryException)
{
    CString s("abc");
    bool thrown = false;
    try {
        s.GetBuffer(INT_MAX);
    } catch (CMemoryException *e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ("abc", Bytes(s));
}

struct OrderRow {
    const char *name;
    const char *left;
    const char *right;
    int sign;  // of left compared with right
};

void ExpectOrder(const OrderRow &row)
{
    const CString left(row.left);
    const CString right(row.right);
    EXPECT_EQ(row.sign == 0, left == right);
    EXPECT_EQ(row.sign == 0, left == row.right);
    EXPECT_EQ(row.sign == 0, row.left == right);
    EXPECT_EQ(row.sign != 0, left != right);
    EXPECT_EQ(row.sign != 0, left != row.right);
    EXPECT_EQ(row.sign != 0, row.left != right);
    EXPECT_EQ(row.sign < 0, left < right);
    EXPECT_EQ(row.sign < 0, left < row.right);
    EXPECT_EQ(row.sign < 0, row.left < right);
    EXPECT_EQ(row.sign > 0, left > right);
    EXPECT_EQ(row.sign > 0, left > row.right);
    EXPECT_EQ(row.sign > 0, row.left > right);
    EXPECT_EQ(row.sign <= 0, left <= right);
    EXPECT_EQ(row.sign <= 0, left <= row.right);
    EXPECT_EQ(row.sign <= 0, row.left <= right);
    EXPECT_EQ(row.sign >= 0, left >= right);
    EXPECT_EQ(row.sign >= 0, left >= row.right);
    EXPECT_EQ(row.sign >= 0, row.left >= right);
    int compared = left.Compare(row.right);
    EXPECT_EQ(row.sign, (compared > 0) - (compared < 0));
}

TEST_F(ShiftJisString, ComparisonsAreByteWiseAndUnsigned)
{
    const OrderRow rows[] = {
        {"equal", "abc", "abc", 0},
        {"prefix first", "ab", "abc", -1},
        {"case matters", "B", "a", -1},
        {"empty first", "", "a", -1},
        {"high byte above ASCII", "\xA1", "z", 1},
        {"0x80 above 0x7F", "\x80", "\x7F", 1},
        {"double-byte above every single byte", "\xDF", "\x82\xA0", -1},
        {"double-byte characters by value", "\x82\xA0", "\x82\x9F", 1},
        {"same double-byte text", "\x95\x5C", "\x95\x5C", 0},
    };
    for (const OrderRow &row : rows) {
        SCOPED_TRACE(row.name);
        ExpectOrder(row);
    }
}

TEST_F(ShiftJisString, CompareNoCaseFoldsSingleByteLettersOnly)
{
    const OrderRow rows[] = {
        {"letters fold", "HeLLo", "hello", 0},
        {"still ordered", "apple", "BANANA", -1},
        {"letters fold low, after the underscore", "_", "A", -1},
        {"full-width A is not full-width a", "\x82\x60", "\x82\x81", -1},
        {"trail byte 'A' is not folded", "\x83\x41", "\x83\x61", -1},
        {"null counts as empty", "", nullptr, 0},
    };
    for (const OrderRow &row : rows) {
        SCOPED_TRACE(row.name);
        int compared = CString(row.left).CompareNoCase(row.right);
        EXPECT_EQ(row.sign, (compared > 0) - (compared < 0));
    }
}

struct FindRow {
    const char *name;
    const char *text;
    int found;
};

TEST_F(ShiftJisString, FindCharMatchesOnlyWholeCharacters)
{
    // 0x95 0x5C is one double-byte character whose trail byte is '\\'.
    const struct {
        const char *name;
        const char *text;
        char ch;
        int start;
        int found;
    } rows[] = {
        {"single byte", "a\\b", '\\', 0, 1},
        {"trail byte is not a backslash", "\x95\x5C", '\\', 0, -1},
        {"real backslash after the pair", "\x95\x5C\\", '\\', 0, 2},
        {"trail byte 'a' skipped", "\x83\x61" "a", 'a', 0, 2},
        {"from a start", "abcabc", 'a', 1, 3},
        {"negative start counts from 0", "abc", 'a', -4, 0},
        {"start at the end", "abc", 'a', 3, -1},
        {"missing", "abc", 'x', 0, -1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.found, CString(row.text).Find(row.ch, row.start));
    }
    EXPECT_EQ(2, CString("\x95\x5C\\").Find('\\'));
}

TEST_F(ShiftJisString, FindSubstringStartsOnACharacter)
{
    const struct {
        const char *name;
        const char *text;
        const char *sub;
        int start;
        int found;
    } rows[] = {
        {"plain", "hello world", "wor", 0, 6},
        {"across two characters' bytes is no match", "\x82\xA0\x82\xA0", "\xA0\x82", 0, -1},
        {"double-byte needle", "ab\x82\xA0", "\x82\xA0", 0, 2},
        {"after a start", "abab", "ab", 1, 2},
        {"empty needle at the start", "abc", "", 1, 1},
        {"start past the end", "abc", "", 4, -1},
        {"null needle", "abc", nullptr, 0, -1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.found, CString(row.text).Find(row.sub, row.start));
    }
}

TEST_F(ShiftJisString, ReverseFindAndFindOneOfSkipTrailBytes)
{
    const struct {
        const char *name;
        const char *text;
        char ch;
        int found;
    } reverse[] = {
        {"last plain", "a\\b\\c", '\\', 3},
        {"trail byte after the real one", "a\\\x95\x5C", '\\', 1},
        {"only a trail byte", "\x95\x5C", '\\', -1},
    };
    for (const auto &row : reverse) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.found, CString(row.text).ReverseFind(row.ch));
    }
    EXPECT_EQ(2, CString("\x95\x5C\\").FindOneOf("/\\"));
    EXPECT_EQ(-1, CString("\x95\x5C").FindOneOf("\\"));
    EXPECT_EQ(1, CString("a\x82\xA0").FindOneOf("\x82\xA0"));
    EXPECT_EQ(-1, CString("abc").FindOneOf(nullptr));
}

TEST(CStringExtract, MidLeftRightClampToTheText)
{
    const CString s("abcdef");
    const ConstructRow rows[] = {
        {"mid", s.Mid(2, 3), "cde"},
        {"mid to the end", s.Mid(4), "ef"},
        {"mid count past the end", s.Mid(4, 100), "ef"},
        {"mid negative first", s.Mid(-3, 2), "ab"},
        {"mid negative count", s.Mid(1, -1), ""},
        {"mid first past the end", s.Mid(7, 2), ""},
        {"mid huge first", s.Mid(INT_MIN), "abcdef"},
        {"mid huge count", s.Mid(5, INT_MAX), "f"},
        {"left", s.Left(2), "ab"},
        {"left too many", s.Left(99), "abcdef"},
        {"left negative", s.Left(-1), ""},
        {"right", s.Right(2), "ef"},
        {"right too many", s.Right(99), "abcdef"},
        {"right negative", s.Right(-5), ""},
    };
    for (const ConstructRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, Bytes(row.value));
    }
}

TEST_F(ShiftJisString, SpansCountWholeCharacters)
{
    const CString s("\x82\xA0\x82\xA0xy12");
    EXPECT_EQ("\x82\xA0\x82\xA0", Bytes(s.SpanIncluding("\x82\xA0")));
    EXPECT_EQ("", Bytes(s.SpanIncluding("\xA0\x82")));
    EXPECT_EQ("\x82\xA0\x82\xA0xy", Bytes(s.SpanExcluding("0123456789")));
    EXPECT_EQ("", Bytes(s.SpanIncluding(nullptr)));
    EXPECT_EQ(Bytes(s), Bytes(s.SpanExcluding(nullptr)));
}

struct EditRow {
    const char *name;
    const char *text;
    void (*edit)(CString &);
    const char *expected;
};

TEST_F(ShiftJisString, CaseAndReversalLeaveDoubleByteCharactersAlone)
{
    const EditRow rows[] = {
        {"full-width A not lowered", "\x82\x60", [](CString &s) { s.MakeLower(); }, "\x82\x60"},
        {"full-width a not raised", "\x82\x81", [](CString &s) { s.MakeUpper(); }, "\x82\x81"},
        {"trail 'a' not raised", "x\x83\x61y", [](CString &s) { s.MakeUpper(); }, "X\x83\x61Y"},
        {"trail 'A' not lowered", "X\x83\x41Y", [](CString &s) { s.MakeLower(); }, "x\x83\x41y"},
        {"half-width katakana kept", "\xB1" "a", [](CString &s) { s.MakeUpper(); }, "\xB1" "A"},
        {"reverse keeps pairs", "ab\x82\xA0" "c", [](CString &s) { s.MakeReverse(); },
         "c\x82\xA0" "ba"},
        {"reverse with trail backslash", "\x95\x5C\\", [](CString &s) { s.MakeReverse(); },
         "\\\x95\x5C"},
        {"reverse empty", "", [](CString &s) { s.MakeReverse(); }, ""},
    };
    for (const EditRow &row : rows) {
        SCOPED_TRACE(row.name);
        CString s(row.text);
        row.edit(s);
        EXPECT_EQ(row.expected, Bytes(s));
    }
}

TEST_F(ShiftJisString, ReplaceRemoveInsertDelete)
{
    const struct {
        const char *name;
        const char *text;
        int (*edit)(CString &);
        int result;
        const char *expected;
    } rows[] = {
        {"replace char", "a.b.c", [](CString &s) { return s.Replace('.', '/'); }, 2, "a/b/c"},
        {"replace char skips trail bytes", "\x95\x5C\\",
         [](CString &s) { return s.Replace('\\', '/'); }, 1, "\x95\x5C/"},
        {"replace text", "one two one", [](CString &s) { return s.Replace("one", "1"); }, 2,
         "1 two 1"},
        {"replace text longer", "a-b", [](CString &s) { return s.Replace("-", "<->"); }, 1,
         "a<->b"},
        {"replace by null removes", "xaxbx", [](CString &s) { return s.Replace("x", nullptr); },
         3, "ab"},
        {"replace empty pattern", "abc", [](CString &s) { return s.Replace("", "z"); }, 0, "abc"},
        {"replace does not overlap", "aaa", [](CString &s) { return s.Replace("aa", "b"); }, 1,
         "ba"},
        {"replace not inside a character", "\x82\xA0\x82\xA0",
         [](CString &s) { return s.Replace("\xA0\x82", "!"); }, 0, "\x82\xA0\x82\xA0"},
        {"remove", "a b c ", [](CString &s) { return s.Remove(' '); }, 3, "abc"},
        {"remove skips trail bytes", "\x95\x5C\\\\", [](CString &s) { return s.Remove('\\'); },
         2, "\x95\x5C"},
        {"insert char", "ac", [](CString &s) { return s.Insert(1, 'b'); }, 3, "abc"},
        {"insert text at the end", "ab", [](CString &s) { return s.Insert(9, "cd"); }, 4,
         "abcd"},
        {"insert before the start", "cd", [](CString &s) { return s.Insert(-3, "ab"); }, 4,
         "abcd"},
        {"insert null", "ab", [](CString &s) { return s.Insert(1, nullptr); }, 2, "ab"},
        {"delete", "abcdef", [](CString &s) { return s.Delete(1, 2); }, 4, "adef"},
        {"delete one", "abc", [](CString &s) { return s.Delete(0); }, 2, "bc"},
        {"delete past the end", "abcdef", [](CString &s) { return s.Delete(4, 100); }, 4,
         "abcd"},
        {"delete from beyond", "abc", [](CString &s) { return s.Delete(5, 1); }, 3, "abc"},
        {"delete nothing", "abc", [](CString &s) { return s.Delete(1, -2); }, 3, "abc"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CString s(row.text);
        EXPECT_EQ(row.result, row.edit(s));
        EXPECT_EQ(row.expected, Bytes(s));
    }
}

TEST(CStringEdit, InsertingTheStringIntoItself)
{
    CString s("abc");
    s.Insert(1, s);
    EXPECT_EQ("aabcbc", Bytes(s));
}

TEST(CStringEdit, EditsNeverChangeACopy)
{
    const CString original("a b a");
    CString copy = original;
    copy.Replace('a', 'x');
    copy.Remove(' ');
    copy.Insert(0, '>');
    copy.Delete(0);
    copy.TrimLeft('x');
    EXPECT_EQ("a b a", Bytes(original));
    EXPECT_EQ("bx", Bytes(copy));
}

TEST_F(ShiftJisString, TrimmingByWhiteSpaceCharOrSet)
{
    const EditRow rows[] = {
        {"right white space", "ab \t\r\n", [](CString &s) { s.TrimRight(); }, "ab"},
        {"left white space", " \t\nab ", [](CString &s) { s.TrimLeft(); }, "ab "},
        {"all white space", " \t ", [](CString &s) { s.TrimRight(); }, ""},
        {"ideographic space is not white space", "\x81\x40" "a\x81\x40",
         [](CString &s) { s.TrimRight(); }, "\x81\x40" "a\x81\x40"},
        {"right char", "abxx", [](CString &s) { s.TrimRight('x'); }, "ab"},
        {"left char", "xxab", [](CString &s) { s.TrimLeft('x'); }, "ab"},
        {"right char is not a trail byte", "\x95\x5C", [](CString &s) { s.TrimRight('\\'); },
         "\x95\x5C"},
        {"right set", "ab.,;", [](CString &s) { s.TrimRight(".,;"); }, "ab"},
        {"left set with a double-byte character", "\x81\x40 a",
         [](CString &s) { s.TrimLeft("\x81\x40 "); }, "a"},
        {"null set", " a ", [](CString &s) { s.TrimLeft(static_cast<LPCSTR>(nullptr)); }, " a "},
    };
    for (const EditRow &row : rows) {
        SCOPED_TRACE(row.name);
        CString s(row.text);
        row.edit(s);
        EXPECT_EQ(row.expected, Bytes(s));
    }
}

TEST(CStringFormat, UsesTheRunTimeFormatterWithFloatingPoint)
{
    const struct {
        const char *name;
        void (*format)(CString &);
        const char *expected;
    } rows[] = {
        {"fixed", [](CString &s) { s.Format("%.2f", 3.14159); }, "3.14"},
        {"exponent", [](CString &s) { s.Format("%.1e", 12345.678); }, "1.2e+04"},
        {"general", [](CString &s) { s.Format("%g|%g", 0.5, 1e20); }, "0.5|1e+20"},
        {"width and sign", [](CString &s) { s.Format("[%+6.1f]", -2.25); }, "[  -2.2]"},
        {"integers and text", [](CString &s) { s.Format("%d-%05u-%x-%s-%c", -7, 42u, 255u, "ok", 'Z'); },
         "-7-00042-ff-ok-Z"},
        {"percent", [](CString &s) { s.Format("100%%"); }, "100%"},
        {"empty result", [](CString &s) { s.Format("%s", ""); }, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        CString s("previous");
        row.format(s);
        EXPECT_EQ(row.expected, Bytes(s));
    }
}

TEST(CStringFormat, LongResultsAndItsOwnTextAsArgument)
{
    CString s;
    s.Format("%s%s", std::string(700, 'a').c_str(), std::string(700, 'b').c_str());
    EXPECT_EQ(1400, s.GetLength());
    EXPECT_EQ('b', s.GetAt(1399));

    s = "abc";
    s.Format("<%s|%s>", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
    EXPECT_EQ("<abc|abc>", Bytes(s));
}

TEST(CStringFormat, NullFormatEmptiesTheString)
{
    CString s("stale");
    va_list none{};
    s.FormatV(nullptr, none);
    EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
