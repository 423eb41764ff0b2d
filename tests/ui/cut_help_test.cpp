// CutHelp: the "Show Quick Steps" preference, the help requests a viewer sees, and when the cue
// card closes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "library_env.h"
#include "product_host.h"
#include "pump.h"
#include "settings/profile.h"
#include "ui/cuecard_owner.h"
#include "ui/cut_help.h"
#include "vkshost.h"
#include "vksservc_host.h"

namespace {

struct Request {
    HWND owner;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

BOOL recordRequest(HWND owner, const char *file, UINT command, ULONG_PTR data, void *context)
{
    static_cast<std::vector<Request> *>(context)->push_back({owner, file, command, data});
    return TRUE;
}

std::string storedPreference()
{
    char text[16] = "";
    GetPrivateProfileStringA("Preferences", "Show Quick Steps", "(none)", text, sizeof text,
                             TutProfile::application().name());
    return text;
}

void storePreference(const char *text)
{
    WritePrivateProfileStringA("Preferences", "Show Quick Steps", text,
                               TutProfile::application().name());
}

void setFeatures(const std::vector<int> &features)
{
    ProductSetFeatures(features.data(), features.size());
}

// A framework window with a cue-card flag, as the dialog and sheet classes have.
class CuecardWnd : public CWnd, public TutCuecardOwner {
public:
    explicit CuecardWnd(int hasCuecard) : hasCuecard_(hasCuecard) {}
    int HasCuecard() const override { return hasCuecard_; }

private:
    int hasCuecard_;
};

// The help viewer, the preference, the product's features, the service state, the keep flag
// and the thread's queue start and end clean; the application profile has no override.
class CutHelpTest : public ::testing::Test {
protected:
    CutHelpTest()
    {
        vkstest::LibraryEnvironment::driveC();
        setFeatures({});
        storePreference(nullptr);
        VksHostSetHelpViewer(&recordRequest, &requests);
        CutHelp::MainHelpFile("c:\\vks\\main.hlp");
        CutHelp::ContextHelpFile("c:\\vks\\ctx.hlp");
    }
    ~CutHelpTest() override
    {
        VksHostSetHelpViewer(nullptr, nullptr);
        setFeatures({});
        VksServcSetServiceState(FALSE, FALSE);
        CutHelp::DisableKeepCueCard();
        AfxGetThread()->m_pMainWnd = NULL;
        storePreference(nullptr);
        vkstest::drainQueue();
    }

