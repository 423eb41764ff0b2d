// Private profiles read byte for byte as Windows reads them: line ends, empty names, comments as
// keys, the default text, list terminators, UTF-16 files, integers from lists, which file a name
// means, and files that cannot be read.
#include <filesystem>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "vkshost.h"
#include "vkstest.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr char kUntouched = '\x7f';

// Pins the ANSI code page for the test's lifetime.
class ScopedCodePage {
public:
    explicit ScopedCodePage(UINT codePage) : previous_(GetACP()) { VksHostSetCodePage(codePage); }
    ~ScopedCodePage() { VksHostSetCodePage(previous_); }

private:
    UINT previous_;
};

// A profile named without a path, in the Windows directory of a private drive C.
class ProfileRules : public ::testing::Test {
protected:
    void writeIni(const std::string &bytes) { drive.write("WINDOWS\\test.ini", bytes); }
    std::string iniBytes() const { return drive.read("WINDOWS\\test.ini"); }

    vkstest::ScopedDriveC drive;
    ScopedCodePage codePage{932};
};

// UTF-16 little-endian bytes (with no mark) of ASCII text.
std::string utf16le(const std::string &ascii)
{
    std::string out;
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

std::string utf16be(const std::string &ascii)
{
    std::string out;
    for (char c : ascii) {
        out += '\0';
        out += c;
    }
    return out;
}

const std::string kCrOnly =
    "[section1]\rname1=val1\rname2=\"val2\"\rname3\rname4=a\r[section2]\r";
const std::string kEmptyNames =
    "\r\nkey=val_no_section\r\n[]\r\nkey=val_e_section\r\n[s]\r\n=val_no_key\r\n[t]\r\n";
const std::string kComments = "[s]\r\n;k=hidden\r\n; spaced = x\r\nk2=w\r\n";
const std::string kQuoted = "[s]\r\nq=\"val2\"\r\nk=val1\r\n";
// "[s]", then k=<HIRAGANA A><THAI KO KAI>: the first has a code page 932 form, the second none.
const std::string kUtf16Le = "\xFF\xFE" + utf16le("[s]\r\nk=") + "\x42\x30\x01\x0E"s +
                             utf16le("\r\nn=1\r\n");
const std::string kUtf16Be = "\xFE\xFF" + utf16be("[s]\r\nk=") + "\x30\x42\x0E\x01"s +
                             utf16be("\r\nn=1\r\n");

TEST_F(ProfileRules, StringReadsFillTheBufferAsWindowsDoes)
{
    struct Row {
        const char *name;
        std::string file;  // empty: no file
        const char *section;
        const char *key;
        const char *def;
        DWORD size;
        DWORD returned;
        std::string buffer;  // the bytes written, terminators included; the next one is untouched
    } rows[] = {
        {"CR-only lines: a value", kCrOnly, "section1", "name1", "default", 100, 4, "val1\0"s},
        {"CR-only lines: a quoted value", kCrOnly, "section1", "name2", "default", 100, 4,
         "val2\0"s},
        {"CR-only lines: the section list", kCrOnly, nullptr, "name1", "default", 100, 18,
         "section1\0section2\0\0"s},
        {"CR-only lines: the key list", kCrOnly, "section1", nullptr, "default", 100, 18,
         "name1\0name2\0name4\0\0"s},
        {"section list cut", kCrOnly, nullptr, nullptr, "default", 16, 14,
         "section1\0secti\0\0"s},
        {"key list cut", kCrOnly, "section1", nullptr, "default", 16, 14,
         "name1\0name2\0na\0\0"s},
        {"value cut to size - 1", kCrOnly, "section1", "name1", "default", 4, 3, "val\0"s},
        {"one byte holds only the NUL", kCrOnly, "section1", "name4", "default", 1, 0, "\0"s},
        {"empty section name reads the [] section, not the lines before it", kEmptyNames, "",
         "key", "default", 100, 13, "val_e_section\0"s},
        {"empty key name reads '=value'", kEmptyNames, "s", "", "default", 100, 10,
         "val_no_key\0"s},
        {"the section list shows [] as an empty name", kEmptyNames, nullptr, nullptr, "default",
         100, 5, "\0s\0t\0\0"s},
        {"the key list leaves an empty name out", kEmptyNames, "s", nullptr, "default", 100, 0,
         "\0"s},
        {"a key named like a comment is found", kComments, "s", ";k", "default", 100, 6,
         "hidden\0"s},
        {"blanks around a comment-like name are dropped", kComments, "s", "; spaced", "default",
         100, 1, "x\0"s},
        {"the key list leaves comments out", kComments, "s", nullptr, "default", 100, 3,
         "k2\0\0"s},
        {"default: trailing spaces dropped", kComments, "s", "absent", "one two  ", 100, 7,
         "one two\0"s},
        {"default: trailing tab kept", kComments, "s", "absent", "def\t", 100, 4, "def\t\0"s},
        {"default: quotes removed", kComments, "s", "absent", "\"quoted\"  ", 100, 6,
         "quoted\0"s},
        {"default: single quotes removed", kComments, "s", "absent", "'x y'", 100, 3, "x y\0"s},
        {"default: an unbalanced quote kept", kComments, "s", "absent", "\"open", 100, 5,
         "\"open\0"s},
        {"default cut to size - 1", kComments, "s", "absent", "default", 4, 3, "def\0"s},
        {"null key, absent section: the default with one NUL", kComments, "nosuch", nullptr,
         "default", 100, 7, "default\0"s},
        {"null section, no file: an empty list, not the default", "", nullptr, nullptr, "default",
         100, 0, "\0"s},
        {"null section with a key, no file: an empty list", "", nullptr, "k", "default", 100, 0,
         "\0"s},
        {"null key, no file: the default with one NUL", "", "s", nullptr, "default", 100, 7,
         "default\0"s},
        // Like Windows, a quoted value is cut before its quotes come off: the opening quote
        // takes a place in the buffer, and a cut closing quote is simply not there to drop.
        {"quoted value cut by a small buffer", kQuoted, "s", "q", "default", 4, 2, "va\0"s},
        {"quoted value whose text alone would just fit", kQuoted, "s", "q", "default", 5, 3,
         "val\0"s},
        {"quoted value cut right before its closing quote", kQuoted, "s", "q", "default", 6, 4,
         "val2\0"s},
        {"UTF-16LE: a value in the code page, '?' for no mapping", kUtf16Le, "s", "k", "default",
         100, 3, "\x82\xA0?\0"s},
        {"UTF-16LE: the key list", kUtf16Le, "S", nullptr, "default", 100, 4, "k\0n\0\0"s},
        {"UTF-16BE: a value", kUtf16Be, "s", "k", "default", 100, 3, "\x82\xA0?\0"s},
        {"UTF-16BE: the section list", kUtf16Be, nullptr, nullptr, "default", 100, 2,
         "s\0\0"s},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(drive.host("WINDOWS\\test.ini"));
        if (!row.file.empty())
            writeIni(row.file);
        std::string buffer(128, kUntouched);
        EXPECT_EQ(row.returned, GetPrivateProfileStringA(row.section, row.key, row.def,
                                                         buffer.data(), row.size, "test.ini"));
        EXPECT_EQ(row.buffer + kUntouched, buffer.substr(0, row.buffer.size() + 1));
    }
}

TEST_F(ProfileRules, IntegersComeFromTheValueOrTheFirstNameOfAList)
{
    struct Row {
        const char *name;
        std::string file;  // empty: no file
        const char *section;
        const char *key;
        INT def;
        UINT expected;
    } rows[] = {
        {"no file, null section", "", nullptr, nullptr, -1, 0xFFFFFFFFu},
        {"no file, null key", "", "Test", nullptr, 1, 1},
        {"null section: the first section name is no number", "[Test]\r\nProfileInt=5\r\n",
         nullptr, nullptr, -1, 0},
        {"null key: the first key name is no number", "[Test]\r\nProfileInt=5\r\n", "Test",
         nullptr, -1, 0},
        {"null section: a numeric first section name", "[12ab]\r\n[7]\r\n", nullptr, "k", -1, 12},
        {"null key: a numeric first key name", "[Test]\r\n42=x\r\n", "Test", nullptr, -1, 42},
        {"a section without keys gives the default", "[Test]\r\n", "Test", nullptr, 9, 9},
        {"CR-only lines", "[Test]\rProfileInt=5\r", "Test", "ProfileInt", -1, 5},
        {"an empty key name", "[Test]\r\n=77\r\n", "Test", "", -1, 77},
        {"UTF-16", "\xFF\xFE" + utf16le("[Test]\r\nProfileInt=31\r\n"), "test", "profileint", -1,
         31},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(drive.host("WINDOWS\\test.ini"));
        if (!row.file.empty())
            writeIni(row.file);
        EXPECT_EQ(row.expected,
                  GetPrivateProfileIntA(row.section, row.key, row.def, "test.ini"));
    }
}

TEST_F(ProfileRules, IntegersConvertThirtyCharactersAsWindowsDoes)
{
    // The conversion's rules are those recorded for RtlCharToInteger with base 0: one sign,
    // then "0x", "0o" or "0b" in lower case, digits up to the first other character, modulo
    // 2^32. Only the first 29 characters of a value are read.
    const std::string zeros28(28, '0');
    struct Row {
        const char *name;
        std::string stored;
        UINT expected;
    } rows[] = {
        {"binary", "0b101", 5},
        {"octal", "0o17", 15},
        {"hexadecimal", "0x1f", 31},
        {"an upper-case X is no prefix", "0X1f", 0},
        {"an upper-case B is no prefix", "0B1", 0},
        {"the sign applies after the prefix", "-0x10", 0xFFFFFFF0u},
        {"a plus sign before the prefix", "+0b11", 3},
        {"binary stops at a 2", "0b1012", 5},
        {"octal stops at an 8", "0o778", 63},
        {"hexadecimal stops at a g", "0xabcdefgh", 0xABCDEFu},
        {"a prefix without digits", "0x", 0},
        {"a second zero before the x", "00x12", 0},
        {"an x after a digit ends the number", "1x34", 1},
        {"control characters before the number are skipped", "\x01\x1f" "42", 42},
        {"29 characters are read", zeros28 + "7", 7},
        {"the 30th character is not", "0" + zeros28 + "7", 0},
        {"quotes are cut with the value", "\"" + zeros28 + "7\"", 0},
        {"a quoted value within the 29", "\"" + zeros28.substr(1) + "7\"", 7},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeIni("[s]\r\nk=" + row.stored + "\r\n");
        EXPECT_EQ(row.expected, GetPrivateProfileIntA("s", "k", 99, "test.ini"));
    }
}

TEST_F(ProfileRules, NullKeysAndNullSectionsAsWindowsAnswersThem)
{
    struct Row {
        const char *name;
        std::string file;
        const char *section;
        DWORD size;
        DWORD returned;
        std::string buffer;
    } rows[] = {
        {"keys before the first section are no section of their own",
         "k=1\r\n=2\r\n[s]\r\nk=3\r\n", nullptr, 100, 2, "s\0\0"s},
        {"a file of keys and no section lists none", "k=1\r\n", nullptr, 100, 0, "\0"s},
        {"a null key on a section without keys gives the default", "[s]\r\n[t]\r\nk=1\r\n",
         "s", 100, 7, "default\0"s},
        {"comments are no keys", "[s]\r\n;k=1\r\n", "s", 100, 7, "default\0"s},
        {"the default is cut as any text", "[s]\r\n", "s", 4, 3, "def\0"s},
        {"a line without '=' is no key", "[s]\r\nword\r\n", "s", 100, 7, "default\0"s},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeIni(row.file);
        std::string buffer(128, kUntouched);
        EXPECT_EQ(row.returned, GetPrivateProfileStringA(row.section, nullptr, "default",
                                                         buffer.data(), row.size, "test.ini"));
        EXPECT_EQ(row.buffer + kUntouched, buffer.substr(0, row.buffer.size() + 1));
    }
    writeIni("5=x\r\n[7]\r\n");
    EXPECT_EQ(7u, GetPrivateProfileIntA(nullptr, nullptr, 9, "test.ini"));
    writeIni("[s]\r\n");
    EXPECT_EQ(9u, GetPrivateProfileIntA("s", nullptr, 9, "test.ini"));
}

TEST_F(ProfileRules, QuotedValuesAreCutBeforeTheirQuotesComeOff)
{
    writeIni("[s]\r\nd=\"double\"\r\ns=  'single'  \r\n");
    struct Row {
        const char *key;
        DWORD size;
        DWORD returned;
        std::string buffer;
    } rows[] = {
        {"d", 7, 5, "doubl\0"s},
        {"d", 8, 6, "double\0"s},
        {"d", 9, 6, "double\0"s},
        {"d", 2, 0, "\0"s},
        {"s", 7, 5, "singl\0"s},
        {"s", 100, 6, "single\0"s},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.key) + " into " + std::to_string(row.size));
        std::string buffer(128, kUntouched);
        EXPECT_EQ(row.returned, GetPrivateProfileStringA("s", row.key, "default", buffer.data(),
                                                         row.size, "test.ini"));
        EXPECT_EQ(row.buffer + kUntouched, buffer.substr(0, row.buffer.size() + 1));
    }
}

