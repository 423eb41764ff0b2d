// The makers: the default profile's makers in file order, then the user-defined entry.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "modem/maker_list.h"
#include "modem_fixtures.h"

namespace {

using modemtest::ansi;
using modemtest::ModemFiles;

std::vector<std::string> makersOf(const TutMakerList &list)
{
    std::vector<std::string> names;
    for (unsigned int i = 0; i < list.makerCount(); ++i)
        names.emplace_back(list.at(i));
    return names;
}

std::vector<std::string> ansiNames(const std::vector<std::string> &utf8)
{
    std::vector<std::string> names;
    for (const std::string &name : utf8)
        names.push_back(ansi(name));
    return names;
}

TEST(ModemConstants, AreCodePage932Texts)
{
    EXPECT_EQ(ansi("ユーザー定義モデム"), TutMakerList::UserDefineModem);
    EXPECT_EQ("\x83\x86\x81\x5b\x83\x55\x81\x5b\x92\xe8\x8b\x60\x83\x82\x83\x66\x83\x80",
              std::string(TutMakerList::UserDefineModem));
    EXPECT_EQ(ansi("標準のモデム"), TutMakerList::GenericModem);
}

TEST(MakerList, ListsMakersThenTheUserDefinedEntry)
{
    const struct {
        const char *name;
        const char *defaults;  // null: no file
        const char *user;
        std::vector<std::string> makers;
    } rows[] = {
        {"no files", nullptr, nullptr, {""}},
        {"no makers section, no user modems", "[アイワ]\r\nPV-BF2800=\r\n", nullptr, {""}},
        {"two makers and a user modem",
         "[Modem Makers]\r\nアイワ=\r\nオムロン=\r\n",
         "[ユーザー定義モデム]\r\n自作モデム=\r\n",
         {"アイワ", "オムロン", "ユーザー定義モデム"}},
        {"two makers, user section without keys",
         "[Modem Makers]\r\nアイワ=\r\nオムロン=\r\n", "[ユーザー定義モデム]\r\n[自作モデム]\r\nInit=ATZ\r\n",
         {"アイワ", "オムロン", ""}},
        {"makers are key names, whatever their values",
         "[modem makers]\r\nZeta=1\r\nAlpha=yes\r\n", nullptr, {"Zeta", "Alpha", ""}},
        {"user modems only", nullptr, "[ユーザー定義モデム]\r\nA=\r\nB=\r\n",
         {"ユーザー定義モデム"}},
        {"user modems listed in the default profile do not count",
         "[Modem Makers]\r\nアイワ=\r\n[ユーザー定義モデム]\r\nX=\r\n", nullptr, {"アイワ", ""}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ModemFiles files;
        if (row.defaults)
            files.setDefaults(row.defaults);
        if (row.user)
            files.setUser(row.user);
        const TutMakerList list;
        EXPECT_EQ(1, list.isValid());
        EXPECT_EQ(row.makers.size(), list.makerCount());
        EXPECT_EQ(ansiNames(row.makers), makersOf(list));
    }
}

TEST(MakerList, PositionsPastTheEndGiveTheEmptyText)
{
    ModemFiles files;
    files.setDefaults("[Modem Makers]\r\nアイワ=\r\n");
    files.setUser("[ユーザー定義モデム]\r\nA=\r\n");
    const TutMakerList list;
    ASSERT_EQ(2u, list.makerCount());
    EXPECT_EQ(ansi("ユーザー定義モデム"), std::string(list[1]));
    EXPECT_STREQ("", list.at(2));
    EXPECT_STREQ("", list[4000000000u]);
}

TEST(MakerList, ReadingAgainSeesTheFilesAsTheyAreNow)
{
    ModemFiles files;
    files.setDefaults("[Modem Makers]\r\nA=\r\nB=\r\nC=\r\n");
    files.setUser("[ユーザー定義モデム]\r\nmine=\r\n");
    TutMakerList list;
    ASSERT_EQ(4u, list.makerCount());

    // A stale last entry would show the user-defined maker, or the dropped maker C, after this.
    files.setDefaults("[Modem Makers]\r\nA=\r\nB=\r\n");
    files.eraseUser();
    const TutMakerList copy = list;
    list.readList();
    EXPECT_EQ((std::vector<std::string>{"A", "B", ""}), makersOf(list));
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C", ansi("ユーザー定義モデム")}), makersOf(copy));
}

TEST(MakerList, KeepsEveryMakerOfALongSection)
{
    ModemFiles files;
    std::string text = "[Modem Makers]\r\n";
    std::vector<std::string> expected;
    for (int i = 0; i < 100; ++i) {
        expected.push_back("Maker" + std::to_string(i));
        text += expected.back() + "=\r\n";
    }
    files.setDefaults(text);
    files.setUser("[ユーザー定義モデム]\r\nmine=\r\n");
    expected.push_back(ansi("ユーザー定義モデム"));
    const TutMakerList list;
    EXPECT_EQ(101u, list.makerCount());
    EXPECT_EQ(expected, makersOf(list));
}

}  // namespace
