// CEdit, CButton, CStatic and CSpinButtonCtrl on a dialog's controls and made by Create.
#include <gtest/gtest.h>

#include "afxcmn.h"
#include "dialog_support.h"
#include "resources/framework_dialogs.h"

using namespace fwtest;

namespace {

class Controls : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(dialog.Create(IDD_FORM));
    }
    void TearDown() override
    {
        dialog.DestroyWindow();
        DialogTest::TearDown();
    }

    CDialog dialog;
};

TEST_F(Controls, EditLimitsSelectsAndReplaces)
{
    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_NAME, &dialog));
    EXPECT_EQ(30000u, edit.GetLimitText()) << "until set";
    edit.SetLimitText(5);
    EXPECT_EQ(5u, edit.GetLimitText());
    edit.LimitText();
    EXPECT_EQ(0x7FFFFFFEu, edit.GetLimitText()) << "0 lifts the limit";

    edit.SetWindowText("hello world");
    edit.SetSel(2, 5);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(2, 5)), edit.GetSel());
    edit.ReplaceSel("XY");
    EXPECT_EQ("heXY world", windowText(edit.m_hWnd));
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(4, start) << "the caret after the replacement";
    EXPECT_EQ(4, end);
    edit.SetSel(MAKELONG(0, -1));
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 10)), edit.GetSel()) << "-1 runs to the end";
}

TEST_F(Controls, ButtonStyleFollowsBmSetStyle)
{
    CButton ok;
    ASSERT_TRUE(ok.SubclassDlgItem(IDOK, &dialog));
    EXPECT_EQ(static_cast<UINT>(BS_DEFPUSHBUTTON), ok.GetButtonStyle());
    ok.SetButtonStyle(BS_PUSHBUTTON);
    EXPECT_EQ(static_cast<UINT>(BS_PUSHBUTTON), ok.GetButtonStyle());
    EXPECT_TRUE(ok.GetStyle() & WS_TABSTOP) << "only the type changes";
}

TEST_F(Controls, SpinButtonRangePositionAndBuddy)
{
    CSpinButtonCtrl spin;
    CEdit count;
    ASSERT_TRUE(spin.SubclassDlgItem(IDC_SPIN, &dialog));
    ASSERT_TRUE(count.SubclassDlgItem(IDC_COUNT, &dialog));
    int lower = 0;
    int upper = 0;
    spin.GetRange(lower, upper);
    EXPECT_EQ(100, lower) << "inverted until set";
    EXPECT_EQ(0, upper);

    spin.SetRange(1, 12);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(12, 1)), spin.GetRange());
    EXPECT_EQ(0, spin.SetPos(20)) << "the previous position";
    EXPECT_EQ(12, LOWORD(spin.GetPos())) << "clamped";
    EXPECT_NE(0, HIWORD(spin.GetPos())) << "no buddy number read";

    EXPECT_EQ(nullptr, spin.SetBuddy(&count));
    EXPECT_EQ(&count, spin.GetBuddy());

    spin.SetRange32(-70000, 70000);
    spin.GetRange32(lower, upper);
    EXPECT_EQ(-70000, lower);
    EXPECT_EQ(70000, upper);
    EXPECT_EQ(10, spin.SetBase(16));
    EXPECT_EQ(0, spin.SetBase(8)) << "refused";
    EXPECT_EQ(16u, spin.GetBase());
}

TEST_F(Controls, ControlsAreMadeByCreate)
{
    CStatic label;
    CButton button;
    CEdit edit;
    CSpinButtonCtrl spin;
    const CRect place(1, 2, 31, 22);
    ASSERT_TRUE(label.Create("text", WS_CHILD | SS_RIGHT, place, &dialog, 2001));
    ASSERT_TRUE(button.Create("Go", WS_CHILD | BS_DEFPUSHBUTTON, place, &dialog, 2002));
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_NUMBER, place, &dialog, 2003));
    ASSERT_TRUE(spin.Create(WS_CHILD | UDS_WRAP, place, &dialog, 2004));
    const struct {
        CWnd &control;
        const char *className;
        int id;
    } kMade[] = {{label, "Static", 2001}, {button, "Button", 2002}, {edit, "Edit", 2003},
                 {spin, UPDOWN_CLASSA, 2004}};
    for (const auto &made : kMade) {
        SCOPED_TRACE(made.className);
        char className[32] = {};
        GetClassNameA(made.control.m_hWnd, className, sizeof className);
        EXPECT_STRCASEEQ(made.className, className);
        EXPECT_EQ(made.id, made.control.GetDlgCtrlID());
        EXPECT_EQ(&made.control, dialog.GetDlgItem(made.id));
    }
    EXPECT_EQ("text", windowText(label.m_hWnd));
    EXPECT_EQ(static_cast<UINT>(BS_DEFPUSHBUTTON), button.GetButtonStyle());
}

// A dialog whose fields are attached by DDX_Control.
class AttachingDialog : public CDialog {
public:
    AttachingDialog() : CDialog(IDD_FORM) {}
    CEdit name;
    int exchanges = 0;

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        ++exchanges;
        DDX_Control(pDX, IDC_NAME, name);
    }
};

TEST_F(Controls, DdxControlAttachesOnceAndRefusesAControlWithAnObject)
{
    AttachingDialog attaching;
    ASSERT_TRUE(attaching.Create(IDD_FORM));
    const HWND field = GetDlgItem(attaching.m_hWnd, IDC_NAME);
    EXPECT_EQ(&attaching.name, CWnd::FromHandle(field));
    EXPECT_TRUE(attaching.UpdateData());
    EXPECT_EQ(2, attaching.exchanges);
    EXPECT_EQ(field, attaching.name.m_hWnd);

    AttachingDialog second;
    ASSERT_TRUE(second.Create(IDD_FORM));
    const HWND secondField = GetDlgItem(second.m_hWnd, IDC_NAME);
    second.name.UnsubclassWindow();
    CEdit squatter;
    ASSERT_TRUE(squatter.SubclassDlgItem(IDC_NAME, &second));
    bool refused = false;
    try {
        second.UpdateData();
    } catch (CNotSupportedException *e) {
        refused = true;
        e->Delete();
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(&squatter, CWnd::FromHandle(secondField));
    second.DestroyWindow();
    attaching.DestroyWindow();
}

}  // namespace
