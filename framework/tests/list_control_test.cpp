// CListBox and CComboBox made by Create on a dialog.
#include <gtest/gtest.h>

#include "dialog_support.h"
#include "resources/framework_dialogs.h"

using namespace fwtest;

namespace {

class ListControls : public DialogTest {
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
    const CRect place{1, 2, 81, 62};
};

TEST_F(ListControls, ListBoxAddsFindsAndReadsItsTexts)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_SORT, place, &dialog, 2101));
    EXPECT_EQ(&list, dialog.GetDlgItem(2101));
    EXPECT_EQ(0, list.AddString("b"));
    EXPECT_EQ(0, list.AddString("a"));
    EXPECT_EQ(1, list.InsertString(1, "z"));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(TRUE, list.SetItemData(2, 77));
    EXPECT_EQ(77u, list.GetItemData(2));

    CString text;
    list.GetText(1, text);
    EXPECT_STREQ("z", text);
    list.GetText(7, text);
    EXPECT_TRUE(text.IsEmpty()) << "no item, no text";
    char buffer[8] = {};
    EXPECT_EQ(1, list.GetText(2, buffer));
    EXPECT_STREQ("b", buffer);
    EXPECT_EQ(LB_ERR, list.GetTextLen(3));

    EXPECT_EQ(2, list.FindString(-1, "B"));
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "zz"));
    EXPECT_EQ(1, list.SelectString(-1, "z"));
    EXPECT_EQ(1, list.GetCurSel());
    EXPECT_EQ(1, list.GetSel(1));
    EXPECT_EQ(2, list.DeleteString(0));
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(ListControls, ListBoxSelectsSeveralItems)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_MULTIPLESEL, place, &dialog, 2102));
    for (const char *text : {"a", "b", "c"})
        list.AddString(text);
    EXPECT_EQ(LB_OKAY, list.SetSel(2));
    EXPECT_EQ(LB_OKAY, list.SetSel(0));
    EXPECT_EQ(2, list.GetSelCount());
    int selected[3] = {};
    EXPECT_EQ(2, list.GetSelItems(3, selected));
    EXPECT_EQ(0, selected[0]);
    EXPECT_EQ(2, selected[1]);
    EXPECT_EQ(LB_OKAY, list.SetTopIndex(1));
    EXPECT_EQ(1, list.GetTopIndex());
}

TEST_F(ListControls, ComboBoxMirrorsItsMessages)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, place, &dialog, 2103));
    EXPECT_EQ(0, combo.AddString("pear"));
    EXPECT_EQ(0, combo.AddString("fig"));
    EXPECT_EQ(2, combo.InsertString(-1, "apple"));
    EXPECT_EQ(3, combo.GetCount());
    EXPECT_EQ(TRUE, combo.SetItemData(1, 5));
    EXPECT_EQ(5u, combo.GetItemData(1));

    CString text;
    combo.GetLBText(2, text);
    EXPECT_STREQ("apple", text);
    combo.GetLBText(-1, text);
    EXPECT_TRUE(text.IsEmpty());
    char buffer[8] = {};
    EXPECT_EQ(3, combo.GetLBText(0, buffer));
    EXPECT_EQ(4, combo.GetLBTextLen(1));

    EXPECT_EQ(1, combo.FindString(-1, "PE"));
    EXPECT_EQ(2, combo.FindStringExact(0, "apple"));
    EXPECT_EQ(1, combo.SelectString(-1, "p"));
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_EQ("pear", windowText(combo.m_hWnd));
    EXPECT_EQ(CB_ERR, combo.SetCurSel(-1));
    EXPECT_EQ(2, combo.DeleteString(0));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

}  // namespace
