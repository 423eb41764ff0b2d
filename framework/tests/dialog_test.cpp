// CDialog: modal and modeless runs from templates, the handlers on the way, and UpdateData with
// DDX and DDV in both directions.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "afxwin.h"
#include "dialog_support.h"
#include "resources/framework_dialogs.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using namespace fwtest;

namespace {

// The form of IDD_FORM: a name (at most 10 characters) and a count from 0 to 100. Logs its
// handlers and runs a test's action at the end of initialisation, where a user would start.
class FormDialog : public CDialog {
public:
    explicit FormDialog(UINT id = IDD_FORM, CWnd *parent = NULL) : CDialog(id, parent) {}

    CString name = "initial";
    int count = 5;
    CEdit nameEdit;
    std::vector<std::string> log;
    std::function<void(FormDialog &)> onInit;
    std::function<void(FormDialog &)> afterOk;  // runs once CDialog::OnOK is done
    int createResult = 0;

    HWND item(int id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    int OnCreate(LPCREATESTRUCTA cs) override
    {
        log.push_back(std::string("OnCreate ") + cs->lpszName + " " + cs->lpszClass);
        return createResult ? createResult : CDialog::OnCreate(cs);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETFONT)
            log.push_back("WM_SETFONT");
        if (message == WM_INITDIALOG)
            log.push_back("WM_INITDIALOG");
        return CDialog::WindowProc(message, wParam, lParam);
    }
    BOOL OnInitDialog() override
    {
        log.push_back("OnInitDialog");
        const BOOL result = CDialog::OnInitDialog();
        if (onInit)
            onInit(*this);
        return result;
    }
    void DoDataExchange(CDataExchange *pDX) override
    {
        if (!item(IDC_COUNT))
            return;  // the templates without the form's fields
        DDX_Control(pDX, IDC_NAME, nameEdit);
        DDX_Text(pDX, IDC_NAME, name);
        DDV_MaxChars(pDX, name, 10);
        DDX_Text(pDX, IDC_COUNT, count);
        DDV_MinMaxInt(pDX, count, 0, 100);
    }
    void OnOK() override
    {
        log.push_back("OnOK");
        CDialog::OnOK();
        if (afterOk)
            afterOk(*this);
    }
    void OnCancel() override
    {
        log.push_back("OnCancel");
        CDialog::OnCancel();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == EN_CHANGE)
            log.push_back("EN_CHANGE " + std::to_string(LOWORD(wParam)));
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnDestroy() override
    {
        log.push_back("OnDestroy");
        CDialog::OnDestroy();
    }
    void PostNcDestroy() override { log.push_back("PostNcDestroy"); }
};

using DialogModal = DialogTest;

TEST_F(DialogModal, RunsFromCreationToTheResultWithEveryMessageThroughTheObject)
{
    FormDialog dialog;
    std::string shownName;
    std::string shownCount;
    dialog.onInit = [&](FormDialog &d) {
        shownName = windowText(d.item(IDC_NAME));
        shownCount = windowText(d.item(IDC_COUNT));
        EXPECT_EQ(&d.nameEdit, CWnd::FromHandle(d.item(IDC_NAME))) << "DDX_Control attached it";
        postClick(d.m_hWnd, IDOK);
    };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_THAT(dialog.log,
                ElementsAre("OnCreate Form #32770", "WM_SETFONT", "WM_INITDIALOG", "OnInitDialog",
                            "OnOK", "OnDestroy", "PostNcDestroy"));
    EXPECT_EQ("initial", shownName) << "OnInitDialog loads the variables";
    EXPECT_EQ("5", shownCount);
    EXPECT_EQ(NULL, dialog.m_hWnd);
    EXPECT_EQ(NULL, dialog.nameEdit.m_hWnd) << "the control went with the dialog";
}

TEST_F(DialogModal, DisablesItsOwnerWhileItRuns)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, NULL,
                               NULL));
    FormDialog dialog(IDD_FORM, &owner);
    BOOL ownerEnabledInside = TRUE;
    HWND ownerInside = NULL;
    dialog.onInit = [&](FormDialog &d) {
        ownerEnabledInside = owner.IsWindowEnabled();
        ownerInside = ::GetWindow(d.m_hWnd, GW_OWNER);
        postClick(d.m_hWnd, IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_EQ(owner.m_hWnd, ownerInside);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

TEST_F(DialogModal, SavesTheFieldsOnOkAndNotOnCancel)
{
    struct Case {
        const char *name;
        const char *typedName;
        int answer;  // the button clicked, or 0 for WM_CLOSE
        INT_PTR result;
        const char *savedName;
        int savedCount;
    } const kCases[] = {
        {"OK saves", "Ada", IDOK, IDOK, "Ada", 42},
        {"OK saves a name of exactly the most characters", "abcdefghij", IDOK, IDOK, "abcdefghij",
         42},
        {"Cancel keeps the variables", "Ada", IDCANCEL, IDCANCEL, "initial", 5},
        {"closing is cancelling", "Ada", 0, IDCANCEL, "initial", 5},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        FormDialog dialog;
        dialog.onInit = [&](FormDialog &d) {
            SetWindowTextA(d.item(IDC_NAME), c.typedName);
            SetWindowTextA(d.item(IDC_COUNT), " 42 ");
            if (c.answer)
                postClick(d.m_hWnd, c.answer);
            else
                d.PostMessage(WM_CLOSE);
        };
        EXPECT_EQ(c.result, dialog.DoModal());
        EXPECT_STREQ(c.savedName, dialog.name);
        EXPECT_EQ(c.savedCount, dialog.count);
    }
}

TEST_F(DialogModal, RefusedInputKeepsTheDialogOpenWithTheFocusOnTheField)
{
    struct Case {
        const char *name;
        int field;
        const char *typed;
        const char *message;
    } const kCases[] = {
        {"letters", IDC_COUNT, "4x", "Please enter an integer."},
        {"empty", IDC_COUNT, "", "Please enter an integer."},
        {"two numbers", IDC_COUNT, "4 2", "Please enter an integer."},
        {"beyond 32 bits", IDC_COUNT, "99999999999", "Please enter an integer."},
        {"above the range", IDC_COUNT, "101", "Enter an integer between 0 and 100."},
        {"below the range", IDC_COUNT, "-1", "Enter an integer between 0 and 100."},
        {"too long", IDC_NAME, "abcdefghijk", "Enter no more than 10 characters."},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        BoxAnswers boxes;
        FormDialog dialog;
        HWND field = NULL;
        HWND focusAfterRefusal = NULL;
        DWORD selectionAfterRefusal = 0;
        dialog.onInit = [&](FormDialog &d) {
            field = d.item(c.field);
            SetWindowTextA(field, c.typed);
            postClick(d.m_hWnd, IDOK);
        };
        dialog.afterOk = [&](FormDialog &d) {
            if (focusAfterRefusal)
                return;
            focusAfterRefusal = ::GetFocus();
            selectionAfterRefusal =
                static_cast<DWORD>(SendMessageA(focusAfterRefusal, EM_GETSEL, 0, 0));
            // The user corrects the field and clicks OK again.
            SetWindowTextA(field, c.field == IDC_COUNT ? "7" : "Bo");
            postClick(d.m_hWnd, IDOK);
        };
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_THAT(boxes.texts(), ElementsAre(c.message));
        EXPECT_EQ(field, focusAfterRefusal);
        const DWORD whole = MAKELONG(0, std::string(c.typed).size());
        EXPECT_EQ(whole, selectionAfterRefusal) << "the whole text selected";
        EXPECT_EQ(2, std::count(dialog.log.begin(), dialog.log.end(), "OnOK"));
    }
}

TEST_F(DialogModal, FindsTemplatesByNameAndFailsWithoutOne)
{
    struct Answer : CDialog {
        Answer() : CDialog("FORM_BY_NAME") {}
        BOOL OnInitDialog() override
        {
            postClick(m_hWnd, IDOK);
            return CDialog::OnInitDialog();
        }
    } named;
    EXPECT_EQ(IDOK, named.DoModal());
    EXPECT_EQ(0u, named.m_nIDHelp) << "a named template has no help number";

    CDialog missing(999);
    EXPECT_EQ(-1, missing.DoModal());
    CDialog nameless;
    EXPECT_EQ(-1, nameless.DoModal());
}

TEST_F(DialogModal, OnCreateThatRefusesFailsTheDialog)
{
    FormDialog dialog;
    dialog.createResult = -1;
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(NULL, dialog.m_hWnd);
    EXPECT_THAT(dialog.log, ElementsAre("OnCreate Form #32770", "OnDestroy", "PostNcDestroy"));
}

using DialogModeless = DialogTest;

TEST_F(DialogModeless, CreateReturnsInitialisedAndDestroyEndsIt)
{
    struct Case {
        const char *name;
        UINT id;
        std::vector<std::string> creation;
    } const kCases[] = {
        {"with a font", IDD_FORM,
         {"OnCreate Form #32770", "WM_SETFONT", "WM_INITDIALOG", "OnInitDialog"}},
        // Without a font the first message the dialog sees is WM_INITDIALOG: OnCreate still
        // runs first.
        {"without a font", IDD_NO_FONT,
         {"OnCreate No font #32770", "WM_INITDIALOG", "OnInitDialog"}},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        FormDialog dialog(c.id);
        ASSERT_TRUE(dialog.Create(c.id));
        EXPECT_THAT(dialog.log, ElementsAreArray(c.creation));
        EXPECT_EQ(&dialog, CWnd::FromHandle(dialog.m_hWnd));
        dialog.log.clear();
        EXPECT_TRUE(dialog.DestroyWindow());
        EXPECT_THAT(dialog.log, ElementsAre("OnDestroy", "PostNcDestroy"));
        EXPECT_EQ(NULL, dialog.m_hWnd);
    }
}

TEST_F(DialogModeless, EndDialogLeavesTheWindowToDestroyWindow)
{
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FORM));
    dialog.EndDialog(IDOK);
    EXPECT_TRUE(IsWindow(dialog.m_hWnd));
    EXPECT_FALSE(dialog.Create(IDD_FORM)) << "one window per object";
    EXPECT_TRUE(dialog.DestroyWindow());
}

