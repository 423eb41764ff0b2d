// Property sheets: pages made when first shown, the notifications pages get and their answers,
// the standard buttons and the modal result.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "commctrl.h"
#include "vkshost.h"
#include "window_fixtures.h"
#include "windows.h"

namespace {

using vkstest::WindowTest;

constexpr int kSmallPage = 300;
constexpr int kLargePage = 301;

struct PageNote {
    LPARAM page;
    UINT code;
    bool operator==(const PageNote &) const = default;
};

void PrintTo(const PageNote &note, std::ostream *os)
{
    *os << "{page " << note.page << ", code " << static_cast<int>(note.code) << "}";
}

std::vector<PageNote> &pageNotes()
{
    thread_local std::vector<PageNote> notes;
    return notes;
}

// What each page answers, by notification; page numbers are the records' lParam.
struct PageAnswer {
    LPARAM page;
    UINT code;
    LONG_PTR answer;
};

std::vector<PageAnswer> &pageAnswers()
{
    thread_local std::vector<PageAnswer> answers;
    return answers;
}

INT_PTR CALLBACK recordingPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto *record = reinterpret_cast<const PROPSHEETPAGEA *>(lParam);
        SetWindowLongPtrA(page, DWLP_USER, record->lParam);
        return TRUE;
    }
    if (message != WM_NOTIFY)
        return FALSE;
    const auto *notice = reinterpret_cast<const PSHNOTIFY *>(lParam);
    const LPARAM number = GetWindowLongPtrA(page, DWLP_USER);
    pageNotes().push_back({number, notice->hdr.code});
    LONG_PTR answer = 0;
    for (const PageAnswer &row : pageAnswers())
        if (row.page == number && row.code == notice->hdr.code)
            answer = row.answer;
    SetWindowLongPtrA(page, DWLP_MSGRESULT, answer);
    return TRUE;
}

PROPSHEETPAGEA pageRecord(int templateId, LPARAM number)
{
    PROPSHEETPAGEA record{};
    record.dwSize = sizeof record;
    record.pszTemplate = MAKEINTRESOURCEA(templateId);
    record.pfnDlgProc = recordingPageProc;
    record.lParam = number;
    return record;
}

class PropertySheetTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        pageNotes().clear();
        pageAnswers().clear();
        pages_[0] = pageRecord(kSmallPage, 1);
        pages_[1] = pageRecord(kLargePage, 2);
        header_.dwSize = sizeof header_;
        header_.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS;
        header_.pszCaption = "Settings";
        header_.nPages = 2;
        header_.ppsp = pages_;
    }
    void TearDown() override
    {
        if (sheet_ && IsWindow(sheet_))
            DestroyWindow(sheet_);
        WindowTest::TearDown();
    }

    HWND openModeless()
    {
        SetLastError(0xdeadbeef);
        sheet_ = reinterpret_cast<HWND>(PropertySheetA(&header_));
        pageNotes().clear();
        return sheet_;
    }
    HWND page() const
    {
        return reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    HWND button(int id) const { return GetDlgItem(sheet_, id); }

    PROPSHEETPAGEA pages_[2]{};
    PROPSHEETHEADERA header_{};
    HWND sheet_ = nullptr;
};

