// Little-endian bytes as resources lay them out: words, double words, UTF-16 texts, sz_Or_Ord.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resource.h"

namespace vksrc {

class ByteWriter {
public:
    void byte(std::uint8_t value) { bytes_.push_back(value); }
    void word(std::uint16_t value)
    {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void dword(std::uint32_t value)
    {
        word(static_cast<std::uint16_t>(value));
        word(static_cast<std::uint16_t>(value >> 16));
    }
    void bytes(const std::vector<std::uint8_t> &more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    // Zeros up to the next multiple of 4 from the start.
    void alignTo4()
    {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }
    // UTF-16 units, then a NUL.
    void text(const std::u16string &units)
    {
        for (char16_t unit : units)
            word(unit);
        word(0);
    }
    // 0xFFFF and the number, or the text with its NUL (an empty text is a lone 0).
    void id(const ResourceId &value)
    {
        if (value.isNumber) {
            word(0xFFFF);
            word(value.number);
        } else {
            text(value.text);
        }
    }
    // Overwrites the word at `at`, for sizes known only later.
    void patchWord(std::size_t at, std::uint16_t value)
    {
        bytes_[at] = static_cast<std::uint8_t>(value);
        bytes_[at + 1] = static_cast<std::uint8_t>(value >> 8);
    }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace vksrc
