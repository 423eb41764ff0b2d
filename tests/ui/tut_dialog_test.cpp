// TutDialog: its title, the update counter, the caption's help button, the default-button look,
// the waiting state, Abort, and the help requests it answers.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "dialog_fixtures.h"
#include "util/startup.h"

namespace {

using uitest::DialogTest;
using uitest::kHelpButton;
using uitest::kNameField;
using uitest::kSampleDialog;
using uitest::pumpAll;
using uitest::SampleDialog;

constexpr char kProduct[] = "VELMORA";

// The library's own string, with the product's name put in for its placeholder.
std::string libraryString(UINT id)
{
    char text[256] = "";
    LoadStringA(utLibraryInstance(), id, text, sizeof text);
    std::string expanded = text;
    const std::string token = "$ProductName$";
    if (const auto at = expanded.find(token); at != std::string::npos)
        expanded.replace(at, token.size(), kProduct);
    return expanded;
}

std::string windowText(HWND hwnd)
{
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

LONG buttonType(HWND button)
{
    return GetWindowLongA(button, GWL_STYLE) & 0xF;
}

RECT windowRect(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// A plain top-level window that can take the activation from the dialog.
HWND otherWindow()
{
    static const char kClass[] = "VksTutDialogTestOther";
    WNDCLASSA wc{};
    if (!GetClassInfoA(nullptr, kClass, &wc)) {
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
    }
    return CreateWindowExA(0, kClass, "other", WS_POPUP | WS_VISIBLE, 400, 400, 50, 50, nullptr,
                           nullptr, nullptr, nullptr);
}

TEST(TutDialogClass, IsADialogNamedTutDialog)
{
    SampleDialog dialog;
    EXPECT_STREQ("TutDialog", dialog.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CDialog)));
}

TEST_F(DialogTest, InitialisationCentresOnTheParentAndExpandsTheTitle)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, 100, 80, 600, 400,
                                nullptr, nullptr));
    SampleDialog dialog(&parent);
    ASSERT_TRUE(dialog.Create(kSampleDialog, &parent));
    EXPECT_EQ(std::string("About ") + kProduct, windowText(dialog.GetSafeHwnd()));
    const RECT outer = windowRect(parent.GetSafeHwnd());
    const RECT inner = windowRect(dialog.GetSafeHwnd());
    EXPECT_NEAR((outer.left + outer.right) / 2, (inner.left + inner.right) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, (inner.top + inner.bottom) / 2, 1);
    dialog.DestroyWindow();
    parent.DestroyWindow();
}

TEST_F(DialogTest, UpdatesAreEnabledOnlyWhileTheCounterIsZero)
{
    SampleDialog dialog;
    EXPECT_EQ(0, dialog.UpdatesEnabled()) << "a new dialog starts with updates disabled";
    const struct {
        const char *step;
        int enable;
        int enabled;
    } kSteps[] = {
        {"enable once", 1, 1},  {"disable", 0, 0},       {"disable again", 0, 0},
        {"enable", 1, 0},       {"enable, back to 0", 1, 1},
        {"enable past 0", 1, 0}, {"disable, back to 0", 0, 1},
    };
    for (const auto &step : kSteps) {
        SCOPED_TRACE(step.step);
        if (step.enable)
            dialog.EnableUpdates(1);
        else
            dialog.DisableUpdates();
        EXPECT_EQ(step.enabled, dialog.UpdatesEnabled());
    }
}

TEST_F(DialogTest, EnableAndDisableSetTheWindowsEnabledState)
{
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(kSampleDialog));
    dialog.Disable();
    EXPECT_FALSE(IsWindowEnabled(dialog.GetSafeHwnd()));
    EXPECT_EQ(0, dialog.IsEnabled());
    dialog.Enable(1);
    EXPECT_TRUE(IsWindowEnabled(dialog.GetSafeHwnd()));
    EXPECT_NE(0, dialog.IsEnabled());
    dialog.DestroyWindow();
}

TEST_F(DialogTest, CaptionHelpButtonOnlyWithAHelpMap)
{
    ULONG map[] = {kNameField, 1200, 0, 0};
    const struct {
        const char *what;
        ULONG *wholeMap;
        ULONG *controlMap;
        int hasButton;
    } kCases[] = {
        {"no map", nullptr, nullptr, 0},
        {"a map for the whole dialog", map, nullptr, 1},
        {"a map for control 0", nullptr, map, 1},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        SampleDialog dialog;
        dialog.wholeMap = row.wholeMap;
        dialog.controlMap = row.controlMap;
        ASSERT_TRUE(dialog.Create(kSampleDialog));
        const LONG exStyle = GetWindowLongA(dialog.GetSafeHwnd(), GWL_EXSTYLE);
        EXPECT_EQ(row.hasButton ? WS_EX_CONTEXTHELP : 0, exStyle & WS_EX_CONTEXTHELP);
        EXPECT_EQ(row.hasButton, dialog.HasCuecard());
        dialog.DestroyWindow();
    }
}

