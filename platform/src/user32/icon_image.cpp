// Icon images read from their resources' bytes.
#include "user32/icon_image.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace vks::detail {

namespace {

constexpr std::size_t kHeaderSize = 40;   // BITMAPINFOHEADER
constexpr std::size_t kGroupHeader = 6;   // reserved, type, count
constexpr std::size_t kGroupEntry = 14;   // GRPICONDIRENTRY
constexpr int kLargestSide = 256;

std::uint32_t word16(const unsigned char *p) { return p[0] | p[1] << 8; }
std::uint32_t word32(const unsigned char *p) { return word16(p) | word16(p + 2) << 16; }

std::size_t rowBytes(int width, int bits)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
}

// The value of pixel x in a row of `bits` bits per pixel.
std::uint32_t pixelValue(const unsigned char *row, int x, int bits)
{
    switch (bits) {
    case 1: return row[x / 8] >> (7 - x % 8) & 1;
    case 4: return x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4;
    case 8: return row[x];
    case 24: return word16(row + 3 * x) | static_cast<std::uint32_t>(row[3 * x + 2]) << 16;
    default: return word32(row + 4 * x);
    }
}

COLORREF colourOfBgr(std::uint32_t bgr) { return RGB(bgr >> 16 & 0xFF, bgr >> 8 & 0xFF, bgr & 0xFF); }

// Whether a 32-bit image uses its fourth byte: an image whose alpha is zero throughout has none.
bool hasAlpha(const unsigned char *colours, std::size_t pixels)
{
    for (std::size_t k = 0; k < pixels; ++k)
        if (colours[4 * k + 3])
            return true;
    return false;
}

}  // namespace

std::optional<IconImage> readIconImage(const unsigned char *bytes, std::size_t size)
{
    if (!bytes || size < kHeaderSize || word32(bytes) < kHeaderSize || word32(bytes) > size)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(word32(bytes + 4));
    const auto doubled = static_cast<std::int32_t>(word32(bytes + 8));
    const int bits = static_cast<int>(word16(bytes + 14));
    const std::uint32_t compression = word32(bytes + 16);
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (width <= 0 || width > kLargestSide || doubled <= 0 || doubled % 2 ||
        doubled / 2 > kLargestSide || word16(bytes + 12) != 1 || !knownDepth ||
        compression != BI_RGB)
        return std::nullopt;
    const int height = doubled / 2;

    const std::size_t tableAt = word32(bytes);
    std::size_t entries = 0;
    if (bits <= 8) {
        const std::uint32_t used = word32(bytes + 32);
        entries = used && used < (1u << bits) ? used : 1u << bits;
    }
    const std::size_t colourAt = tableAt + 4 * entries;
    const std::size_t maskAt = colourAt + rowBytes(width, bits) * static_cast<std::size_t>(height);
    if (maskAt + rowBytes(width, 1) * static_cast<std::size_t>(height) > size)
        return std::nullopt;

    const bool alpha = bits == 32 && hasAlpha(bytes + colourAt, static_cast<std::size_t>(width) * height);
    IconImage image;
    image.width = width;
    image.height = height;
    image.colours.reserve(static_cast<std::size_t>(width) * height);
    image.clear.reserve(image.colours.capacity());
    for (int y = 0; y < height; ++y) {
        const std::size_t storedRow = static_cast<std::size_t>(height - 1 - y);
        const unsigned char *colours = bytes + colourAt + storedRow * rowBytes(width, bits);
        const unsigned char *mask = bytes + maskAt + storedRow * rowBytes(width, 1);
        for (int x = 0; x < width; ++x) {
            std::uint32_t value = pixelValue(colours, x, bits);
            if (bits <= 8)
                value = value < entries ? word32(bytes + tableAt + 4 * value) & 0xFFFFFF : 0;
            // An image with an alpha channel is clear where it is mostly transparent.
            const bool seeThrough = alpha && (value >> 24) < 0x80;
            image.colours.push_back(seeThrough ? RGB(0, 0, 0) : colourOfBgr(value & 0xFFFFFF));
            image.clear.push_back(pixelValue(mask, x, 1) != 0 || seeThrough);
        }
    }
    return image;
}

WORD bestIconOfGroup(const unsigned char *bytes, std::size_t size, int side)
{
    if (!bytes || size < kGroupHeader || word16(bytes + 2) != 1)
        return 0;
    const std::size_t count = word16(bytes + 4);
    if (size < kGroupHeader + count * kGroupEntry)
        return 0;
    WORD best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    int bestBits = -1;
    for (std::size_t k = 0; k < count; ++k) {
        const unsigned char *entry = bytes + kGroupHeader + k * kGroupEntry;
        // A side of 0 stands for 256.
        const int width = entry[0] ? entry[0] : kLargestSide;
        const int height = entry[1] ? entry[1] : kLargestSide;
        const int bits = static_cast<int>(word16(entry + 6));
        const int distance = std::abs(width - side) + std::abs(height - side);
        if (distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
            best = static_cast<WORD>(word16(entry + 12));
            bestDistance = distance;
            bestBits = bits;
        }
    }
    return best;
}

}  // namespace vks::detail
