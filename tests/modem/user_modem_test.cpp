// User-defined modems: adding and removing names in the user modem profile.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "modem/maker_list.h"
#include "modem/modem_list.h"
#include "modem_fixtures.h"

namespace {

using modemtest::ansi;
using modemtest::ModemFiles;

std::vector<std::string> userModems()
{
    const TutModemList list(TutMakerList::UserDefineModem);
    std::vector<std::string> names;
    for (unsigned int i = 0; i < list.modemCount(); ++i)
        names.emplace_back(list.at(i));
    return names;
}

std::string lastMaker()
{
    const TutMakerList makers;
    return std::string(makers.at(makers.makerCount() - 1));
}

class UserModemTest : public ::testing::Test {
protected:
    UserModemTest()
    {
        files.setDefaults("[Modem Makers]\r\nアイワ=\r\n[アイワ]\r\nPV-BF2800=\r\n");
    }
    ModemFiles files;
};

TEST_F(UserModemTest, AddThenRemoveAJapaneseName)
{
    const std::string name = ansi("自作モデム");
    TutModemList list(TutMakerList::UserDefineModem);
    ASSERT_EQ(0u, list.modemCount());
    EXPECT_EQ("", lastMaker());

    list.add(name.c_str());
    EXPECT_EQ(0u, list.modemCount());  // the list in memory stays as read
    EXPECT_EQ(std::vector<std::string>{name}, userModems());
    EXPECT_EQ(TutMakerList::UserDefineModem, lastMaker());

    list.readList();
    unsigned int position = 0;
    ASSERT_EQ(1, list.exists(name.c_str(), position));
    EXPECT_EQ(1u, position);
    list.remove(name.c_str());
    EXPECT_EQ(1u, list.modemCount());
    EXPECT_EQ(std::vector<std::string>{}, userModems());
    EXPECT_EQ("", lastMaker());
}

TEST_F(UserModemTest, AddingANameTwiceKeepsOneEntry)
{
    const TutModemList list(TutMakerList::UserDefineModem);
    list.add("Mine");
    list.add("mine");
    EXPECT_EQ(std::vector<std::string>{"Mine"}, userModems());
}

TEST_F(UserModemTest, RemovesByNameWhateverTheKeysPositions)
{
    const struct {
        const char *name;
        std::string listMaker;
        const char *userBefore;    // the section when the list is read
        const char *userAtRemove;  // the section when remove runs (null: unchanged)
        const char *removed;
        std::vector<std::string> left;
    } rows[] = {
        {"the section is unchanged", TutMakerList::UserDefineModem, "A=\r\nB=\r\nC=\r\n", nullptr,
         "B", {"A", "C"}},
        {"the section was reordered since the list was read", TutMakerList::UserDefineModem,
         "A=\r\nB=\r\nC=\r\n", "C=\r\nA=\r\nB=\r\n", "A", {"C", "B"}},
        {"the list is another maker's", ansi("アイワ"), "X=\r\nPV-BF2800=\r\n", nullptr,
         "PV-BF2800", {"X"}},
        {"a name added after the list was read is not in the list",
         TutMakerList::UserDefineModem, "A=\r\n", "A=\r\nLate=\r\n", "Late", {"A", "Late"}},
        {"a name of another letter case is not in the list", TutMakerList::UserDefineModem,
         "A=\r\nB=\r\n", nullptr, "b", {"A", "B"}},
        {"null", TutMakerList::UserDefineModem, "A=\r\n", nullptr, nullptr, {"A"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        files.setUser(std::string("[ユーザー定義モデム]\r\n") + row.userBefore);
        const TutModemList list(row.listMaker.c_str());
        if (row.userAtRemove)
            files.setUser(std::string("[ユーザー定義モデム]\r\n") + row.userAtRemove);
        list.remove(row.removed);
        EXPECT_EQ(row.left, userModems());
    }
}

TEST_F(UserModemTest, AddWritesOnlyNamesThatComeBackAsTheSameKey)
{
    const char *refused[] = {
        nullptr, "", "a=b", "[x]", ";x", " x", "x ", "x\t", "a\r\nInit=ATZ", "a\x01",
    };
    const TutModemList list(TutMakerList::UserDefineModem);
    for (const char *name : refused) {
        SCOPED_TRACE(name ? name : "(null)");
        list.add(name);
        EXPECT_EQ("", files.userBytes());
    }

    // Trail bytes are not characters: "ー" ends in the byte of '[', "従" in that of ']'.
    const std::vector<std::string> accepted = {
        "x[y]", "a;b", "a b", ansi("ユーザー"), ansi("従来型"),
    };
    for (const std::string &name : accepted)
        list.add(name.c_str());
    EXPECT_EQ(accepted, userModems());
}

}  // namespace
