#include "icon_file.h"

namespace vksrc {

namespace {

constexpr std::size_t kDirectorySize = 6, kEntrySize = 16;

std::uint32_t read32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

std::uint16_t read16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

void put16(std::vector<std::uint8_t> &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace

std::optional<IconImages> iconResources(std::string_view file, std::uint16_t firstId,
                                        std::string &reason)
{
    if (file.size() < kDirectorySize || read16(file, 0) != 0 || read16(file, 2) != 1) {
        const bool cursor = file.size() >= kDirectorySize && read16(file, 2) == 2;
        reason = cursor ? "is a cursor, not an icon" : "is no icon file";
        return std::nullopt;
    }
    const std::uint16_t count = read16(file, 4);
    if (count == 0 || file.size() < kDirectorySize + kEntrySize * count) {
        reason = count == 0 ? "holds no image" : "has a damaged directory";
        return std::nullopt;
    }
    if (static_cast<std::uint32_t>(firstId) + count - 1 > 0xFFFF) {
        reason = "brings the script's icon images past 65535";
        return std::nullopt;
    }
    IconImages out;
    put16(out.group, 0);  // idReserved
    put16(out.group, 1);  // idType: icon
    put16(out.group, count);
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::string_view entry = file.substr(kDirectorySize + kEntrySize * i, kEntrySize);
        const std::uint32_t size = read32(entry, 8);
        const std::uint32_t offset = read32(entry, 12);
        if (size == 0 || offset > file.size() || size > file.size() - offset) {
            reason = "has an image past its end";
            return std::nullopt;
        }
        const std::string_view image = file.substr(offset, size);
        std::uint16_t planes = read16(entry, 4), bitCount = read16(entry, 6);
        // A DIB image (a BITMAPINFOHEADER) says its planes and depth itself; a PNG image does not.
        if (image.size() >= 16 && read32(image, 0) == 40) {
            planes = read16(image, 12);
            bitCount = read16(image, 14);
        }
        out.images.emplace_back(image.begin(), image.end());
        out.group.insert(out.group.end(), entry.begin(), entry.begin() + 4);  // size, colours
        put16(out.group, planes);
        put16(out.group, bitCount);
        for (int shift = 0; shift < 32; shift += 8)
            out.group.push_back(static_cast<std::uint8_t>(size >> shift));
        put16(out.group, static_cast<std::uint16_t>(firstId + i));
    }
    return out;
}

}  // namespace vksrc
