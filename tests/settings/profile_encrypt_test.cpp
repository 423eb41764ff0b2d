// Scrambled texts: the stored form at a fixed tick count, and what reads back.
#include <string>

#include <gtest/gtest.h>

#include "settings/profile_key.h"
#include "settings_fixtures.h"
#include "vkstest.h"

namespace {

using settingstest::ScratchIni;

class ProfileEncryptTest : public ::testing::Test {
protected:
    TutProfileKey key() const { return TutProfileKey(ini.profile(), "Secret", "Word"); }
    // The stored text of the key, as it stands in the file.
    std::string stored() const
    {
        const std::string text = ini.text();
        const std::string head = "[Secret]\r\nWord=";
        if (text.compare(0, head.size(), head) != 0 || text.size() < head.size() + 2)
            return "<no key: " + text + ">";
        return text.substr(head.size(), text.size() - head.size() - 2);
    }
    CString readBack(const char *defaultValue = "<default>") const
    {
        CString value;
        key().readEncrypt(value, defaultValue);
        return value;
    }

    ScratchIni ini;
};

TEST_F(ProfileEncryptTest, WorkedValuesAreStoredAndReadBack)
{
    const struct {
        const char *text;
        DWORD ticks;
        const char *stored;
    } rows[] = {
        {"", 0, "61G191F1"},
        {"abc", 0, "7CFCHC71FCIC"},
        // Only the low 16 bits of the tick count are used.
        {"abc", 0x1234, "9D6B8BG48A7A"},
        {"abc", 0xABCD1234, "9D6B8BG48A7A"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.text) + " at " + std::to_string(row.ticks));
        vkstest::ScopedTickCount ticks(row.ticks);
        key().writeEncrypt(row.text);
        EXPECT_EQ(row.stored, stored());
        EXPECT_STREQ(row.text, readBack());
    }
}

TEST_F(ProfileEncryptTest, StoredFormsReadAsTheirTexts)
{
    const struct {
        const char *stored;
        const char *text;
    } rows[] = {
        {"61G191F1", ""},
        {"7CFCHC71FCIC", "abc"},
        {"9D6B8BG48A7A", "abc"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored);
        ini.setText(std::string("[Secret]\r\nWord=") + row.stored + "\r\n");
        EXPECT_STREQ(row.text, readBack());
    }
}

TEST_F(ProfileEncryptTest, TwoTicksStoreDifferentFormsOfOneText)
{
    vkstest::ScopedTickCount ticks(100);
    key().writeEncrypt("password");
    const std::string first = stored();
    ticks.set(200);
    key().writeEncrypt("password");
    EXPECT_NE(first, stored());
    EXPECT_STREQ("password", readBack());
}

TEST_F(ProfileEncryptTest, LengthDecidesWhatComesBack)
{
    const struct {
        const char *name;
        std::size_t length;
        std::size_t storedLength;
        bool whole;
    } rows[] = {
        {"empty", 0, 8, true},
        {"one character", 1, 8, true},
        {"255 characters", 255, 516, true},
        {"256 characters", 256, 520, false},
        {"300 characters, cut to 256", 300, 520, false},
    };
    vkstest::ScopedTickCount ticks(0x5A5A);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::string text;
        for (std::size_t i = 0; i < row.length; ++i)
            text += static_cast<char>('!' + i % 90);
        key().writeEncrypt(text.c_str());
        EXPECT_EQ(row.storedLength, stored().size());
        EXPECT_STREQ(row.whole ? text.c_str() : "<default>", readBack());
    }
}

TEST_F(ProfileEncryptTest, BadStoredFormsReadAsTheDefault)
{
    const struct {
        const char *name;
        std::string stored;
    } rows[] = {
        {"too short", "61G191F"},
        {"not a multiple of 4", "61G191F161"},
        {"too long", std::string(520, '6')},
        {"empty", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ini.setText("[Secret]\r\nWord=" + row.stored + "\r\n");
        EXPECT_STREQ("<default>", readBack());
    }
    ini.erase();
    EXPECT_STREQ("", readBack(nullptr));
}

TEST_F(ProfileEncryptTest, ForeignCharactersDecodeWithoutComplaint)
{
    const std::string stored[] = {"zzzzzzzz", std::string(516, '~'), "\x01\x02\x03\x04\x05\x06\x07\x08"};
    for (const std::string &form : stored) {
        SCOPED_TRACE(form.substr(0, 8));
        ini.setText("[Secret]\r\nWord=" + form + "\r\n");
        const CString value = readBack();
        EXPECT_LE(value.GetLength(), 256);
    }
}

TEST_F(ProfileEncryptTest, NullTextStoresTheEmptyText)
{
    vkstest::ScopedTickCount ticks(0);
    key().writeEncrypt(nullptr);
    EXPECT_EQ("61G191F1", stored());
}

}  // namespace
