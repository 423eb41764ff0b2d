// The open-addressing index of INI names.
#include "kernel32/ini_index.h"

#include <stdexcept>

namespace vks::detail {

std::uint64_t iniNameHash(std::string_view name)
{
    // FNV-1a over the bytes with ASCII letters folded, then a final mix so that the low bits
    // (the home slot) and the top four (the tag) both depend on every byte.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<unsigned char>(byte - 'A' + 'a');
        hash = (hash ^ byte) * 0x100000001b3ull;
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    hash ^= hash >> 33;
    return hash;
}

IniIndex::IniIndex(std::size_t count)
{
    if (count == 0)
        return;
    std::size_t slots = 8;
    while (slots * 7 < count * 10)
        slots *= 2;
    slots_ = std::make_unique<std::uint32_t[]>(slots);  // zeroed: every slot empty
    mask_ = slots - 1;
}

void IniIndex::insert(std::uint64_t hash, std::uint32_t offset)
{
    if (mask_ == 0 || offset > kMaxOffset)
        throw std::length_error("INI index full or offset too large");
    std::size_t slot = hash & mask_;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask_;
    slots_[slot] = (tagOf(hash) << kOffsetBits) | (offset + 1);
    ++count_;
}

}  // namespace vks::detail
