// Reading a .res image into the resources it holds.
#include "kernel32/resource_image.h"

namespace vks::detail {

namespace {

class Reader {
public:
    Reader(const unsigned char *bytes, std::size_t end) : bytes_(bytes), end_(end) {}

    bool has(std::size_t count) const { return at_ <= end_ && end_ - at_ >= count; }
    std::size_t at() const { return at_; }
    void seek(std::size_t at) { at_ = at; }
    WORD word()
    {
        const auto value = static_cast<WORD>(bytes_[at_] | bytes_[at_ + 1] << 8);
        at_ += 2;
        return value;
    }
    DWORD dword()
    {
        const DWORD low = word();
        return low | static_cast<DWORD>(word()) << 16;
    }
    void limit(std::size_t end) { end_ = end; }

    // sz_Or_Ord, a text kept in UTF-8 capitals as FindResourceA compares names.
    bool id(ResourceId &out)
    {
        if (!has(2))
            return false;
        if (word() == 0xFFFF) {
            if (!has(2))
                return false;
            out.number = word();
            return true;
        }
        at_ -= 2;
        std::u16string units;
        for (;;) {
            if (!has(2))
                return false;
            const WORD unit = word();
            if (!unit)
                break;
            units.push_back(static_cast<char16_t>(unit));
        }
        out.text = upperUtf8(units);
        return !out.text.empty();
    }

private:
    static std::string upperUtf8(const std::u16string &units)
    {
        std::string out;
        for (std::size_t i = 0; i < units.size(); ++i) {
            char32_t code = units[i];
            if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units.size() &&
                units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
                code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
            if (code >= 'a' && code <= 'z')
                code -= 'a' - 'A';
            if (code < 0x80) {
                out += static_cast<char>(code);
            } else {
                const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
                static const unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
                out += static_cast<char>(kLead[extra] | (code >> (6 * extra)));
                for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
                    out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
            }
        }
        return out;
    }

    const unsigned char *bytes_;
    std::size_t end_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<std::vector<ImageResource>> readResourceImage(const unsigned char *image,
                                                            std::size_t size)
{
    if (!image && size)
        return std::nullopt;
    std::vector<ImageResource> out;
    std::size_t start = 0;
    while (start < size) {
        Reader in(image, size);
        in.seek(start);
        if (!in.has(8))
            return std::nullopt;
        const DWORD dataSize = in.dword();
        const DWORD headerSize = in.dword();
        if (headerSize < 32 || headerSize > size - start || dataSize > size - start - headerSize)
            return std::nullopt;
        const std::size_t headerEnd = start + headerSize;
        in.limit(headerEnd);
        ImageResource resource;
        if (!in.id(resource.type) || !in.id(resource.name))
            return std::nullopt;
        in.seek((in.at() + 3) & ~std::size_t{3});
        if (!in.has(16))
            return std::nullopt;
        in.dword();  // data version
        in.word();   // memory flags
        resource.language = in.word();
        resource.bytes = image + headerEnd;
        resource.size = dataSize;
        const bool marker = resource.type == ResourceId{} && resource.name == ResourceId{} &&
                            dataSize == 0;
        if (!marker) {
            if (resource.type == ResourceId{} || resource.name == ResourceId{})
                return std::nullopt;
            out.push_back(resource);
        }
        start = (headerEnd + dataSize + 3) & ~std::size_t{3};
    }
    return out;
}

}  // namespace vks::detail