TEST_F(PropertySheetTest, MakesOnlyTheStartPageAChildOfTheSheet)
{
    header_.nStartPage = 1;
    ASSERT_NE(nullptr, openModeless());
    const HWND shown = page();
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(sheet_, GetParent(shown));
    const LONG style = GetWindowLongA(shown, GWL_STYLE);
    EXPECT_EQ(WS_CHILD | DS_CONTROL, style & (WS_CHILD | WS_POPUP | DS_CONTROL));
    EXPECT_EQ(0, style & WS_CAPTION);
    EXPECT_NE(nullptr, GetDlgItem(shown, 3002));
    // The small page was never shown, so it has no window yet.
    int pageWindows = 0;
    for (HWND child = GetWindow(sheet_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        pageWindows += std::string(className) == "#32770" ? 1 : 0;
    }
    EXPECT_EQ(1, pageWindows);
    const HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETTABCONTROL, 0, 0));
    EXPECT_EQ(2, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(1, SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    char text[16] = {};
    TCITEMA item{TCIF_TEXT, 0, 0, text, 4, 0, 0};
    ASSERT_TRUE(SendMessageA(tab, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ("Sma", text);  // cut to the buffer
}

TEST_F(PropertySheetTest, SizesTheSheetToTheLargestPage)
{
    ASSERT_NE(nullptr, openModeless());
    RECT sheet{};
    GetClientRect(sheet_, &sheet);
    // 200 x 100 dialog units at 6 x 13 pixels per 4 x 8 units.
    EXPECT_GE(sheet.right, 300);
    EXPECT_GE(sheet.bottom, 163);
}

TEST_F(PropertySheetTest, ShowsTheStandardButtonsAsTheFlagsAsk)
{
    struct Case {
        const char *name;
        DWORD flags;
        bool apply;
        bool help;
    } const cases[] = {
        {"default", 0, true, false},
        {"no apply", PSH_NOAPPLYNOW, false, false},
        {"help", PSH_HASHELP, true, true},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        header_.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | row.flags;
        ASSERT_NE(nullptr, openModeless());
        EXPECT_TRUE(IsWindowVisible(button(IDOK)));
        EXPECT_TRUE(IsWindowVisible(button(IDCANCEL)));
        EXPECT_EQ(row.apply, IsWindowVisible(button(ID_APPLY_NOW)) != FALSE);
        EXPECT_EQ(row.help, IsWindowVisible(button(IDHELP)) != FALSE);
        EXPECT_FALSE(IsWindowEnabled(button(ID_APPLY_NOW)));
        EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessageA(sheet_, DM_GETDEFID, 0, 0));
        RECT ok{}, cancel{};
        GetWindowRect(button(IDOK), &ok);
        GetWindowRect(button(IDCANCEL), &cancel);
        EXPECT_LT(ok.right, cancel.left);
        DestroyWindow(sheet_);
    }
}

TEST_F(PropertySheetTest, ChangingPagesAsksTheCurrentPageFirst)
{
    ASSERT_NE(nullptr, openModeless());
    EXPECT_TRUE(SendMessageA(sheet_, PSM_SETCURSEL, 1, 0));
    EXPECT_THAT(pageNotes(), ::testing::ElementsAre(PageNote{1, PSN_KILLACTIVE},
                                                    PageNote{2, PSN_SETACTIVE}));
    pageNotes().clear();
    pageAnswers().push_back({2, PSN_KILLACTIVE, TRUE});
    EXPECT_FALSE(SendMessageA(sheet_, PSM_SETCURSEL, 0, 0));
    EXPECT_EQ(2, GetWindowLongPtrA(page(), DWLP_USER));
    EXPECT_THAT(pageNotes(), ::testing::ElementsAre(PageNote{2, PSN_KILLACTIVE}));
}

TEST_F(PropertySheetTest, AClickOnATabShowsItsPage)
{
    ASSERT_NE(nullptr, openModeless());
    const HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETTABCONTROL, 0, 0));
    RECT second{};
    ASSERT_TRUE(SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
    SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 2, second.top + 2));
    EXPECT_EQ(1, SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    EXPECT_EQ(2, GetWindowLongPtrA(page(), DWLP_USER));
    EXPECT_THAT(pageNotes(), ::testing::ElementsAre(PageNote{1, PSN_KILLACTIVE},
                                                    PageNote{2, PSN_SETACTIVE}));
}

