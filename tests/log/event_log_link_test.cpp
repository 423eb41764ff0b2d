// The event-log link: binding VKSLog.dll by path with its users counted, and the registration
// of the product's event source.
#include <cctype>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "log_fixtures.h"

namespace {

using logtest::entryPointers;
using logtest::nullEntries;
using logtest::programFolder;
using logtest::sourceValue;

constexpr size_t kEntryCount = 22;

bool libraryLoaded()
{
    return GetModuleHandleA("VKSLog.dll") != nullptr;
}

class EventLogLinkTest : public logtest::UnboundTest {};

TEST_F(EventLogLinkTest, StaysLoadedUntilItsLastBindingIsReleased)
{
    ASSERT_EQ(TRUE, TutLogger::BindLibrary(nullptr));
    EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);
    EXPECT_EQ(TRUE, TutLogger::BindLibrary(nullptr));
    EXPECT_EQ(2, TutLogger::g_nR3LReferenceCount);
    EXPECT_NE(nullptr, TutLogger::g_hR3LogLib);
    EXPECT_EQ(0u, nullEntries());

    EXPECT_EQ(TRUE, TutLogger::UnbindLibrary());
    EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);
    EXPECT_TRUE(libraryLoaded());
    EXPECT_EQ(0u, nullEntries());

    EXPECT_EQ(TRUE, TutLogger::UnbindLibrary());
    EXPECT_EQ(0, TutLogger::g_nR3LReferenceCount);
    EXPECT_EQ(nullptr, TutLogger::g_hR3LogLib);
    EXPECT_EQ(kEntryCount, nullEntries());
    EXPECT_FALSE(libraryLoaded());
}

TEST_F(EventLogLinkTest, UnbindWhileUnboundFailsAndKeepsTheCountAtZero)
{
    EXPECT_EQ(FALSE, TutLogger::UnbindLibrary());
    EXPECT_EQ(0, TutLogger::g_nR3LReferenceCount);
    EXPECT_EQ(FALSE, TutLogger::UnbindLibrary());
    EXPECT_EQ(0, TutLogger::g_nR3LReferenceCount);
}

TEST_F(EventLogLinkTest, CheckBindCountsOnlyWhenItBinds)
{
    EXPECT_EQ(TRUE, TutLogger::CheckBindLibrary(nullptr));
    EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);
    EXPECT_EQ(TRUE, TutLogger::CheckBindLibrary(nullptr));
    EXPECT_EQ(TRUE, TutLogger::CheckBindLibrary("Q:\\nowhere"));
    EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);
}

TEST_F(EventLogLinkTest, BindsFromAFolderWithOrWithoutItsFinalBackslash)
{
    const std::string path = programFolder() + "\\VKSLog.dll";
    const struct {
        const char *name;
        std::string folder;
    } rows[] = {
        {"without a final backslash", programFolder()},
        {"with a final backslash", programFolder() + "\\"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(TRUE, TutLogger::BindLibrary(row.folder.c_str()));
        EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);
        HMODULE same = LoadLibraryA(path.c_str());
        EXPECT_EQ(same, TutLogger::g_hR3LogLib);
        FreeLibrary(same);
        EXPECT_EQ(TRUE, TutLogger::UnbindLibrary());
    }
}

TEST_F(EventLogLinkTest, FailsWithoutTheLibraryAndLeavesTheCountAtZero)
{
    const std::string tooLong = "C:\\" + std::string(300, 'd');
    const struct {
        const char *name;
        std::string folder;
    } rows[] = {
        {"a folder without it", "C:\\WINDOWS"},
        {"a folder that does not exist", "C:\\no such folder"},
        {"a drive that is not mapped", "Q:\\"},
        {"a folder too long for the path", tooLong},
        {"an empty folder name", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FALSE, TutLogger::BindLibrary(row.folder.c_str()));
        EXPECT_EQ(0, TutLogger::g_nR3LReferenceCount);
        EXPECT_EQ(nullptr, TutLogger::g_hR3LogLib);
    }
}

TEST_F(EventLogLinkTest, ALibraryLackingOneEntryIsNotBound)
{
    ASSERT_TRUE(std::filesystem::exists(VKS_INCOMPLETE_VKSLOG_DIR "/VKSLog.dll"));
    const std::string folder = logtest::dosPathOfHostFolder(VKS_INCOMPLETE_VKSLOG_DIR);
    EXPECT_EQ(FALSE, TutLogger::BindLibrary(folder.c_str()));
    EXPECT_EQ(0, TutLogger::g_nR3LReferenceCount);
    // Nothing of it is kept: no pointer into it and no load of it left behind.
    EXPECT_EQ(nullptr, TutLogger::g_hR3LogLib);
    EXPECT_EQ(kEntryCount, nullEntries());
    EXPECT_EQ(nullptr, GetModuleHandleA((folder + "\\VKSLog.dll").c_str()));
    // The complete library still binds afterwards.
    EXPECT_EQ(TRUE, TutLogger::BindLibrary(nullptr));
    EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);
}

class EventSourceTest : public logtest::UnboundTest {
protected:
    EventSourceTest() { TutLogger::UnregisterEventLog(); }
    ~EventSourceTest() override { TutLogger::UnregisterEventLog(); }

    // The library's file in the test program's folder, lower case as the directory service
    // gives it.
    static std::string messageFile()
    {
        std::string folder = programFolder() + "\\";
        for (char &c : folder)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return folder + "VKSUTIL.DLL";
    }
};

TEST_F(EventSourceTest, RegistersTheSourceWithTheLibraryAsItsMessageFile)
{
    EXPECT_EQ(FALSE, TutLogger::isEventLogRegistered());
    TutLogger::RegisterEventLog(FALSE);
    EXPECT_EQ(TRUE, TutLogger::isEventLogRegistered());
    EXPECT_EQ(messageFile(), sourceValue("EventMessageFile"));
    EXPECT_EQ("7", sourceValue("TypesSupported"));
    EXPECT_EQ("c:\\windows\\vks32\\VELMORA", sourceValue("LogFolder"));
    EXPECT_EQ("VEL", sourceValue("LogPrefix"));
    // Registration keeps its binding: the logger's close releases it.
    EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);
}

TEST_F(EventSourceTest, ForceInstallsEvenWhenRegistered)
{
    TutLogger::RegisterEventLog(FALSE);
    logtest::setSourceValue("EventMessageFile", "c:\\elsewhere\\OTHER.DLL");
    TutLogger::RegisterEventLog(FALSE);
    EXPECT_EQ("c:\\elsewhere\\OTHER.DLL", sourceValue("EventMessageFile"));
    TutLogger::RegisterEventLog(TRUE);
    EXPECT_EQ(messageFile(), sourceValue("EventMessageFile"));
}

TEST_F(EventSourceTest, AKeyWithoutTheMessageFileIsNotRegistered)
{
    logtest::setSourceValue("LogPrefix", "VEL");
    EXPECT_EQ(FALSE, TutLogger::isEventLogRegistered());
    TutLogger::RegisterEventLog(FALSE);
    EXPECT_EQ(messageFile(), sourceValue("EventMessageFile"));
}

TEST_F(EventSourceTest, UnregisterRemovesTheSource)
{
    TutLogger::RegisterEventLog(FALSE);
    TutLogger::UnregisterEventLog();
    EXPECT_EQ(FALSE, TutLogger::isEventLogRegistered());
    EXPECT_EQ("", sourceValue("EventMessageFile"));
}

}  // namespace
