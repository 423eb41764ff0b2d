// Value preferences of every form (text, scrambled text, int, long): the key is read once and
// the value kept, assignments wait for a save unless auto-save is on, and the text each form
// leaves in the file.
#include <string>

#include <gtest/gtest.h>

#include "settings/preference_text.h"
#include "settings/preference_value.h"
#include "settings_fixtures.h"
#include "vkstest.h"

namespace {

using settingstest::ScratchIni;

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

// Per form: a stored text and the value it reads as, a second stored text for "the file changed",
// the default, and a value to assign with the text it is stored as (at tick count 0).
struct TextForm {
    using Preference = TutProfilePreferenceString;
    static CString defaultValue() { return "fallback"; }
    static constexpr const char *kStored = "first";
    static constexpr const char *kStoredGives = "first";
    static constexpr const char *kChanged = "second";
    static CString assigned() { return "two words"; }
    static constexpr const char *kAssignedStored = "two words";
};
struct ScrambledForm {
    using Preference = TutProfilePreferenceEncrypt;
    static CString defaultValue() { return "fallback"; }
    static constexpr const char *kStored = "9D6B8BG48A7A";
    static constexpr const char *kStoredGives = "abc";
    static constexpr const char *kChanged = "61G191F1";
    static CString assigned() { return "abc"; }
    static constexpr const char *kAssignedStored = "7CFCHC71FCIC";
};
struct IntForm {
    using Preference = TutProfilePreference<TutProfileIOInt, int>;
    static int defaultValue() { return 1; }
    static constexpr const char *kStored = "-40";
    static constexpr const char *kStoredGives = "-40";
    static constexpr const char *kChanged = "77";
    static int assigned() { return -5; }
    static constexpr const char *kAssignedStored = "-5";
};
struct LongForm {
    using Preference = TutProfilePreference<TutProfileIOLong, long>;
    static long defaultValue() { return 1L; }
    static constexpr const char *kStored = "2147483647";
    static constexpr const char *kStoredGives = "2147483647";
    static constexpr const char *kChanged = "3";
    static long assigned() { return -2147483647L - 1; }
    static constexpr const char *kAssignedStored = "-2147483648";
};

template <class Form>
class PreferenceFormTest : public ::testing::Test {
protected:
    using Preference = typename Form::Preference;

    Preference preference(TutPreferenceBase *parent) const
    {
        return Preference(parent, ini.profile(), "Prefs", "Item", Form::defaultValue());
    }
    void store(const std::string &stored) const
    {
        ini.setText("[Prefs]\r\nItem=" + stored + "\r\n");
    }
    std::string fileWith(const std::string &stored) const
    {
        return "[Prefs]\r\nItem=" + stored + "\r\n";
    }

