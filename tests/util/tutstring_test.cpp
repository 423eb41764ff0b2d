// TutString: byte-position searches over Shift-JIS text, edits, string resources, the product
// placeholders and the 511-character formatting limit.
#include <gtest/gtest.h>

#include <cstdarg>
#include <functional>
#include <iterator>
#include <string>

#include "mbctype.h"
#include "mbstring.h"
#include "util/startup.h"
#include "util/tutstring.h"
#include "vksmodule.h"
#include "vksresource.h"
#include "vkstest.h"

namespace {

std::string textOf(TutString const &text)
{
    return std::string(static_cast<char const *>(text), static_cast<size_t>(text.length()));
}

// Strings of this test program, registered for the test's lifetime. The program's module is
// the current resource module, which every load searches first.
constexpr UINT kCompanyNameId = 2451;
constexpr UINT kProductNameId = 2453;
constexpr UINT kGreetingId = 40001;
constexpr UINT kCountFormatId = 40002;
constexpr UINT kNeedleId = 40003;
constexpr UINT kEmptyId = 40004;
constexpr UINT kMissingId = 40099;

const VksStringResource kProgramStrings[] = {
    {kCompanyNameId, "Test Works"},
    {kProductNameId, "Testora"},
    {kGreetingId, "Welcome to $ProductName$"},
    {kCountFormatId, "$CompanyName$: %d files"},
    {kNeedleId, "$ProductName$!"},
    {kEmptyId, ""},
};

class ProgramStrings {
public:
    ProgramStrings()
    {
        VksRegisterStringTable(kProgramStrings, kProgramStrings, std::size(kProgramStrings));
    }
    ~ProgramStrings() { VksUnregisterStringTables(kProgramStrings); }
    ProgramStrings(ProgramStrings const &) = delete;
    ProgramStrings &operator=(ProgramStrings const &) = delete;

