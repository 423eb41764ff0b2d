// The items of list and combo boxes, and the host's item limit.
#include "user32/list_items.h"

#include <atomic>
#include <cstring>
#include <iterator>
#include <limits>

#include "kernel32/codepage.h"
#include "vksboundary.h"
#include "vkshost.h"

namespace vks::detail {

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
std::atomic<std::size_t> itemLimit{kNoLimit};

unsigned char folded(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// Compares at most `length` bytes of `b` with `a`; a trail byte of a double-byte character is
// compared as it stands, so it is never taken for a letter.
int compareNoCase(const char *a, const char *b, std::size_t length)
{
    const UINT codePage = GetACP();
    bool trail = false;
    for (std::size_t i = 0; i < length; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        const unsigned char fa = trail ? ca : folded(ca);
        const unsigned char fb = trail ? cb : folded(cb);
        if (fa != fb)
            return fa < fb ? -1 : 1;
        if (ca == 0)
            return 0;
        // Every lead byte of a double-byte code page lies above 0x7f.
        trail = !trail && ca >= 0x80 && isLeadByte(codePage, ca);
    }
    return 0;
}

}  // namespace

int compareNoCase(const char *a, const char *b)
{
    return compareNoCase(a, b, kNoLimit);
}

std::size_t listItemLimit()
{
    return itemLimit.load();
}

namespace {

// What one item is counted for: its record and its entry, and a text longer than the string's
// own room with the allocator's header.
std::size_t itemCost(std::size_t textLength)
{
    constexpr std::size_t kRecord = sizeof(ListItem) + 3 * sizeof(std::uint64_t);
    constexpr std::size_t kInlineText = 15;
    return kRecord + (textLength > kInlineText ? textLength + 1 + 16 : 0);
}

// Whether a key holds its whole text: the text ended within the key's bytes.
bool keyIsWhole(const std::uint64_t (&words)[2])
{
    for (std::uint64_t word : words)
        for (int shift = 56; shift >= 0; shift -= 8) {
            const auto byte = static_cast<unsigned char>(word >> shift);
            if (byte == 0)
                return true;
            if (byte == 0x80)
                return false;
        }
    return false;
}

}  // namespace

// A text's first sixteen bytes as compareNoCase sees them, folded, in the order of unsigned
// numbers. The key stops at the text's end (zeros follow) or at its first byte above 0x7f, whose
// place takes 0x80 (zeros follow): such a byte sorts above every ASCII one, and what comes after
// it depends on the code page. Trail bytes, which lie after such a byte, are never in a key, so
// a key holds in every code page.
ListItems::SortKey ListItems::sortKey(const char *text)
{
    SortKey key;
    for (int i = 0; i < 16; ++i) {
        std::uint64_t &word = key.words[i / 8];
        const int shift = 56 - 8 * (i % 8);
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0)
            break;
        if (c >= 0x80) {
            word |= std::uint64_t{0x80} << shift;
            break;
        }
        word |= std::uint64_t{folded(c)} << shift;
    }
    return key;
}

int ListItems::compareEntry(const Entry &entry, const SortKey &key, const char *text) const
{
    // Differing keys differ first where the texts do, and equal whole keys are equal texts;
    // only the rest needs the texts themselves.
    if (entry.key != key)
        return entry.key < key ? -1 : 1;
    if (keyIsWhole(key.words))
        return 0;
    return compareNoCase(item(entry.item).text.c_str(), text, kNoLimit);
}

std::uint32_t ListItems::newItem(const char *text)
{
    std::uint32_t place;
    if (!freeItems_.empty()) {
        place = freeItems_.back();
        freeItems_.pop_back();
    } else {
        if (poolUsed_ % kChunkItems == 0)
            pool_.push_back(std::make_unique<ListItem[]>(kChunkItems));
        place = poolUsed_++;
    }
    item(place) = ListItem{text, 0, false};
    return place;
}

ListItems::ListItems() = default;
ListItems::~ListItems() = default;

ListItems::Place ListItems::locate(std::size_t index) const
{
    // The Fenwick descent: the last block whose items before it number at most `index`.
    std::size_t block = 0;
    std::size_t rest = index;
    std::size_t step = 1;
    while (step * 2 <= blocks_.size())
        step *= 2;
    for (; step > 0; step /= 2) {
        const std::size_t next = block + step;
        if (next <= blocks_.size() && static_cast<std::size_t>(sizeTree_[next]) <= rest) {
            block = next;
            rest -= static_cast<std::size_t>(sizeTree_[next]);
        }
    }
    return {block, rest};
}

