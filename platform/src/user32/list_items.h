// Internal: the items of a list or combo box, one storage shared by both controls: texts with
// their item data, the sorted place of a new text, the searches, and the room a box may take.
//
// The items stay where they were made; the display order is a list of small entries (a handle
// and a sort key of the text's first sixteen bytes) in blocks of at most kBlockItems, with a
// Fenwick tree over the blocks' sizes. An item is found by its index in O(log n), an insertion moves the
// entries of one block, not the whole tail, and a sorted insert or a search of an ordered box
// costs O(log n) comparisons, most of them decided by the keys without reading the texts.
#pragma once

#include <cstddef>
#include <compare>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail {

// The height of one line of a list, in pixels.
constexpr int kListItemHeight = 13;

// The room one box's items may take, texts included, before it answers LB_ERRSPACE (CB_ERRSPACE)
// as Windows does when its memory for a box runs out.
constexpr std::size_t kListStorageBytes = 64u << 20;

struct ListItem {
    std::string text;
    LPARAM data = 0;
    bool selected = false;
};

class ListItems {
public:
    ListItems();
    ~ListItems();
    ListItems(const ListItems &) = delete;
    ListItems &operator=(const ListItems &) = delete;

    int count() const { return count_; }
    bool valid(WPARAM index) const
    {
        return static_cast<int>(index) >= 0 && static_cast<int>(index) < count();
    }
    ListItem &at(WPARAM index);
    const ListItem &at(WPARAM index) const;

    // The position where the text (null: empty) would be added: sorted, or at the end.
    int addPosition(const char *text, bool sorted) const;
    // -1 (LB_ERR) for a position past the end, -2 (LB_ERRSPACE) when the box is full; else the
    // position. -1 as position appends.
    int insert(int position, const char *text);
    // The number left, or -1 for a position that names no item.
    int erase(WPARAM position);
    void clear();

    // The first item after `start` (wrapping; -1 or past the end: from the top) whose text
    // begins with (or, exact, equals) `text` without regard to case; -1 when none.
    int find(WPARAM start, const char *text, bool exact) const;

    // Copies an item's text with its NUL; the length, or -1 for no item.
    LRESULT copyText(WPARAM index, LPARAM buffer) const;
    LRESULT textLength(WPARAM index) const;

    // The room the items take, as counted against kListStorageBytes.
    std::size_t storageBytes() const { return storageBytes_; }

    static constexpr std::size_t kBlockItems = 128;

private:
    // The first sixteen bytes of a text as the comparison sees them, in the order of two
    // unsigned numbers (see sortKey).
    struct SortKey {
        std::uint64_t words[2] = {};
        auto operator<=>(const SortKey &) const = default;
    };
    struct Entry {
        SortKey key;         // of the item's text
        std::uint32_t item;  // where the item is in pool_
    };
    using Block = std::vector<Entry>;
    struct Place {
        std::size_t block;
        std::size_t offset;
    };

    Place locate(std::size_t index) const;
    int orderedAddPosition(const char *text) const;
    void splitBlock(std::size_t block);
    ListItem &item(std::uint32_t place) { return pool_[place / kChunkItems][place % kChunkItems]; }
    const ListItem &item(std::uint32_t place) const
    {
        return pool_[place / kChunkItems][place % kChunkItems];
    }
    std::uint32_t newItem(const char *text);
    // The order of an entry's text and `text`, by their keys where they decide it.
    int compareEntry(const Entry &entry, const SortKey &key, const char *text) const;
    static SortKey sortKey(const char *text);
    void addToBlockSize(std::size_t block, int delta);
    void rebuildBlockSizes();
    int findOrdered(std::size_t first, const char *text, bool exact) const;
    int findInOrder(std::size_t first, const char *text, bool exact) const;

    // Items in chunks of kChunkItems, never moved while they live, and the places of erased ones.
    static constexpr std::uint32_t kChunkItems = 1024;
    std::vector<std::unique_ptr<ListItem[]>> pool_;
    std::uint32_t poolUsed_ = 0;
    std::vector<std::uint32_t> freeItems_;
    std::vector<Block> blocks_;
    std::vector<SortKey> lastKeys_;  // each block's last sort key, for the first bisection
    std::vector<int> sizeTree_;            // Fenwick tree of the blocks' sizes, 1-based
    int count_ = 0;
    std::size_t storageBytes_ = 0;
    // Whether every item sorts at or after the one before it, as a sorted box's items do unless
    // an insertion at a chosen place broke the order; searches may then bisect.
    bool ordered_ = true;
};

// Case-insensitive order of two texts in the process's code page: <0, 0 or >0.
int compareNoCase(const char *a, const char *b);

// The host's limit on the items of one box.
std::size_t listItemLimit();

}  // namespace vks::detail