    // Gives string `id` of the program a new text.
    void set(UINT id, char const *utf8) const
    {
        VksStringResource const entry = {id, utf8};
        ASSERT_TRUE(VksRegisterStringTable(kProgramStrings, &entry, 1));
    }
    static HMODULE module() { return VksModuleFromAddress(kProgramStrings); }
};

// Puts the current resource module back when the test ends.
class ScopedResourceHandle {
public:
    ScopedResourceHandle() : previous_(AfxGetResourceHandle()) {}
    ~ScopedResourceHandle() { AfxSetResourceHandle(previous_); }

private:
    HINSTANCE previous_;
};

// The byte positions are those of code page 932.
class TutStringTest : public ::testing::Test {
protected:
    vkstest::ScopedCodePage codePage_{932};
};

class TutStringResourceTest : public TutStringTest {
protected:
    ScopedResourceHandle resourceHandle_;
    ProgramStrings strings_;
};

TEST_F(TutStringTest, ConstructsAndAssignsCopiesOfTheText)
{
    struct Row {
        char const *name;
        std::function<TutString()> make;
        std::string expected;
    } const rows[] = {
        {"default", [] { return TutString(); }, ""},
        {"repeated character", [] { return TutString('x', 3); }, "xxx"},
        {"no repetition", [] { return TutString('x', 0); }, ""},
        {"negative repetition", [] { return TutString('x', -2); }, ""},
        {"first bytes", [] { return TutString("abcdef", 3); }, "abc"},
        {"count past the NUL", [] { return TutString("ab", 5); }, "ab"},
        {"null with a count", [] { return TutString(nullptr, 3); }, ""},
        {"C string", [] { return TutString("a\x82\xA0z"); }, "a\x82\xA0z"},
        {"null C string", [] { return TutString(static_cast<char const *>(nullptr)); }, ""},
        {"CString", [] { return TutString(CString("from CString")); }, "from CString"},
        {"assigned null",
         [] {
             TutString text("old");
             text = static_cast<char const *>(nullptr);
             return text;
         },
         ""},
        {"assigned text",
         [] {
             TutString text("old");
             text = "new";
             return text;
         },
         "new"},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text = row.make();
        EXPECT_EQ(row.expected, textOf(text));
        EXPECT_EQ(static_cast<int>(row.expected.size()), text.length());
        EXPECT_EQ(row.expected.empty() ? 1 : 0, text.isEmpty());
    }
}

TEST_F(TutStringTest, CopiesStayApartWhenOneIsChanged)
{
    TutString original("abc");
    TutString copy(original);
    TutString assigned;
    assigned = original;

    original.buffer()[0] = 'x';
    copy.setAt(1, 'y');

    EXPECT_EQ("xbc", textOf(original));
    EXPECT_EQ("ayc", textOf(copy));
    EXPECT_EQ("abc", textOf(assigned));
}

TEST_F(TutStringTest, DirectAccessStaysWithinTheText)
{
    TutString text("abc");
    EXPECT_EQ('a', text.at(0));
    EXPECT_EQ('c', text.at(2));
    EXPECT_EQ('\0', text.at(3));  // the terminator

    text.setAt(3, 'x');
    text.setAt(-1, 'x');
    EXPECT_EQ("abc", textOf(text));

    text.empty();
    EXPECT_EQ(1, text.isEmpty());
    EXPECT_EQ(0, text.length());
    EXPECT_NE(0, text.isValid());
}

TEST_F(TutStringTest, BufferWithALengthKeepsTheTextUpToTheShorterLength)
{
    TutString text("abc");
    char *grown = text.buffer(5);
    EXPECT_EQ(5, text.length());
    EXPECT_EQ(std::string("abc\0\0", 6), std::string(grown, 6));
    grown[3] = 'd';
    grown[4] = 'e';
    EXPECT_EQ("abcde", textOf(text));

    char *cut = text.buffer(2);
    EXPECT_EQ(2, text.length());
    EXPECT_EQ('\0', cut[2]);
    EXPECT_EQ("ab", textOf(text));

    text.buffer(-1);
    EXPECT_EQ(0, text.length());
}

TEST_F(TutStringTest, FindsTheFirstOccurrenceOfASubstring)
{
    struct Row {
        char const *name;
        char const *text;
        char const *sub;
        int expected;
    } const rows[] = {
        {"plain", "abab", "b", 1},
        {"longer substring", "xxabcabc", "abc", 2},
        {"empty substring", "abc", "", 0},
        {"absent", "abc", "x", -1},
        {"substring longer than the text", "ab", "abc", -1},
        {"null substring counts as empty", "abc", nullptr, 0},
        {"empty text", "", "a", -1},
        {"single byte equal to a trail byte", "\x83\x41" "A", "A", 2},
        {"only as a trail byte", "\x83\x41", "A", -1},
        {"double-byte substring", "a\x82\xA0\x82\xA0", "\x82\xA0", 1},
        {"not across two characters", "\x82\xA0\x82\xA1", "\xA0\x82", -1},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text(row.text);
        EXPECT_EQ(row.expected, text.find(row.sub));
        if (row.sub) {
            EXPECT_EQ(row.expected, text.find(TutString(row.sub)));
        }
    }
}

// The last occurrence of b in abab begins at 3.
TEST_F(TutStringTest, FindsWhereTheLastOccurrenceOfASubstringBegins)
{
    struct Row {
        char const *name;
        char const *text;
        char const *sub;
        int expected;
    } const rows[] = {
        {"plain", "abab", "b", 3},
        {"longer substring", "abcabcx", "abc", 3},
        {"only one", "xabcx", "abc", 1},
        {"whole text", "abc", "abc", 0},
        {"empty substring gives the length", "abc", "", 3},
        {"absent", "abc", "x", -1},
        {"null substring", "abc", nullptr, 0},
        {"null substring on empty text", "", nullptr, 0},
        {"double-byte substring at its lead byte", "\x82\xA0" "a\x82\xA0" "b", "\x82\xA0", 3},
        {"double-byte character with an ASCII trail", "\x83\x41\x83\x41" "c", "\x83\x41", 2},
        {"never on a trail byte", "A\x83\x41", "A", 0},
        {"single byte after a trail byte equal to it", "\x83\x41" "A", "A", 2},
        {"stray lead byte at the end", "ab\x83", "b", 1},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text(row.text);
        EXPECT_EQ(row.expected, text.findLast(row.sub));
        if (row.sub) {
            EXPECT_EQ(row.expected, text.findLast(TutString(row.sub)));
        }
    }
}

TEST_F(TutStringTest, FindsCharactersNeverOnATrailByte)
{
    struct Row {
        char const *name;
        char const *text;
        char ch;
        int first;
        int last;
    } const rows[] = {
        {"plain", "abab", 'b', 1, 3},
        {"absent", "abc", 'x', -1, -1},
        {"backslash after a trail byte equal to it", "\x95\x5C\\", '\\', 2, 2},
        {"backslash only as a trail byte", "\x95\x5C", '\\', -1, -1},
        {"backslash before and after", "\\\x95\x5C\\x", '\\', 0, 3},
        {"half-width katakana is single-byte", "\xB1\xB1", '\xB1', 0, 1},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text(row.text);
        EXPECT_EQ(row.first, text.find(row.ch));
        EXPECT_EQ(row.last, text.findLast(row.ch));
    }
}

TEST_F(TutStringTest, CompareTellsOnlyWhetherTheTextsAreEqual)
{
    struct Row {
        char const *name;
        char const *left;
        char const *right;
        int equal;
    } const rows[] = {
        {"equal", "abc", "abc", 1},
        {"both empty", "", "", 1},
        {"first smaller", "abc", "abd", 0},
        {"first greater", "abd", "abc", 0},
        {"prefix", "ab", "abc", 0},
        {"letter case", "ABC", "abc", 0},
        {"equal double-byte", "\x82\xA0x", "\x82\xA0x", 1},
        {"double-byte and single-byte", "\x82\xA0", "\xA1", 0},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString const left(row.left);
        TutString const right(row.right);
        EXPECT_EQ(row.equal, left.compare(right));
        EXPECT_EQ(row.equal, right.compare(left));
        EXPECT_EQ(row.equal, left.isEqual(right));
        EXPECT_EQ(row.equal, right.isEqual(left));
    }
}

TEST_F(TutStringTest, ExtractionClampsPositionsAndCounts)
{
    TutString const text("abcdef");
    struct Row {
        char const *name;
        TutString result;
        char const *expected;
    } const rows[] = {
        {"mid", text.mid(2, 3), "cde"},
        {"mid from a negative start", text.mid(-1, 2), "ab"},
        {"mid past the end", text.mid(4, 10), "ef"},
        {"mid starting beyond the end", text.mid(7, 1), ""},
        {"mid with a negative count", text.mid(2, -1), ""},
        {"mid to the end", text.mid(3), "def"},
        {"mid to the end from a negative start", text.mid(-4), "abcdef"},
        {"mid to the end beyond it", text.mid(9), ""},
        {"left", text.left(2), "ab"},
        {"left with a negative count", text.left(-1), ""},
        {"left past the end", text.left(10), "abcdef"},
        {"right", text.right(2), "ef"},
        {"right past the start", text.right(10), "abcdef"},
        {"right with a negative count", text.right(-3), ""},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, textOf(row.result));
    }
    EXPECT_EQ("abcdef", textOf(text));
}

