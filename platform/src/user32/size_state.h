// Internal: a window's size state (normal, minimised, maximised) and the rectangle each gives.
// Every call here runs with windowLock held.
#pragma once

#include "user32/window_table.h"

namespace vks::detail {

enum class SizeState { Normal, Minimized, Maximized };

SizeState sizeStateOf(const WindowRecord &record) VKS_REQUIRES(windowLock);
// Moves the window into `state`, keeping its normal rectangle while it is minimised or
// maximised; false when it was in that state already.
bool changeSizeState(WindowTable &table, WindowRecord &record, SizeState state)
    VKS_REQUIRES(windowLock);
// Puts the window where its current state and stored positions say.
void placeForSizeState(WindowTable &table, WindowRecord &record) VKS_REQUIRES(windowLock);

}  // namespace vks::detail
