#include "files/folder_security.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Listed {
    std::string path;
    int level;
};

std::vector<Listed> contents(CFolderSecurityList &list)
{
    std::vector<Listed> result;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const auto *data = static_cast<CFolderSecurityData *>(list.GetNext(pos));
        result.push_back({static_cast<const char *>(data->m_strPath), data->m_level});
    }
    return result;
}

std::vector<std::string> paths(CFolderSecurityList &list)
{
    std::vector<std::string> result;
    for (const Listed &entry : contents(list))
        result.push_back(entry.path);
    return result;
}

FSLEVEL level(int value)
{
    return static_cast<FSLEVEL>(value);
}

// A list with folder security on and the given folders added in order.
class FolderListTest : public ::testing::Test {
protected:
    void listFolders(std::initializer_list<const char *> folders)
    {
        list.SetFolderSecurityMode(1);
        for (const char *folder : folders)
            list.AddData(folder, level(1));
    }

    CFolderSecurityList list;
};

TEST_F(FolderListTest, StartsEmptyWithSecurityOff)
{
    EXPECT_EQ(0, list.GetFolderSecurityMode());
    EXPECT_TRUE(list.IsEmpty());
    list.SetFolderSecurityMode(7);
    EXPECT_EQ(7, list.GetFolderSecurityMode());
}

TEST_F(FolderListTest, AnswersEveryPathWithSecurityOff)
{
    list.AddData("c:\\data", level(1));
    for (const char *path : {"c:\\data", "c:\\data\\sub", "c:\\", "d:\\other"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(FSSTATUS_UNGUARDED, list.GetPathStatus(path));
    }
}

TEST_F(FolderListTest, TellsHowAPathStandsToAListedFolder)
{
    const struct {
        const char *listed;
        const char *path;
        FSSTATUS expected;
    } kPaths[] = {
        {"c:\\data", "C:\\DATA", FSSTATUS_LISTED},
        {"c:\\data", "c:\\data\\sub", FSSTATUS_INSIDE},
        {"c:\\data", "c:\\", FSSTATUS_CONTAINS},
        {"c:\\data", "c:\\database", FSSTATUS_UNRELATED},
        {"c:\\data", "d:\\data", FSSTATUS_UNRELATED},
        {"c:\\", "c:\\", FSSTATUS_UNGUARDED},
        {"c:\\", "C:\\", FSSTATUS_UNGUARDED},
        {"c:\\", "c:\\data", FSSTATUS_INSIDE},
        {"c:\\", "d:\\data", FSSTATUS_UNRELATED},
        // Upper-casing leaves double-byte characters alone: 0x83 0x61 and 0x83 0x41 differ.
        {"c:\\\x83\x61", "C:\\\x83\x61\\sub", FSSTATUS_INSIDE},
        {"c:\\\x83\x41", "c:\\\x83\x61", FSSTATUS_UNRELATED},
    };
    for (const auto &row : kPaths) {
        SCOPED_TRACE(std::string(row.listed) + " / " + row.path);
        CFolderSecurityList folders;
        folders.SetFolderSecurityMode(1);
        folders.AddData(row.listed, level(1));
        EXPECT_EQ(row.expected, folders.GetPathStatus(row.path));
    }
}

TEST_F(FolderListTest, LetsTheFirstDecidingFolderAnswer)
{
    // c:\a lies inside c:\ and contains c:\a\b: whichever was added first answers.
    listFolders({"c:\\a\\b", "c:\\"});
    EXPECT_EQ(FSSTATUS_CONTAINS, list.GetPathStatus("c:\\a"));

    CFolderSecurityList reversed;
    reversed.SetFolderSecurityMode(1);
    reversed.AddData("c:\\", level(1));
    reversed.AddData("c:\\a\\b", level(1));
    EXPECT_EQ(FSSTATUS_INSIDE, reversed.GetPathStatus("c:\\a"));
}

TEST_F(FolderListTest, AnswersAnEmptyListAndANullPath)
{
    list.SetFolderSecurityMode(1);
    EXPECT_EQ(FSSTATUS_UNRELATED, list.GetPathStatus("c:\\data"));
    list.AddData("c:\\data", level(1));
    EXPECT_EQ(FSSTATUS_UNRELATED, list.GetPathStatus(nullptr));
    EXPECT_EQ(0, list.AddData(nullptr, level(1)));
    list.RemoveOneData(nullptr);
    list.RemoveAllSubFolderData(nullptr);
    EXPECT_EQ(1, list.GetCount());
}

TEST_F(FolderListTest, AddsEachExactPathOnce)
{
    EXPECT_EQ(1, list.AddData("c:\\data", level(1)));
    EXPECT_EQ(1, list.AddData("c:\\data", level(2)));
    EXPECT_EQ(1, list.AddData("C:\\DATA", level(3)));
    const std::vector<Listed> listed = contents(list);
    ASSERT_EQ(2u, listed.size());
    EXPECT_EQ("c:\\data", listed[0].path);
    EXPECT_EQ(1, listed[0].level) << "the first level stays";
    EXPECT_EQ("C:\\DATA", listed[1].path);
    EXPECT_EQ(3, listed[1].level);
}

TEST_F(FolderListTest, RemovesOneExactPath)
{
    listFolders({"c:\\a", "c:\\b", "c:\\c"});
    list.RemoveOneData("C:\\B");
    EXPECT_EQ((std::vector<std::string>{"c:\\a", "c:\\b", "c:\\c"}), paths(list));
    list.RemoveOneData("c:\\b");
    EXPECT_EQ((std::vector<std::string>{"c:\\a", "c:\\c"}), paths(list));
}

TEST_F(FolderListTest, RemovesEverythingBelowAFolder)
{
    listFolders({"c:\\data\\a", "c:\\data", "c:\\data\\a\\b", "c:\\database", "C:\\DATA\\X",
                 "d:\\data\\a"});
    list.RemoveAllSubFolderData("c:\\data");
    EXPECT_EQ((std::vector<std::string>{"c:\\data", "c:\\database", "C:\\DATA\\X", "d:\\data\\a"}),
              paths(list));
}

TEST_F(FolderListTest, RemovesAWholeDriveForItsRoot)
{
    listFolders({"c:\\", "c:\\data", "d:\\data", "c:\\x\\y"});
    list.RemoveAllSubFolderData("c:\\");
    EXPECT_EQ((std::vector<std::string>{"d:\\data"}), paths(list));
}

TEST(CFolderSecurityList, DeletesItsElementsWhenDestroyed)
{
    // The leak checker of the sanitizer build reports elements left behind.
    auto *list = new CFolderSecurityList;
    list->AddData("c:\\data", level(1));
    list->AddData("c:\\other", level(2));
    delete list;
}

}  // namespace