TEST_F(TutStringTest, CaseChangesLeaveDoubleByteCharactersAlone)
{
    struct Row {
        char const *name;
        char const *text;
        char const *upper;
        char const *lower;
    } const rows[] = {
        {"ASCII letters", "aBc1-z", "ABC1-Z", "abc1-z"},
        {"full-width A", "a\x82\x60z", "A\x82\x60Z", "a\x82\x60z"},
        {"full-width a", "\x82\x81", "\x82\x81", "\x82\x81"},
        {"trail byte that is a letter", "\x83\x41" "b", "\x83\x41" "B", "\x83\x41" "b"},
        {"trail byte that is a small letter", "\x83\x61" "B", "\x83\x61" "B", "\x83\x61" "b"},
        {"half-width katakana", "\xB1" "a", "\xB1" "A", "\xB1" "a"},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString upper(row.text);
        TutString lower(row.text);
        EXPECT_EQ(&upper, &upper.toUpper());
        EXPECT_EQ(&lower, &lower.toLower());
        EXPECT_EQ(row.upper, textOf(upper));
        EXPECT_EQ(row.lower, textOf(lower));
    }
}

TEST_F(TutStringTest, StripRemovesOnlyBlanksAndTabs)
{
    struct Row {
        char const *name;
        void (TutString::*strip)();
        char const *text;
        char const *expected;
    } const rows[] = {
        {"trailing blanks and tabs", &TutString::stripTrailing, "ab \t ", "ab"},
        {"trailing only blanks", &TutString::stripTrailing, " \t", ""},
        {"trailing keeps leading", &TutString::stripTrailing, " ab ", " ab"},
        {"trailing keeps CR and LF", &TutString::stripTrailing, "ab\r\n", "ab\r\n"},
        {"trailing stops at CR", &TutString::stripTrailing, "ab \r ", "ab \r"},
        {"trailing keeps the ideographic space", &TutString::stripTrailing, "ab\x81\x40",
         "ab\x81\x40"},
        {"trailing on empty text", &TutString::stripTrailing, "", ""},
        {"leading tab and blank", &TutString::stripLeading, "\t ab ", "ab "},
        {"leading only blanks", &TutString::stripLeading, " \t ", ""},
        {"leading keeps LF", &TutString::stripLeading, "\n ab", "\n ab"},
        {"leading keeps the ideographic space", &TutString::stripLeading, "\x81\x40" "ab",
         "\x81\x40" "ab"},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text(row.text);
        (text.*row.strip)();
        EXPECT_EQ(row.expected, textOf(text));
    }
}

