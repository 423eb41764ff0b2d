// Internal: an icon's image as its RT_ICON resource stores it, and the choice of a group's image.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "windows.h"

namespace vks::detail {

// An icon image, row by row from the top.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
    std::vector<bool> clear;  // where the mask lets the background through
};

// The image of an RT_ICON resource: a BITMAPINFOHEADER of twice the image's height, its colour
// table, the colour rows and the mask's rows, each bottom-up. Nothing when the bytes are not
// such an image (a compressed or PNG image included).
std::optional<IconImage> readIconImage(const unsigned char *bytes, std::size_t size);

// The RT_ICON id of an RT_GROUP_ICON's image nearest to side x side pixels, the deepest of
// those equally near; 0 when the group is damaged or empty.
WORD bestIconOfGroup(const unsigned char *bytes, std::size_t size, int side);

}  // namespace vks::detail