    static HWND create(CWnd &wnd, DWORD style, HWND parent = NULL, UINT id = 0)
    {
        const BOOL made = wnd.CreateEx(0, NULL, "", style, 0, 0, 10, 10, parent,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
        return made ? wnd.m_hWnd : NULL;
    }

    std::vector<Request> requests;
};

// ---- The preference ----

TEST_F(CutHelpTest, QuickStepsAreOnByDefaultUnlessTheProductHasFeature32)
{
    const struct {
        const char *what;
        std::vector<int> features;
        const char *stored;
        int state;
    } kCases[] = {
        {"no key, no feature", {}, nullptr, 1},
        {"no key, feature 32", {32}, nullptr, 0},
        {"no key, other features", {7, 31, 33}, nullptr, 1},
        {"stored No", {}, "No", 0},
        {"stored Yes, feature 32", {32}, "Yes", 1},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        setFeatures(row.features);
        storePreference(row.stored);
        EXPECT_EQ(row.state, QueryCuecardState());
    }
}

TEST_F(CutHelpTest, AServiceHasNoCueCardsWhateverThePreference)
{
    storePreference("Yes");
    VksServcSetServiceState(TRUE, TRUE);
    EXPECT_EQ(0, CutHelp::AreCueCardsEnabled());
    EXPECT_EQ(0, QueryCuecardState());
}

TEST_F(CutHelpTest, SettingTheStateWritesThePreferenceAndNotifiesTheFrame)
{
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.lpszClassName = "VKSSBFrame";
    ASSERT_NE(0, RegisterClassA(&frameClass));
    const HWND frame = CreateWindowA("VKSSBFrame", "any title", WS_POPUP, 0, 0, 10, 10, NULL,
                                     NULL, NULL, NULL);
    ASSERT_NE(nullptr, frame);
    const UINT notify = RegisterWindowMessageA("VKSNotifyQSEvent");

    const struct {
        int state;
        const char *stored;
        int after;
    } kCalls[] = {{2, "No", 0}, {2, "Yes", 1}, {1, "Yes", 1}, {0, "No", 0}, {-1, "Yes", 1}};
    for (const auto &call : kCalls) {
        SCOPED_TRACE(call.state);
        SetCuecardState(call.state);
        EXPECT_EQ(call.stored, storedPreference());
        EXPECT_EQ(call.after, QueryCuecardState());
        MSG msg{};
        ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
        EXPECT_EQ(frame, msg.hwnd);
        EXPECT_EQ(notify, msg.message);
        EXPECT_EQ(0u, msg.wParam);
        EXPECT_EQ(0, msg.lParam);
        EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) << "one notification per call";
    }
    DestroyWindow(frame);
    UnregisterClassA("VKSSBFrame", NULL);
}

TEST_F(CutHelpTest, WithoutTheFrameTheNotificationGoesToTheCallingThread)
{
    CutHelp::EnableCueCards(0);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(nullptr, msg.hwnd);
    EXPECT_EQ(RegisterWindowMessageA("VKSNotifyQSEvent"), msg.message);
}

// The preference stays in the application profile's file while an override is installed, and
// the override is back afterwards.
TEST_F(CutHelpTest, ThePreferenceIgnoresTheProfileOverride)
{
    TutProfile elsewhere("C:\\elsewhere.ini");
    TutProfile::setOverride(&elsewhere);
    SetCuecardState(0);
    const int state = QueryCuecardState();
    EXPECT_EQ(&elsewhere, TutProfile::getOverride());
    TutProfile::setOverride(nullptr);

    EXPECT_EQ(0, state);
    EXPECT_EQ("No", storedPreference());
    char text[8] = "";
    EXPECT_EQ(0u, GetPrivateProfileStringA("Preferences", "Show Quick Steps", "", text,
                                           sizeof text, "C:\\elsewhere.ini"));
}

TEST_F(CutHelpTest, TheQuickStepsMessageIsRegisteredUnderItsName)
{
    EXPECT_EQ(RegisterWindowMessageA("ShowQuickSteps"), CutHelp::GetQSMsg());
    EXPECT_EQ(CutHelp::GetQSMsg(), CutHelp::GetQSMsg());
}

// ---- Help files and maps ----

TEST_F(CutHelpTest, QuickStepsAlwaysUseTheContextHelpFile)
{
    CutHelp::QSHelpFile("c:\\vks\\quick.hlp");
    EXPECT_STREQ("c:\\vks\\ctx.hlp", CutHelp::QSHelpFile());
    CutHelp::ContextHelpFile("c:\\vks\\other.hlp");
    EXPECT_STREQ("c:\\vks\\other.hlp", CutHelp::QSHelpFile());
    EXPECT_STREQ("c:\\vks\\other.hlp", CutHelp::ContextHelpFile());
    EXPECT_STREQ("c:\\vks\\main.hlp", CutHelp::MainHelpFile());
}

TEST_F(CutHelpTest, HelpFileNamesAreCutToTheirBuffer)
{
    const std::string longName(300, 'h');
    CutHelp::MainHelpFile(longName.c_str());
    EXPECT_EQ(longName.substr(0, 259), CutHelp::MainHelpFile());
    // A double-byte character that would not fit whole is left out.
    const std::string split = std::string(258, 'h') + "\x83\x41";
    CutHelp::ContextHelpFile(split.c_str());
    EXPECT_EQ(std::string(258, 'h'), CutHelp::ContextHelpFile());
    CutHelp::MainHelpFile(nullptr);
    EXPECT_STREQ("", CutHelp::MainHelpFile());
}

TEST_F(CutHelpTest, IsIDInTableLooksOnlyBeforeTheEndingPair)
{
    ULONG map[] = {1001, 2001, 1002, 2002, 0, 0, 1003, 2003};
    const struct {
        ULONG id;
        ULONG *map;
        int found;
    } kCases[] = {
        {1001, map, 1}, {1002, map, 1}, {2001, map, 0}, {1003, map, 0},
        {0, map, 0},    {1001, nullptr, 0}, {0, CutHelp::GetHelpMap(), 0},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(row.found, CutHelp::IsIDInTable(row.id, row.map));
    }
    EXPECT_EQ(0u, CutHelp::GetHelpMap()[0]);
    EXPECT_EQ(0u, CutHelp::GetHelpMap()[1]);
}

// ---- Requests ----

TEST_F(CutHelpTest, QuickStepsShowTopicHelpIdPlus10000InTheSmarthlpWindow)
{
    CWnd dialog;
    ASSERT_NE(nullptr, create(dialog, WS_POPUP));
    CutHelp::OnQSMsg(&dialog, 150);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(dialog.m_hWnd, requests[0].owner);
    EXPECT_EQ("c:\\vks\\ctx.hlp>smarthlp", requests[0].file);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command);
    EXPECT_EQ(10150u, requests[0].data);
}

TEST_F(CutHelpTest, TheHelpButtonShowsTheMainHelpOwnedByTheMainWindow)
{
    CWnd frame;
    ASSERT_NE(nullptr, create(frame, WS_POPUP));
    CutHelp::OnHelp(42);
    AfxGetThread()->m_pMainWnd = &frame;
    CutHelp::OnHelp(43);
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(nullptr, requests[0].owner) << "no main window yet";
    EXPECT_EQ(frame.m_hWnd, requests[1].owner);
    EXPECT_EQ("c:\\vks\\main.hlp>command", requests[1].file);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[1].command);
    EXPECT_EQ(43u, requests[1].data);
}

