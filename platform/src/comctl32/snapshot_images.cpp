// The images an image list drew, in window snapshots: pixel by pixel.
#include "comctl32/common_controls.h"
#include "comctl32/image_list.h"

namespace vks::detail {

bool drawImageListImage(SvgCanvas &canvas, const VksDrawnItem &item, POINT at)
{
    const std::shared_ptr<ImageListObject> list =
        imageListOf(static_cast<HIMAGELIST>(item.source));
    if (!list)
        return false;
    const int left = at.x + item.rect.left, top = at.y + item.rect.top;
    const int cx = item.rect.right - item.rect.left, cy = item.rect.bottom - item.rect.top;
    std::lock_guard guard(list->lock);
    // The list may have been emptied and refilled with images of another size.
    if (item.image >= static_cast<int>(list->images.size()) || list->cx != cx || list->cy != cy)
        return false;
    if (item.color != CLR_NONE)
        canvas.rect(left, top, cx, cy, svgColour(item.color));
    const std::vector<COLORREF> &pixels = list->images[static_cast<size_t>(item.image)].pixels;
    // One rectangle per run of a colour along a row keeps the picture small.
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx;) {
            const COLORREF colour = pixels[static_cast<size_t>(y) * cx + x];
            int run = 1;
            while (x + run < cx && pixels[static_cast<size_t>(y) * cx + x + run] == colour)
                ++run;
            if (colour != kTransparentPixel)
                canvas.rect(left + x, top + y, run, 1, svgColour(colour));
            x += run;
        }
    return true;
}

}  // namespace vks::detail
