// TutFileDialog on the common dialog: the template's controls in the dialog itself, the tab
// order, the Help button, the outer record, OnOK's data exchange and help requests.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog_fixtures.h"
#include "ui/tut_file_dialog.h"

namespace {

constexpr int kFieldsTemplate = 720;
constexpr int kHelpTemplate = 730;
constexpr int kNumberField = 401;
constexpr int kCompressBox = 402;
constexpr int kSecondField = 403;
constexpr int kHelpId = uitest::kHelpButton;

// A file dialog with one number field of the custom template (1 to 10), and an action run
// once the common dialog is shown (where the user would look at it).
class SampleFileDialog : public TutFileDialog {
public:
    explicit SampleFileDialog(int templateId = 0)
        : TutFileDialog(FALSE, "txt", NULL, OFN_HIDEREADONLY, "Text|*.txt||")
    {
        m_ofn.lpstrInitialDir = "C:\\";
        if (templateId) {
            m_ofn.Flags |= OFN_ENABLETEMPLATE;
            m_ofn.hInstance = ::GetModuleHandleA(NULL);
            m_ofn.lpTemplateName = MAKEINTRESOURCEA(templateId);
            withNumber = true;
        }
    }

    int number = 5;
    bool withNumber = false;

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        if (!withNumber)
            return;
        DDX_Text(pDX, kNumberField, number);
        DDV_MinMaxInt(pDX, number, 1, 10);
    }
};

// Runs `whenShown` on the shown common dialog; it returns what the answerer presses.
class FileDialogAnswer {
public:
    using Action = std::function<int(HWND dialog, char *name, UINT size)>;
    explicit FileDialogAnswer(Action action) : action_(std::move(action))
    {
        VksHostSetFileDialogAnswerer(&FileDialogAnswer::call, this);
    }
    ~FileDialogAnswer() { VksHostSetFileDialogAnswerer(nullptr, nullptr); }
    FileDialogAnswer(const FileDialogAnswer &) = delete;
    FileDialogAnswer &operator=(const FileDialogAnswer &) = delete;

private:
    static int call(HWND dialog, const char *, char *name, UINT size, void *context)
    {
        return static_cast<FileDialogAnswer *>(context)->action_(dialog, name, size);
    }
    Action action_;
};