TEST_F(DialogTest, DefaultButtonLookFollowsTheFocus)
{
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(kSampleDialog));
    const HWND hwnd = dialog.GetSafeHwnd();
    const HWND ok = GetDlgItem(hwnd, IDOK);
    const HWND cancel = GetDlgItem(hwnd, IDCANCEL);
    const HWND help = GetDlgItem(hwnd, kHelpButton);
    const struct {
        const char *focus;
        int id;
        LONG okType, cancelType, helpType;
    } kCases[] = {
        {"Cancel", IDCANCEL, BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_PUSHBUTTON},
        {"the edit field", kNameField, BS_DEFPUSHBUTTON, BS_PUSHBUTTON, BS_PUSHBUTTON},
        {"Help", kHelpButton, BS_PUSHBUTTON, BS_PUSHBUTTON, BS_DEFPUSHBUTTON},
        {"OK", IDOK, BS_DEFPUSHBUTTON, BS_PUSHBUTTON, BS_PUSHBUTTON},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.focus);
        SetFocus(GetDlgItem(hwnd, row.id));
        ASSERT_EQ(GetDlgItem(hwnd, row.id), GetFocus());
        const std::pair<HWND, LONG> kLooks[] = {
            {ok, row.okType}, {cancel, row.cancelType}, {help, row.helpType}};
        // Every button starts with the wrong look, so only the repaint can set it right.
        for (const auto &[button, type] : kLooks)
            SendMessageA(button, BM_SETSTYLE, type == BS_PUSHBUTTON ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                         FALSE);
        dialog.RepaintPushButtons();
        for (const auto &[button, type] : kLooks)
            EXPECT_EQ(type, buttonType(button)) << windowText(button);
    }
    // The edit field is no push button and keeps its style.
    const LONG editStyle = GetWindowLongA(GetDlgItem(hwnd, kNameField), GWL_STYLE);
    dialog.RepaintPushButton(GetDlgItem(hwnd, kNameField));
    EXPECT_EQ(editStyle, GetWindowLongA(GetDlgItem(hwnd, kNameField), GWL_STYLE));
    dialog.DestroyWindow();
}

TEST_F(DialogTest, ResetDisabledFocusMovesALostFocusToTheGivenWindow)
{
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(kSampleDialog));
    const HWND hwnd = dialog.GetSafeHwnd();
    CWnd cancel;
    ASSERT_TRUE(cancel.Attach(GetDlgItem(hwnd, IDCANCEL)));
    ASSERT_EQ(hwnd, GetActiveWindow());

    // A focus on an enabled window stays where it is.
    SetFocus(GetDlgItem(hwnd, kNameField));
    dialog.ResetDisabledFocus(&cancel);
    EXPECT_EQ(GetDlgItem(hwnd, kNameField), GetFocus());

    // Disabling the focused field loses the focus; the repair gives it to Cancel, with the look.
    EnableWindow(GetDlgItem(hwnd, kNameField), FALSE);
    dialog.ResetDisabledFocus(&cancel);
    EXPECT_EQ(cancel.GetSafeHwnd(), GetFocus());
    EXPECT_EQ(BS_DEFPUSHBUTTON, buttonType(cancel.GetSafeHwnd()));
    EXPECT_EQ(BS_PUSHBUTTON, buttonType(GetDlgItem(hwnd, IDOK)));

    cancel.Detach();
    dialog.DestroyWindow();
}

class WaitingDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(kSampleDialog));
        hwnd = dialog.GetSafeHwnd();
        // A point of the dialog's own client area, between the edit field and the buttons.
        const RECT field = windowRect(GetDlgItem(hwnd, kNameField));
        const RECT ok = windowRect(GetDlgItem(hwnd, IDOK));
        free = {ok.left + 2, (field.bottom + ok.top) / 2};
        pumpAll();
    }
    void TearDown() override
    {
        dialog.DestroyWindow();
        if (other)
            DestroyWindow(other);
    }

    SampleDialog dialog;
    HWND hwnd = nullptr;
    HWND other = nullptr;
    POINT free{};
};

