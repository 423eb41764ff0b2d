// TutCollatedComboBox: a combo box addressed by sequence numbers.
#include "ui/collated_boxes.h"

#include "ui/collated_index.h"

IMPLEMENT_DYNAMIC(TutCollatedComboBox, CComboBox)

TutCollatedComboBox::TutCollatedComboBox() = default;
TutCollatedComboBox::~TutCollatedComboBox() = default;

int TutCollatedComboBox::AddString(char const *lpszString)
{
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::addString<CComboBox>(*this, lpszString, &Validate, positions);
    });
}

int TutCollatedComboBox::InsertString(int nSequence, char const *lpszString)
{
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::insertString<CComboBox>(*this, nSequence, lpszString, &Validate, positions);
    });
}

int TutCollatedComboBox::UpdateString(int nSequence, char const *lpszString)
{
    const int index = Index(nSequence);
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::updateString<CComboBox>(*this, nSequence, index, lpszString, &Validate,
                                                  positions);
    });
}

int TutCollatedComboBox::DeleteString(int nSequence)
{
    const int index = Index(nSequence);
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::deleteString<CComboBox>(*this, nSequence, index, &Validate, positions);
    });
}

void TutCollatedComboBox::ResetContent()
{
    CComboBox::ResetContent();
    ResetIndex();
}

int TutCollatedComboBox::FindString(int nStartAfter, char const *lpszString)
{
    const int index = CComboBox::FindString(nStartAfter, lpszString);
    return index < 0 ? CB_ERR : Sequence(index);
}

int TutCollatedComboBox::FindStringExact(int nIndexStart, char const *lpszFind)
{
    const int index = CComboBox::FindStringExact(nIndexStart, lpszFind);
    return index < 0 ? CB_ERR : Sequence(index);
}

int TutCollatedComboBox::SelectString(int nStartAfter, char *lpszString)
{
    const int index = CComboBox::SelectString(nStartAfter, lpszString);
    return index < 0 ? CB_ERR : Sequence(index);
}

int TutCollatedComboBox::GetLBText(int nSequence, char *lpszText)
{
    return CComboBox::GetLBText(Index(nSequence), lpszText);
}

void TutCollatedComboBox::GetLBText(int nSequence, CString &rString)
{
    CComboBox::GetLBText(Index(nSequence), rString);
}

CString TutCollatedComboBox::GetLBText(int nSequence)
{
    CString text;
    GetLBText(nSequence, text);
    return text;
}

int TutCollatedComboBox::GetLBTextLen(int nSequence)
{
    return CComboBox::GetLBTextLen(Index(nSequence));
}

int TutCollatedComboBox::GetCurSel()
{
    const int index = CComboBox::GetCurSel();
    return index < 0 ? CB_ERR : Sequence(index);
}

int TutCollatedComboBox::SetCurSel(int nSequence)
{
    const int index = CComboBox::SetCurSel(Index(nSequence));
    return index < 0 ? CB_ERR : Sequence(index);
}

int TutCollatedComboBox::IsSelected(int nSequence)
{
    return nSequence >= 0 && nSequence == GetCurSel() ? 1 : 0;
}

int TutCollatedComboBox::Sequence(int nIndex)
{
    return GetItemData(nIndex);
}

int TutCollatedComboBox::GetItemData(int nIndex)
{
    return static_cast<int>(CComboBox::GetItemData(nIndex));
}

int TutCollatedComboBox::SetItemData(int nIndex, int nSequence)
{
    return Validate(CComboBox::SetItemData(nIndex, static_cast<DWORD_PTR>(nSequence)));
}

int TutCollatedComboBox::Index(int nSequence)
{
    const int items = GetCount();
    if (nSequence < 0 || nSequence >= items)
        return -1;
    // Items added or deleted past this class leave positions that no longer count the box's.
    if (!m_pIndex || m_pIndex->count() != items)
        Collate();
    return m_pIndex->position(nSequence);
}

void TutCollatedComboBox::Collate()
{
    ResetIndex();
    m_pIndex = tut_collated::collate<CComboBox>(*this);
}

void TutCollatedComboBox::ResetIndex()
{
    m_pIndex.reset();
}

// Both controls answer -2 when out of space, so the list box's check serves.
int TutCollatedComboBox::Validate(int nResult)
{
    return TutCollatedListBox::Validate(nResult);
}
