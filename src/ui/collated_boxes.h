// TutCollatedListBox and TutCollatedComboBox: list and combo boxes that keep the caller's order.
#pragma once

#include <memory>

#include "afxwin.h"

namespace tut_collated {
class Positions;
}

// The caller addresses items by sequence number (the order of insertion, 0 to count - 1 without
// gaps); the control shows them in its own, usually sorted, order. Each item carries its
// sequence number as item data, and a position index maps sequence numbers to display
// positions: read from the items at the first lookup, then kept up by each change this class
// makes, in O(log n). A sequence number out of range or
// corrupt item data throws the library's general exception; a control out of space throws the
// memory exception.
class AFX_EXT_CLASS TutCollatedListBox : public CListBox {
    DECLARE_DYNAMIC(TutCollatedListBox)
public:
    TutCollatedListBox();
    ~TutCollatedListBox() override;

    // Adds with the control's own add (sorted with LBS_SORT); returns the new sequence number.
    int AddString(char const *lpszItem);
    // Inserts at the display position `nSequence` (0 to count) with that sequence number; the
    // items from that number on move one up. Returns the sequence number.
    int InsertString(int nSequence, char const *lpszItem);
    // Replaces the text; the item moves to its sorted place and keeps its number.
    int UpdateString(int nSequence, char const *lpszItem);
    // Deletes the item; the numbers above it move one down. Returns the new count.
    int DeleteString(int nSequence);
    void ResetContent();

    // The start is a display position (-1: the whole list); the answer a sequence number or -1.
    int FindString(int nStartAfter, char const *lpszItem);
    int FindStringExact(int nIndexStart, char const *lpszFind);
    int SelectString(int nStartAfter, char *lpszItem);

    int GetText(int nSequence, char *lpszBuffer);
    void GetText(int nSequence, CString &rString);
    CString GetText(int nSequence);
    int GetTextLen(int nSequence);

    // -1 when nothing is selected. An out-of-range number clears the selection.
    int GetCurSel();
    int SetCurSel(int nSequence);
    // The selected items' sequence numbers (at most nMaxItems), ascending when bSort is set.
    int GetSelItems(int *rgSequence, int nMaxItems, int bSort);

private:
    friend class TutCollatedComboBox;

    int IsSelected(int nSequence);
    int Sequence(int nIndex);
    int GetItemData(int nIndex);
    int SetItemData(int nIndex, int nSequence);
    int Index(int nSequence);
    void Collate();
    void ResetIndex();
    // The control's answer, or the exception it stands for: -2 the memory exception, any
    // other negative answer the general one.
    static int Validate(int nResult);

    std::unique_ptr<tut_collated::Positions> m_pIndex;
};

// The same over a combo box; IsSelected is public here.
class AFX_EXT_CLASS TutCollatedComboBox : public CComboBox {
    DECLARE_DYNAMIC(TutCollatedComboBox)
public:
    TutCollatedComboBox();
    ~TutCollatedComboBox() override;

    int AddString(char const *lpszString);
    int InsertString(int nSequence, char const *lpszString);
    int UpdateString(int nSequence, char const *lpszString);
    int DeleteString(int nSequence);
    void ResetContent();

    int FindString(int nStartAfter, char const *lpszString);
    int FindStringExact(int nIndexStart, char const *lpszFind);
    int SelectString(int nStartAfter, char *lpszString);

    int GetLBText(int nSequence, char *lpszText);
    void GetLBText(int nSequence, CString &rString);
    CString GetLBText(int nSequence);
    int GetLBTextLen(int nSequence);

    int GetCurSel();
    int SetCurSel(int nSequence);
    // The number is not negative and is the selected item's.
    int IsSelected(int nSequence);

private:
    int Sequence(int nIndex);
    int GetItemData(int nIndex);
    int SetItemData(int nIndex, int nSequence);
    int Index(int nSequence);
    void Collate();
    void ResetIndex();
    static int Validate(int nResult);

    std::unique_ptr<tut_collated::Positions> m_pIndex;
};