TEST_F(TutStringTest, SetLengthPadsOrCuts)
{
    struct Row {
        char const *name;
        int length;
        char fill;
        char const *expected;
    } const rows[] = {
        {"longer", 5, '*', "ab***"},
        {"shorter", 1, '*', "a"},
        {"to nothing", 0, '*', ""},
        {"equal", 2, '*', "ab"},
        {"NUL fill", 5, '\0', "ab"},
        {"NUL fill shorter", 1, '\0', "ab"},
        {"negative length", -1, '*', "ab"},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text("ab");
        text.setLength(row.length, row.fill);
        EXPECT_EQ(row.expected, textOf(text));
    }
}

TEST_F(TutStringTest, GetAttributeScansFromTheStart)
{
    TutString const text("a\x82\xA0\t\x95\x5C" "b");
    struct Row {
        char const *name;
        int pos;
        int expected;
    } const rows[] = {
        {"single byte", 0, _MBC_SINGLE},
        {"lead byte", 1, _MBC_LEAD},
        {"trail byte", 2, _MBC_TRAIL},
        {"tab", 3, _MBC_ILLEGAL},
        {"lead byte after a tab", 4, _MBC_LEAD},
        {"trail byte equal to a backslash", 5, _MBC_TRAIL},
        {"single byte after a trail byte", 6, _MBC_SINGLE},
        {"the terminator", 7, _MBC_ILLEGAL},
        {"beyond the text", 20, _MBC_ILLEGAL},
        {"negative", -1, _MBC_ILLEGAL},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, text.GetAttribute(row.pos));
    }
}

// Calls vprintf the way a variadic caller does, then reads the first argument again to show
// that the caller's list was left alone.
int vprintfThenFirstInt(TutString &text, char const *format, ...)
{
    va_list args;
    va_start(args, format);
    text.vprintf(format, &args);
    int first = va_arg(args, int);
    va_end(args);
    return first;
}

TEST_F(TutStringTest, PrintfFormatsIntegersStringsAndCharacters)
{
    struct Row {
        char const *name;
        std::function<void(TutString &)> format;
        char const *expected;
    } const rows[] = {
        {"signed and unsigned", [](TutString &t) { t.printf("%d/%u", -42, 7u); }, "-42/7"},
        {"unsigned of a negative", [](TutString &t) { t.printf("%u", -42); }, "4294967254"},
        {"padding and hex", [](TutString &t) { t.printf("[%05d|%-3d|%x|%#X]", 42, 7, 255, 255); },
         "[00042|7  |ff|0XFF]"},
        {"strings", [](TutString &t) { t.printf("%s=%.3s", "key", "valuable"); }, "key=val"},
        {"characters", [](TutString &t) { t.printf("%c%c", 'o', 'k'); }, "ok"},
        {"double-byte text", [](TutString &t) { t.printf("%s:%d", "\x82\xA0", 1); },
         "\x82\xA0:1"},
        {"no floating point", [](TutString &t) { t.printf("%f%%"); }, "f%"},
        {"its own text as an argument",
         [](TutString &t) { t.printf("<%s>", static_cast<char const *>(t)); }, "<old>"},
        {"null format", [](TutString &t) { t.printf(static_cast<char const *>(nullptr)); }, "old"},
        {"null argument list", [](TutString &t) { t.vprintf("%d", nullptr); }, "old"},
        {"null format to vprintf",
         [](TutString &t) { vprintfThenFirstInt(t, static_cast<char const *>(nullptr), 1); },
         "old"},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text("old");
        row.format(text);
        EXPECT_EQ(row.expected, textOf(text));
    }
}

