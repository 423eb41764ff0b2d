// Internal: where a window's client area lies on the screen. Windows have no frame here, so the
// client area is the whole window rectangle.
#pragma once

#include "user32/window_table.h"
#include "windows.h"

namespace vks::detail {

// The screen point of the client area's top-left corner.
inline POINT clientOriginOnScreen(WindowTable &table, const WindowRecord &record) VKS_REQUIRES(windowLock)
{
    POINT origin{record.rect.left, record.rect.top};
    for (const WindowRecord *parent = record.parent ? table.find(record.parent) : nullptr; parent;
         parent = parent->parent ? table.find(parent->parent) : nullptr) {
        origin.x += parent->rect.left;
        origin.y += parent->rect.top;
    }
    return origin;
}

inline LONG widthOf(const RECT &rect)
{
    return rect.right - rect.left;
}

inline LONG heightOf(const RECT &rect)
{
    return rect.bottom - rect.top;
}

}  // namespace vks::detail
