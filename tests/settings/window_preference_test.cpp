// TutWindowProfilePreference: a window's placement saved to its ten keys and restored from
// them, for top-level and child windows, and copies that own their values.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "afxwin.h"
#include "pump.h"
#include "settings/window_preference.h"
#include "settings_fixtures.h"
#include "vkstest.h"

namespace {

using settingstest::ScratchIni;

constexpr const char *kKeysInTableOrder[] = {
    "Window Flags",
    "Window Show Command",
    "Window X Min Position",
    "Window Y Min Position",
    "Window X Max Position",
    "Window Y Max Position",
    "Window Left Normal Position",
    "Window Top Normal Position",
    "Window Right Normal Position",
    "Window Bottom Normal Position",
};

// The section "[Window]" with the ten keys set to `values`, in table order.
std::string sectionWith(const std::vector<long> &values)
{
    std::string text = "[Window]\r\n";
    for (std::size_t i = 0; i < values.size(); ++i)
        text += std::string(kKeysInTableOrder[i]) + "=" + std::to_string(values[i]) + "\r\n";
    return text;
}

RECT rectOf(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// The WM_SYSCOMMAND waiting for hwnd, 0 when none is.
WPARAM postedSysCommand(HWND hwnd)
{
    MSG msg;
    return PeekMessageA(&msg, hwnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE) ? msg.wParam : 0;
}

class WindowPreference : public ::testing::Test {
protected:
    WindowPreference()
    {
        top.CreateEx(0, nullptr, "top", 0, 100, 50, 400, 300, nullptr, nullptr);
        child.CreateEx(0, nullptr, "child", WS_CHILD, 10, 10, 50, 50, top.m_hWnd, nullptr);
    }
    ~WindowPreference() override
    {
        child.DestroyWindow();
        top.DestroyWindow();
        vkstest::drainQueue();
    }

    TutProfileSection section() const { return TutProfileSection(ini.profile(), "Window"); }

    vkstest::ScopedTickCount ticks{0};
    ScratchIni ini;
    CWnd top;
    CWnd child;
};

TEST_F(WindowPreference, RestoreWithAnEmptySectionShowsTheWindowNormally)
{
    TutWindowProfilePreference preference(&top, nullptr, section());
    EXPECT_EQ(1, preference.restore());
    EXPECT_TRUE(top.IsWindowVisible());
    WINDOWPLACEMENT placement{};
    top.GetWindowPlacement(&placement);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), placement.showCmd);
    EXPECT_EQ(0u, postedSysCommand(top.m_hWnd));
}

TEST_F(WindowPreference, RestoreOfATopLevelWindowPlacesItAndLeavesItHidden)
{
    ini.setText(sectionWith({0, SW_SHOWMAXIMIZED, 0, 0, 0, 0, 20, 30, 220, 130}));
    TutWindowProfilePreference preference(&top, nullptr, section());
    EXPECT_TRUE(preference.restore());
    const RECT rect = rectOf(top.m_hWnd);
    EXPECT_EQ(20, rect.left);
    EXPECT_EQ(130, rect.bottom);
    EXPECT_FALSE(top.IsWindowVisible());
    EXPECT_EQ(0u, postedSysCommand(top.m_hWnd));
}

TEST_F(WindowPreference, RestoreOfAChildShowsItThenPostsTheStoredSizeCommand)
{
    struct Case {
        const char *name;
        int storedShowCommand;
        WPARAM posted;
    };
    const Case kCases[] = {
        {"maximised", SW_SHOWMAXIMIZED, SC_MAXIMIZE},
        {"minimised", SW_SHOWMINIMIZED, SC_MINIMIZE},
        {"normal", SW_SHOWNORMAL, 0},
    };
    top.ShowWindow(SW_SHOWNORMAL);
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        child.ShowWindow(SW_HIDE);
        ini.setText(sectionWith({0, c.storedShowCommand, 0, 0, 0, 0, 5, 6, 45, 36}));
        TutWindowProfilePreference preference(&child, nullptr, section());
        EXPECT_TRUE(preference.restore());
        // Parent-client coordinates: the parent is at 100, 50.
        const RECT rect = rectOf(child.m_hWnd);
        EXPECT_EQ(105, rect.left);
        EXPECT_EQ(86, rect.bottom);
        EXPECT_TRUE(child.IsWindowVisible());
        EXPECT_EQ(c.posted, postedSysCommand(child.m_hWnd));
    }
}