void ListItems::addToBlockSize(std::size_t block, int delta)
{
    for (std::size_t i = block + 1; i < sizeTree_.size(); i += i & (~i + 1))
        sizeTree_[i] += delta;
}

void ListItems::rebuildBlockSizes()
{
    sizeTree_.assign(blocks_.size() + 1, 0);
    for (std::size_t i = 1; i < sizeTree_.size(); ++i) {
        sizeTree_[i] += static_cast<int>(blocks_[i - 1].size());
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < sizeTree_.size())
            sizeTree_[parent] += sizeTree_[i];
    }
}

ListItem &ListItems::at(WPARAM index)
{
    const Place place = locate(static_cast<std::size_t>(index));
    return item(blocks_[place.block][place.offset].item);
}

const ListItem &ListItems::at(WPARAM index) const
{
    const Place place = locate(static_cast<std::size_t>(index));
    return item(blocks_[place.block][place.offset].item);
}

int ListItems::addPosition(const char *text, bool sorted) const
{
    if (!sorted)
        return count();
    if (!text)
        text = "";
    if (ordered_)
        return orderedAddPosition(text);
    // Items out of order have no one right place; this bisection finds the one Windows' does.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (compareNoCase(at(middle).text.c_str(), text) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int ListItems::orderedAddPosition(const char *text) const
{
    // Before the first item that does not sort below the text: its block is the first whose
    // last item does not, found among the blocks' last keys; then its place in that block.
    const SortKey key = sortKey(text);
    std::size_t low = 0, high = blocks_.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const Entry last{lastKeys_[middle], blocks_[middle].back().item};
        if (compareEntry(last, key, text) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == blocks_.size())
        return count();
    const std::size_t blockIndex = low;
    const Block &block = blocks_[blockIndex];
    low = 0;
    high = block.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (compareEntry(block[middle], key, text) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    int before = 0;
    for (std::size_t i = blockIndex; i > 0; i -= i & (~i + 1))
        before += sizeTree_[i];
    return before + static_cast<int>(low);
}

void ListItems::splitBlock(std::size_t index)
{
    // A full block gives its second half to a new block after it.
    Block &full = blocks_[index];
    const auto middle = static_cast<std::ptrdiff_t>(kBlockItems / 2);
    Block half;
    half.reserve(kBlockItems);
    half.assign(full.begin() + middle, full.end());
    full.erase(full.begin() + middle, full.end());
    lastKeys_[index] = full.back().key;
    lastKeys_.insert(lastKeys_.begin() + static_cast<std::ptrdiff_t>(index) + 1, half.back().key);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(half));
    rebuildBlockSizes();
}

int ListItems::insert(int position, const char *text)
{
    if (position == -1)
        position = count();
    if (position < 0 || position > count())
        return LB_ERR;
    if (!text)
        text = "";
    const std::size_t cost = itemCost(std::strlen(text));
    if (static_cast<std::size_t>(count()) >= listItemLimit() ||
        storageBytes_ + cost > kListStorageBytes)
        return LB_ERRSPACE;
    if (blocks_.empty()) {
        blocks_.emplace_back();
        blocks_.back().reserve(kBlockItems);
        lastKeys_.emplace_back();
    }
    // The end of the list goes to the last block; any other place before the item it names.
    Place place = position == count() ? Place{blocks_.size() - 1, blocks_.back().size()}
                                      : locate(static_cast<std::size_t>(position));
    const SortKey key = sortKey(text);
    if (ordered_) {
        // The neighbours are the entries around the place, or the ends of the blocks around it.
        const Block &block = blocks_[place.block];
        const Entry *before = place.offset > 0 ? &block[place.offset - 1]
                              : place.block > 0 ? &blocks_[place.block - 1].back()
                                                : nullptr;
        const Entry *after = place.offset < block.size()         ? &block[place.offset]
                             : place.block + 1 < blocks_.size() ? &blocks_[place.block + 1].front()
                                                                : nullptr;
        ordered_ = (!before || compareEntry(*before, key, text) <= 0) &&
                   (!after || compareEntry(*after, key, text) >= 0);
    }
    if (blocks_[place.block].size() == kBlockItems) {
        splitBlock(place.block);
        if (place.offset > kBlockItems / 2)
            place = {place.block + 1, place.offset - kBlockItems / 2};
    }
    const std::uint32_t made = newItem(text);
    Block &block = blocks_[place.block];
    block.insert(block.begin() + static_cast<std::ptrdiff_t>(place.offset), Entry{key, made});
    if (sizeTree_.size() != blocks_.size() + 1)
        rebuildBlockSizes();
    else
        addToBlockSize(place.block, +1);
    lastKeys_[place.block] = block.back().key;
    ++count_;
    storageBytes_ += cost;
    return position;
}

int ListItems::erase(WPARAM position)
{
    if (!valid(position))
        return LB_ERR;
    const Place place = locate(static_cast<std::size_t>(position));
    Block &block = blocks_[place.block];
    const std::uint32_t erased = block[place.offset].item;
    storageBytes_ -= itemCost(item(erased).text.size());
    item(erased) = ListItem{};
    freeItems_.push_back(erased);
    block.erase(block.begin() + static_cast<std::ptrdiff_t>(place.offset));
    --count_;
    if (block.empty()) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(place.block));
        lastKeys_.erase(lastKeys_.begin() + static_cast<std::ptrdiff_t>(place.block));
        rebuildBlockSizes();
    } else {
        addToBlockSize(place.block, -1);
        lastKeys_[place.block] = block.back().key;
    }
    return count();
}