TEST_F(DialogModeless, DefaultButtonAndDialogUnits)
{
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FORM));
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(IDOK, DC_HASDEFID)), dialog.GetDefID());
    dialog.SetDefID(IDCANCEL);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(IDCANCEL, DC_HASDEFID)), dialog.GetDefID());
    // 8-point font: 6 x 13 pixels per 4 x 8 dialog units.
    CRect rect(4, 8, 40, 16);
    dialog.MapDialogRect(rect);
    EXPECT_EQ(CRect(6, 13, 60, 26), rect);
    dialog.DestroyWindow();
}

TEST_F(DialogModeless, UpdateDataFillsWithoutChangeNotificationsAndSavesBack)
{
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FORM));
    dialog.log.clear();
    dialog.count = 12;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ("12", windowText(dialog.item(IDC_COUNT)));
    EXPECT_THAT(dialog.log, ElementsAre()) << "the dialog's handlers do not see the filling";

    SetWindowTextA(dialog.item(IDC_COUNT), "13");
    EXPECT_THAT(dialog.log, ElementsAre("EN_CHANGE " + std::to_string(IDC_COUNT)));
    ASSERT_TRUE(dialog.UpdateData());
    EXPECT_EQ(13, dialog.count);
    dialog.DestroyWindow();
}

TEST_F(DialogModeless, UpdateDataFailsOnRefusedInput)
{
    BoxAnswers boxes;
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FORM));
    SetWindowTextA(dialog.item(IDC_COUNT), "many");
    EXPECT_FALSE(dialog.UpdateData());
    EXPECT_EQ(5, dialog.count);
    EXPECT_THAT(boxes.texts(), ElementsAre("Please enter an integer."));
    dialog.DestroyWindow();
}

