#include "files/file_filter.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

// The compiled form with the marker shown as '|', so table rows stay readable.
std::string compiledOf(const TutFileFilter &filter)
{
    std::string text = filter.string();
    for (char &c : text)
        if (c == '"')
            c = '|';
    return text;
}

TutFileFilter nameFilter(const char *pattern)
{
    return TutFileFilter(pattern, 0, TutDate(), TutDate(), 1, 1);
}

TEST(TutFileFilter, CompilesPatternTexts)
{
    const struct {
        const char *name;
        const char *text;
        const char *compiled;
    } kTexts[] = {
        {"blank after semicolon", "*.txt; *.doc", "*.TXT|*.DOC|"},
        {"extensions only", ".txt,.doc", "*.TXT|*.DOC|"},
        {"asterisk runs", "a**b", "A*B|"},
        {"all files", "*.*", "|"},
        {"all files with blanks", "  *.*  ", "|"},
        {"all files with two asterisks", "**.*", "|"},
        {"all files and more", "*.*;*.txt", "*.*|*.TXT|"},
        {"separators only", " ;, ;", "|"},
        {"quoted name with blanks", "\"my file.txt\"", "MY FILE.TXT|"},
        {"quoted leading and trailing blanks", "\"  my file.txt  \"", "  MY FILE.TXT|"},
        {"quoted run joins its neighbours", "x\"y z\"w", "XY ZW|"},
        {"quoted asterisks kept", "\"a**b;c\"", "A**B;C|"},
        {"unclosed quote", "\"a; b", "A; B|"},
        {"trailing tab", "a\t;b", "A|B|"},
        {"white space only in quotes", "\"\t \"", "|"},
        {"name with an extension", "README.*", "README.*|"},
        {"single characters", "?.c", "?.C|"},
        // 0x83 0x61 is one double-byte character whose trail byte is the code of 'a'.
        {"double-byte character", "\x83\x61.txt", "\x83\x61.TXT|"},
    };
    for (const auto &row : kTexts) {
        SCOPED_TRACE(row.name);
        const TutFileFilter filter = nameFilter(row.text);
        EXPECT_EQ(row.compiled, compiledOf(filter));
        EXPECT_STREQ(row.text, filter.userString());
        EXPECT_EQ(static_cast<int>(std::strlen(row.compiled)), filter.isOn());
    }
}

TEST(TutFileFilter, AnEmptyTextSetsNoPattern)
{
    for (const char *text : {static_cast<const char *>(nullptr), ""}) {
        SCOPED_TRACE(text ? "empty" : "null");
        TutFileFilter filter = nameFilter("*.txt");
        filter.setFilter(text, 0, TutDate(), TutDate(), 1, 1);
        EXPECT_STREQ("", filter.string());
        EXPECT_STREQ("", filter.userString());
        EXPECT_EQ(0, filter.isOn());
        EXPECT_EQ(1, filter.match("anything.at.all"));
    }
}

TEST(TutFileFilter, MatchesNames)
{
    const struct {
        const char *pattern;
        const char *fileName;
        int expected;
    } kNames[] = {
        {"*.TXT", "readme.txt", 1},
        {"*.TXT", "ReadMe.Txt", 1},
        {"*.TXT", "readmextxt", 0},
        {"?.c", "a.c", 1},
        {"?.c", "ab.c", 0},
        {"?.c", ".c", 0},
        {"README", "readme", 1},
        {"README", "readme.txt", 0},
        {"README.*", "README", 1},
        {"README.*", "readme.txt", 1},
        {"README.*", "READMEX", 0},
        {"*.txt; *.doc", "letter.doc", 1},
        {"*.txt; *.doc", "sheet.xls", 0},
        {"*.txt", "notes.txt   ", 1},
        {"README", "readme \t", 1},
        {"*.*", "no extension", 1},
        {"*.*", "", 1},
        {" ;, ", "x", 1},
        {"\"my file.txt\"", "My File.TXT", 1},
        {"\"my file.txt\"", "myfile.txt", 0},
        {"a**b", "ab", 1},
        {"a**b", "axxb", 1},
        {"a**b", "abc", 0},
        {"*a*b", "xaxb", 1},
        {"*a*b", "xbxa", 0},
        {"*", "", 1},
        {"a?", "a", 0},
        {"\x83\x61*", "\x83\x61.doc", 1},
        {"\x83\x61*", "\x83\x41.doc", 0},
    };
    for (const auto &row : kNames) {
        SCOPED_TRACE(std::string(row.pattern) + " / " + row.fileName);
        EXPECT_EQ(row.expected, nameFilter(row.pattern).match(row.fileName));
    }
}