void ListItems::clear()
{
    pool_.clear();
    poolUsed_ = 0;
    freeItems_.clear();
    blocks_.clear();
    lastKeys_.clear();
    sizeTree_.clear();
    count_ = 0;
    storageBytes_ = 0;
    ordered_ = true;
}

int ListItems::find(WPARAM start, const char *text, bool exact) const
{
    if (!text || count() == 0)
        return LB_ERR;
    const std::size_t first = valid(start) ? static_cast<std::size_t>(start) + 1 : 0;
    return ordered_ ? findOrdered(first, text, exact) : findInOrder(first, text, exact);
}

int ListItems::findInOrder(std::size_t first, const char *text, bool exact) const
{
    const std::size_t length = std::strlen(text);
    for (int step = 0; step < count(); ++step) {
        const int index = static_cast<int>((first + static_cast<std::size_t>(step)) %
                                           static_cast<std::size_t>(count()));
        const char *item = at(index).text.c_str();
        const int order = exact ? compareNoCase(item, text) : compareNoCase(item, text, length);
        if (order == 0)
            return index;
    }
    return LB_ERR;
}

int ListItems::findOrdered(std::size_t first, const char *text, bool exact) const
{
    // The items that match lie together: from the first that does not sort below the text to
    // the first that sorts above it. The answer is the first of them after `first`, wrapping.
    const std::size_t length = std::strlen(text);
    auto order = [&](int index) {
        const char *item = at(index).text.c_str();
        return exact ? compareNoCase(item, text) : compareNoCase(item, text, length);
    };
    // The first index at or after `low` whose item does not satisfy `before`.
    auto partition = [&](int low, auto before) {
        int high = count();
        while (low < high) {
            const int middle = (low + high) / 2;
            if (before(order(middle)))
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    };
    const int matches = partition(0, [](int o) { return o < 0; });
    const int end = partition(matches, [](int o) { return o <= 0; });
    if (matches == end)
        return LB_ERR;
    const int from = static_cast<int>(first);
    return from > matches && from < end ? from : matches;
}

LRESULT ListItems::copyText(WPARAM index, LPARAM buffer) const
{
    if (!valid(index))
        return LB_ERR;
    const std::string &text = at(index).text;
    if (buffer)
        std::memcpy(reinterpret_cast<char *>(buffer), text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

LRESULT ListItems::textLength(WPARAM index) const
{
    return valid(index) ? static_cast<LRESULT>(at(index).text.size()) : LB_ERR;
}

}  // namespace vks::detail

void VksHostSetListItemLimit(const UINT *limitOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        vks::detail::itemLimit.store(limitOrNull ? *limitOrNull : vks::detail::kNoLimit);
    });
}
