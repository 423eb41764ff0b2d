// TutCollatedListBox: a list box addressed by sequence numbers.
#include "ui/collated_boxes.h"

#include "ui/collated_index.h"

IMPLEMENT_DYNAMIC(TutCollatedListBox, CListBox)

TutCollatedListBox::TutCollatedListBox() = default;
TutCollatedListBox::~TutCollatedListBox() = default;

int TutCollatedListBox::AddString(char const *lpszItem)
{
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::addString<CListBox>(*this, lpszItem, &Validate, positions);
    });
}

int TutCollatedListBox::InsertString(int nSequence, char const *lpszItem)
{
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::insertString<CListBox>(*this, nSequence, lpszItem, &Validate, positions);
    });
}

int TutCollatedListBox::UpdateString(int nSequence, char const *lpszItem)
{
    const int index = Index(nSequence);
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::updateString<CListBox>(*this, nSequence, index, lpszItem, &Validate,
                                                  positions);
    });
}

int TutCollatedListBox::DeleteString(int nSequence)
{
    const int index = Index(nSequence);
    return tut_collated::keepingPositions(m_pIndex, [&](tut_collated::Positions *positions) {
        return tut_collated::deleteString<CListBox>(*this, nSequence, index, &Validate, positions);
    });
}

void TutCollatedListBox::ResetContent()
{
    CListBox::ResetContent();
    ResetIndex();
}

int TutCollatedListBox::FindString(int nStartAfter, char const *lpszItem)
{
    const int index = CListBox::FindString(nStartAfter, lpszItem);
    return index < 0 ? LB_ERR : Sequence(index);
}

int TutCollatedListBox::FindStringExact(int nIndexStart, char const *lpszFind)
{
    const int index = CListBox::FindStringExact(nIndexStart, lpszFind);
    return index < 0 ? LB_ERR : Sequence(index);
}

int TutCollatedListBox::SelectString(int nStartAfter, char *lpszItem)
{
    const int index = CListBox::SelectString(nStartAfter, lpszItem);
    return index < 0 ? LB_ERR : Sequence(index);
}

int TutCollatedListBox::GetText(int nSequence, char *lpszBuffer)
{
    return CListBox::GetText(Index(nSequence), lpszBuffer);
}

void TutCollatedListBox::GetText(int nSequence, CString &rString)
{
    CListBox::GetText(Index(nSequence), rString);
}

CString TutCollatedListBox::GetText(int nSequence)
{
    CString text;
    GetText(nSequence, text);
    return text;
}

int TutCollatedListBox::GetTextLen(int nSequence)
{
    return CListBox::GetTextLen(Index(nSequence));
}

int TutCollatedListBox::GetCurSel()
{
    const int index = CListBox::GetCurSel();
    return index < 0 ? LB_ERR : Sequence(index);
}

int TutCollatedListBox::SetCurSel(int nSequence)
{
    const int index = CListBox::SetCurSel(Index(nSequence));
    return index < 0 ? LB_ERR : Sequence(index);
}

int TutCollatedListBox::GetSelItems(int *rgSequence, int nMaxItems, int bSort)
{
    const int selected = CListBox::GetSelItems(nMaxItems, rgSequence);
    for (int i = 0; i < selected; ++i)
        rgSequence[i] = Sequence(rgSequence[i]);
    if (bSort && selected >= 2)
        tut_collated::sortAscending(rgSequence, selected);
    return selected;
}

int TutCollatedListBox::IsSelected(int nSequence)
{
    return CListBox::GetSel(Index(nSequence)) > 0 ? 1 : 0;
}

int TutCollatedListBox::Sequence(int nIndex)
{
    return GetItemData(nIndex);
}

int TutCollatedListBox::GetItemData(int nIndex)
{
    return static_cast<int>(CListBox::GetItemData(nIndex));
}

int TutCollatedListBox::SetItemData(int nIndex, int nSequence)
{
    return Validate(CListBox::SetItemData(nIndex, static_cast<DWORD_PTR>(nSequence)));
}

int TutCollatedListBox::Index(int nSequence)
{
    const int items = GetCount();
    if (nSequence < 0 || nSequence >= items)
        return -1;
    // Items added or deleted past this class leave positions that no longer count the box's.
    if (!m_pIndex || m_pIndex->count() != items)
        Collate();
    return m_pIndex->position(nSequence);
}

void TutCollatedListBox::Collate()
{
    ResetIndex();
    m_pIndex = tut_collated::collate<CListBox>(*this);
}

void TutCollatedListBox::ResetIndex()
{
    m_pIndex.reset();
}

int TutCollatedListBox::Validate(int nResult)
{
    if (nResult == LB_ERRSPACE)
        impThrowMemoryException();
    if (nResult < 0)
        impThrowException();
    return nResult;
}