TEST_F(CutHelpTest, ContextHelpLeavesOutReservedControlIdentifiers)
{
    CWnd dialog;
    ASSERT_NE(nullptr, create(dialog, WS_POPUP));
    ULONG map[] = {1001, 2001, 0, 0};
    const struct {
        UINT id;
        bool onF1;
        bool onMenu;
    } kCases[] = {
        {0, true, true},          {1001, true, true},     {57087, true, true},
        {57088, false, false},    {57100, false, false},  {57343, false, false},
        {57344, true, true},      {28416, true, true},    {28417, false, false},
        {28672, false, false},    {28673, true, true},    {65535, false, true},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.id);
        CWnd control;
        HWND hwnd = row.id ? create(control, WS_CHILD, dialog.m_hWnd, row.id) : dialog.m_hWnd;
        ASSERT_NE(nullptr, hwnd);
        HELPINFO info{};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = static_cast<int>(row.id);
        info.hItemHandle = hwnd;
        requests.clear();
        CutHelp::OnWMHelp(reinterpret_cast<LPARAM>(&info), map);
        ASSERT_EQ(row.onF1 ? 1u : 0u, requests.size());
        if (row.onF1) {
            EXPECT_EQ(hwnd, requests[0].owner);
            EXPECT_EQ("c:\\vks\\ctx.hlp", requests[0].file);
            EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), requests[0].command);
            EXPECT_EQ(reinterpret_cast<ULONG_PTR>(map), requests[0].data);
        }
        requests.clear();
        CutHelp::OnContextMenu(hwnd, map);
        ASSERT_EQ(row.onMenu ? 1u : 0u, requests.size());
        if (row.onMenu) {
            EXPECT_EQ(hwnd, requests[0].owner);
            EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), requests[0].command);
        }
    }
    requests.clear();
    CutHelp::OnWMHelp(0, map);
    EXPECT_TRUE(requests.empty()) << "no request record, no help";
}

// ---- Closing the cue card ----

TEST_F(CutHelpTest, TheFirstAncestorWithACueCardFlagDecides)
{
    CuecardWnd withCard(1);
    CuecardWnd withoutCard(0);
    ASSERT_NE(nullptr, create(withCard, WS_POPUP));
    ASSERT_NE(nullptr, create(withoutCard, WS_POPUP, withCard.m_hWnd));
    CWnd page, insideCard, insidePage, topLevel;
    ASSERT_NE(nullptr, create(insideCard, WS_CHILD, withCard.m_hWnd, 1));
    ASSERT_NE(nullptr, create(page, WS_CHILD, withCard.m_hWnd, 2));
    ASSERT_NE(nullptr, create(insidePage, WS_CHILD, page.m_hWnd, 3));
    ASSERT_NE(nullptr, create(topLevel, WS_POPUP));

    const struct {
        const char *what;
        CWnd *wnd;
        int keep;
        int ok;
    } kCases[] = {
        {"control in a dialog with a cue card", &insideCard, 0, 0},
        {"control two levels down", &insidePage, 0, 0},
        {"owned dialog without a card, owner has one", &withoutCard, 0, 0},
        {"top-level window", &topLevel, 0, 1},
        {"top-level window, keep flag set", &topLevel, 1, 0},
        {"the dialog itself: its own flag does not count", &withCard, 0, 1},
        {"no window", nullptr, 0, 1},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        row.keep ? CutHelp::EnableKeepCueCard() : CutHelp::DisableKeepCueCard();
        EXPECT_EQ(row.keep, CutHelp::KeepCueCard());
        EXPECT_EQ(row.ok, CutHelp::OkToCloseCuecard(row.wnd));
    }

    CWnd insideNoCard;
    ASSERT_NE(nullptr, create(insideNoCard, WS_CHILD, withoutCard.m_hWnd, 4));
    CutHelp::EnableKeepCueCard();
    EXPECT_EQ(1, CutHelp::OkToCloseCuecard(&insideNoCard)) << "the dialog decides, not the flag";
}

TEST_F(CutHelpTest, CloseCuecardAsksTheViewerToQuitOnlyWhenAllowedAndEnabled)
{
    CuecardWnd dialog(1);
    CWnd control, topLevel;
    ASSERT_NE(nullptr, create(dialog, WS_POPUP));
    ASSERT_NE(nullptr, create(control, WS_CHILD, dialog.m_hWnd, 1));
    ASSERT_NE(nullptr, create(topLevel, WS_POPUP));

    CutHelp::CloseCuecard(&control);
    EXPECT_TRUE(requests.empty()) << "the dialog still has its cue card";

    CutHelp::CloseCuecard(&topLevel);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(topLevel.m_hWnd, requests[0].owner);
    EXPECT_EQ("c:\\vks\\ctx.hlp", requests[0].file);
    EXPECT_EQ(static_cast<UINT>(HELP_QUIT), requests[0].command);

    requests.clear();
    CutHelp::EnableKeepCueCard();
    CutHelp::CloseCuecard(&topLevel);
    EXPECT_TRUE(requests.empty()) << "kept";

    CutHelp::DisableKeepCueCard();
    storePreference("No");
    CutHelp::CloseCuecard(&topLevel);
    EXPECT_TRUE(requests.empty()) << "cue cards are off";
}

}  // namespace