TEST_F(ProfileRules, IntegerOfAllNullReadsTheFirstSectionOfWinIni)
{
    EXPECT_EQ(70u, GetPrivateProfileIntA(nullptr, nullptr, 70, nullptr)) << "no win.ini yet";
    drive.write("WINDOWS\\win.ini", "[windows]\r\nload=\r\n[intl]\r\niCountry=81\r\n");
    EXPECT_EQ(0u, GetPrivateProfileIntA(nullptr, nullptr, 70, nullptr));
    EXPECT_EQ(81u, GetProfileIntA("intl", "iCountry", 0));
}

TEST_F(ProfileRules, UtfSixteenFilesKeepTheirEncodingAndUntouchedLines)
{
    struct Row {
        const char *name;
        std::string before;
        const char *section;
        const char *key;
        const char *value;
        std::string after;
    } rows[] = {
        {"LE: a value changed, the unmapped character on another line kept",
         "\xFF\xFE" + utf16le("[s]\r\nk=old\r\nt=") + "\x01\x0E"s + utf16le("\r\n"), "s", "k",
         "\x82\xA0",
         "\xFF\xFE" + utf16le("[s]\r\nk=") + "\x42\x30"s + utf16le("\r\nt=") + "\x01\x0E"s +
             utf16le("\r\n")},
        {"LE: a new key after the last key", "\xFF\xFE" + utf16le("[s]\r\na=1\r\n[t]\r\n"), "s",
         "b", "2", "\xFF\xFE" + utf16le("[s]\r\na=1\r\nb=2\r\n[t]\r\n")},
        {"LE: a new section at the end", "\xFF\xFE" + utf16le("[s]\r\na=1"), "new", "k", "v",
         "\xFF\xFE" + utf16le("[s]\r\na=1\r\n[new]\r\nk=v\r\n")},
        {"LE: a key deleted", "\xFF\xFE" + utf16le("[s]\r\na=1\r\nb=2\r\n"), "s", "a", nullptr,
         "\xFF\xFE" + utf16le("[s]\r\nb=2\r\n")},
        {"LE: only the mark", "\xFF\xFE"s, "s", "k", "v", "\xFF\xFE" + utf16le("[s]\r\nk=v\r\n")},
        {"BE: a value changed", "\xFE\xFF" + utf16be("[s]\r\nk=old\r\n"), "s", "k", "\x82\xA0",
         "\xFE\xFF" + utf16be("[s]\r\nk=") + "\x30\x42"s + utf16be("\r\n")},
        {"LE: an odd last byte stays", "\xFF\xFE" + utf16le("[s]\r\nk=1\r\n") + "x", "s", "k", "2",
         "\xFF\xFE" + utf16le("[s]\r\nk=2\r\n") + "x"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeIni(row.before);
        SetLastError(0xdeadbeef);
        EXPECT_TRUE(WritePrivateProfileStringA(row.section, row.key, row.value, "test.ini"));
        EXPECT_EQ(row.after, iniBytes());
    }
}

TEST_F(ProfileRules, UtfSixteenFilesRefuseTextThatWouldNotReadBack)
{
    // 0xFF and a lead byte without its trail byte are no characters of code page 932: written
    // to a UTF-16 file they would read back as '?'.
    const struct {
        const char *name;
        const char *section, *key, *value;
    } rows[] = {
        {"a value", "s", "k", "a\xFF"},
        {"a key name", "s", "k\xFF", "v"},
        {"a section name", "s\x82", "k", "v"},
    };
    const std::string before = "\xFF\xFE" + utf16le("[s]\r\nk=old\r\n");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeIni(before);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(WritePrivateProfileStringA(row.section, row.key, row.value, "test.ini"));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_EQ(before, iniBytes());
    }
    // The same text goes into an ANSI file as it stands.
    writeIni("[s]\r\nk=old\r\n");
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "a\xFF", "test.ini"));
    EXPECT_EQ("[s]\r\nk=a\xFF\r\n", iniBytes());
}

