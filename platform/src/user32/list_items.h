// Internal: the items of a list or combo box, shared by both controls: texts with their item
// data, the sorted place of a new text, the searches, and the host's item limit.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail {

// The height of one line of a list, in pixels.
constexpr int kListItemHeight = 13;

struct ListItem {
    std::string text;
    LPARAM data = 0;
    bool selected = false;
};

class ListItems {
public:
    int count() const { return static_cast<int>(items_.size()); }
    bool valid(WPARAM index) const
    {
        return static_cast<int>(index) >= 0 && static_cast<int>(index) < count();
    }
    ListItem &at(WPARAM index) { return items_[static_cast<std::size_t>(index)]; }
    const ListItem &at(WPARAM index) const { return items_[static_cast<std::size_t>(index)]; }

    // The position where the text (null: empty) would be added: sorted, or at the end.
    int addPosition(const char *text, bool sorted) const;
    // -1 (LB_ERR) for a position past the end, -2 (LB_ERRSPACE) when the box is full; else the
    // position. -1 as position appends.
    int insert(int position, const char *text);
    // The number left, or -1 for a position that names no item.
    int erase(WPARAM position);
    void clear() { items_.clear(); }

    // The first item after `start` (wrapping; -1 or past the end: from the top) whose text
    // begins with (or, exact, equals) `text` without regard to case; -1 when none.
    int find(WPARAM start, const char *text, bool exact) const;

    // Copies an item's text with its NUL; the length, or -1 for no item.
    LRESULT copyText(WPARAM index, LPARAM buffer) const;
    LRESULT textLength(WPARAM index) const;

private:
    std::vector<ListItem> items_;
};

// Case-insensitive order of two texts in the process's code page: <0, 0 or >0.
int compareNoCase(const char *a, const char *b);

// The host's limit on the items of one box.
std::size_t listItemLimit();

}  // namespace vks::detail
