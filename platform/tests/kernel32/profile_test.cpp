// Reading private profiles: values, key and section lists, integers, truncation and bad files.
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "windows.h"

namespace {

// A profile in the Windows directory, named without a path as the library names its files.
class ProfileRead : public ::testing::Test {
protected:
    void writeIni(const std::string &bytes) { drive.write("WINDOWS\\test.ini", bytes); }

    std::string readString(const char *section, const char *key, const char *def,
                           DWORD size = 256, DWORD *returned = nullptr)
    {
        std::string buffer(size, '\x7f');
        DWORD count = GetPrivateProfileStringA(section, key, def, buffer.data(), size, "test.ini");
        if (returned)
            *returned = count;
        return buffer.substr(0, count);
    }

    // The buffer as a list: the names up to the first empty one.
    std::vector<std::string> readList(const char *section, DWORD size = 4096,
                                      DWORD *returned = nullptr)
    {
        std::string buffer(size, '\x7f');
        DWORD count = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), size,
                                               "test.ini");
        if (returned)
            *returned = count;
        std::vector<std::string> names;
        for (size_t pos = 0; pos < buffer.size() && buffer[pos] != '\0';) {
            names.emplace_back(buffer.c_str() + pos);
            pos += names.back().size() + 1;
        }
        return names;
    }

    vkstest::ScopedDriveC drive;
};

const char kSample[] =
    "[Section1]\r\n"
    "name1=val1\r\n"
    "name2=\r\n"
    "  name3  =  spaced value  \r\n"
    "quoted=\"in quotes\"\r\n"
    "single='single'\r\n"
    "unbalanced=\"open\r\n"
    "mismatched=\"a'\r\n"
    "emptyquotes=\"\"\r\n"
    "; comment=not a key\r\n"
    "noequals\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "inner=a \"b\" c\r\n"
    "tabs=\tx\t\r\n"
    "[section2]\r\n"
    "name1=other\r\n"
    "[empty]\r\n"
    "[SECTION1]\r\n"
    "late=hidden\r\n";

