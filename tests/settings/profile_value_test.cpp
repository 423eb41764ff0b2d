// Typed profile values: which key operation each policy reaches (seen as the text it leaves in
// the file), defaults for missing keys, and that a value definition caches nothing.
#include <cstdio>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "settings/profile_value.h"
#include "settings_fixtures.h"
#include "vkstest.h"

namespace {

using settingstest::ScratchIni;

class ProfileValueTest : public ::testing::Test {
protected:
    TutProfileKey key() const { return TutProfileKey(ini.profile(), "Values", "Item"); }
    void store(const std::string &stored) const
    {
        ini.setText("[Values]\r\nItem=" + stored + "\r\n");
    }
    std::string fileWith(const std::string &stored) const
    {
        return "[Values]\r\nItem=" + stored + "\r\n";
    }

    ScratchIni ini;
};

std::string shown(CString const &text)
{
    return static_cast<char const *>(text);
}
std::string shown(int value)
{
    return std::to_string(value);
}
std::string shown(long value)
{
    return std::to_string(value);
}
std::string shown(TutDate const &date)
{
    SYSTEMTIME st{};
    date.GetSystemTime(st);
    char text[64];
    std::snprintf(text, sizeof text, "%u-%u-%u %u:%u:%u.%u", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    return text;
}

// Each value type as one row: what reading a missing key gives, what a write leaves in the file,
// and what reading a stored text gives. Reads are shown as text so one table holds every type.
struct PolicyRow {
    const char *name;
    std::function<std::string(const TutProfileKey &)> readMissing;
    std::string missingGives;
    std::function<void(const TutProfileKey &)> write;
    std::string written;
    std::string stored;
    std::function<std::string(const TutProfileKey &)> read;
    std::string storedGives;
};

template <class IO, class T>
std::function<std::string(const TutProfileKey &)> readerWithDefault(T defaultValue)
{
    return [defaultValue](const TutProfileKey &key) {
        return shown(TutProfileValue<IO, T>(key, defaultValue).read());
    };
}

template <class IO, class T>
std::function<void(const TutProfileKey &)> writerOf(T value)
{
    return [value](const TutProfileKey &key) {
        TutProfileValue<IO, T>(key, T{}).write(value);
    };
}

TEST_F(ProfileValueTest, EachPolicyStoresItsTypeThroughItsKeyOperation)
{
    vkstest::ScopedTickCount ticks(0);
    const PolicyRow rows[] = {
        {"text", readerWithDefault<TutProfileIOString>(CString("")), "",
         writerOf<TutProfileIOString>(CString("two words")), "two words", "  padded",
         readerWithDefault<TutProfileIOString>(CString("unused")), "padded"},
        {"text with a default", readerWithDefault<TutProfileIOString>(CString("fallback")),
         "fallback", writerOf<TutProfileIOString>(CString("")), "", "",
         readerWithDefault<TutProfileIOString>(CString("fallback")), ""},
        {"scrambled text", readerWithDefault<TutProfileIOEncrypt>(CString("none")), "none",
         writerOf<TutProfileIOEncrypt>(CString("abc")), "7CFCHC71FCIC", "9D6B8BG48A7A",
         readerWithDefault<TutProfileIOEncrypt>(CString("none")), "abc"},
        {"boolean", readerWithDefault<TutProfileIOBool>(TRUE), "1",
         writerOf<TutProfileIOBool>(0), "No", "Yes", readerWithDefault<TutProfileIOBool>(FALSE),
         "1"},
        {"boolean non-zero", readerWithDefault<TutProfileIOBool>(FALSE), "0",
         writerOf<TutProfileIOBool>(-4), "Yes", "off", readerWithDefault<TutProfileIOBool>(TRUE),
         "0"},
        {"date", readerWithDefault<TutProfileIODate>(TutDate(1999, 12, 31, 23, 59, 58, 0)),
         "1999-12-31 23:59:58.0",
         writerOf<TutProfileIODate>(TutDate(2002, 3, 7, 14, 5, 9, 250)), "2002,3,7,14,5,9",
         "2002,3,7,14,5,9", readerWithDefault<TutProfileIODate>(TutDate()),
         "2002-3-7 14:5:9.0"},
        {"int", readerWithDefault<TutProfileIOInt>(42), "42", writerOf<TutProfileIOInt>(-5),
         "-5", "-2147483648", readerWithDefault<TutProfileIOInt>(0), "-2147483648"},
        {"long", readerWithDefault<TutProfileIOLong>(-9L), "-9",
         writerOf<TutProfileIOLong>(2147483647L), "2147483647", " -77x",
         readerWithDefault<TutProfileIOLong>(0L), "-77"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ini.erase();
        EXPECT_EQ(row.missingGives, row.readMissing(key()));
        EXPECT_EQ("", ini.text()) << "a read must not create the file";

        row.write(key());
        EXPECT_EQ(fileWith(row.written), ini.text());

        store(row.stored);
        EXPECT_EQ(row.storedGives, row.read(key()));
    }
}

TEST_F(ProfileValueTest, ScrambledValueReadsBackWhatAPlainReadShowsScrambled)
{
    const TutProfileValue<TutProfileIOEncrypt, CString> secret(key(), CString(""));
    secret.write(CString("open sesame"));

    const TutProfileValue<TutProfileIOString, CString> plain(key(), CString(""));
    const CString stored = plain.read();
    EXPECT_EQ(std::string::npos, std::string(stored).find("sesame"));
    EXPECT_EQ(28, stored.GetLength());
    EXPECT_STREQ("open sesame", secret.read());
}

TEST_F(ProfileValueTest, EveryReadGoesToTheFile)
{
    const TutProfileValue<TutProfileIOInt, int> count(key(), -1);
    EXPECT_EQ(-1, count.read());
    store("10");
    EXPECT_EQ(10, count.read());
    store("11");
    EXPECT_EQ(11, count.read());
    ini.erase();
    EXPECT_EQ(-1, count.read());
}

TEST_F(ProfileValueTest, ConstructorsNameTheSameKey)
{
    store("here");
    const TutProfileSection section(ini.profile(), "Values");
    const TutProfileValue<TutProfileIOString, CString> byKey(key(), CString("missing"));
    const TutProfileValue<TutProfileIOString, CString> bySection(section, "Item",
                                                                 CString("missing"));
    const TutProfileValue<TutProfileIOString, CString> byProfile(ini.profile(), "Values", "Item",
                                                                 CString("missing"));
    for (const auto *value : {&byKey, &bySection, &byProfile}) {
        EXPECT_STREQ(ini.path(), value->key().section().profile().name());
        EXPECT_STREQ("Values", value->key().section().name());
        EXPECT_STREQ("Item", value->key().name());
        EXPECT_STREQ("here", value->read());
        EXPECT_STREQ("missing", value->defaultValue());
    }
}

TEST_F(ProfileValueTest, CopyAndKeyReplacementKeepTheDefault)
{
    ini.setText("[Values]\r\nItem=first\r\nOther=second\r\n");
    TutProfileValue<TutProfileIOString, CString> value(key(), CString("none"));
    const TutProfileValue<TutProfileIOString, CString> copy(value);

    value.key(TutProfileKey(ini.profile(), "Values", "Other"));
    EXPECT_STREQ("Other", value.key().name());
    EXPECT_STREQ("second", value.read());
    EXPECT_STREQ("first", copy.read());

    value.key().name("Absent");
    EXPECT_STREQ("none", value.read());
    EXPECT_STREQ("none", copy.defaultValue());
}

}  // namespace
