// Internal: the algorithms both collated boxes share, over the control's own operations, which
// the overloads below name alike for a list and a combo box.
#pragma once

#include <memory>
#include <vector>

#include "afxwin.h"
#include "ui/collated_positions.h"
#include "util/exceptions.h"

namespace tut_collated {

inline int count(CListBox &box) { return box.GetCount(); }
inline int count(CComboBox &box) { return box.GetCount(); }
inline int rawData(CListBox &box, int index) { return static_cast<int>(box.GetItemData(index)); }
inline int rawData(CComboBox &box, int index) { return static_cast<int>(box.GetItemData(index)); }
inline int setRawData(CListBox &box, int index, int sequence)
{
    return box.SetItemData(index, static_cast<DWORD_PTR>(sequence));
}
inline int setRawData(CComboBox &box, int index, int sequence)
{
    return box.SetItemData(index, static_cast<DWORD_PTR>(sequence));
}
inline int add(CListBox &box, const char *text) { return box.AddString(text); }
inline int add(CComboBox &box, const char *text) { return box.AddString(text); }
inline int insert(CListBox &box, int index, const char *text)
{
    return box.InsertString(index, text);
}
inline int insert(CComboBox &box, int index, const char *text)
{
    return box.InsertString(index, text);
}
inline int erase(CListBox &box, int index) { return box.DeleteString(static_cast<UINT>(index)); }
inline int erase(CComboBox &box, int index) { return box.DeleteString(static_cast<UINT>(index)); }
inline CString textAt(CListBox &box, int index)
{
    CString text;
    box.GetText(index, text);
    return text;
}
inline CString textAt(CComboBox &box, int index)
{
    CString text;
    box.GetLBText(index, text);
    return text;
}

// The general exception unless 0 <= sequence < end.
inline void requireInRange(int sequence, int end)
{
    if (sequence < 0 || sequence >= end)
        impThrowException();
}

// The display position of every sequence number, read from the items. A number out of range, or
// one carried by two items (which would leave another number without a place), is corrupt data.
template <class Box>
std::unique_ptr<Positions> collate(Box &box)
{
    const int items = count(box);
    std::vector<int> sequenceAt(static_cast<std::size_t>(items > 0 ? items : 0));
    std::vector<bool> seen(sequenceAt.size());
    for (int index = 0; index < items; ++index) {
        const int sequence = rawData(box, index);
        if (sequence < 0 || sequence >= items || seen[static_cast<std::size_t>(sequence)])
            impThrowException();
        seen[static_cast<std::size_t>(sequence)] = true;
        sequenceAt[static_cast<std::size_t>(index)] = sequence;
    }
    return std::make_unique<Positions>(sequenceAt);
}

// Runs a change of the box with the positions kept so far (null when none are), which the change
// keeps up. A change that throws may have left the box half changed: its positions go, to be read
// from the items again at the next lookup.
template <class Change>
int keepingPositions(std::unique_ptr<Positions> &positions, Change change)
{
    try {
        return change(positions.get());
    } catch (...) {
        positions.reset();
        throw;
    }
}

// Adds `by` to the number of every item, except the one at `skip`, whose number is `from` or
// greater.
template <class Box, class Validate>
void renumber(Box &box, int from, int by, int skip, Validate validate)
{
    const int items = count(box);
    for (int index = 0; index < items; ++index) {
        if (index == skip)
            continue;
        const int sequence = rawData(box, index);
        if (sequence >= from)
            validate(setRawData(box, index, sequence + by));
    }
}

template <class Box, class Validate>
int addString(Box &box, const char *text, Validate validate, Positions *positions)
{
    const int sequence = count(box);
    const int index = validate(add(box, text));
    validate(setRawData(box, index, sequence));
    if (positions)
        positions->insert(index, sequence);
    return sequence;
}

template <class Box, class Validate>
int insertString(Box &box, int sequence, const char *text, Validate validate,
                 Positions *positions)
{
    requireInRange(sequence, count(box) + 1);
    const int index = validate(insert(box, sequence, text));
    renumber(box, sequence, +1, index, validate);
    validate(setRawData(box, index, sequence));
    if (positions)
        positions->insert(index, sequence);
    return sequence;
}

// The old item goes, then the new text is added, so that a box at its limit still takes the
// update. Should the add fail, the old text goes back where it was with its number before the
// failure is thrown: nothing is lost.
template <class Box, class Validate>
int updateString(Box &box, int sequence, int oldIndex, const char *text, Validate validate,
                 Positions *positions)
{
    requireInRange(sequence, count(box));
    const CString old = textAt(box, oldIndex);
    validate(erase(box, oldIndex));
    const int newIndex = add(box, text);
    if (newIndex < 0) {
        validate(insert(box, oldIndex, old));
        validate(setRawData(box, oldIndex, sequence));
        validate(newIndex);
    }
    validate(setRawData(box, newIndex, sequence));
    if (positions)
        positions->move(sequence, newIndex);
    return sequence;
}

template <class Box, class Validate>
int deleteString(Box &box, int sequence, int index, Validate validate, Positions *positions)
{
    requireInRange(sequence, count(box));
    const int left = validate(erase(box, index));
    renumber(box, sequence + 1, -1, -1, validate);
    if (positions)
        positions->erase(sequence);
    return left;
}

// The sequence numbers sorted ascending by insertion with binary search.
inline void sortAscending(int *numbers, int n)
{
    for (int i = 1; i < n; ++i) {
        const int value = numbers[i];
        int low = 0;
        int high = i;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (numbers[middle] <= value)
                low = middle + 1;
            else
                high = middle;
        }
        for (int j = i; j > low; --j)
            numbers[j] = numbers[j - 1];
        numbers[low] = value;
    }
}

}  // namespace tut_collated