TEST_F(TutStringTest, VprintfReadsAPointerToTheCallersList)
{
    TutString text;
    EXPECT_EQ(12, vprintfThenFirstInt(text, "%d-%s", 12, "twelve"));
    EXPECT_EQ("12-twelve", textOf(text));

    TutString const format("%s!");
    EXPECT_EQ(&text, &text.printf("%d", 1));
    EXPECT_EQ("1", textOf(text));
    text.printf(static_cast<char const *>(format), "hey");
    EXPECT_EQ("hey!", textOf(text));
}

TEST_F(TutStringTest, FormattedTextHoldsAtMost511Characters)
{
    struct Row {
        char const *name;
        size_t argumentLength;
        bool fits;
    } const rows[] = {
        {"511 characters", 511, true},
        {"512 characters", 512, false},
        {"more than wvsprintfA stores", 2000, false},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        std::string const argument(row.argumentLength, 'x');
        TutString text("old");
        bool thrown = false;
        try {
            text.printf("%s", argument.c_str());
        } catch (CMemoryException *e) {
            thrown = true;
            e->Delete();
        }
        EXPECT_EQ(!row.fits, thrown);
        EXPECT_EQ(row.fits ? argument : std::string("old"), textOf(text));
    }
}

TEST_F(TutStringTest, FormatOf511CharactersAroundAnArgumentIsAccepted)
{
    std::string const prefix(509, 'p');
    TutString text;
    text.printf((prefix + "%d").c_str(), 42);
    EXPECT_EQ(prefix + "42", textOf(text));

    try {
        text.printf((prefix + "%d").c_str(), 420);
        ADD_FAILURE() << "512 characters were accepted";
    } catch (CMemoryException *e) {
        e->Delete();
    }
    EXPECT_EQ(prefix + "42", textOf(text));
}

TEST_F(TutStringResourceTest, LoadReplacesTheTextByTheStringResource)
{
    TutString text("old");
    text.load(kGreetingId, NULL);
    EXPECT_EQ("Welcome to $ProductName$", textOf(text));

    text.load(kCompanyNameId, ProgramStrings::module());
    EXPECT_EQ("Test Works", textOf(text));
}

TEST_F(TutStringResourceTest, LoadOfAMissingOrEmptyStringThrowsAndKeepsTheText)
{
    struct Row {
        char const *name;
        UINT id;
        HINSTANCE module;
    } const rows[] = {
        {"missing, current module", kMissingId, NULL},
        {"empty, current module", kEmptyId, NULL},
        {"missing, given module", kMissingId, ProgramStrings::module()},
        {"id beyond 16 bits", 0x10000 + kGreetingId, NULL},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text("old");
        bool thrown = false;
        try {
            text.load(row.id, row.module);
        } catch (CResourceException *e) {
            thrown = true;
            e->Delete();
        }
        EXPECT_TRUE(thrown);
        EXPECT_EQ("old", textOf(text));
    }
}

// The library's module holds none of the program's strings, so a load from the program's
// module succeeds only while that module is the current one.
TEST_F(TutStringResourceTest, LoadFromAGivenModuleRestoresTheCurrentResourceModule)
{
    HINSTANCE const other = utLibraryInstance();
    ASSERT_NE(nullptr, other);
    ASSERT_NE(ProgramStrings::module(), other);
    AfxSetResourceHandle(other);

    TutString text;
    text.load(kGreetingId, ProgramStrings::module());
    EXPECT_EQ("Welcome to $ProductName$", textOf(text));
    EXPECT_EQ(other, AfxGetResourceHandle());

    try {
        text.load(kMissingId, ProgramStrings::module());
        ADD_FAILURE() << "a missing string was loaded";
    } catch (CResourceException *e) {
        e->Delete();
    }
    EXPECT_EQ(other, AfxGetResourceHandle());
}