TEST_F(ProfileRead, ValuesFollowTheWindowsRules)
{
    writeIni(kSample);
    struct Row {
        const char *name;
        const char *section;
        const char *key;
        const char *def;
        const char *expected;
    } rows[] = {
        {"plain value", "Section1", "name1", "def", "val1"},
        {"names ignore case", "SECTION1", "NAME1", "def", "val1"},
        {"blanks around the asked names", " Section1 ", "\tname1 ", "def", "val1"},
        {"blanks around key and value dropped", "Section1", "name3", "def", "spaced value"},
        {"double quotes removed", "Section1", "quoted", "def", "in quotes"},
        {"single quotes removed", "Section1", "single", "def", "single"},
        {"unbalanced quote kept", "Section1", "unbalanced", "def", "\"open"},
        {"quotes of two kinds kept", "Section1", "mismatched", "def", "\"a'"},
        {"empty quotes read as empty", "Section1", "emptyquotes", "def", ""},
        {"empty value is not the default", "Section1", "name2", "def", ""},
        {"inner quotes kept", "Section1", "inner", "def", "a \"b\" c"},
        {"tabs are blanks", "Section1", "tabs", "def", "x"},
        {"first duplicate wins", "Section1", "DUP", "def", "first"},
        {"a key named like a comment is found by that name", "Section1", "; comment", "def",
         "not a key"},
        {"line without '=' is no key", "Section1", "noequals", "def", "def"},
        {"same key in another section", "section2", "name1", "def", "other"},
        {"absent key gives default", "Section1", "absent", "def", "def"},
        {"absent section gives default", "nosuch", "name1", "def", "def"},
        {"only the first of duplicate sections is read", "Section1", "late", "def", "def"},
        {"trailing spaces of the default dropped", "Section1", "absent", "def  ", "def"},
        {"trailing tab of the default kept", "Section1", "absent", "def \t", "def \t"},
        {"leading blanks of the default kept", "Section1", "absent", "  def", "  def"},
        {"null default is empty", "Section1", "absent", nullptr, ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        DWORD count = 0;
        EXPECT_EQ(row.expected, readString(row.section, row.key, row.def, 256, &count));
        EXPECT_EQ(std::string(row.expected).size(), count);
    }
}

TEST_F(ProfileRead, MissingFileOrKeyGivesDefaultAndFileNotFound)
{
    writeIni("[s]\r\nk=v\r\n");
    struct Row {
        const char *name;
        const char *file;
        const char *key;
    } rows[] = {
        {"missing file", "absent.ini", "k"},
        {"missing folder", "C:\\nowhere\\test.ini", "k"},
        {"unmapped drive", "Q:\\test.ini", "k"},
        {"absent key", "test.ini", "other"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[16] = "xxxxxxxxxxxxxxx";
        SetLastError(0xdeadbeef);
        EXPECT_EQ(3u, GetPrivateProfileStringA("s", row.key, "def", buffer, sizeof buffer,
                                               row.file));
        EXPECT_STREQ("def", buffer);
        EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    }
}

TEST_F(ProfileRead, ValueIsCutToSizeMinusOne)
{
    writeIni("[s]\r\nk=val1\r\n");
    struct Row {
        const char *name;
        const char *key;
        DWORD size;
        const char *expected;
    } rows[] = {
        {"fits", "k", 5, "val1"},
        {"one short", "k", 4, "val"},
        {"room for one", "k", 2, "v"},
        {"room for the NUL only", "k", 1, ""},
        {"default cut too", "absent", 4, "def"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::string buffer(row.size + 1, '\x7f');
        DWORD count = GetPrivateProfileStringA("s", row.key, "default", buffer.data(), row.size,
                                               "test.ini");
        EXPECT_EQ(std::string(row.expected).size(), count);
        EXPECT_EQ(std::string(row.expected) + '\0', buffer.substr(0, count + 1));
        EXPECT_EQ('\x7f', buffer[row.size]) << "wrote past the buffer";
    }
}

TEST_F(ProfileRead, BadBuffersReturnZeroAndWriteNothing)
{
    writeIni("[s]\r\nk=v\r\n");
    char buffer[4] = "abc";
    EXPECT_EQ(0u, GetPrivateProfileStringA("s", "k", "def", buffer, 0, "test.ini"));
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ(0u, GetPrivateProfileStringA("s", "k", "def", nullptr, 4, "test.ini"));
    EXPECT_EQ(0u, GetPrivateProfileStringA("s", nullptr, "def", nullptr, 4, "test.ini"));
}

TEST_F(ProfileRead, KeyListHoldsEveryKeyLineInFileOrder)
{
    writeIni(kSample);
    DWORD count = 0;
    std::vector<std::string> expected = {"name1", "name2",       "name3", "quoted", "single",
                                         "unbalanced", "mismatched", "emptyquotes", "Dup",
                                         "dup", "inner", "tabs"};
    EXPECT_EQ(expected, readList("section1", 4096, &count));
    EXPECT_EQ(85u, count);
    EXPECT_EQ(std::vector<std::string>{"name1"}, readList("Section2"));
}

TEST_F(ProfileRead, SectionWithoutKeysListsNothing)
{
    writeIni(kSample);
    struct Row {
        const char *name;
        const char *section;
    } rows[] = {{"header without keys", "empty"}, {"absent section", "nosuch"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        DWORD count = 99;
        EXPECT_TRUE(readList(row.section, 64, &count).empty());
        EXPECT_EQ(0u, count);
    }
}

TEST_F(ProfileRead, SectionListHoldsEveryHeaderInFileOrder)
{
    writeIni("garbage before any section\r\n" + std::string(kSample));
    DWORD count = 0;
    std::vector<std::string> expected = {"Section1", "section2", "empty", "SECTION1"};
    EXPECT_EQ(expected, readList(nullptr, 4096, &count));
    EXPECT_EQ(33u, count);
}

TEST_F(ProfileRead, ListThatDoesNotFitIsCutToSizeMinusTwo)
{
    writeIni("[s]\r\na=1\r\nbb=2\r\nccc=3\r\n");
    struct Row {
        const char *name;
        DWORD size;
        DWORD returned;
        std::string bytes;
    } rows[] = {
        {"fits exactly", 10, 9, std::string("a\0bb\0ccc\0\0", 10)},
        {"last name cut", 9, 7, std::string("a\0bb\0cc\0\0", 9)},
        {"cut after a name", 6, 4, std::string("a\0bb\0\0", 6)},
        {"first name cut", 3, 1, std::string("a\0\0", 3)},
        {"two bytes", 2, 0, std::string("\0\0", 2)},
        {"one byte", 1, 0, std::string("\0", 1)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::string buffer(row.size + 1, '\x7f');
        EXPECT_EQ(row.returned,
                  GetPrivateProfileStringA("s", nullptr, "", buffer.data(), row.size, "test.ini"));
        EXPECT_EQ(row.bytes, buffer.substr(0, row.size));
        EXPECT_EQ('\x7f', buffer[row.size]) << "wrote past the buffer";
    }
}

TEST_F(ProfileRead, TwoHundredKeysOfTenCharactersAreListedWhole)
{
    std::string file = "[many]\r\n";
    for (int i = 0; i < 200; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "key%07d", i);
        file += std::string(name) + "=v\r\n";
    }
    writeIni(file);
    DWORD count = 0;
    std::vector<std::string> names = readList("many", 2300, &count);
    EXPECT_EQ(2200u, count);
    ASSERT_EQ(200u, names.size());
    EXPECT_EQ("key0000000", names.front());
    EXPECT_EQ("key0000199", names.back());

    readList("many", 2200, &count);
    EXPECT_EQ(2198u, count) << "a list one byte short is cut";
}

TEST_F(ProfileRead, IntegersReadLikeWindowsNT)
{
    struct Row {
        const char *name;
        const char *stored;  // null: key absent
        INT def;
        UINT expected;
    } rows[] = {
        {"decimal", "42", 7, 42},
        {"quoted", "\"42\"", 7, 42},
        {"blanks inside quotes", "' 42'", 7, 42},
        {"plus sign", "+1", 7, 1},
        {"minus sign", "-1", 7, 0xFFFFFFFFu},
        {"stops at a letter", "42A9", 7, 42},
        {"no exponent", "1e3", 7, 1},
        {"leading letter gives zero", "B42", 7, 0},
        {"word gives zero", "abc", 7, 0},
        {"2^32 wraps to zero", "4294967296", 7, 0},
        {"2^32 + 1 wraps to one", "4294967297", 7, 1},
        {"negative wraps", "-4294967297", 7, 0xFFFFFFFFu},
        {"eleven digits wrap", "99999999999", 7, 1215752191u},
        {"hexadecimal prefix", "0x10", 7, 16},
        {"empty value gives default", "", 7, 7},
        {"empty quotes give default", "\"\"", 7, 7},
        {"absent key gives default", nullptr, 7, 7},
        {"negative default", nullptr, -5, 0xFFFFFFFBu},
    };
    std::string file = "[ints]\r\n";
    for (size_t i = 0; i < std::size(rows); ++i)
        if (rows[i].stored)
            file += "k" + std::to_string(i) + "=" + rows[i].stored + "\r\n";
    writeIni(file);
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        std::string key = "K" + std::to_string(i);
        EXPECT_EQ(rows[i].expected,
                  GetPrivateProfileIntA("INTS", key.c_str(), rows[i].def, "test.ini"));
    }
}

TEST_F(ProfileRead, EachSectionOfAManySectionFileAnswersWithItsOwnKeys)
{
    // Every section holds the same key names; a lookup must never answer from a neighbour, nor
    // from the later copy of a section or key.
    std::string file = "k0=before any section\r\n";
    for (int s = 0; s < 3000; ++s) {
        file += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 4; ++k)
            file += "k" + std::to_string(k) + "=" + std::to_string(s) + "." + std::to_string(k) +
                    "\r\n";
        file += "k0=later copy\r\n";
    }
    file += "[section7]\r\nk9=in the second section7\r\n";
    writeIni(file);
    const struct {
        const char *section;
        const char *key;
        const char *expected;
    } rows[] = {
        {"Section0", "K0", "0.0"},
        {"SECTION1234", "k3", "1234.3"},
        {"section2999", "k0", "2999.0"},
        {"Section2999", "k2", "2999.2"},
        {"Section7", "k9", "def"},
        {"Section3000", "k0", "def"},
        {"Section12", "k4", "def"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.section) + "/" + row.key);
        EXPECT_EQ(row.expected, readString(row.section, row.key, "def"));
    }
    std::vector<std::string> keys = {"k0", "k1", "k2", "k3", "k0"};
    EXPECT_EQ(keys, readList("Section2998")) << "the later copy of k0 is listed too";
    EXPECT_EQ(3001u, readList(nullptr, 1 << 16).size());
}

TEST_F(ProfileRead, DoubleByteNamesMatchTheirTrailBytesExactly)
{
    // In code page 932 the trail byte 0x61 is no letter 'a': these two names differ.
    writeIni("[\x82\x61]\r\nk=lower\r\n[\x82\x41]\r\nk=upper\r\n[ab]\r\n\x82\x61=x\r\n");
    EXPECT_EQ("lower", readString("\x82\x61", "k", "def"));
    EXPECT_EQ("upper", readString("\x82\x41", "k", "def"));
    EXPECT_EQ("x", readString("AB", "\x82\x61", "def"));
    EXPECT_EQ("def", readString("AB", "\x82\x41", "def"));
}

TEST_F(ProfileRead, ProfileFunctionsReadWinIni)
{
    drive.write("WINDOWS\\win.ini", "[intl]\r\nsCountry=Japan\r\niCountry=81\r\n");
    char buffer[32];
    EXPECT_EQ(5u, GetProfileStringA("intl", "sCountry", "", buffer, sizeof buffer));
    EXPECT_STREQ("Japan", buffer);
    EXPECT_EQ(81u, GetProfileIntA("Intl", "iCountry", 0));
    EXPECT_EQ(5u, GetPrivateProfileStringA("intl", "scountry", "", buffer, sizeof buffer, nullptr))
        << "a null file name is win.ini";
    EXPECT_EQ(5u, GetPrivateProfileStringA("intl", "sCountry", "", buffer, sizeof buffer,
                                           "c:\\windows\\WIN.INI"))
        << "the path matches without regard to case";
}

TEST_F(ProfileRead, ChangesOnDiskAreSeenAtTheNextCall)
{
    writeIni("[s]\r\nk=1\r\n");
    EXPECT_EQ(1u, GetPrivateProfileIntA("s", "k", 0, "test.ini"));
    writeIni("[s]\r\nk=2\r\n");  // same size, same inode, within the same clock tick
    EXPECT_EQ(2u, GetPrivateProfileIntA("s", "k", 0, "test.ini"));
    writeIni("[s]\r\nk=345\r\n");
    EXPECT_EQ(345u, GetPrivateProfileIntA("s", "k", 0, "test.ini"));
    std::filesystem::remove(drive.host("WINDOWS\\test.ini"));
    EXPECT_EQ(9u, GetPrivateProfileIntA("s", "k", 9, "test.ini"));
}

TEST_F(ProfileRead, NulByteEndsTheLineForMatching)
{
    writeIni(std::string("[s]\r\nk=ab\0cd\r\nhidden\0=x\r\n[t\0]\r\nafter=ok\r\n", 40));
    EXPECT_EQ("ab", readString("s", "k", "def"));
    EXPECT_EQ("def", readString("s", "hidden", "def"));
    EXPECT_EQ("ok", readString("s", "after", "def")) << "\"[t\" is no section header";
}

TEST_F(ProfileRead, GarbageFilesReadAsDefaultsWithoutHarm)
{
    std::string binary;
    unsigned state = 12345;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1103515245u + 12345u;
        binary += static_cast<char>(state >> 16);
    }
    struct Row {
        const char *name;
        std::string bytes;
        std::string goodLines = "\n[s]\nk=found\n";
    } rows[] = {
        {"binary", binary},
        {"only NULs", std::string(4096, '\0')},
        {"a line of four megabytes", std::string(4 << 20, 'x')},
        {"brackets without end", std::string(100000, '[')},
        {"equals signs", std::string(100000, '=')},
        {"lone CRs", std::string(100000, '\r')},
        {"a UTF-16 file of a lone header", std::string("\xFF\xFE[\0s\0]\0", 8),
         std::string("\n\0k\0=\0f\0o\0u\0n\0d\0\n\0", 18)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeIni(row.bytes);
        EXPECT_EQ("def", readString("s", "k", "def"));
        EXPECT_EQ(5u, GetPrivateProfileIntA("s", "k", 5, "test.ini"));
        readList(nullptr, 256);
        writeIni(row.bytes + row.goodLines);
        EXPECT_EQ("found", readString("s", "k", "def")) << "a good line after the garbage";
    }
}

TEST_F(ProfileRead, FolderInPlaceOfTheFileReadsAsDefault)
{
    std::filesystem::create_directories(drive.host("WINDOWS\\folder.ini"));
    char buffer[8];
    EXPECT_EQ(3u, GetPrivateProfileStringA("s", "k", "def", buffer, sizeof buffer, "folder.ini"));
    EXPECT_EQ(3u, GetPrivateProfileIntA("s", "k", 3, "folder.ini"));
}

}  // namespace