TEST(TutFileFilter, AnswersManyAsterisksAtOnce)
{
    // Trying every position for every asterisk would take about 250^12 steps here.
    const std::string name(250, 'a');
    const TutFileFilter filter = nameFilter("*a*a*a*a*a*a*a*a*a*a*a*a*b");
    EXPECT_EQ(0, filter.match(name.c_str()));
    EXPECT_EQ(1, filter.match((name + "b").c_str()));
}

TEST(TutFileFilter, TestsDatesInAWindow)
{
    const TutDate start(2001, 3, 1, 12, 0, 0, 0);
    const TutDate before(2001, 3, 1, 11, 59, 59, 999);
    const TutDate later(2090, 1, 1, 0, 0, 0, 0);
    const TutDate end(2001, 6, 30, 0, 0, 0, 0);
    const TutDate afterEnd(2001, 6, 30, 0, 0, 0, 1);

    const struct {
        const char *name;
        TutDate end;
        int ignoreDate;
        TutDate date;
        int expected;
    } kDates[] = {
        {"no end: before the start", TutDate(), 0, before, 0},
        {"no end: the start itself", TutDate(), 0, start, 1},
        {"no end: far later", TutDate(), 0, later, 1},
        {"no end: the largest date", TutDate(), 0, TutDate::Max(), 1},
        {"end: the end itself", end, 0, end, 1},
        {"end: just after it", end, 0, afterEnd, 0},
        {"end: before the start", end, 0, before, 0},
        {"ignored: before the start", end, 1, before, 1},
    };
    for (const auto &row : kDates) {
        SCOPED_TRACE(row.name);
        const TutFileFilter filter("*.*", 0, start, row.end, 1, row.ignoreDate);
        EXPECT_EQ(row.expected, filter.match(row.date));
    }
}

TEST(TutFileFilter, TestsAttributes)
{
    const struct {
        const char *name;
        DWORD attributes;
        int showHidden;
        int includeSubdirs;
        int expected;
    } kAttributes[] = {
        {"plain file", FILE_ATTRIBUTE_ARCHIVE, 0, 0, 1},
        {"hidden, not shown", FILE_ATTRIBUTE_HIDDEN, 0, 1, 0},
        {"system, not shown", FILE_ATTRIBUTE_SYSTEM, 0, 1, 0},
        {"hidden, shown", FILE_ATTRIBUTE_HIDDEN, 1, 1, 1},
        {"directory, excluded", FILE_ATTRIBUTE_DIRECTORY, 1, 0, 0},
        {"directory, included", FILE_ATTRIBUTE_DIRECTORY, 0, 1, 1},
        {"hidden directory, not shown", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN, 0, 1,
         0},
    };
    for (const auto &row : kAttributes) {
        SCOPED_TRACE(row.name);
        const TutFileFilter filter("*.*", row.showHidden, TutDate(), TutDate(),
                                   row.includeSubdirs, 1);
        EXPECT_EQ(row.expected, filter.match(row.attributes));
    }
}

