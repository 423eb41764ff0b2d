// The key list of a section: complete, in file order, whatever its length.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/profile_key_list.h"
#include "settings_fixtures.h"

namespace {

using settingstest::ScratchIni;

// "Key0000000", "Key0000001", ...: ten characters each.
std::vector<std::string> tenCharacterNames(int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Key%07d", i);
        names.push_back(name);
    }
    return names;
}

std::string sectionText(const std::vector<std::string> &names)
{
    std::string text = "[First]\r\nx=1\r\n[List]\r\n";
    for (const std::string &name : names)
        text += name + "=v\r\n";
    return text + "[Last]\r\ny=2\r\n";
}

TEST(ProfileKeyList, ListsEveryKeyInFileOrder)
{
    // 46 names of 10 characters (506 with their zeros) fill the first buffer to the byte where
    // a cut list would end; 200 names need the buffer to grow twice.
    const int counts[] = {0, 1, 45, 46, 47, 92, 93, 200};
    ScratchIni ini;
    for (int count : counts) {
        SCOPED_TRACE(count);
        const std::vector<std::string> names = tenCharacterNames(count);
        ini.setText(sectionText(names));
        const TutProfileKeyList list(ini.profile(), "List");
        ASSERT_EQ(count, list.count());
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(names[i], list[i].name());
            EXPECT_STREQ("List", list.at(i).section().name());
            EXPECT_STREQ(ini.path(), list.at(i).section().profile().name());
        }
    }
}

TEST(ProfileKeyList, KeysOfTheListReadTheirValues)
{
    ScratchIni ini;
    ini.setText("[List]\r\nalpha=1\r\nbeta=two\r\nempty=\r\n");
    const TutProfileKeyList list(TutProfileSection(ini.profile(), "list"));
    ASSERT_EQ(3, list.count());
    int alpha = 0;
    list[0].read(alpha, 0);
    CString beta;
    list[1].read(beta, "");
    EXPECT_EQ(1, alpha);
    EXPECT_STREQ("two", beta);
    EXPECT_STREQ("empty", list[2].name());
    EXPECT_STREQ("list", list.section().name());
}

TEST(ProfileKeyList, EmptyOrMissingSectionsListNothing)
{
    const struct {
        const char *name;
        const char *file;
    } rows[] = {
        {"header only", "[List]\r\n[Next]\r\nk=v\r\n"},
        {"no such section", "[Other]\r\nk=v\r\n"},
        {"no file", nullptr},
    };
    ScratchIni ini;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.file)
            ini.setText(row.file);
        else
            ini.erase();
        const TutProfileKeyList list(ini.profile(), "List");
        EXPECT_EQ(0, list.count());
    }
}

TEST(ProfileKeyList, IsASnapshot)
{
    ScratchIni ini;
    ini.setText("[List]\r\na=1\r\n");
    const TutProfileKeyList list(ini.profile(), "List");
    TutProfileKey(ini.profile(), "List", "b").write(2);
    EXPECT_EQ(1, list.count());
    EXPECT_EQ(2, TutProfileKeyList(ini.profile(), "List").count());
}

}  // namespace
