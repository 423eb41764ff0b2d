// TutEdit, TutButton, TutListBox and TutComboBox: the standard controls, help-aware.
#pragma once

#include "afxwin.h"

// A help request (F1, or the help cursor's click) on one of these controls is given the
// default handling, which passes it on to the parent window, so the dialog answers it with its
// help map.
class AFX_EXT_CLASS TutEdit : public CEdit {
    DECLARE_DYNAMIC(TutEdit)
public:
    TutEdit();
    ~TutEdit() override;

protected:
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override;
};

class AFX_EXT_CLASS TutButton : public CButton {
    DECLARE_DYNAMIC(TutButton)
public:
    TutButton();
    ~TutButton() override;

protected:
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override;
};

class AFX_EXT_CLASS TutListBox : public CListBox {
    DECLARE_DYNAMIC(TutListBox)
public:
    TutListBox();
    ~TutListBox() override;

protected:
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override;
};

class AFX_EXT_CLASS TutComboBox : public CComboBox {
    DECLARE_DYNAMIC(TutComboBox)
public:
    TutComboBox();
    ~TutComboBox() override;

protected:
    BOOL OnHelpInfo(HELPINFO *pHelpInfo) override;
};
