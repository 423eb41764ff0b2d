// Size states and their rectangles.
#include "user32/size_state.h"

#include "user32/window_state.h"

namespace vks::detail {

namespace {

constexpr DWORD kSizeStyles = WS_MINIMIZE | WS_MAXIMIZE;

bool isSet(POINT point)
{
    return point.x != -1 || point.y != -1;
}

// The area a maximised window covers, in the coordinates of its rectangle.
RECT maximizedArea(WindowTable &table, const WindowRecord &record) VKS_REQUIRES(windowLock)
{
    if (const WindowRecord *parent = record.parent ? table.find(record.parent) : nullptr)
        return {0, 0, parent->rect.right - parent->rect.left,
                parent->rect.bottom - parent->rect.top};
    return kScreenRect;
}

RECT at(POINT origin, LONG width, LONG height)
{
    return {origin.x, origin.y, origin.x + width, origin.y + height};
}

}  // namespace

SizeState sizeStateOf(const WindowRecord &record) VKS_REQUIRES(windowLock)
{
    if (record.style & WS_MINIMIZE)
        return SizeState::Minimized;
    if (record.style & WS_MAXIMIZE)
        return SizeState::Maximized;
    return SizeState::Normal;
}

bool changeSizeState(WindowTable &table, WindowRecord &record, SizeState state) VKS_REQUIRES(windowLock)
{
    const SizeState current = sizeStateOf(record);
    if (current == state)
        return false;
    if (current == SizeState::Normal)
        record.normalRect = record.rect;
    record.style &= ~kSizeStyles;
    switch (state) {
    case SizeState::Minimized:
        record.restoreToMaximized = current == SizeState::Maximized;
        record.style |= WS_MINIMIZE;
        break;
    case SizeState::Maximized:
        record.style |= WS_MAXIMIZE;
        break;
    case SizeState::Normal:
        record.restoreToMaximized = false;
        break;
    }
    placeForSizeState(table, record);
    return true;
}

void placeForSizeState(WindowTable &table, WindowRecord &record) VKS_REQUIRES(windowLock)
{
    const RECT area = maximizedArea(table, record);
    switch (sizeStateOf(record)) {
    case SizeState::Normal:
        record.rect = record.normalRect;
        break;
    case SizeState::Minimized:
        // An icon with no position of its own goes to the bottom left, and keeps that place.
        if (!isSet(record.minPosition))
            record.minPosition = {area.left, area.bottom - kMinimizedHeight};
        record.rect = at(record.minPosition, kMinimizedWidth, kMinimizedHeight);
        break;
    case SizeState::Maximized:
        record.rect = isSet(record.maxPosition)
                          ? at(record.maxPosition, area.right - area.left, area.bottom - area.top)
                          : area;
        break;
    }
}

}  // namespace vks::detail
