// The snapshot of what a window drew: its display list, fills as rectangles and image-list
// images pixel by pixel.
#include <cstdio>

#include "comctl32/image_list.h"
#include "gdi32/display_list.h"
#include "user32/snapshot_draw.h"

namespace vks::detail {

namespace {

// An image drawn from a list destroyed since: its outline, dashed.
constexpr std::string_view kLostImage = "#808080";

void drawImage(SvgCanvas &canvas, const VksDrawnItem &item, POINT at)
{
    const std::shared_ptr<ImageListObject> list =
        imageListOf(static_cast<HIMAGELIST>(item.source));
    const int left = at.x + item.rect.left, top = at.y + item.rect.top;
    const int cx = item.rect.right - item.rect.left, cy = item.rect.bottom - item.rect.top;
    std::unique_lock<std::mutex> guard;
    if (list)
        guard = std::unique_lock(list->lock);
    // The list may have been destroyed, or emptied and refilled with images of another size.
    if (!list || item.image >= static_cast<int>(list->images.size()) || list->cx != cx ||
        list->cy != cy) {
        canvas.rect(left, top, cx, cy, "none", kLostImage, "stroke-dasharray=\"2\"");
        return;
    }
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
}

}  // namespace

std::string svgColour(COLORREF colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

void drawRecorded(SvgCanvas &canvas, HWND hwnd, POINT clientAt)
{
    for (const VksDrawnItem &item : drawnOn(hwnd)) {
        if (item.kind == VKS_DRAWN_FILL)
            canvas.rect(clientAt.x + item.rect.left, clientAt.y + item.rect.top,
                        item.rect.right - item.rect.left, item.rect.bottom - item.rect.top,
                        svgColour(item.color));
        else if (item.kind == VKS_DRAWN_IMAGE)
            drawImage(canvas, item, clientAt);
    }
}

}  // namespace vks::detail
