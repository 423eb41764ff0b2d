// The pixels of bitmaps.
#include "gdi32/surface.h"

namespace vks::detail {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

Surface::Surface(int width, int height, WORD bitsPixel)
    : width_(width), height_(height), bitsPixel_(bitsPixel)
{
}

std::shared_ptr<Surface> Surface::dibSection(int width, int signedHeight)
{
    auto surface = std::make_shared<Surface>(width, signedHeight < 0 ? -signedHeight : signedHeight,
                                             WORD{32});
    surface->bottomUp_ = signedHeight > 0;
    surface->dibSection_ = true;
    surface->memory();
    return surface;
}

std::uint32_t *Surface::memory()
{
    if (pixels_.empty())
        pixels_.assign(static_cast<size_t>(width_) * height_, 0);
    return pixels_.data();
}

std::uint32_t *Surface::row(int y)
{
    const int stored = bottomUp_ ? height_ - 1 - y : y;
    return memory() + static_cast<size_t>(stored) * width_;
}

std::uint32_t Surface::pixel(int x, int y) const
{
    if (pixels_.empty())
        return 0;
    const int stored = bottomUp_ ? height_ - 1 - y : y;
    return pixels_[static_cast<size_t>(stored) * width_ + x] & kWhite;
}

std::uint32_t Surface::deviceColour(COLORREF colour) const
{
    const std::uint32_t pixel = pixelOf(colour);
    if (!monochrome())
        return pixel;
    // The nearer of black and white, by the sum of the three components.
    const unsigned sum = (pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF);
    return sum >= 384 ? kWhite : 0;
}

}  // namespace vks::detail