TEST_F(ProfileRules, WritesKeepBytesBeforeTheFirstSectionAndTheFileLineEnds)
{
    struct Row {
        const char *name;
        std::string before;
        std::string after;
    } rows[] = {
        {"NULs before the first section", "Data \0 before \0 first \0 section"s,
         "Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n"s},
        {"CR-only lines", "[section1]\rname=1\r", "[section1]\rname=1\rkey1=string1\r"},
        {"LF-only lines", "[other]\nname=1\n", "[other]\nname=1\n[section1]\nkey1=string1\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeIni(row.before);
        SetLastError(0xdeadbeef);
        EXPECT_TRUE(WritePrivateProfileStringA("section1", "key1", "string1", "test.ini"));
        EXPECT_EQ(row.after, iniBytes());
    }
}

TEST_F(ProfileRules, DeletingFromAMissingFileCreatesItEmpty)
{
    struct Row {
        const char *name;
        const char *key;
    } rows[] = {{"a key", "k"}, {"a section", nullptr}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(drive.host("WINDOWS\\test.ini"));
        SetLastError(0xdeadbeef);
        EXPECT_TRUE(WritePrivateProfileStringA("s", row.key, nullptr, "test.ini"));
        ASSERT_TRUE(fs::is_regular_file(drive.host("WINDOWS\\test.ini")));
        EXPECT_EQ("", iniBytes());
    }
}

// Moves the process into a folder of the drive for the test's lifetime.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const fs::path &folder) : previous_(fs::current_path())
    {
        fs::current_path(folder);
    }
    ~ScopedCurrentFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

TEST_F(ProfileRules, OnlyABareNameLivesInTheWindowsDirectory)
{
    fs::create_directories(drive.host("work\\here"));
    ScopedCurrentFolder inWork(drive.host("work\\here"));
    struct Row {
        const char *name;
        const char *file;
        const char *written;  // where the file lands, under drive C
    } rows[] = {
        {"a bare name", "rule.ini", "WINDOWS\\rule.ini"},
        {"dot backslash", ".\\rule.ini", "work\\here\\rule.ini"},
        {"dot slash", "./dot.ini", "work\\here\\dot.ini"},
        {"dot dot backslash", "..\\rule.ini", "work\\rule.ini"},
        {"a relative folder", "sub\\rule.ini", "work\\here\\sub\\rule.ini"},
        {"a drive", "C:\\WINDOWS\\drive.ini", "WINDOWS\\drive.ini"},
        {"a root without a drive", "\\rooted.ini", "rooted.ini"},
    };
    fs::create_directories(drive.host("work\\here\\sub"));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        ASSERT_TRUE(WritePrivateProfileStringA("s", "k", row.written, row.file));
        EXPECT_EQ("[s]\r\nk="s + row.written + "\r\n", drive.read(row.written));
        char buffer[64];
        EXPECT_EQ(std::string(row.written).size(),
                  GetPrivateProfileStringA("s", "k", "", buffer, sizeof buffer, row.file));
    }
}

