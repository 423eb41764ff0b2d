// Device-independent bitmaps: headers, palettes and rows, checked against the bytes there are.
#include "gdi32/dib.h"

#include <cstdint>
#include <cstdlib>

namespace vks::detail {

namespace {

constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kRgb = 0;        // BI_RGB
constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS, read as plain 32-bit pixels
// Far beyond any picture a dialog shows; keeps a damaged header from asking for gigabytes.
constexpr long kMaxSide = 16384;

std::uint32_t read16(const unsigned char *p)
{
    return static_cast<std::uint32_t>(p[0] | p[1] << 8);
}

std::uint32_t read32(const unsigned char *p)
{
    return read16(p) | read16(p + 2) << 16;
}

struct DibHeader {
    std::uint32_t headerSize = 0;
    long width = 0;
    long height = 0;  // negative: rows from the top
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;
    size_t paletteEntrySize = 4;
};

std::optional<DibHeader> readHeader(const unsigned char *bytes, size_t size)
{
    if (size < 4)
        return std::nullopt;
    DibHeader h;
    h.headerSize = read32(bytes);
    if (h.headerSize == kCoreHeader && size >= kCoreHeader) {
        h.width = read16(bytes + 4);
        h.height = read16(bytes + 6);
        h.bitCount = read16(bytes + 10);
        h.paletteEntrySize = 3;
        return h;
    }
    if (h.headerSize < kInfoHeader || h.headerSize > size)
        return std::nullopt;
    h.width = static_cast<std::int32_t>(read32(bytes + 4));
    h.height = static_cast<std::int32_t>(read32(bytes + 8));
    h.bitCount = read16(bytes + 14);
    h.compression = read32(bytes + 16);
    h.coloursUsed = read32(bytes + 32);
    return h;
}

bool isSupported(const DibHeader &h)
{
    const bool knownDepth = h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 ||
                            h.bitCount == 24 || h.bitCount == 32;
    const bool plain = h.compression == kRgb || (h.compression == kBitFields && h.bitCount == 32);
    return knownDepth && plain && h.width > 0 && h.width <= kMaxSide && h.height != 0 &&
           std::labs(h.height) <= kMaxSide;
}

COLORREF rgbAt(const unsigned char *bgr)
{
    return RGB(bgr[2], bgr[1], bgr[0]);
}

// The palette index of pixel x in a row of 1, 4 or 8 bits per pixel.
unsigned indexAt(const unsigned char *row, long x, std::uint32_t bitCount)
{
    const size_t bit = static_cast<size_t>(x) * bitCount;
    const unsigned byte = row[bit / 8];
    const unsigned shift = 8 - bitCount - bit % 8;
    return (byte >> shift) & ((1u << bitCount) - 1);
}

}  // namespace

std::optional<BitmapObject> readDib(const unsigned char *bytes, size_t size)
{
    const std::optional<DibHeader> h = readHeader(bytes, size);
    if (!h || !isSupported(*h))
        return std::nullopt;
    const bool indexed = h->bitCount <= 8;
    size_t paletteCount = 0;
    if (indexed)
        paletteCount = h->coloursUsed ? h->coloursUsed : size_t{1} << h->bitCount;
    if (paletteCount > 256)
        return std::nullopt;
    const size_t extraMasks = h->compression == kBitFields && h->headerSize == kInfoHeader ? 12 : 0;
    const size_t paletteAt = h->headerSize + extraMasks;
    const size_t pixelsAt = paletteAt + paletteCount * h->paletteEntrySize;
    const long rows = std::labs(h->height);
    const size_t stride = (static_cast<size_t>(h->width) * h->bitCount + 31) / 32 * 4;
    if (pixelsAt > size || (size - pixelsAt) / stride < static_cast<size_t>(rows))
        return std::nullopt;

    BitmapObject bitmap;
    bitmap.width = static_cast<int>(h->width);
    bitmap.height = static_cast<int>(rows);
    bitmap.bitsPixel = static_cast<WORD>(h->bitCount);
    bitmap.pixels.resize(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (long y = 0; y < rows; ++y) {
        // Rows are stored from the bottom unless the height is negative.
        const long stored = h->height > 0 ? rows - 1 - y : y;
        const unsigned char *row = bytes + pixelsAt + static_cast<size_t>(stored) * stride;
        for (long x = 0; x < h->width; ++x) {
            COLORREF colour = 0;
            if (indexed) {
                const unsigned index = indexAt(row, x, h->bitCount);
                // An index beyond the palette shows black, as a short palette leaves it.
                if (index < paletteCount)
                    colour = rgbAt(bytes + paletteAt + index * h->paletteEntrySize);
            } else {
                colour = rgbAt(row + static_cast<size_t>(x) * (h->bitCount / 8));
            }
            bitmap.pixels[static_cast<size_t>(y) * bitmap.width + x] = colour;
        }
    }
    return bitmap;
}

}  // namespace vks::detail
