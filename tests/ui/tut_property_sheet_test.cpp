// TutPropertySheet and TutPropertyPage: the button flags, the context-help style, OK on a page
// with its own default button, the commit of the pages shown, and the page's Abort.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog_fixtures.h"
#include "ui/tut_property_sheet.h"
#include "util/startup.h"

namespace {

using uitest::DialogTest;

constexpr UINT kFieldPage = 520;
constexpr UINT kPushPage = 521;
constexpr int kPageField = 5201;
constexpr int kPagePush = 5202;
constexpr int kButtons[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};

std::string libraryString(UINT id)
{
    char text[256] = "";
    LoadStringA(utLibraryInstance(), id, text, sizeof text);
    return text;
}

std::string windowText(HWND hwnd)
{
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// A page that records its commits and its own button's presses; a commit can be refused.
class RecordingPage : public TutPropertyPage {
public:
    RecordingPage(UINT nIDTemplate, std::vector<std::string> &calls, const char *name)
        : TutPropertyPage(nIDTemplate), m_calls(calls), m_name(name)
    {
    }
    int CommitPageData() override
    {
        m_calls.push_back(m_name + " commit");
        return m_commits;
    }
    int m_commits = 1;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == kPagePush)
            m_calls.push_back(m_name + " push");
        return TutPropertyPage::OnCommand(wParam, lParam);
    }

private:
    std::vector<std::string> &m_calls;
    std::string m_name;
};

class SheetTest : public DialogTest {
protected:
    ~SheetTest() override
    {
        for (TutPropertySheet *sheet : sheets)
            if (sheet->m_hWnd)
                sheet->DestroyWindow();
    }
    // A modeless sheet of the field and push pages with these button flags.
    TutPropertySheet &open(unsigned int flags)
    {
        owned.emplace_back(std::make_unique<TutPropertySheet>("Sheet", nullptr, 0, flags));
        TutPropertySheet &sheet = *owned.back();
        sheet.AddPage(&field);
        sheet.AddPage(&push);
        EXPECT_TRUE(sheet.Create());
        sheets.push_back(&sheet);
        return sheet;
    }
    // The buttons' places in the sheet's client area.
    static RECT place(const TutPropertySheet &sheet, int id)
    {
        RECT rect{};
        GetWindowRect(GetDlgItem(sheet.m_hWnd, id), &rect);
        MapWindowPoints(nullptr, sheet.m_hWnd, reinterpret_cast<POINT *>(&rect), 2);
        return rect;
    }

    std::vector<std::string> calls;
    RecordingPage field{kFieldPage, calls, "field"};
    RecordingPage push{kPushPage, calls, "push"};
    std::vector<std::unique_ptr<TutPropertySheet>> owned;
    std::vector<TutPropertySheet *> sheets;
};

bool sameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(SheetTest, ButtonFlagsHideButtonsAndPackTheRestToTheRight)
{
    TutPropertySheet &plain = open(0);
    RECT slots[4];
    for (int i = 0; i < 4; ++i)
        slots[i] = place(plain, kButtons[i]);
    // Flags 0: every button where the sheet put it; Help shows its text.
    for (int id : kButtons)
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(plain.m_hWnd, id))) << id;
    EXPECT_EQ(libraryString(8594), windowText(GetDlgItem(plain.m_hWnd, IDHELP)));
    EXPECT_EQ("OK", windowText(GetDlgItem(plain.m_hWnd, IDOK)));

    struct Case {
        const char *name;
        unsigned int flags;
        int hidden[2];
        int movedTo[4];  // slot each button ends in, -1 hidden
    } const cases[] = {
        {"apply and help hidden", 0x4 | 0x8, {ID_APPLY_NOW, IDHELP}, {2, 3, -1, -1}},
        {"ok hidden", 0x1, {IDOK, 0}, {-1, 1, 2, 3}},
        {"cancel and apply hidden", 0x2 | 0x4, {IDCANCEL, ID_APPLY_NOW}, {2, -1, -1, 3}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        TutPropertySheet &sheet = open(row.flags);
        for (int id : row.hidden) {
            if (id) {
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet.m_hWnd, id))) << id;
            }
        }
        HWND first = nullptr;
        for (int i = 0; i < 4; ++i) {
            if (row.movedTo[i] < 0)
                continue;
            const HWND button = GetDlgItem(sheet.m_hWnd, kButtons[i]);
            EXPECT_TRUE(sameRect(slots[row.movedTo[i]], place(sheet, kButtons[i]))) << i;
            const LONG style = GetWindowLongA(button, GWL_STYLE);
            if (!first) {
                first = button;
                EXPECT_EQ(first, GetWindow(sheet.m_hWnd, GW_CHILD)) << "first in the tab order";
                EXPECT_NE(0, style & WS_GROUP);
            } else {
                EXPECT_EQ(0, style & WS_GROUP) << i;
            }
        }
    }
}

