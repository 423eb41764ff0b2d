// The snapshot of what a window drew: its display list, fills as rectangles and images as the
// library that drew them pictures them.
#include <atomic>
#include <cstdio>

#include "gdi32/display_list.h"
#include "user32/snapshot_draw.h"

namespace vks::detail {

namespace {

// An image whose picture is gone (its list destroyed since): its outline, dashed.
constexpr std::string_view kLostImage = "#808080";

std::atomic<DrawnImagePicture> drawnImagePicture{nullptr};

void drawImage(SvgCanvas &canvas, const VksDrawnItem &item, POINT at)
{
    const DrawnImagePicture draw = drawnImagePicture;
    if (draw && draw(canvas, item, at))
        return;
    canvas.rect(at.x + item.rect.left, at.y + item.rect.top, item.rect.right - item.rect.left,
                item.rect.bottom - item.rect.top, "none", kLostImage, "stroke-dasharray=\"2\"");
}

}  // namespace

void setDrawnImagePicture(DrawnImagePicture draw)
{
    drawnImagePicture = draw;
}

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