TEST_F(WindowPreference, RestoreWithoutALiveWindowDoesNothing)
{
    ini.setText(sectionWith({0, SW_SHOWNORMAL, 0, 0, 0, 0, 5, 6, 45, 36}));
    TutWindowProfilePreference none(nullptr, nullptr, section());
    EXPECT_EQ(0, none.restore());
    CWnd gone;
    TutWindowProfilePreference destroyed(&gone, nullptr, section());
    EXPECT_EQ(0, destroyed.restore());
}

TEST_F(WindowPreference, SaveUnderAnAutoSavingParentWritesTheTenKeysInTableOrder)
{
    top.ShowWindow(SW_SHOWNORMAL);
    TutPreferenceBase parent;
    parent.enableAutoSave(TRUE);
    TutWindowProfilePreference preference(&top, &parent, section());
    preference.save();
    EXPECT_EQ(sectionWith({0, SW_SHOWNORMAL, -1, -1, -1, -1, 100, 50, 500, 350}), ini.text());
}

TEST_F(WindowPreference, SaveWithoutAutoSaveWritesWhenItReachesTheBaseSave)
{
    TutPreferenceBase parent;
    TutWindowProfilePreference preference(&top, &parent, section());
    parent.save();
    EXPECT_EQ(sectionWith({0, SW_SHOWNORMAL, -1, -1, -1, -1, 100, 50, 500, 350}), ini.text());
    // Once saved, a window that is gone writes nothing new.
    ini.setText("");
    top.DestroyWindow();
    preference.save();
    EXPECT_EQ("", ini.text());
}

TEST_F(WindowPreference, SavedPlacementRestoresTheSameRectangle)
{
    WINDOWPLACEMENT moved{sizeof moved, 0, SW_HIDE, {-1, -1}, {-1, -1}, {7, 8, 307, 208}};
    top.SetWindowPlacement(&moved);
    TutWindowProfilePreference saved(&top, nullptr, section());
    saved.save();
    WINDOWPLACEMENT elsewhere{sizeof elsewhere, 0, SW_HIDE, {-1, -1}, {-1, -1}, {0, 0, 10, 10}};
    top.SetWindowPlacement(&elsewhere);

    TutWindowProfilePreference restored(&top, nullptr, section());
    ASSERT_TRUE(restored.restore());
    const RECT rect = rectOf(top.m_hWnd);
    EXPECT_EQ(7, rect.left);
    EXPECT_EQ(8, rect.top);
    EXPECT_EQ(307, rect.right);
    EXPECT_EQ(208, rect.bottom);
}

TEST_F(WindowPreference, ACopysValuesBelongToTheCopy)
{
    CWnd other;
    other.CreateEx(0, nullptr, "other", 0, 1, 2, 3, 4, nullptr, nullptr);
    TutWindowProfilePreference original(&top, nullptr, section());
    TutWindowProfilePreference copy(original);
    copy.window(&other);

    copy.save();
    EXPECT_EQ(sectionWith({0, SW_SHOWNORMAL, -1, -1, -1, -1, 1, 2, 4, 6}), ini.text());
    // The original writes its own values once, not the copy's after them.
    original.save();
    EXPECT_EQ(sectionWith({0, SW_SHOWNORMAL, -1, -1, -1, -1, 100, 50, 500, 350}), ini.text());
    other.DestroyWindow();
}

TEST_F(WindowPreference, AnotherSectionIsTestedByExistsButNotUsedForTheKeys)
{
    ini.setText("[Other]\r\nkey=1\r\n");
    TutWindowProfilePreference preference(&top, nullptr, section());
    EXPECT_FALSE(preference.exists());
    preference.section(TutProfileSection(ini.profile(), "Other"));
    EXPECT_TRUE(preference.exists());
    // The stored section has a key, so the placement comes from "Window", with its defaults.
    EXPECT_TRUE(preference.restore());
    const RECT rect = rectOf(top.m_hWnd);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(1, rect.right);
    EXPECT_FALSE(top.IsWindowVisible());
}

}  // namespace