// The unsigned and long forms of DDX_Text, each with its refusals.
class NumbersDialog : public CDialog {
public:
    NumbersDialog() : CDialog(IDD_FORM) {}
    UINT unsignedValue = 0;
    long longValue = 0;

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Text(pDX, IDC_NAME, unsignedValue);
        DDV_MinMaxUInt(pDX, unsignedValue, 1, 4000000000u);
        DDX_Text(pDX, IDC_COUNT, longValue);
    }
};

TEST_F(DialogModeless, NumbersOfEachTypeAreReadWithinTheirRange)
{
    struct Case {
        const char *unsignedText;
        const char *longText;
        bool saved;
        const char *message;
    } const kCases[] = {
        {"4000000000", "-2147483648", true, nullptr},
        {"+7", "2147483647", true, nullptr},
        {"-1", "0", false, "Please enter a positive integer."},
        {"4294967296", "0", false, "Please enter a positive integer."},
        {"0", "0", false, "Enter an integer between 1 and 4000000000."},
        {"1", "2147483648", false, "Please enter an integer."},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(std::string(c.unsignedText) + " / " + c.longText);
        BoxAnswers boxes;
        NumbersDialog dialog;
        ASSERT_TRUE(dialog.Create(IDD_FORM));
        SetWindowTextA(GetDlgItem(dialog.m_hWnd, IDC_NAME), c.unsignedText);
        SetWindowTextA(GetDlgItem(dialog.m_hWnd, IDC_COUNT), c.longText);
        EXPECT_EQ(c.saved, dialog.UpdateData() != FALSE);
        if (c.message)
            EXPECT_THAT(boxes.texts(), ElementsAre(c.message));
        else
            EXPECT_THAT(boxes.texts(), ElementsAre());
        dialog.DestroyWindow();
    }
}

}  // namespace

namespace {

TEST_F(DialogModeless, FocusMovesThroughTheTabStops)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_FORM));
    dialog.ShowWindow(SW_SHOW);
    const HWND name = GetDlgItem(dialog.m_hWnd, IDC_NAME);
    EXPECT_EQ(name, ::GetFocus()) << "WM_INITDIALOG's TRUE: the first tab stop";

    CEdit count;
    ASSERT_TRUE(count.SubclassDlgItem(IDC_COUNT, &dialog));
    dialog.GotoDlgCtrl(&count);
    EXPECT_EQ(&count, CWnd::GetFocus());
    const struct {
        bool next;
        int focused;
    } kSteps[] = {{true, IDC_NOTE}, {true, IDOK}, {false, IDC_NOTE}, {false, IDC_COUNT},
                  {false, IDC_NAME}, {false, IDCANCEL}};
    for (const auto &step : kSteps) {
        SCOPED_TRACE(step.focused);
        step.next ? dialog.NextDlgCtrl() : dialog.PrevDlgCtrl();
        EXPECT_EQ(GetDlgItem(dialog.m_hWnd, step.focused), ::GetFocus());
    }
    dialog.DestroyWindow();
}

}  // namespace
