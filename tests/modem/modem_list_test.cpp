// A maker's modem types: reading, positions and searches.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "modem/maker_list.h"
#include "modem/modem_list.h"
#include "modem_fixtures.h"

namespace {

using modemtest::ansi;
using modemtest::ModemFiles;

constexpr char kNoModems[] = "ERROR - No Modem INI files present";

std::vector<std::string> modemsOf(const TutModemList &list)
{
    std::vector<std::string> names;
    for (unsigned int i = 0; i < list.modemCount(); ++i)
        names.emplace_back(list.at(i));
    return names;
}

class ModemListTest : public ::testing::Test {
protected:
    ModemListTest()
    {
        files.setDefaults("[Modem Makers]\r\nアイワ=\r\nオムロン=\r\n"
                          "[アイワ]\r\nPV-BF2800=\r\nPV-BF5601=\r\nPV-BF5602=\r\n"
                          "[オムロン]\r\n"
                          "[ユーザー定義モデム]\r\nnot-this-one=\r\n");
        files.setUser("[ユーザー定義モデム]\r\n自作モデム=\r\n従来型=\r\n"
                      "[アイワ]\r\nnor-this-one=\r\n");
    }
    ModemFiles files;
};

TEST_F(ModemListTest, ReadsTheMakersSectionOrTheUserDefinedOne)
{
    const struct {
        const char *name;
        std::string maker;
        std::vector<std::string> modems;
    } rows[] = {
        {"a maker of the default profile", ansi("アイワ"), {"PV-BF2800", "PV-BF5601", "PV-BF5602"}},
        {"the user-defined maker", TutMakerList::UserDefineModem,
         {ansi("自作モデム"), ansi("従来型")}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const TutModemList list(row.maker.c_str());
        EXPECT_EQ(1, list.isValid());
        EXPECT_EQ(row.modems.size(), list.modemCount());
        EXPECT_EQ(row.modems, modemsOf(list));
    }
}

TEST_F(ModemListTest, AMakerWithoutModemsAnswersWithTheErrorText)
{
    const struct {
        const char *name;
        std::string maker;
    } rows[] = {
        {"no section", ansi("ソニー")},
        {"a section header without keys", ansi("オムロン")},
        {"the empty maker of a list without user modems", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const TutModemList list(row.maker.c_str());
        EXPECT_EQ(0u, list.modemCount());
        EXPECT_EQ(0, list.isValid());
        EXPECT_STREQ(kNoModems, list.at(0));
        EXPECT_STREQ(kNoModems, list[5]);
        unsigned int position = 99;
        EXPECT_EQ(0, list.exists(kNoModems, position));
        EXPECT_EQ(0u, position);
    }
}

TEST_F(ModemListTest, PositionsPastTheEndGiveTheLastName)
{
    const TutModemList list(ansi("アイワ").c_str());
    EXPECT_STREQ("PV-BF2800", list.at(0));
    EXPECT_STREQ("PV-BF5602", list.at(2));
    EXPECT_STREQ("PV-BF5602", list.at(7));
    EXPECT_STREQ("PV-BF5602", list[0xffffffffu]);
}

TEST_F(ModemListTest, ExistsGivesTheFirstMatchCountedFromOne)
{
    files.setDefaults("[Maker]\r\nalpha=\r\nbeta=\r\nアイ=\r\nbeta=\r\n");
    const std::string doubleByte = ansi("アイ");
    const TutModemList list("Maker");
    ASSERT_EQ(4u, list.modemCount());
    const struct {
        const char *name;
        const char *modem;
        int found;
        unsigned int position;
    } rows[] = {
        {"first", "alpha", 1, 1},
        {"second, listed twice", "beta", 1, 2},
        {"a double-byte name", doubleByte.c_str(), 1, 3},
        {"case counts", "BETA", 0, 0},
        {"no prefix match", "alp", 0, 0},
        {"not in the list", "gamma", 0, 0},
        {"empty", "", 0, 0},
        {"null", nullptr, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        unsigned int position = 99;
        EXPECT_EQ(row.found, list.exists(row.modem, position));
        EXPECT_EQ(row.position, position);
        EXPECT_EQ(row.found, list.exists(row.modem));
    }
}

TEST_F(ModemListTest, IsASnapshotUntilReadAgain)
{
    TutModemList list(ansi("アイワ").c_str());
    files.setDefaults("[アイワ]\r\nPV-NEW=\r\n");
    const TutModemList copy = list;
    EXPECT_EQ(3u, list.modemCount());
    list.readList();
    EXPECT_EQ((std::vector<std::string>{"PV-NEW"}), modemsOf(list));
    EXPECT_EQ((std::vector<std::string>{"PV-BF2800", "PV-BF5601", "PV-BF5602"}), modemsOf(copy));

    files.setDefaults("");
    list.readList();
    EXPECT_EQ(0, list.isValid());
    EXPECT_STREQ(kNoModems, list.at(0));
}

TEST_F(ModemListTest, KeepsEveryModemOfALongSection)
{
    std::string text = "[Big]\r\n";
    std::vector<std::string> expected;
    for (int i = 0; i < 600; ++i) {
        expected.push_back("Modem-" + std::to_string(i));
        text += expected.back() + "=\r\n";
    }
    files.setDefaults(text);
    const TutModemList list("Big");
    EXPECT_EQ(600u, list.modemCount());
    EXPECT_EQ(expected, modemsOf(list));
    unsigned int position = 0;
    EXPECT_EQ(1, list.exists("Modem-599", position));
    EXPECT_EQ(600u, position);
}

}  // namespace