TEST_F(ProfileRules, AnEmptyFileNameIsRefused)
{
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", ""));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    char buffer[16];
    EXPECT_EQ(7u, GetPrivateProfileStringA("s", "k", "default", buffer, sizeof buffer, ""));
    EXPECT_STREQ("default", buffer);
}

TEST_F(ProfileRules, AFileThatCannotBeOpenedSaysAccessDenied)
{
    fs::create_directories(drive.host("WINDOWS\\folder.ini"));
    struct Row {
        const char *name;
        const char *file;
        DWORD error;
    } rows[] = {
        {"a folder in the file's place", "folder.ini", ERROR_ACCESS_DENIED},
        {"a missing file", "absent.ini", ERROR_FILE_NOT_FOUND},
        {"a file in a missing folder", "C:\\nowhere\\absent.ini", ERROR_FILE_NOT_FOUND},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[16];
        SetLastError(0xdeadbeef);
        EXPECT_EQ(3u, GetPrivateProfileStringA("s", "k", "def", buffer, sizeof buffer, row.file));
        EXPECT_EQ(row.error, GetLastError());
        SetLastError(0xdeadbeef);
        EXPECT_EQ(4u, GetPrivateProfileIntA("s", "k", 4, row.file));
        EXPECT_EQ(row.error, GetLastError());
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0u, GetPrivateProfileStringA("s", nullptr, "", buffer, sizeof buffer, row.file));
        EXPECT_EQ(row.error, GetLastError());
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0u, GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer,
                                               row.file));
        EXPECT_EQ(row.error, GetLastError());
    }
}

