// The preference tree: links, save order, auto-save rules, the override, nodes that go before
// their children, and the application's root.
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/preference_base.h"
#include "settings/preference_text.h"
#include "settings_fixtures.h"

namespace {

using settingstest::ScopedOverride;
using settingstest::ScratchIni;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A node that notes in a shared log when it saves, then saves as any node does.
class RecordingNode : public TutPreferenceBase {
public:
    RecordingNode(TutPreferenceBase *parent, std::string name, std::vector<std::string> &log)
        : TutPreferenceBase(parent), m_name(std::move(name)), m_log(log)
    {
    }
    void save() override
    {
        m_log.push_back(m_name);
        if (m_throwOnce) {
            m_throwOnce = false;
            throw std::runtime_error("save failed");
        }
        TutPreferenceBase::save();
    }
    void throwOnNextSave() { m_throwOnce = true; }

private:
    std::string m_name;
    std::vector<std::string> &m_log;
    bool m_throwOnce = false;
};

TEST(PreferenceTree, ChildrenSaveInTheOrderTheyJoinedAndBeforeTheirSiblings)
{
    std::vector<std::string> log;
    RecordingNode root(nullptr, "root", log);
    RecordingNode first(&root, "first", log);
    RecordingNode second(&root, "second", log);
    RecordingNode third(&root, "third", log);
    RecordingNode firstA(&first, "first.a", log);
    RecordingNode firstB(&first, "first.b", log);

    root.save();
    EXPECT_THAT(log, ElementsAre("root", "first", "first.a", "first.b", "second", "third"));

    // The order holds on the next save too.
    log.clear();
    root.save();
    EXPECT_THAT(log, ElementsAre("root", "first", "first.a", "first.b", "second", "third"));
}

TEST(PreferenceTree, ThreeValuesAreWrittenInTheOrderTheyJoined)
{
    ScratchIni ini;
    TutPreferenceBase parent;
    TutProfilePreferenceString first(&parent, ini.profile(), "Order", "First");
    TutProfilePreferenceString second(&parent, ini.profile(), "Order", "Second");
    TutProfilePreferenceString third(&parent, ini.profile(), "Order", "Third");
    third = CString("3");
    first = CString("1");
    second = CString("2");
    EXPECT_EQ("", ini.text());

    parent.save();
    EXPECT_EQ("[Order]\r\nFirst=1\r\nSecond=2\r\nThird=3\r\n", ini.text());
}

TEST(PreferenceTree, AChildThatThrowsWhileSavingLeavesTheOrderIntact)
{
    std::vector<std::string> log;
    TutPreferenceBase root;
    RecordingNode first(&root, "first", log);
    RecordingNode second(&root, "second", log);
    RecordingNode third(&root, "third", log);

    second.throwOnNextSave();
    EXPECT_THROW(root.save(), std::runtime_error);
    EXPECT_THAT(log, ElementsAre("first", "second"));

    log.clear();
    root.save();
    EXPECT_THAT(log, ElementsAre("first", "second", "third"));
}

TEST(PreferenceTree, DestroyedChildLeavesItsParentsList)
{
    std::vector<std::string> log;
    TutPreferenceBase root;
    RecordingNode first(&root, "first", log);
    {
        RecordingNode middle(&root, "middle", log);
    }
    RecordingNode last(&root, "last", log);

    root.save();
    EXPECT_THAT(log, ElementsAre("first", "last"));
}

TEST(PreferenceTree, ParentDestroyedFirstLeavesWorkingRoots)
{
    ScratchIni ini;
    auto *parent = new TutPreferenceBase;
    parent->enableAutoSave(TRUE);
    TutProfilePreferenceString first(parent, ini.profile(), "Left", "First");
    TutProfilePreferenceString second(parent, ini.profile(), "Left", "Second");
    delete parent;

    EXPECT_EQ(nullptr, first.parent());
    EXPECT_EQ(nullptr, second.parent());
    // Each keeps the auto-save it had, and, being a root now, can switch it off.
    EXPECT_TRUE(first.isAutoSaveEnabled());
    first.disableAutoSave();
    second.disableAutoSave();
    EXPECT_FALSE(first.isAutoSaveEnabled());

    first = CString("1");
    first.save();
    EXPECT_EQ("[Left]\r\nFirst=1\r\n", ini.text());

    // A new parent takes them both.
    TutPreferenceBase adopter;
    first.parent(&adopter);
    second.parent(&adopter);
    second = CString("2");
    adopter.save();
    EXPECT_EQ("[Left]\r\nFirst=1\r\nSecond=2\r\n", ini.text());
    EXPECT_EQ(&adopter, second.parent());
}

TEST(PreferenceTree, ParentCanBeChangedButNotIntoALoop)
{
    std::vector<std::string> log;
    RecordingNode root(nullptr, "root", log);
    RecordingNode child(&root, "child", log);
    RecordingNode grandchild(&child, "grandchild", log);
    RecordingNode other(nullptr, "other", log);

    root.parent(&grandchild);
    child.parent(&child);
    EXPECT_EQ(nullptr, root.parent());
    EXPECT_EQ(&root, child.parent());

    grandchild.parent(&other);
    EXPECT_EQ(&other, grandchild.parent());
    root.save();
    other.save();
    EXPECT_THAT(log, ElementsAre("root", "child", "other", "grandchild"));

    log.clear();
    grandchild.parent(nullptr);
    other.save();
    EXPECT_THAT(log, ElementsAre("other"));
}

TEST(PreferenceTree, CopiesJoinTheOriginalsParentWithItsFlagsButNoChildren)
{
    std::vector<std::string> log;
    RecordingNode root(nullptr, "root", log);
    TutPreferenceBase original(&root);
    RecordingNode child(&original, "child", log);
    original.markDirty();

    TutPreferenceBase copy(original);
    EXPECT_EQ(&root, copy.parent());
    EXPECT_TRUE(copy.isDirty());

    copy.save();
    EXPECT_THAT(log, IsEmpty());
    EXPECT_FALSE(copy.isDirty());
    EXPECT_TRUE(original.isDirty());

    // Assignment copies nothing: flags and place stay.
    TutPreferenceBase target;
    target = original;
    EXPECT_EQ(nullptr, target.parent());
    EXPECT_FALSE(target.isDirty());

    TutPreferenceBase rootCopy(root);
    EXPECT_EQ(nullptr, rootCopy.parent());
}

class PreferenceSaveTest : public ::testing::Test {
protected:
    void SetUp() override { ini.setText("[Prefs]\r\nName=stored\r\n"); }