TEST_F(WaitingDialogTest, WhileWaitingTheCursorOverTheDialogIsTheHourglass)
{
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR hourglass = LoadCursorA(nullptr, IDC_WAIT);
    ASSERT_TRUE(SetCursorPos(free.x, free.y));

    dialog.Wait(1);
    EXPECT_EQ(1, dialog.IsWaiting());
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    POINT at{};
    ASSERT_TRUE(GetCursorPos(&at));
    EXPECT_EQ(free.x, at.x) << "the cursor stays where it is";
    EXPECT_EQ(free.y, at.y);
    SetCursor(arrow);
    ASSERT_TRUE(SetCursorPos(free.x + 1, free.y));
    EXPECT_EQ(hourglass, GetCursor());

    dialog.Continue();
    EXPECT_EQ(0, dialog.IsWaiting());
    EXPECT_TRUE(IsWindowEnabled(hwnd)) << "the dialog is usable again after the wait";
    SetCursor(arrow);
    ASSERT_TRUE(SetCursorPos(free.x, free.y));
    EXPECT_EQ(arrow, GetCursor());
}

TEST_F(WaitingDialogTest, AClickOnTheActiveDialogBeepsOnlyWhileWaiting)
{
    ASSERT_EQ(hwnd, GetActiveWindow());
    ASSERT_TRUE(VksHostMouseButton(free.x, free.y, WM_LBUTTONDOWN));
    VksHostMouseButton(free.x, free.y, WM_LBUTTONUP);
    pumpAll();
    EXPECT_EQ(std::vector<UINT>{}, beeps);

    dialog.Wait(1);
    for (UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        SCOPED_TRACE(press);
        beeps.clear();
        ASSERT_TRUE(VksHostMouseButton(free.x, free.y, press));
        VksHostMouseButton(free.x, free.y, press + 1);
        pumpAll();
        EXPECT_EQ(std::vector<UINT>{0}, beeps);
        EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), GetCursor());
    }
    dialog.Continue();
}

TEST_F(WaitingDialogTest, APressWhileWaitingActivatesAnInactiveDialogWithoutABeep)
{
    other = otherWindow();
    ASSERT_NE(nullptr, other);
    SetActiveWindow(other);
    ASSERT_EQ(other, GetActiveWindow());
    dialog.Wait(1);
    beeps.clear();

    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                 MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(hwnd, GetActiveWindow());
    EXPECT_EQ(std::vector<UINT>{}, beeps);
    dialog.Continue();
}

// Ends itself with Abort as soon as it is initialised.
class AbortingDialog : public SampleDialog {
public:
    AbortingDialog(CException *e, int deleteException) : e_(e), delete_(deleteException) {}

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = SampleDialog::OnInitDialog();
        Abort(e_, delete_);
        return result;
    }

private:
    CException *e_;
    int delete_;
};

// An exception that counts its deletion.
class CountedException : public CException {
public:
    explicit CountedException(int &deleted) : CException(TRUE), deleted_(deleted) {}
    ~CountedException() override { ++deleted_; }

private:
    int &deleted_;
};

TEST_F(DialogTest, AbortShowsTheClosingNoticeAndEndsTheDialogWithCancel)
{
    const std::string expected = libraryString(8292) + "\n\n" + libraryString(8243);
    for (int deleteException : {1, 0}) {
        SCOPED_TRACE(deleteException);
        boxes.clear();
        int deleted = 0;
        auto *e = new CountedException(deleted);
        AbortingDialog dialog(e, deleteException);

        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(expected, boxes[0].text);
        EXPECT_EQ(kProduct, boxes[0].caption);
        EXPECT_EQ(deleteException, deleted);
        EXPECT_EQ(0, dialog.UpdatesEnabled());
        if (!deleteException)
            e->Delete();
    }
}

// The help requests of the dialog: the viewer's command and data for each source of the map.
class HelpRequestTest : public DialogTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(kSampleDialog));
        hwnd = dialog.GetSafeHwnd();
        requests.clear();
        dialog.askedIds.clear();  // the creation asked for control 0
    }
    void TearDown() override { dialog.DestroyWindow(); }

    void sendHelp(int id)
    {
        HELPINFO info{};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = id;
        info.hItemHandle = GetDlgItem(hwnd, id);
        SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }

    SampleDialog dialog;
    HWND hwnd = nullptr;
};