TEST_F(ProfileRules, AFileWithoutReadPermissionSaysAccessDenied)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads a file whatever its mode; the folder case above shows the "
                        "same error";
    drive.write("WINDOWS\\locked.ini", "[s]\r\nk=1\r\n");
    fs::permissions(drive.host("WINDOWS\\locked.ini"), fs::perms::none);
    char buffer[16];
    SetLastError(0xdeadbeef);
    EXPECT_EQ(3u, GetPrivateProfileStringA("s", "k", "def", buffer, sizeof buffer, "locked.ini"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    fs::permissions(drive.host("WINDOWS\\locked.ini"), fs::perms::owner_all);
}

TEST_F(ProfileRules, AProfileTooLargeToHoldIsRefusedBeforeItIsRead)
{
    // Sparse files: they take no room on disk, and nothing of them may be read into memory.
    struct Row {
        const char *name;
        std::uintmax_t size;
    } rows[] = {
        {"2 GB", std::uintmax_t(2) << 30},
        {"one byte past 128 MiB", (std::uintmax_t(128) << 20) + 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeIni("[s]\r\nk=1\r\n");
        fs::resize_file(drive.host("WINDOWS\\test.ini"), row.size);
        char buffer[16];
        SetLastError(0xdeadbeef);
        EXPECT_EQ(3u, GetPrivateProfileStringA("s", "k", "def", buffer, sizeof buffer, "test.ini"));
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0u, GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer,
                                               "test.ini"));
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
        EXPECT_EQ(4u, GetPrivateProfileIntA("s", "k", 4, "test.ini"));
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "2", "test.ini"));
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
        EXPECT_EQ(row.size, fs::file_size(drive.host("WINDOWS\\test.ini")));
    }
    writeIni("[s]\r\nk=1\r\n");
    EXPECT_EQ(1u, GetPrivateProfileIntA("s", "k", 4, "test.ini")) << "a file cut back is read";
}