    vkstest::ScopedTickCount ticks{0};
    ScratchIni ini;
};

using Forms = ::testing::Types<TextForm, ScrambledForm, IntForm, LongForm>;
TYPED_TEST_SUITE(PreferenceFormTest, Forms);

TYPED_TEST(PreferenceFormTest, ReadsItsKeyOnceAndKeepsTheValue)
{
    this->store(TypeParam::kStored);
    auto preference = this->preference(nullptr);
    EXPECT_EQ(TypeParam::kStoredGives, shown(preference.value()));

    // The file changes: a fresh read of the key sees it, the preference does not.
    this->store(TypeParam::kChanged);
    EXPECT_NE(TypeParam::kStoredGives, shown(preference.definition().read()));
    EXPECT_EQ(TypeParam::kStoredGives, shown(preference.value()));

    // Without the file, repeated reads still give the value: they reach no file at all.
    this->ini.erase();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(TypeParam::kStoredGives, shown(preference.value()));
    EXPECT_FALSE(preference.isDirty());
    EXPECT_EQ("", this->ini.text());
}

TYPED_TEST(PreferenceFormTest, MissingKeyGivesTheDefaultAndKeepsIt)
{
    auto preference = this->preference(nullptr);
    EXPECT_EQ(shown(TypeParam::defaultValue()), shown(preference.value()));
    this->store(TypeParam::kStored);
    EXPECT_EQ(shown(TypeParam::defaultValue()), shown(preference.value()));
}

TYPED_TEST(PreferenceFormTest, AssignmentWaitsForTheParentsSave)
{
    this->store(TypeParam::kStored);
    TutPreferenceBase parent;
    auto preference = this->preference(&parent);
    EXPECT_FALSE(preference.isDirty());

    preference = TypeParam::assigned();
    EXPECT_TRUE(preference.isDirty());
    EXPECT_EQ(this->fileWith(TypeParam::kStored), this->ini.text());

    parent.save();
    EXPECT_FALSE(preference.isDirty());
    EXPECT_EQ(this->fileWith(TypeParam::kAssignedStored), this->ini.text());

    // Nothing is dirty any more: a second save leaves a file changed meanwhile alone.
    this->store(TypeParam::kChanged);
    parent.save();
    EXPECT_EQ(this->fileWith(TypeParam::kChanged), this->ini.text());
}

TYPED_TEST(PreferenceFormTest, UnderAutoSaveAssignmentWritesAtOnce)
{
    TutPreferenceBase parent;
    parent.enableAutoSave(TRUE);
    auto preference = this->preference(&parent);
    EXPECT_TRUE(preference.isAutoSaveEnabled());

    preference = TypeParam::assigned();
    EXPECT_EQ(this->fileWith(TypeParam::kAssignedStored), this->ini.text());
    EXPECT_FALSE(preference.isDirty());
    EXPECT_EQ(shown(TypeParam::assigned()), shown(preference.value()));
}

class PreferenceTextTest : public ::testing::Test {
protected:
    ScratchIni ini;
};

TEST_F(PreferenceTextTest, ConstructorsNameTheKeyAndTheDefaultIsEmptyText)
{
    ini.setText("[Prefs]\r\nItem=stored\r\n");
    const TutProfileSection section(ini.profile(), "Prefs");
    const TutProfileKey key(section, "Item");
    const TutProfileKey absent(section, "Absent");
    const struct {
        const char *name;
        TutProfilePreferenceString preference;
        const char *expected;
    } rows[] = {
        {"definition", TutProfilePreferenceString(
                           nullptr, TutProfileValue<TutProfileIOString, CString>(key, "d")),
         "stored"},
        {"key", TutProfilePreferenceString(nullptr, key), "stored"},
        {"section and key name", TutProfilePreferenceString(nullptr, section, "Item", "d"),
         "stored"},
        {"profile, section and key names",
         TutProfilePreferenceString(nullptr, ini.profile(), "Prefs", "Item"), "stored"},
        {"missing key, no default", TutProfilePreferenceString(nullptr, absent), ""},
        {"missing key with a default",
         TutProfilePreferenceString(nullptr, section, "Absent", "given"), "given"},
        {"default-constructed", TutProfilePreferenceString(), ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.expected, row.preference);
        EXPECT_EQ(nullptr, row.preference.parent());
        EXPECT_FALSE(row.preference.isDirty());
        EXPECT_FALSE(row.preference.isAutoSaveEnabled());
    }
}

TEST_F(PreferenceTextTest, CopyAssignmentTakesTheValueAndKeepsItsOwnKey)
{
    ini.setText("[Prefs]\r\nFrom=source\r\nTo=target\r\n");
    TutPreferenceBase parent;
    TutPreferenceBase otherParent;
    const TutProfilePreferenceString from(&otherParent, ini.profile(), "Prefs", "From");
    TutProfilePreferenceString to(&parent, ini.profile(), "Prefs", "To", "default");

    to = from;
    EXPECT_STREQ("source", to);
    EXPECT_TRUE(to.isDirty());
    EXPECT_EQ(&parent, to.parent());
    EXPECT_STREQ("To", to.definition().key().name());
    EXPECT_STREQ("default", to.definition().defaultValue());

    // `from` was read for the assignment, once: it keeps that value.
    ini.setText("[Prefs]\r\nFrom=changed\r\nTo=target\r\n");
    EXPECT_STREQ("source", from);

    parent.save();
    EXPECT_EQ("[Prefs]\r\nFrom=changed\r\nTo=source\r\n", ini.text());
}

TEST_F(PreferenceTextTest, CopyJoinsTheSameParentWithTheValueAndFlags)
{
    ini.setText("[Prefs]\r\nItem=stored\r\n");
    TutPreferenceBase parent;
    TutProfilePreferenceString original(&parent, ini.profile(), "Prefs", "Item");
    original = CString("changed");

    TutProfilePreferenceString copy(original);
    EXPECT_EQ(&parent, copy.parent());
    EXPECT_TRUE(copy.isDirty());
    ini.erase();
    EXPECT_STREQ("changed", copy);

    // Both siblings are saved by the parent, and both write the same key.
    parent.save();
    EXPECT_FALSE(original.isDirty());
    EXPECT_FALSE(copy.isDirty());
    EXPECT_EQ("[Prefs]\r\nItem=changed\r\n", ini.text());
}

TEST_F(PreferenceTextTest, ScrambledPreferenceStoresNoPlainText)
{
    TutProfilePreferenceEncrypt secret(nullptr, ini.profile(), "Prefs", "Word");
    secret = CString("hidden word");
    secret.save();
    EXPECT_EQ(std::string::npos, ini.text().find("hidden"));

    TutProfilePreferenceEncrypt fresh(nullptr, ini.profile(), "Prefs", "Word");
    EXPECT_STREQ("hidden word", fresh);
}

}  // namespace