TEST_F(TutStringResourceTest, ResourceConstructorExpandsOnRequest)
{
    EXPECT_EQ("Welcome to Testora", textOf(TutString(kGreetingId, NULL, 1)));
    EXPECT_EQ("Welcome to $ProductName$", textOf(TutString(kGreetingId, NULL, 0)));
    try {
        TutString missing(kMissingId, NULL, 1);
        ADD_FAILURE() << "a missing string was loaded";
    } catch (CResourceException *e) {
        e->Delete();
    }
}

TEST_F(TutStringResourceTest, FindByIdSearchesTheExpandedString)
{
    TutString const text("Testora! and Testora!");
    EXPECT_EQ(0, text.find(kNeedleId));
    EXPECT_EQ(13, text.findLast(kNeedleId));
    EXPECT_EQ(-1, TutString("$ProductName$!").find(kNeedleId));
    try {
        text.find(kMissingId);
        ADD_FAILURE() << "a missing string was searched";
    } catch (CResourceException *e) {
        e->Delete();
    }
}

TEST_F(TutStringResourceTest, PrintfWithAnIdFormatsTheExpandedString)
{
    TutString text("old");
    EXPECT_EQ(&text, &text.printf(kCountFormatId, 3));
    EXPECT_EQ("Test Works: 3 files", textOf(text));

    try {
        text.printf(kMissingId, 4);
        ADD_FAILURE() << "a missing format was used";
    } catch (CResourceException *e) {
        e->Delete();
    }
    EXPECT_EQ("Test Works: 3 files", textOf(text));
}

TEST_F(TutStringResourceTest, ExpandsBothPlaceholdersInTheirExactCase)
{
    struct Row {
        char const *name;
        char const *text;
        char const *expected;
        int found;
    } const rows[] = {
        {"two product tokens", "$ProductName$ and $ProductName$", "Testora and Testora", 1},
        {"adjacent tokens", "$ProductName$$ProductName$", "TestoraTestora", 1},
        {"company", "(c) $CompanyName$", "(c) Test Works", 1},
        {"both", "$CompanyName$/$ProductName$", "Test Works/Testora", 1},
        {"none", "plain text", "plain text", 0},
        {"other letter case", "$productname$ $PRODUCTNAME$ $Companyname$",
         "$productname$ $PRODUCTNAME$ $Companyname$", 0},
        {"incomplete token", "$ProductName", "$ProductName", 0},
        {"among double-byte text", "\x82\xA0$ProductName$\x82\xA0", "\x82\xA0Testora\x82\xA0", 1},
        {"empty text", "", "", 0},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        TutString text(row.text);
        EXPECT_EQ(row.found, text.expandEmbeddedMacros());
        EXPECT_EQ(row.expected, textOf(text));
    }
}

TEST_F(TutStringResourceTest, InsertedTextIsNotSearchedAgain)
{
    struct Row {
        char const *name;
        char const *productName;
        char const *text;
        char const *expected;
    } const rows[] = {
        {"name holding its token", "[$ProductName$]", "a $ProductName$ b $ProductName$",
         "a [$ProductName$] b [$ProductName$]"},
        {"name that completes a token with the text after it", "$Product", "$ProductName$Name$",
         "$ProductName$"},
    };
    for (Row const &row : rows) {
        SCOPED_TRACE(row.name);
        strings_.set(kProductNameId, row.productName);
        TutString text(row.text);
        EXPECT_EQ(1, text.expandEmbeddedMacros());
        EXPECT_EQ(row.expected, textOf(text));
    }
}

// The company name comes from the current resource module only, never from the chain.
TEST_F(TutStringResourceTest, CompanyNameMissingFromTheCurrentModuleIsEmpty)
{
    AfxSetResourceHandle(utLibraryInstance());
    CString chained;
    ASSERT_TRUE(chained.LoadString(kCompanyNameId)) << "no module of the chain holds the name";
    ASSERT_FALSE(chained.IsEmpty());

    TutString text("<$CompanyName$>");
    EXPECT_EQ(1, text.expandEmbeddedMacros());
    EXPECT_EQ("<>", textOf(text));
}

}  // namespace
