#include "bitmap_file.h"

namespace vksrc {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;  // the smallest DIB header, BITMAPCOREHEADER

std::uint32_t littleEndian32(std::string_view bytes, size_t at)
{
    std::uint32_t value = 0;
    for (size_t i = 4; i-- > 0;)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> bitmapResourceBytes(std::string_view file,
                                                             std::string &reason)
{
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file.substr(0, 2) != "BM") {
        reason = "is no BMP file";
        return std::nullopt;
    }
    // The pixels are found through the DIB header, so the file header's sizes and offset, which
    // some writers get wrong, are not needed; the DIB header's own size must fit.
    const std::uint32_t headerSize = littleEndian32(file, kFileHeaderSize);
    if (headerSize < kCoreHeaderSize || headerSize > file.size() - kFileHeaderSize) {
        reason = "has a damaged bitmap header";
        return std::nullopt;
    }
    std::string_view dib = file.substr(kFileHeaderSize);
    return std::vector<std::uint8_t>(dib.begin(), dib.end());
}

}  // namespace vksrc