// A filter for *.txt files created in 2001 or later, without hidden files or directories.
class DirectoryEntryTest : public ::testing::Test {
protected:
    DirectoryEntryTest() : filter("*.txt", 0, TutDate(2001, 1, 1, 0, 0, 0, 0), TutDate(), 0, 0)
    {
        setEntry("notes.txt", FILE_ATTRIBUTE_ARCHIVE, TutDate(2002, 5, 1, 0, 0, 0, 0));
    }
    void setEntry(const char *name, DWORD attributes, TutDate created)
    {
        entry = WIN32_FIND_DATAA{};
        std::strncpy(entry.cFileName, name, sizeof entry.cFileName - 1);
        entry.dwFileAttributes = attributes;
        entry.ftCreationTime = created;
        // Other file times must play no part.
        entry.ftLastWriteTime = TutDate(1990, 1, 1, 0, 0, 0, 0);
    }

    TutFileFilter filter;
    WIN32_FIND_DATAA entry;
};

TEST_F(DirectoryEntryTest, PassesAFileThatPassesEveryTest)
{
    EXPECT_EQ(1, filter.match(entry));
}

TEST_F(DirectoryEntryTest, FailsAFileThatFailsAnyTest)
{
    const struct {
        const char *name;
        const char *fileName;
        DWORD attributes;
        TutDate created;
    } kEntries[] = {
        {"hidden", "notes.txt", FILE_ATTRIBUTE_HIDDEN, TutDate(2002, 5, 1, 0, 0, 0, 0)},
        {"created too early", "notes.txt", 0, TutDate(2000, 12, 31, 23, 59, 59, 0)},
        {"name", "notes.doc", 0, TutDate(2002, 5, 1, 0, 0, 0, 0)},
    };
    for (const auto &row : kEntries) {
        SCOPED_TRACE(row.name);
        setEntry(row.fileName, row.attributes, row.created);
        EXPECT_EQ(0, filter.match(entry));
    }
}

TEST_F(DirectoryEntryTest, PassesADirectoryWhateverItsNameAndDate)
{
    setEntry("sources", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN, TutDate());
    EXPECT_EQ(1, filter.match(entry));
    EXPECT_EQ(0, filter.match(entry.dwFileAttributes));
}

TEST_F(DirectoryEntryTest, ReadsNoFurtherThanTheNameField)
{
    std::memset(entry.cFileName, 'x', sizeof entry.cFileName);
    entry.dwFileAttributes = 0;
    filter.setFilter("x*", 0, TutDate(), TutDate(), 0, 1);
    EXPECT_EQ(1, filter.match(entry));
    filter.setFilter("*y", 0, TutDate(), TutDate(), 0, 1);
    EXPECT_EQ(0, filter.match(entry));
}

TEST(TutFileFilter, StartsEmptyAndClearsToItsDefaults)
{
    TutFileFilter filter;
    EXPECT_STREQ("", filter.string());
    EXPECT_EQ(0, filter.showHidden());
    EXPECT_EQ(1, filter.includeSubdirs());
    EXPECT_EQ(1, filter.ignoreDate());
    EXPECT_TRUE(filter.startDate() == TutDate());
    EXPECT_EQ(1, filter.isValid());
    EXPECT_STREQ("*.*", TutFileFilter::m_DefaultPattern);

    const TutDate start(2001, 1, 1, 0, 0, 0, 0);
    const TutDate end(2002, 1, 1, 0, 0, 0, 0);
    filter.setFilter("*.txt", 1, start, end, 0, 1);
    const TutFileFilter copy(filter);
    filter.clear();
    EXPECT_STREQ("", filter.string());
    EXPECT_STREQ("*.txt", filter.userString());
    EXPECT_EQ(0, filter.showHidden());
    EXPECT_EQ(1, filter.includeSubdirs());
    EXPECT_EQ(0, filter.ignoreDate());
    EXPECT_TRUE(filter.endDate() == TutDate());

    EXPECT_STREQ("*.TXT\"", copy.string());
    EXPECT_EQ(1, copy.showHidden());
    EXPECT_TRUE(copy.startDate() == start);
    EXPECT_TRUE(copy.endDate() == end);
    EXPECT_EQ(0, copy.includeSubdirs());
    EXPECT_EQ(1, copy.ignoreDate());

    filter = copy;
    EXPECT_STREQ("*.TXT\"", filter.string());
    EXPECT_EQ(1, filter.showHidden());
}

}  // namespace