TEST_F(SheetTest, ButtonsFollowTheFirstShownOneInTheTabOrder)
{
    TutPropertySheet &sheet = open(0x4 | 0x8);
    const HWND ok = GetDlgItem(sheet.m_hWnd, IDOK);
    EXPECT_EQ(GetDlgItem(sheet.m_hWnd, IDCANCEL), GetWindow(ok, GW_HWNDNEXT));
}

TEST_F(SheetTest, CloseFlagRelabelsOk)
{
    TutPropertySheet &sheet = open(0x10);
    EXPECT_EQ(libraryString(8593), windowText(GetDlgItem(sheet.m_hWnd, IDOK)));
}

TEST_F(SheetTest, GetsTheContextHelpStyleFromItsOwnMapAlone)
{
    TutPropertySheet &sheet = open(0);
    EXPECT_EQ(nullptr, field.GetHelpMap());
    EXPECT_EQ(nullptr, push.GetHelpMap());
    EXPECT_EQ(1, sheet.HasCuecard());
    EXPECT_NE(0, GetWindowLongA(sheet.m_hWnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
}

TEST_F(SheetTest, CommitsOnlyThePagesThatWereShown)
{
    TutPropertySheet &sheet = open(0);
    EXPECT_EQ(1, sheet.CommitData());
    EXPECT_EQ(std::vector<std::string>{"field commit"}, calls);

    calls.clear();
    sheet.SetActivePage(1);
    field.m_commits = 0;
    EXPECT_EQ(0, sheet.CommitData());
    // A refusal does not stop the others.
    EXPECT_EQ((std::vector<std::string>{"field commit", "push commit"}), calls);
}

// Runs modally; once shown it focuses the active page's field, presses Enter there, then
// Cancel, as a user would.
class EnterSheet : public TutPropertySheet {
public:
    EnterSheet() : TutPropertySheet("Sheet", nullptr, 0, 0) {}
    static constexpr UINT kStart = WM_APP + 1;

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = TutPropertySheet::OnInitDialog();
        PostMessage(kStart);
        return result;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kStart)
            return TutPropertySheet::WindowProc(message, wParam, lParam);
        const HWND field = ::GetDlgItem(GetActivePage()->m_hWnd, kPageField);
        ::SetFocus(field);
        ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
        PostMessage(kStart + 1);
        return 0;
    }
};

class CancellingLater : public EnterSheet {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kStart + 1) {
            PressButton(PSBTN_CANCEL);
            return 0;
        }
        return EnterSheet::WindowProc(message, wParam, lParam);
    }
};

TEST_F(SheetTest, EnterPressesThePagesOwnDefaultButtonAndKeepsTheSheet)
{
    struct Case {
        const char *name;
        RecordingPage *page;
        INT_PTR result;
        std::vector<std::string> calls;
    } const cases[] = {
        {"page default", &push, IDCANCEL, {"push push"}},
        {"no page default", &field, IDOK, {"field commit"}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        calls.clear();
        CancellingLater sheet;
        sheet.AddPage(row.page);
        EXPECT_EQ(row.result, sheet.DoModal());
        EXPECT_EQ(row.calls, calls);
    }
}

class CountedException : public CException {
public:
    explicit CountedException(int &deleted) : CException(TRUE), deleted_(deleted) {}
    ~CountedException() override { ++deleted_; }

private:
    int &deleted_;
};

// Aborts its page as soon as the sheet is made.
class AbortingSheet : public TutPropertySheet {
public:
    AbortingSheet(TutPropertyPage &page, CException *e)
        : TutPropertySheet("Sheet", nullptr, 0, 0), m_page(page), m_e(e)
    {
        AddPage(&page);
    }

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = TutPropertySheet::OnInitDialog();
        m_page.Abort(m_e, 1);
        return result;
    }

private:
    TutPropertyPage &m_page;
    CException *m_e;
};

TEST_F(SheetTest, PageAbortReportsAndEndsTheSheetWithCancel)
{
    int deleted = 0;
    AbortingSheet sheet(field, new CountedException(deleted));
    field.EnableUpdates(1);
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].text.rfind("Error In Dialog", 0)) << boxes[0].text;
    EXPECT_EQ(1, deleted);
    EXPECT_EQ(0, field.UpdatesEnabled());
}

TEST(TutPropertyPage, StartsWithUpdatesDisabledAndNotWaiting)
{
    TutPropertyPage page;
    EXPECT_EQ(0, page.UpdatesEnabled());
    EXPECT_EQ(0, page.IsWaiting());
    page.EnableUpdates(1);
    EXPECT_EQ(1, page.UpdatesEnabled());
    std::unique_ptr<CObject> made(RUNTIME_CLASS(TutPropertyPage)->CreateObject());
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(TutPropertyPage)));
    EXPECT_EQ(0, static_cast<TutPropertyPage *>(made.get())->UpdatesEnabled());
}

}  // namespace