TEST_F(PropertySheetTest, ApplyIsEnabledWhileAPageIsChanged)
{
    ASSERT_NE(nullptr, openModeless());
    SendMessageA(sheet_, PSM_CHANGED, reinterpret_cast<WPARAM>(page()), 0);
    EXPECT_TRUE(IsWindowEnabled(button(ID_APPLY_NOW)));
    SendMessageA(sheet_, PSM_UNCHANGED, reinterpret_cast<WPARAM>(page()), 0);
    EXPECT_FALSE(IsWindowEnabled(button(ID_APPLY_NOW)));
    SendMessageA(sheet_, PSM_CHANGED, reinterpret_cast<WPARAM>(page()), 0);
    pageNotes().clear();
    EXPECT_TRUE(SendMessageA(sheet_, PSM_APPLY, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(button(ID_APPLY_NOW)));
    EXPECT_THAT(pageNotes(), ::testing::ElementsAre(PageNote{1, PSN_KILLACTIVE},
                                                    PageNote{1, PSN_APPLY}));
}

TEST_F(PropertySheetTest, OkAppliesEveryPageMadeAndARefusalKeepsTheSheet)
{
    ASSERT_NE(nullptr, openModeless());
    SendMessageA(sheet_, PSM_SETCURSEL, 1, 0);
    pageNotes().clear();
    pageAnswers().push_back({1, PSN_APPLY, PSNRET_INVALID});
    SendMessageA(sheet_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_THAT(pageNotes(),
                ::testing::ElementsAre(PageNote{2, PSN_KILLACTIVE}, PageNote{1, PSN_APPLY},
                                       PageNote{1, PSN_SETACTIVE}));
    EXPECT_EQ(1, GetWindowLongPtrA(page(), DWLP_USER));
    pageAnswers().clear();
    pageNotes().clear();
    SendMessageA(sheet_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_THAT(pageNotes(),
                ::testing::ElementsAre(PageNote{1, PSN_KILLACTIVE}, PageNote{1, PSN_APPLY},
                                       PageNote{2, PSN_APPLY}));
    // A modeless sheet that OK ended stays for the program to destroy.
    EXPECT_TRUE(IsWindow(sheet_));
    EXPECT_EQ(nullptr, page());
}

TEST_F(PropertySheetTest, CancelAsksTheCurrentPageThenResetsEveryPageMade)
{
    ASSERT_NE(nullptr, openModeless());
    pageAnswers().push_back({1, PSN_QUERYCANCEL, TRUE});
    SendMessageA(sheet_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_NE(nullptr, page());
    pageAnswers().clear();
    pageNotes().clear();
    SendMessageA(sheet_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_THAT(pageNotes(), ::testing::ElementsAre(PageNote{1, PSN_QUERYCANCEL},
                                                    PageNote{1, PSN_RESET}));
    EXPECT_EQ(nullptr, page());
}

// The modal run: a button pressed through PSM_PRESSBUTTON from the sheet's callback.
WPARAM &buttonToPress()
{
    thread_local WPARAM button = 0;
    return button;
}

bool &markChange()
{
    thread_local bool mark = false;
    return mark;
}

int CALLBACK pressingCallback(HWND sheet, UINT message, LPARAM)
{
    if (message != PSCB_INITIALIZED)
        return 0;
    if (markChange())
        SendMessageA(sheet, PSM_CHANGED,
                     SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0), 0);
    SendMessageA(sheet, PSM_PRESSBUTTON, buttonToPress(), 0);
    return 0;
}

TEST_F(PropertySheetTest, ModalResultSaysWhetherChangesWereApplied)
{
    struct Case {
        const char *name;
        WPARAM button;
        bool changed;
        INT_PTR result;
    } const cases[] = {
        {"ok after a change", PSBTN_OK, true, 1},
        {"ok without change", PSBTN_OK, false, 0},
        {"cancel after a change", PSBTN_CANCEL, true, 0},
    };
    header_.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    header_.pfnCallback = pressingCallback;
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        buttonToPress() = row.button;
        markChange() = row.changed;
        EXPECT_EQ(row.result, PropertySheetA(&header_));
    }
}

TEST_F(PropertySheetTest, RefusesABadHeader)
{
    SetLastError(0xdeadbeef);
    EXPECT_EQ(-1, PropertySheetA(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    header_.dwSize = sizeof header_ - 1;
    SetLastError(0xdeadbeef);
    EXPECT_EQ(-1, PropertySheetA(&header_));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_EQ(nullptr, CreatePropertySheetPageA(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(PropertySheetTest, AddsAndRemovesPages)
{
    header_.nPages = 1;
    ASSERT_NE(nullptr, openModeless());
    const PROPSHEETPAGEA record = pageRecord(kLargePage, 3);
    const HPROPSHEETPAGE added = CreatePropertySheetPageA(&record);
    ASSERT_TRUE(SendMessageA(sheet_, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(added)));
    const HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETTABCONTROL, 0, 0));
    EXPECT_EQ(2, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_TRUE(SendMessageA(sheet_, PSM_SETCURSEL, 0, reinterpret_cast<LPARAM>(added)));
    EXPECT_EQ(3, GetWindowLongPtrA(page(), DWLP_USER));
    // Removing the current page shows the one before it.
    EXPECT_TRUE(SendMessageA(sheet_, PSM_REMOVEPAGE, 1, 0));
    EXPECT_EQ(1, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(1, GetWindowLongPtrA(page(), DWLP_USER));
}

TEST_F(PropertySheetTest, SnapshotDrawsTheTabRowOverThePage)
{
    ASSERT_NE(nullptr, openModeless());
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("vks-propsheet-" + std::to_string(GetCurrentThreadId()) + ".svg");
    ASSERT_TRUE(VksHostSnapshotWindow(sheet_, path.string().c_str()));
    std::ifstream in(path, std::ios::binary);
    const std::string svg{std::istreambuf_iterator<char>(in), {}};
    in.close();
    std::filesystem::remove(path);
    const auto tabRow = svg.find("class=\"SysTabControl32\"");
    ASSERT_NE(std::string::npos, tabRow);
    // Both tabs, the selected one drawn last so that it stands over its neighbours.
    const auto large = svg.find(">Large<", tabRow);
    const auto small = svg.find(">Small<", tabRow);
    EXPECT_NE(std::string::npos, large);
    EXPECT_NE(std::string::npos, small);
    EXPECT_LT(large, small);
    // The page shows its controls, not an outline of an unknown class.
    EXPECT_EQ(std::string::npos, svg.find(">#32770<"));
}

}  // namespace
