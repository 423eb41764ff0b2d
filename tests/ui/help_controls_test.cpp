// TutEdit, TutButton, TutListBox and TutComboBox pass help requests on to their dialog.
#include <gtest/gtest.h>

#include <string>

#include "controls_ids.h"
#include "dialog_fixtures.h"
#include "ui/help_controls.h"

namespace {

using namespace uitest;

// A TutDialog of the controls template whose help map the test chooses.
class ControlsDialog : public TutDialog {
public:
    ControlsDialog() : TutDialog(kControlsDialog) {}
    ULONG *GetHelpMapWithID(ULONG id) override
    {
        askedIds.push_back(id);
        return map;
    }

    ULONG *map = nullptr;
    std::vector<ULONG> askedIds;
};

class HelpControls : public DialogTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(kControlsDialog));
        ASSERT_TRUE(edit.SubclassDlgItem(kField, &dialog));
        ASSERT_TRUE(button.SubclassDlgItem(kPush, &dialog));
        ASSERT_TRUE(list.SubclassDlgItem(kList, &dialog));
        ASSERT_TRUE(combo.SubclassDlgItem(kCombo, &dialog));
        pumpAll();
        requests.clear();
        dialog.askedIds.clear();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    ControlsDialog dialog;
    TutEdit edit;
    TutButton button;
    TutListBox list;
    TutComboBox combo;
};

TEST_F(HelpControls, F1OnEachControlReachesTheDialogsHelpMap)
{
    const struct {
        const char *className;
        CWnd &control;
    } kCases[] = {
        {"TutEdit", edit},
        {"TutButton", button},
        {"TutListBox", list},
        {"TutComboBox", combo},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.className);
        EXPECT_STREQ(row.className, row.control.GetRuntimeClass()->m_lpszClassName);
        const HWND control = row.control.GetSafeHwnd();
        const ULONG id = static_cast<ULONG>(GetDlgCtrlID(control));
        ULONG map[] = {id, 2000 + id, 0, 0};
        dialog.map = map;
        requests.clear();
        dialog.askedIds.clear();

        SetFocus(control);
        PostMessageA(control, WM_KEYDOWN, VK_F1, 1);
        PostMessageA(control, WM_KEYUP, VK_F1, 0xC0000001);
        pumpAll();

        EXPECT_EQ(std::vector<ULONG>{id}, dialog.askedIds);
        ASSERT_EQ(1u, requests.size());
        EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), requests[0].command);
        EXPECT_EQ(control, requests[0].owner);
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(map), requests[0].data);
    }
}

}  // namespace