RECT clientRect(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

int countChildren(HWND dialog, int id)
{
    int count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count += GetDlgCtrlID(child) == id;
    return count;
}

std::vector<int> orderOf(HWND dialog, const std::vector<int> &ids)
{
    std::vector<int> order;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        for (int id : ids)
            if (GetDlgCtrlID(child) == id)
                order.push_back(id);
    return order;
}

using TutFileDialogTest = uitest::DialogTest;

TEST_F(TutFileDialogTest, NoHelpButtonWithHelpIdZero)
{
    SampleFileDialog dialog;
    bool helpButton = true;
    int painted = 0;
    FileDialogAnswer answer([&](HWND shown, char *, UINT) {
        helpButton = GetDlgItem(shown, kHelpId) != nullptr;
        painted = dialog.IsPainted();
        return IDCANCEL;
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(helpButton);
    EXPECT_EQ(1, painted);
    EXPECT_EQ(0, dialog.HasCuecard());
    EXPECT_TRUE(requests.empty());
}

TEST_F(TutFileDialogTest, HelpButtonContinuesTheStepFromOkToCancel)
{
    // Each dialog is roomy in the other direction, so it grows only the way Help lies.
    const struct {
        const char *name;
        SIZE size;
        RECT ok;
        RECT cancel;
        RECT help;
        bool down;
    } rows[] = {
        {"below", {300, 60}, {20, 10, 100, 34}, {20, 40, 100, 64}, {20, 70, 100, 94}, true},
        {"to the right", {120, 200}, {10, 20, 80, 44}, {90, 20, 160, 44}, {170, 20, 240, 44},
         false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleFileDialog dialog;
        RECT help{}, window{}, helpScreen{};
        DWORD style = 0;
        HWND afterCancel = nullptr, button = nullptr;
        FileDialogAnswer answer([&](HWND shown, char *, UINT) {
            // A small dialog with OK and Cancel placed by the row, so that Help lies outside.
            SetWindowPos(shown, nullptr, 0, 0, row.size.cx, row.size.cy,
                         SWP_NOMOVE | SWP_NOZORDER);
            const RECT &o = row.ok, &c = row.cancel;
            MoveWindow(GetDlgItem(shown, IDOK), o.left, o.top, o.right - o.left, o.bottom - o.top,
                       FALSE);
            MoveWindow(GetDlgItem(shown, IDCANCEL), c.left, c.top, c.right - c.left,
                       c.bottom - c.top, FALSE);
            dialog.SetHelpID(77);
            dialog.CreateHelpButton();
            button = GetDlgItem(shown, kHelpId);
            help = clientRect(button);
            GetWindowRect(button, &helpScreen);
            GetWindowRect(shown, &window);
            style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
            afterCancel = GetWindow(GetDlgItem(shown, IDCANCEL), GW_HWNDNEXT);
            return IDCANCEL;
        });
        dialog.DoModal();
        ASSERT_NE(nullptr, button);
        EXPECT_EQ(row.help.left, help.left);
        EXPECT_EQ(row.help.top, help.top);
        EXPECT_EQ(row.help.right, help.right);
        EXPECT_EQ(row.help.bottom, help.bottom);
        // Help's far edge plus the margin, in the direction of the step; the other unchanged.
        if (row.down) {
            EXPECT_EQ(helpScreen.bottom + 10, window.bottom);
            EXPECT_EQ(row.size.cx, window.right - window.left);
        } else {
            EXPECT_EQ(helpScreen.right + 10, window.right);
            EXPECT_EQ(row.size.cy, window.bottom - window.top);
        }
        EXPECT_EQ(0x50010000u, style & 0xFFFF0000u);
        EXPECT_EQ(button, afterCancel);
    }
}

TEST_F(TutFileDialogTest, HelpIdGivesTheHelpButtonAndItsTopic)
{
    SampleFileDialog dialog;
    dialog.SetHelpID(4321);
    bool below = false;
    FileDialogAnswer answer([&](HWND shown, char *, UINT) {
        const RECT cancel = clientRect(GetDlgItem(shown, IDCANCEL));
        const HWND help = GetDlgItem(shown, kHelpId);
        below = help && clientRect(help).top > cancel.top;
        SendMessageA(shown, WM_COMMAND, kHelpId, 0);
        return IDCANCEL;
    });
    dialog.DoModal();
    EXPECT_TRUE(below);
    const auto topics = requestsOf(HELP_CONTEXT);
    ASSERT_EQ(1u, topics.size());
    EXPECT_EQ(4321u, topics[0].data);
}

TEST_F(TutFileDialogTest, ExistingHelpButtonIsMovedNotDuplicated)
{
    SampleFileDialog dialog(kHelpTemplate);
    dialog.SetHelpID(55);
    int count = 0;
    bool visible = false, belowCancel = false;
    HWND afterCancel = nullptr, help = nullptr;
    FileDialogAnswer answer([&](HWND shown, char *, UINT) {
        count = countChildren(shown, kHelpId);
        help = GetDlgItem(shown, kHelpId);
        visible = IsWindowVisible(help);
        const RECT ok = clientRect(GetDlgItem(shown, IDOK));
        const RECT cancel = clientRect(GetDlgItem(shown, IDCANCEL));
        belowCancel = clientRect(help).top == 2 * cancel.top - ok.top;
        afterCancel = GetWindow(GetDlgItem(shown, IDCANCEL), GW_HWNDNEXT);
        return IDCANCEL;
    });
    dialog.DoModal();
    EXPECT_EQ(1, count);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(belowCancel);
    EXPECT_EQ(help, afterCancel);
}

TEST_F(TutFileDialogTest, TemplateControlsAreMadeAgainInTheDialogWithItsData)
{
    SampleFileDialog dialog(kFieldsTemplate);
    dialog.number = 7;
    std::string shownNumber;
    bool inDialog = false, hookHidden = false;
    FileDialogAnswer answer([&](HWND shown, char *, UINT) {
        char text[16] = {};
        GetDlgItemTextA(shown, kNumberField, text, sizeof text);
        shownNumber = text;
        inDialog = GetDlgItem(shown, kCompressBox) != nullptr;
        // The hook dialog, where the template's own controls stay hidden.
        for (HWND child = GetWindow(shown, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetDlgItem(child, kNumberField))
                hookHidden = !IsWindowVisible(child);
        return IDCANCEL;
    });
    dialog.DoModal();
    EXPECT_EQ("7", shownNumber);
    EXPECT_TRUE(inDialog);
    EXPECT_TRUE(hookHidden);
}

TEST_F(TutFileDialogTest, TabOrderTablePlacesEachSecondAfterItsFirst)
{
    static ULONG firstZero[] = {0, kNumberField, kSecondField, kNumberField, 0, 0};
    static ULONG swap[] = {kCompressBox, kNumberField, 0, 0};
    static ULONG missing[] = {999, kNumberField, kSecondField, kCompressBox, 0, 0};
    const struct {
        const char *name;
        ULONG *table;
        std::vector<int> order;
    } rows[] = {
        {"no table", nullptr, {kNumberField, kCompressBox, kSecondField}},
        {"first id 0 changes nothing", firstZero, {kNumberField, kCompressBox, kSecondField}},
        {"second after first", swap, {kCompressBox, kNumberField, kSecondField}},
        {"missing control skipped", missing, {kNumberField, kSecondField, kCompressBox}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleFileDialog dialog(kFieldsTemplate);
        dialog.SetTabOrder(row.table);
        std::vector<int> order;
        FileDialogAnswer answer([&](HWND shown, char *, UINT) {
            order = orderOf(shown, {kNumberField, kCompressBox, kSecondField});
            return IDCANCEL;
        });
        dialog.DoModal();
        EXPECT_EQ(row.order, order);
    }
}

TEST_F(TutFileDialogTest, OuterRecordSettingsMadeBeforeDoModalTakeEffect)
{
    vkstest::LibraryEnvironment::driveC();
    CreateDirectoryA("C:\\picked", nullptr);
    SampleFileDialog dialog;
    dialog.m_ofn.lpstrInitialDir = "C:\\picked";
    dialog.m_ofn.lpstrTitle = "Pick one";
    dialog.m_ofn.Flags |= OFN_SHOWHELP;
    std::string title, folder;
    bool help = false;
    FileDialogAnswer answer([&](HWND shown, char *name, UINT size) {
        char text[64] = {};
        GetWindowTextA(shown, text, sizeof text);
        title = text;
        SendMessageA(shown, CDM_GETFOLDERPATH, sizeof text, reinterpret_cast<LPARAM>(text));
        folder = text;
        help = GetDlgItem(shown, pshHelp) != nullptr;
        std::snprintf(name, size, "%s", "notes");
        return IDOK;
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("Pick one", title);
    EXPECT_EQ("C:\\picked", folder);
    EXPECT_TRUE(help);
    EXPECT_STREQ("C:\\picked\\notes.txt", dialog.GetPathName());
    EXPECT_STREQ("notes.txt", dialog.GetFileName());
    EXPECT_STREQ("txt", dialog.GetFileExt());
    EXPECT_STREQ("notes", dialog.GetFileTitle());
    EXPECT_EQ(0, dialog.GetReadOnlyPref());
}

TEST_F(TutFileDialogTest, FailingDataExchangeKeepsTheDialogOpen)
{
    SampleFileDialog dialog(kFieldsTemplate);
    size_t boxesAfterFirst = 0;
    FileDialogAnswer answer([&](HWND shown, char *name, UINT size) {
        SetDlgItemTextA(shown, kNumberField, "42");
        SetDlgItemTextA(shown, edt1, "first.txt");
        SendMessageA(shown, WM_COMMAND, IDOK, 0);
        boxesAfterFirst = boxes.size();
        SetDlgItemTextA(shown, kNumberField, "9");
        std::snprintf(name, size, "%s", "second.txt");
        return IDOK;
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1u, boxesAfterFirst);
    EXPECT_EQ(9, dialog.number);
    EXPECT_STREQ("C:\\second.txt", dialog.GetPathName());
}

// Records WM_HELP as the common dialog's owner gets it from the dialog's default handling.
std::vector<int> &ownerHelp()
{
    static std::vector<int> seen;
    return seen;
}

LRESULT CALLBACK helpOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP)
        ownerHelp().push_back(reinterpret_cast<HELPINFO *>(lParam)->iCtrlId);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(TutFileDialogTest, HelpKeyOnAControlOutsideTheMapReachesTheCommonDialog)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = helpOwnerProc;
    wc.lpszClassName = "TutFileDialogHelpOwner";
    RegisterClassA(&wc);
    const HWND owner = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 500, 400, nullptr,
                                       nullptr, nullptr, nullptr);
    static ULONG map[] = {kNumberField, 1234, 0, 0};
    const struct {
        const char *name;
        int control;
        size_t viewerRequests;
        std::vector<int> toOwner;
    } rows[] = {
        {"in the map: context help", kNumberField, 1, {}},
        {"the Help button's own map", kHelpId, 1, {}},
        {"not in the map: the dialog's default", edt1, 0, {edt1}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ownerHelp().clear();
        requests.clear();
        SampleFileDialog dialog(kFieldsTemplate);
        dialog.m_ofn.hwndOwner = owner;
        dialog.SetHelpMap(map);
        dialog.SetHelpID(9);
        FileDialogAnswer answer([&](HWND shown, char *, UINT) {
            HELPINFO info{sizeof info, HELPINFO_WINDOW, row.control,
                          GetDlgItem(shown, row.control), 0, {0, 0}};
            SendMessageA(shown, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
            return IDCANCEL;
        });
        dialog.DoModal();
        EXPECT_EQ(row.viewerRequests, requestsOf(HELP_WM_HELP).size());
        EXPECT_EQ(row.toOwner, ownerHelp());
    }
    DestroyWindow(owner);
    UnregisterClassA(wc.lpszClassName, nullptr);
}

}  // namespace