    ScratchIni ini;
    TutPreferenceBase parent;
    TutProfilePreferenceString child{&parent, ini.profile(), "Prefs", "Name"};
};

TEST_F(PreferenceSaveTest, AssignmentMarksDirtyAndSaveWritesOnce)
{
    child = CString("assigned");
    EXPECT_TRUE(child.isDirty());
    EXPECT_FALSE(parent.isDirty());
    EXPECT_EQ("[Prefs]\r\nName=stored\r\n", ini.text());

    parent.save();
    EXPECT_FALSE(child.isDirty());
    EXPECT_EQ("[Prefs]\r\nName=assigned\r\n", ini.text());

    ini.setText("[Prefs]\r\nName=edited meanwhile\r\n");
    parent.save();
    EXPECT_EQ("[Prefs]\r\nName=edited meanwhile\r\n", ini.text());
}

TEST_F(PreferenceSaveTest, EnablingAutoSaveWritesPendingChildThenEveryAssignment)
{
    child = CString("pending");
    parent.enableAutoSave(TRUE);
    EXPECT_EQ("[Prefs]\r\nName=pending\r\n", ini.text());
    EXPECT_FALSE(child.isDirty());
    EXPECT_TRUE(parent.isAutoSaveEnabled());
    EXPECT_TRUE(child.isAutoSaveEnabled());

    child = CString("at once");
    EXPECT_EQ("[Prefs]\r\nName=at once\r\n", ini.text());
    EXPECT_FALSE(child.isDirty());

    // Already on: nothing is saved again.
    ini.setText("[Prefs]\r\nName=edited\r\n");
    parent.enableAutoSave(TRUE);
    EXPECT_EQ("[Prefs]\r\nName=edited\r\n", ini.text());
}

TEST_F(PreferenceSaveTest, AutoSaveCannotBeSwitchedOffUnderAnAutoSavingParent)
{
    parent.enableAutoSave(TRUE);
    child.disableAutoSave();
    EXPECT_TRUE(child.isAutoSaveEnabled());
    child = CString("still at once");
    EXPECT_EQ("[Prefs]\r\nName=still at once\r\n", ini.text());

    // Switched off at the top, it goes off below too.
    parent.disableAutoSave();
    EXPECT_FALSE(child.isAutoSaveEnabled());
    child = CString("waits");
    EXPECT_EQ("[Prefs]\r\nName=still at once\r\n", ini.text());
}

TEST_F(PreferenceSaveTest, JoiningAndLeavingSetsAutoSaveOnlyFromAnAutoSavingParent)
{
    TutPreferenceBase saving;
    saving.enableAutoSave(TRUE);
    TutPreferenceBase waiting;

    child.parent(&saving);
    EXPECT_TRUE(child.isAutoSaveEnabled());
    child.parent(nullptr);
    EXPECT_TRUE(child.isAutoSaveEnabled());
    child.parent(&waiting);
    EXPECT_TRUE(child.isAutoSaveEnabled());

    child.disableAutoSave();
    EXPECT_FALSE(child.isAutoSaveEnabled());
    TutProfilePreferenceString late(&saving, ini.profile(), "Prefs", "Late");
    EXPECT_TRUE(late.isAutoSaveEnabled());
}

TEST_F(PreferenceSaveTest, MarkDirtySavesAtOnceOnlyUnderAutoSave)
{
    child = CString("held");
    parent.save();
    ini.setText("[Prefs]\r\nName=edited\r\n");

    child.markDirty();
    EXPECT_TRUE(child.isDirty());
    EXPECT_EQ("[Prefs]\r\nName=edited\r\n", ini.text());

    child.enableAutoSave(TRUE);
    EXPECT_EQ("[Prefs]\r\nName=held\r\n", ini.text());
    ini.setText("[Prefs]\r\nName=edited\r\n");
    child.markDirty();
    EXPECT_FALSE(child.isDirty());
    EXPECT_EQ("[Prefs]\r\nName=held\r\n", ini.text());
}

TEST_F(PreferenceSaveTest, APreferenceWithoutAValueNeverOverwritesItsKey)
{
    // Neither read nor assigned: marking it dirty gives it nothing to write.
    child.markDirty();
    parent.save();
    EXPECT_EQ("[Prefs]\r\nName=stored\r\n", ini.text());

    child.enableAutoSave(TRUE);
    child.markDirty();
    EXPECT_EQ("[Prefs]\r\nName=stored\r\n", ini.text());
    EXPECT_STREQ("stored", child);
}

class PreferenceOverrideTest : public ::testing::Test {
protected:
    ScratchIni own;
    ScratchIni other;
    TutProfile otherProfile = other.profile();
};

TEST_F(PreferenceOverrideTest, EveryNodeIsDirtyWhileAnOverrideIsInstalled)
{
    TutPreferenceBase root;
    TutProfilePreferenceString fresh(&root, own.profile(), "Prefs", "Name");
    {
        ScopedOverride redirect(&otherProfile);
        EXPECT_TRUE(root.isDirty());
        EXPECT_TRUE(fresh.isDirty());
    }
    EXPECT_FALSE(root.isDirty());
    EXPECT_FALSE(fresh.isDirty());
}

TEST_F(PreferenceOverrideTest, SavingTheRootWritesTheTreesValuesIntoTheOverride)
{
    own.setText("[Prefs]\r\nRead=from own\r\nClean=also own\r\nUnread=own value\r\n");
    other.setText("[Prefs]\r\nUnread=kept\r\n");
    TutPreferenceBase root;
    TutProfilePreferenceString read(&root, own.profile(), "Prefs", "Read");
    TutPreferenceBase group(&root);
    TutProfilePreferenceString clean(&group, own.profile(), "Prefs", "Clean");
    TutProfilePreferenceString assigned(&group, own.profile(), "Prefs", "Assigned");
    TutProfilePreferenceString unread(&root, own.profile(), "Prefs", "Unread");
    EXPECT_STREQ("from own", read);
    EXPECT_STREQ("also own", clean);
    assigned = CString("new");
    {
        ScopedOverride redirect(&otherProfile);
        root.save();
    }
    // The never-read preference holds nothing: the override's own value for its key stays.
    EXPECT_EQ(
        "[Prefs]\r\nUnread=kept\r\nRead=from own\r\nClean=also own\r\nAssigned=new\r\n",
        other.text());
    EXPECT_EQ("[Prefs]\r\nRead=from own\r\nClean=also own\r\nUnread=own value\r\n", own.text());
    EXPECT_FALSE(assigned.isDirty());
    EXPECT_STREQ("own value", unread);
}

TEST(PreferenceApplication, RootSavesWhatJoinedItAndIsDeletedAtUnload)
{
    std::vector<std::string> log;
    TutPreferenceBase &root = TutPreferenceBase::application();
    EXPECT_EQ(&root, &TutPreferenceBase::application());
    EXPECT_EQ(nullptr, root.parent());

    RecordingNode member(&root, "member", log);
    TutPreferenceBase::application().save();
    EXPECT_THAT(log, ElementsAre("member"));

    vks::settings::releaseApplicationPreferences();
    EXPECT_EQ(nullptr, member.parent());

    // A later use makes a fresh root, without the old members.
    log.clear();
    TutPreferenceBase::application().save();
    EXPECT_THAT(log, IsEmpty());
    member.parent(&TutPreferenceBase::application());
    TutPreferenceBase::application().save();
    EXPECT_THAT(log, ElementsAre("member"));
}

}  // namespace
