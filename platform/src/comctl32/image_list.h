// Internal: the images an image list holds, for the snapshot to draw.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "commctrl.h"

namespace vks::detail {

// A pixel that ILC_MASK made transparent; no COLORREF has its top byte set.
constexpr COLORREF kTransparentPixel = 0xFF000000;

// Pixels row by row from the top, cx by cy.
struct ImageFrame {
    std::vector<COLORREF> pixels;
};

struct ImageListObject {
    std::mutex lock;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    int grow = 0;
    COLORREF background = CLR_NONE;
    std::vector<ImageFrame> images;
};

// The live list of a handle, or null.
std::shared_ptr<ImageListObject> imageListOf(HIMAGELIST handle);

}  // namespace vks::detail
