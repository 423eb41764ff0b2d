// Internal: the index of an INI document's names, an open-addressing table of line offsets.
//
// Each slot holds one line's offset and four bits of its name's hash; the names themselves stay
// in the document's bytes, so the table costs 4 bytes a slot. Entries are never removed, and
// linear probing keeps the entries of one hash in the order they were added: a lookup that stops
// at the first match finds the first line of that name in the file.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace vks::detail {

// The hash of a section or key name as INI files compare names: ASCII letters without regard to
// case. Names that compare equal hash equal, whatever the code page.
std::uint64_t iniNameHash(std::string_view name);

class IniIndex {
public:
    // The largest offset a slot can hold.
    static constexpr std::uint32_t kMaxOffset = (1u << 28) - 2;

    // A table for `count` entries, at most seven tenths full.
    explicit IniIndex(std::size_t count = 0);

    void insert(std::uint64_t hash, std::uint32_t offset);

    // Whether one more entry would fill the table past seven tenths.
    bool full() const { return (count_ + 1) * 10 > (mask_ + 1) * 7 || mask_ == 0; }
    // Whether the table is more than twice as large as its entries need.
    bool oversized() const { return mask_ > 8 && count_ * 20 < (mask_ + 1) * 7; }

    // The same entries in a table made for `count` of them; `hashOf(offset)` gives each
    // entry's hash again. Entries go back in ascending order of offset, which must be the order
    // they were first added in.
    template <class HashOf>
    void resize(std::size_t count, HashOf hashOf)
    {
        std::unique_ptr<std::uint32_t[]> entries = std::make_unique<std::uint32_t[]>(count_);
        std::size_t kept = 0;
        for (std::size_t slot = 0; mask_ && slot <= mask_; ++slot)
            if (slots_[slot] != 0)
                entries[kept++] = (slots_[slot] & kOffsetMask) - 1;
        std::sort(entries.get(), entries.get() + kept);
        *this = IniIndex(std::max(count, kept));
        for (std::size_t i = 0; i < kept; ++i)
            insert(hashOf(entries[i]), entries[i]);
    }

    // The first offset of `hash`, in the order of insertion, that `matches`; or `npos`.
    template <class Matches>
    std::size_t find(std::uint64_t hash, Matches matches) const
    {
        if (mask_ == 0)
            return npos;
        const std::uint32_t tag = tagOf(hash);
        for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
            const std::uint32_t entry = slots_[slot];
            if (entry == 0)
                return npos;
            if ((entry >> kOffsetBits) == tag && matches(std::size_t((entry & kOffsetMask) - 1)))
                return (entry & kOffsetMask) - 1;
        }
    }

    // Calls `visit` with every offset that may carry `hash`, in the order of insertion.
    template <class Visit>
    void forEachCandidate(std::uint64_t hash, Visit visit) const
    {
        find(hash, [&](std::size_t offset) {
            visit(offset);
            return false;
        });
    }

    std::size_t bytes() const { return (mask_ + (mask_ ? 1 : 0)) * sizeof(std::uint32_t); }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    static constexpr unsigned kOffsetBits = 28;
    static constexpr std::uint32_t kOffsetMask = (1u << kOffsetBits) - 1;

    static std::uint32_t tagOf(std::uint64_t hash)
    {
        return static_cast<std::uint32_t>(hash >> 60);
    }

    std::unique_ptr<std::uint32_t[]> slots_;  // offset + 1 and the tag; 0 is an empty slot
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

}  // namespace vks::detail
