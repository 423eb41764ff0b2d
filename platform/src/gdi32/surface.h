// Internal to gdi32: the pixels of a bitmap, which device contexts draw into.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "windows.h"

namespace vks::detail {

// Pixels are 0x00RRGGBB words (cairo's RGB24, a 32-bit DIB's blue-green-red order in memory).
// A monochrome surface holds only black and white. The memory is taken at the first write, so a
// window's surface costs nothing until something is drawn on it.
class Surface {
public:
    // Black pixels; bitsPixel 1 makes a monochrome surface, others are kept as reported.
    Surface(int width, int height, WORD bitsPixel);
    // A DIB section's memory: rows from the bottom when the height is positive.
    static std::shared_ptr<Surface> dibSection(int width, int signedHeight);

    int width() const { return width_; }
    int height() const { return height_; }
    WORD bitsPixel() const { return bitsPixel_; }
    bool monochrome() const { return bitsPixel_ == 1; }
    bool bottomUp() const { return bottomUp_; }
    bool isDibSection() const { return dibSection_; }

    // The row y (0 at the top), allocating the memory when it is still untouched.
    std::uint32_t *row(int y);
    // 0 (black) for a pixel of untouched memory.
    std::uint32_t pixel(int x, int y) const;
    // The memory, allocated; rows in storage order, width * 4 bytes apart.
    std::uint32_t *memory();

    // The colour a pixel takes when `colour` is drawn on this surface.
    std::uint32_t deviceColour(COLORREF colour) const;

private:
    int width_;
    int height_;
    WORD bitsPixel_;
    bool bottomUp_ = false;
    bool dibSection_ = false;
    std::vector<std::uint32_t> pixels_;
};

inline std::uint32_t pixelOf(COLORREF colour)
{
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

inline COLORREF colourOf(std::uint32_t pixel)
{
    return (pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16;
}

}  // namespace vks::detail
