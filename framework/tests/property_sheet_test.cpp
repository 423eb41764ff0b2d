// CPropertySheet and CPropertyPage: pages made when shown, their data exchange on leaving, the
// answers OK and Cancel bring, and the modal result.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "afxdlgs.h"
#include "dialog_support.h"

namespace {

using fwtest::DialogTest;

constexpr UINT kNumberPage = 420;
constexpr UINT kButtonPage = 421;
constexpr int kNumberField = 4201;

// Records its calls; the number page refuses to be left while its field holds no number.
class RecordingPage : public CPropertyPage {
public:
    RecordingPage(UINT nIDTemplate, std::vector<std::string> &calls, const char *name)
        : CPropertyPage(nIDTemplate), m_calls(calls), m_name(name)
    {
    }
    int m_number = 7;

    BOOL OnSetActive() override
    {
        m_calls.push_back(m_name + " SetActive");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        m_calls.push_back(m_name + " KillActive");
        return CPropertyPage::OnKillActive();
    }
    void OnOK() override { m_calls.push_back(m_name + " OK"); }
    void OnCancel() override { m_calls.push_back(m_name + " Cancel"); }

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        // Only the number page has the field.
        if (::GetDlgItem(m_hWnd, kNumberField))
            DDX_Text(pDX, kNumberField, m_number);
    }

private:
    std::vector<std::string> &m_calls;
    std::string m_name;
};

// Presses a button once the sheet is made, from its own initialisation.
class PressingSheet : public CPropertySheet {
public:
    explicit PressingSheet(int button) : CPropertySheet("Sheet"), m_button(button) {}
    BOOL OnInitDialog() override
    {
        m_initialised = true;
        if (m_change)
            GetActivePage()->SetModified();
        PressButton(m_button);
        return TRUE;
    }
    int m_button;
    bool m_change = false;
    bool m_initialised = false;
};

class PropertySheetTest : public DialogTest {
protected:
    std::vector<std::string> calls;
    RecordingPage number{kNumberPage, calls, "number"};
    RecordingPage button{kButtonPage, calls, "button"};
};

TEST_F(PropertySheetTest, ModalOkAppliesTheShownPagesOnly)
{
    PressingSheet sheet(PSBTN_OK);
    sheet.m_change = true;
    sheet.AddPage(&number);
    sheet.AddPage(&button);
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_TRUE(sheet.m_initialised);
    EXPECT_THAT(calls, ::testing::ElementsAre("number SetActive", "number KillActive",
                                              "number OK"));
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, number.m_hWnd);
}

TEST_F(PropertySheetTest, CancelResetsThePagesAndAnswersCancel)
{
    PressingSheet sheet(PSBTN_CANCEL);
    sheet.AddPage(&number);
    sheet.AddPage(&button);
    sheet.SetActivePage(1);
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_THAT(calls, ::testing::ElementsAre("button SetActive", "button Cancel"));
}

TEST_F(PropertySheetTest, LeavingAPageSavesItsDataAndARefusalKeepsIt)
{
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&number);
    sheet.AddPage(&button);
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ("7", fwtest::windowText(::GetDlgItem(number.m_hWnd, kNumberField)));
    ::SetWindowTextA(::GetDlgItem(number.m_hWnd, kNumberField), "12");
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(12, number.m_number);
    EXPECT_EQ(&button, sheet.GetActivePage());
    EXPECT_NE(nullptr, button.m_hWnd);

    EXPECT_TRUE(sheet.SetActivePage(0));
    {
        fwtest::BoxAnswers boxes;
        ::SetWindowTextA(::GetDlgItem(number.m_hWnd, kNumberField), "twelve");
        EXPECT_FALSE(sheet.SetActivePage(&button));
        EXPECT_EQ(1u, boxes.texts().size());
    }
    EXPECT_EQ(&number, sheet.GetActivePage());
    sheet.DestroyWindow();
}

TEST_F(PropertySheetTest, SetModifiedEnablesApply)
{
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&number);
    ASSERT_TRUE(sheet.Create());
    const HWND apply = ::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW);
    EXPECT_FALSE(::IsWindowEnabled(apply));
    number.SetModified();
    EXPECT_TRUE(::IsWindowEnabled(apply));
    CWnd *tab = sheet.GetTabControl();
    ASSERT_NE(nullptr, tab);
    EXPECT_EQ(1, tab->SendMessage(TCM_GETITEMCOUNT));
    sheet.DestroyWindow();
}

}  // namespace
