#include "bitmap_file.h"

namespace vksrc {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5,
                        kAlphaBitFields = 6;

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

struct DibShape {
    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bitCount = 0, compression = kRgb, imageSize = 0, colorsUsed = 0;
    std::uint64_t paletteEntrySize = 4;
};

bool isKnownDepth(std::uint32_t bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> bitmapResourceBytes(std::string_view file,
                                                             std::string &reason)
{
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file.substr(0, 2) != "BM") {
        reason = "is no BMP file";
        return std::nullopt;
    }
    const std::string_view dib = file.substr(kFileHeaderSize);
    const std::uint32_t headerSize = read32(dib, 0);
    if ((headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) || headerSize > dib.size()) {
        reason = "has a damaged bitmap header";
        return std::nullopt;
    }
    DibShape shape;
    if (headerSize == kCoreHeaderSize) {
        shape.width = read16(dib, 4);
        shape.height = read16(dib, 6);
        shape.planes = read16(dib, 8);
        shape.bitCount = read16(dib, 10);
        shape.paletteEntrySize = 3;
    } else {
        shape.width = static_cast<std::int32_t>(read32(dib, 4));
        shape.height = static_cast<std::int32_t>(read32(dib, 8));
        shape.planes = read16(dib, 12);
        shape.bitCount = read16(dib, 14);
        shape.compression = read32(dib, 16);
        shape.imageSize = read32(dib, 20);
        shape.colorsUsed = read32(dib, 32);
    }
    const bool encoded = shape.compression == kRle8 || shape.compression == kRle4 ||
                         shape.compression == kJpeg || shape.compression == kPng;
    if (shape.width <= 0 || shape.height == 0 || shape.planes != 1 ||
        (!encoded && !isKnownDepth(shape.bitCount)) || shape.compression > kAlphaBitFields) {
        reason = "has a bitmap header that describes no image";
        return std::nullopt;
    }
    std::uint64_t needed = headerSize;
    if (shape.compression == kBitFields && headerSize == kInfoHeaderSize)
        needed += 12;  // the three colour masks follow the header
    if (shape.compression == kAlphaBitFields && headerSize == kInfoHeaderSize)
        needed += 16;
    const std::uint64_t colours = shape.colorsUsed ? shape.colorsUsed
                                  : shape.bitCount <= 8 ? std::uint64_t{1} << shape.bitCount
                                                        : 0;
    needed += colours * shape.paletteEntrySize;
    const std::uint64_t height = static_cast<std::uint64_t>(shape.height < 0 ? -shape.height : shape.height);
    if (encoded) {
        needed += shape.imageSize;
    } else {
        const std::uint64_t stride = (static_cast<std::uint64_t>(shape.width) * shape.bitCount + 31) / 32 * 4;
        needed += stride * height;
    }
    if (needed > dib.size()) {
        reason = "is cut short: its header needs " + std::to_string(needed + kFileHeaderSize) +
                 " bytes, the file holds " + std::to_string(file.size());
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(dib.begin(), dib.end());
}

}  // namespace vksrc
