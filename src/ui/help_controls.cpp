// The help-aware standard controls.
#include "ui/help_controls.h"

IMPLEMENT_DYNAMIC(TutEdit, CEdit)
IMPLEMENT_DYNAMIC(TutButton, CButton)
IMPLEMENT_DYNAMIC(TutListBox, CListBox)
IMPLEMENT_DYNAMIC(TutComboBox, CComboBox)

TutEdit::TutEdit() = default;
TutEdit::~TutEdit() = default;
TutButton::TutButton() = default;
TutButton::~TutButton() = default;
TutListBox::TutListBox() = default;
TutListBox::~TutListBox() = default;
TutComboBox::TutComboBox() = default;
TutComboBox::~TutComboBox() = default;

BOOL TutEdit::OnHelpInfo(HELPINFO *)
{
    return static_cast<BOOL>(Default());
}

BOOL TutButton::OnHelpInfo(HELPINFO *)
{
    return static_cast<BOOL>(Default());
}

BOOL TutListBox::OnHelpInfo(HELPINFO *)
{
    return static_cast<BOOL>(Default());
}

BOOL TutComboBox::OnHelpInfo(HELPINFO *)
{
    return static_cast<BOOL>(Default());
}