// A drive C that is an empty folder.
class EmptyDriveC : public ::testing::Test {
protected:
    EmptyDriveC() { fs::remove_all(drive.root() / "WINDOWS"); }

    vkstest::ScopedDriveC drive;
};

TEST_F(EmptyDriveC, WindowsFoldersAreMadeOnFirstWriteOnly)
{
    char buffer[16];
    EXPECT_EQ(3u, GetProfileStringA("intl", "sDate", "def", buffer, sizeof buffer));
    EXPECT_TRUE(fs::is_empty(drive.root())) << "reading writes nothing";

    SetLastError(0xdeadbeef);
    EXPECT_TRUE(WritePrivateProfileStringA("intl", "sDate", "/", "win.ini"));
    EXPECT_TRUE(fs::is_directory(drive.root() / "WINDOWS" / "SYSTEM"));
    EXPECT_EQ("[intl]\r\nsDate=/\r\n", drive.read("WINDOWS\\win.ini"));
}

TEST_F(EmptyDriveC, ExistingWindowsFoldersAreUsedWhateverTheirCase)
{
    fs::create_directories(drive.root() / "windows" / "system");
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "v", "win.ini"));
    EXPECT_EQ(std::vector<fs::path>{drive.root() / "windows"},
              std::vector<fs::path>(fs::directory_iterator(drive.root()), {}));
    EXPECT_TRUE(fs::is_regular_file(drive.root() / "windows" / "win.ini"));
}

}  // namespace