TEST_F(HelpRequestTest, HelpAndContextMenuChooseTheMapOfTheRequest)
{
    ULONG wholeMap[] = {kNameField, 1200, 0, 0};
    ULONG controlMap[] = {kNameField, 1300, 0, 0};
    const struct {
        const char *what;
        ULONG *whole;
        ULONG *control;
        int id;
        ULONG expectedTopic;  // 0: no request
        std::vector<ULONG> asked;
    } kCases[] = {
        {"the dialog's map first", wholeMap, controlMap, kNameField, 1200, {}},
        {"else the control's map", nullptr, controlMap, kNameField, 1300, {kNameField}},
        {"no map, no help", nullptr, nullptr, kNameField, 0, {kNameField}},
        {"the Help button has its own", wholeMap, controlMap, kHelpButton, 39900, {}},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        dialog.wholeMap = row.whole;
        dialog.controlMap = row.control;
        for (UINT command : {HELP_WM_HELP, HELP_CONTEXTMENU}) {
            SCOPED_TRACE(command);
            requests.clear();
            dialog.askedIds.clear();
            const HWND control = GetDlgItem(hwnd, row.id);
            if (command == HELP_WM_HELP)
                sendHelp(row.id);
            else
                SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
                             MAKELPARAM(10, 10));
            EXPECT_EQ(row.asked, dialog.askedIds);
            if (!row.expectedTopic) {
                EXPECT_TRUE(requests.empty());
                continue;
            }
            ASSERT_EQ(1u, requests.size());
            EXPECT_EQ(command, requests[0].command);
            EXPECT_EQ(control, requests[0].owner);
            EXPECT_EQ("c:\\vks\\ctx.hlp", requests[0].file);
            const auto *map = reinterpret_cast<const ULONG *>(requests[0].data);
            ASSERT_NE(nullptr, map);
            EXPECT_EQ(static_cast<ULONG>(row.id), map[0]);
            EXPECT_EQ(row.expectedTopic, map[1]);
            EXPECT_EQ(0u, map[2]);
        }
    }
}

TEST_F(HelpRequestTest, F1AndARightClickOnAFieldAskForItsHelp)
{
    ULONG controlMap[] = {kNameField, 1300, 0, 0};
    dialog.controlMap = controlMap;
    const HWND field = GetDlgItem(hwnd, kNameField);
    SetFocus(field);
    PostMessageA(field, WM_KEYDOWN, VK_F1, 1);
    PostMessageA(field, WM_KEYUP, VK_F1, 0xC0000001);
    pumpAll();
    const RECT rect = windowRect(field);
    ASSERT_TRUE(VksHostMouseButton(rect.left + 3, rect.top + 3, WM_RBUTTONDOWN));
    ASSERT_TRUE(VksHostMouseButton(rect.left + 3, rect.top + 3, WM_RBUTTONUP));
    pumpAll();

    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), requests[0].command);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), requests[1].command);
    for (const auto &request : requests) {
        SCOPED_TRACE(request.command);
        EXPECT_EQ(field, request.owner);
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(controlMap), request.data);
    }
    EXPECT_EQ((std::vector<ULONG>{kNameField, kNameField}), dialog.askedIds);
}

TEST_F(HelpRequestTest, HelpButtonShowsTheDialogsTopicOfTheMainHelp)
{
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(kHelpButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, kHelpButton)));
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("c:\\vks\\main.hlp>command", requests[0].file);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command);
    EXPECT_EQ(kSampleDialog, requests[0].data);
}

TEST_F(DialogTest, ActivationShowsQuickStepsOnlyWithACueCard)
{
    ULONG map[] = {kNameField, 1200, 0, 0};
    const struct {
        const char *what;
        ULONG *map;
        unsigned int quickHelpId;
        ULONG topic;  // 0: no request
    } kCases[] = {
        {"no cue card", nullptr, 0, 0},
        {"the dialog's help id", map, 0, 10000 + kSampleDialog},
        {"the quick-help id", map, 77, 10077},
    };
    const HWND other = otherWindow();
    ASSERT_NE(nullptr, other);
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        SampleDialog dialog;
        dialog.wholeMap = row.map;
        dialog.SetQHelpID(row.quickHelpId);
        ASSERT_TRUE(dialog.Create(kSampleDialog));
        SetActiveWindow(other);
        requests.clear();

        SetActiveWindow(dialog.GetSafeHwnd());
        const auto shown = requestsOf(HELP_CONTEXT);
        if (!row.topic) {
            EXPECT_TRUE(shown.empty());
        } else {
            ASSERT_EQ(1u, shown.size());
            EXPECT_EQ("c:\\vks\\ctx.hlp>smarthlp", shown[0].file);
            EXPECT_EQ(row.topic, shown[0].data);
            EXPECT_EQ(dialog.GetSafeHwnd(), shown[0].owner);
        }
        dialog.DestroyWindow();
    }
    DestroyWindow(other);
}

TEST_F(DialogTest, DestructionClosesTheCueCard)
{
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create(kSampleDialog));
    const HWND hwnd = dialog.GetSafeHwnd();
    requests.clear();
    dialog.DestroyWindow();
    const auto closed = requestsOf(HELP_QUIT);
    ASSERT_EQ(1u, closed.size());
    EXPECT_EQ(hwnd, closed[0].owner);
    EXPECT_EQ("c:\\vks\\ctx.hlp", closed[0].file);
}

}  // namespace
