// Typed values of a profile key: the text each write leaves in the file, and how reads take
// stored texts, absent keys and present-empty keys.
#include <climits>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "settings/profile_key.h"
#include "settings_fixtures.h"

namespace {

using settingstest::ScratchIni;

class ProfileKeyTest : public ::testing::Test {
protected:
    TutProfileKey key() const { return TutProfileKey(ini.profile(), "Settings", "Value"); }
    // A file holding only [Settings] with Value set to `stored`.
    void store(const std::string &stored) const
    {
        ini.setText("[Settings]\r\nValue=" + stored + "\r\n");
    }

    ScratchIni ini;
};

const TutProfileEnumerationValue kLevels[] = {
    {1, "Low"}, {2, "High"}, {3, "Auto"}, {0, nullptr},
};

TEST_F(ProfileKeyTest, EachTypedWriteLeavesItsText)
{
    using Write = void (*)(const TutProfileKey &);
    const struct {
        const char *name;
        Write write;
        const char *stored;
    } rows[] = {
        {"char -5", [](const TutProfileKey &k) { k.write(static_cast<char>(-5)); }, "-5"},
        {"unsigned char 255",
         [](const TutProfileKey &k) { k.write(static_cast<unsigned char>(255)); }, "255"},
        {"short -2", [](const TutProfileKey &k) { k.write(static_cast<short>(-2)); }, "-2"},
        {"unsigned short 65535",
         [](const TutProfileKey &k) { k.write(static_cast<unsigned short>(65535)); }, "65535"},
        {"int lowest", [](const TutProfileKey &k) { k.write(INT32_MIN); }, "-2147483648"},
        {"unsigned int 4294967295", [](const TutProfileKey &k) { k.write(4294967295u); }, "-1"},
        {"unsigned int 2147483648", [](const TutProfileKey &k) { k.write(2147483648u); },
         "-2147483648"},
        {"long -7", [](const TutProfileKey &k) { k.write(-7L); }, "-7"},
        {"long 2147483647", [](const TutProfileKey &k) { k.write(2147483647L); }, "2147483647"},
        {"unsigned long 4294967295", [](const TutProfileKey &k) { k.write(4294967295UL); },
         "-1"},
        {"unsigned long 3000000000", [](const TutProfileKey &k) { k.write(3000000000UL); },
         "-1294967296"},
        {"__int64 -9000000000",
         [](const TutProfileKey &k) { k.write(static_cast<__int64>(-9000000000LL)); },
         "-9000000000"},
        {"unsigned __int64 all bits",
         [](const TutProfileKey &k) { k.write(static_cast<unsigned __int64>(ULLONG_MAX)); },
         "-1"},
        {"text", [](const TutProfileKey &k) { k.write("two words"); }, "two words"},
        {"bool non-zero", [](const TutProfileKey &k) { k.writeBool(-3); }, "Yes"},
        {"bool zero", [](const TutProfileKey &k) { k.writeBool(0); }, "No"},
        {"enumeration", [](const TutProfileKey &k) { k.writeEnum(2, kLevels); }, "High"},
        {"date", [](const TutProfileKey &k) { k.writeDate(TutDate(2002, 3, 7, 14, 5, 9, 250)); },
         "2002,3,7,14,5,9"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ini.erase();
        row.write(key());
        EXPECT_EQ("[Settings]\r\nValue=" + std::string(row.stored) + "\r\n", ini.text());
    }
}

// Each read gives its value as decimal text, so one table holds every width.
template <typename T>
std::string readAs(const TutProfileKey &key)
{
    T value{};
    key.read(value, T{});
    return std::to_string(+value);
}

TEST_F(ProfileKeyTest, IntegerReadsKeepTheirWidth)
{
    const struct {
        const char *name;
        const char *stored;
        std::string (*read)(const TutProfileKey &);
        const char *expected;
    } rows[] = {
        {"char cut to 8 bits", "300", readAs<char>, "44"},
        {"char negative", "-5", readAs<char>, "-5"},
        {"unsigned char 255", "255", readAs<unsigned char>, "255"},
        {"short -2", "-2", readAs<short>, "-2"},
        {"unsigned short 65535", "65535", readAs<unsigned short>, "65535"},
        {"unsigned short cut to 16 bits", "70000", readAs<unsigned short>, "4464"},
        {"int -1", "-1", readAs<int>, "-1"},
        {"int, no digits", "abc", readAs<int>, "0"},
        {"unsigned int -1", "-1", readAs<unsigned int>, "4294967295"},
        {"long -1", "-1", readAs<long>, "-1"},
        {"long stops at a non-digit", "  42abc", readAs<long>, "42"},
        {"long with a plus sign", "+17", readAs<long>, "17"},
        {"long, no digits", "abc", readAs<long>, "0"},
        {"long is 32 bits", "4294967295", readAs<long>, "-1"},
        {"unsigned long -1 is the 32-bit pattern", "-1", readAs<unsigned long>, "4294967295"},
        {"unsigned long written unsigned", "3000000000", readAs<unsigned long>, "3000000000"},
        {"__int64 beyond 32 bits", "-9000000000", readAs<__int64>, "-9000000000"},
        {"unsigned __int64 -2", "-2", readAs<unsigned __int64>, "18446744073709551614"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        store(row.stored);
        EXPECT_EQ(row.expected, row.read(key()));
    }
}

TEST_F(ProfileKeyTest, AbsentKeyReadsEveryDefault)
{
    ini.setText("[Settings]\r\nOther=1\r\n");
    const TutProfileKey k = key();
    char c = 0;
    unsigned char uc = 0;
    short s = 0;
    unsigned short us = 0;
    int i = 0;
    unsigned int ui = 0;
    long l = 0;
    unsigned long ul = 0;
    __int64 ll = 0;
    unsigned __int64 ull = 0;
    CString text("stale");
    int flag = 0;
    int level = 0;
    TutDate date;
    k.read(c, static_cast<char>(-100));
    k.read(uc, static_cast<unsigned char>(200));
    k.read(s, static_cast<short>(-30000));
    k.read(us, static_cast<unsigned short>(60000));
    k.read(i, -123456);
    k.read(ui, 4000000000u);
    k.read(l, -2000000000L);
    k.read(ul, 4000000000UL);
    k.read(ll, static_cast<__int64>(-9000000000LL));
    k.read(ull, static_cast<unsigned __int64>(18000000000000000000ULL));
    k.read(text, "fallback");
    k.readBool(flag, TRUE);
    k.readEnum(level, 3, kLevels);
    k.readDate(date, TutDate(1999, 12, 31, 23, 59, 58, 0));

    EXPECT_EQ(-100, c);
    EXPECT_EQ(200, uc);
    EXPECT_EQ(-30000, s);
    EXPECT_EQ(60000, us);
    EXPECT_EQ(-123456, i);
    EXPECT_EQ(4000000000u, ui);
    EXPECT_EQ(-2000000000L, l);
    EXPECT_EQ(4000000000UL, ul);
    EXPECT_EQ(-9000000000LL, ll);
    EXPECT_EQ(18000000000000000000ULL, ull);
    EXPECT_STREQ("fallback", text);
    EXPECT_EQ(TRUE, flag);
    EXPECT_EQ(3, level);
    EXPECT_TRUE(date == TutDate(1999, 12, 31, 23, 59, 58, 0));
}

TEST_F(ProfileKeyTest, WrittenIntegersReadBackWhole)
{
    const TutProfileKey k = key();
    k.write(4294967295u);
    unsigned int ui = 0;
    k.read(ui, 0u);
    EXPECT_EQ(4294967295u, ui);

    k.write(4294967295UL);
    unsigned long ul = 0;
    k.read(ul, 0UL);
    EXPECT_EQ(4294967295UL, ul);

    k.write(static_cast<__int64>(-9000000000LL));
    __int64 ll = 0;
    k.read(ll, static_cast<__int64>(0));
    EXPECT_EQ(-9000000000LL, ll);

    k.write(static_cast<unsigned __int64>(18000000000000000000ULL));
    unsigned __int64 ull = 0;
    k.read(ull, static_cast<unsigned __int64>(0));
    EXPECT_EQ(18000000000000000000ULL, ull);
}

TEST_F(ProfileKeyTest, PresentEmptyKey)
{
    store("");
    const TutProfileKey k = key();
    EXPECT_EQ(TRUE, k.exists());
    int flag = -1;
    k.readBool(flag, TRUE);
    EXPECT_EQ(FALSE, flag);
    CString text("stale");
    k.read(text, "fallback");
    EXPECT_STREQ("", text);
}

TEST_F(ProfileKeyTest, ReadBoolTakesTheFirstLetterOrOn)
{
    const struct {
        const char *stored;
        int expected;
    } rows[] = {
        {"yes", TRUE}, {"Y", TRUE},  {"true", TRUE},  {"1", TRUE},   {"10", TRUE},
        {"on", TRUE},  {"On", TRUE}, {"No", FALSE},   {"0", FALSE},  {"off", FALSE},
        {"ONE", FALSE}, {"x", FALSE}, {"Yes", TRUE},  {"t", TRUE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored);
        store(row.stored);
        for (int defaultValue : {TRUE, FALSE}) {
            int value = -1;
            key().readBool(value, defaultValue);
            EXPECT_EQ(row.expected, value);
        }
    }
}

TEST_F(ProfileKeyTest, AbsentBoolReadsItsDefault)
{
    int value = -1;
    key().readBool(value, 7);
    EXPECT_EQ(TRUE, value);
    key().readBool(value, FALSE);
    EXPECT_EQ(FALSE, value);
}

TEST_F(ProfileKeyTest, ExistsTellsStoredLettersFromAbsence)
{
    const struct {
        const char *name;
        const char *file;
        int expected;
    } rows[] = {
        {"stored X", "[Settings]\r\nValue=X\r\n", TRUE},
        {"stored Y", "[Settings]\r\nValue=Y\r\n", TRUE},
        {"stored lower x", "[Settings]\r\nValue=x\r\n", TRUE},
        {"stored text", "[Settings]\r\nValue=abc\r\n", TRUE},
        {"empty value", "[Settings]\r\nValue=\r\n", TRUE},
        {"other key only", "[Settings]\r\nOther=X\r\n", FALSE},
        {"other section", "[Elsewhere]\r\nValue=1\r\n", FALSE},
        {"no file", nullptr, FALSE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.file)
            ini.setText(row.file);
        else
            ini.erase();
        EXPECT_EQ(row.expected, key().exists());
    }
}

TEST_F(ProfileKeyTest, RemoveAndNullTextDropOnlyTheKey)
{
    ini.setText("[Settings]\r\nKeep=1\r\nValue=2\r\n");
    key().remove();
    EXPECT_EQ("[Settings]\r\nKeep=1\r\n", ini.text());

    ini.setText("[Settings]\r\nKeep=1\r\nValue=2\r\n");
    key().write(static_cast<char const *>(nullptr));
    EXPECT_EQ("[Settings]\r\nKeep=1\r\n", ini.text());
}

TEST_F(ProfileKeyTest, LongTextIsCutTo32767AndReadsBack32766)
{
    key().write(std::string(40000, 'a').c_str());
    EXPECT_EQ("[Settings]\r\nValue=" + std::string(32767, 'a') + "\r\n", ini.text());
    CString text;
    key().read(text, "");
    EXPECT_EQ(32766, text.GetLength());
}

TEST_F(ProfileKeyTest, LongDefaultIsCut)
{
    CString text;
    key().read(text, std::string(40000, 'd').c_str());
    EXPECT_EQ(32766, text.GetLength());
}

TEST_F(ProfileKeyTest, NullTextDefaultReadsEmpty)
{
    CString text("stale");
    key().read(text, nullptr);
    EXPECT_STREQ("", text);
}

TEST_F(ProfileKeyTest, ReadEnumMatchesWordsWithoutCase)
{
    const struct {
        const char *name;
        const char *stored;
        const TutProfileEnumerationValue *table;
        int expected;
    } rows[] = {
        {"upper case", "HIGH", kLevels, 2},
        {"as written", "Auto", kLevels, 3},
        {"unknown word", "Medium", kLevels, 9},
        {"empty", "", kLevels, 9},
        {"no table", "High", nullptr, 9},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        store(row.stored);
        int value = -1;
        key().readEnum(value, 9, row.table);
        EXPECT_EQ(row.expected, value);
    }
}

TEST_F(ProfileKeyTest, WriteEnumWithoutAWordLeavesTheFile)
{
    const TutProfileEnumerationValue empty[] = {{1, nullptr}};
    store("High");
    key().writeEnum(7, kLevels);
    key().writeEnum(1, nullptr);
    key().writeEnum(1, empty);
    EXPECT_EQ("[Settings]\r\nValue=High\r\n", ini.text());
}

TEST_F(ProfileKeyTest, ReadEnumKeepsDoubleByteCharactersApart)
{
    // Shift-JIS: the second bytes 'A' and 'a' belong to different characters.
    const TutProfileEnumerationValue table[] = {{1, "\x83\x41"}, {2, "\x83\x61"}, {0, nullptr}};
    store("\x83\x61");
    int value = -1;
    key().readEnum(value, 9, table);
    EXPECT_EQ(2, value);
}

TEST_F(ProfileKeyTest, DateRoundTripDropsMilliseconds)
{
    key().writeDate(TutDate(2002, 3, 7, 14, 5, 9, 250));
    TutDate read;
    key().readDate(read, TutDate());
    EXPECT_TRUE(read == TutDate(2002, 3, 7, 14, 5, 9, 0));
    EXPECT_EQ(0u, read.GetMilliseconds());
}

TEST_F(ProfileKeyTest, ReadDateNeedsSixFields)
{
    const TutDate fallback(1990, 1, 2, 3, 4, 5, 0);
    const struct {
        const char *stored;
        TutDate expected;
    } rows[] = {
        {"2002,3,7,14,5,9", TutDate(2002, 3, 7, 14, 5, 9, 0)},
        {"2002, 3, 7, 14, 5, 9", TutDate(2002, 3, 7, 14, 5, 9, 0)},
        {"2002,3,7,14,5,9,77", TutDate(2002, 3, 7, 14, 5, 9, 0)},
        {"2002,3,7", fallback},
        {"2002;3;7;14;5;9", fallback},
        {"2002 ,3,7,14,5,9", fallback},
        {"", fallback},
        {"yesterday", fallback},
        // Six fields that name no day give no date at all.
        {"2002,2,30,0,0,0", TutDate()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored);
        store(row.stored);
        TutDate read(2020, 1, 1, 0, 0, 0, 0);
        key().readDate(read, fallback);
        EXPECT_TRUE(read == row.expected);
    }
}

TEST_F(ProfileKeyTest, DateWithoutCalendarFormIsNotWritten)
{
    store("2002,3,7,14,5,9");
    key().writeDate(TutDate::Max());
    EXPECT_EQ("[Settings]\r\nValue=2002,3,7,14,5,9\r\n", ini.text());
}

TEST(ProfileKeyHandle, HoldsNamesOnly)
{
    TutProfileKey key(TutProfile("/nowhere/a.ini"), "Section", "Key");
    TutProfileKey copy = key;
    key.name("Other");
    key.section().name("Elsewhere");
    EXPECT_STREQ("Key", copy.name());
    EXPECT_STREQ("Section", copy.section().name());
    EXPECT_STREQ("/nowhere/a.ini", copy.section().profile().name());

    const TutProfileKey empty;
    EXPECT_STREQ("", empty.name());
    EXPECT_STREQ("", empty.section().name());
    EXPECT_STREQ("", empty.section().profile().name());
}

}  // namespace
