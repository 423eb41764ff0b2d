// Internal: what has been drawn on each window, for tests and snapshots to read.
#pragma once

#include <vector>

#include "vkshost.h"
#include "windows.h"

namespace vks::detail {

void recordDrawn(HWND hwnd, const VksDrawnItem &item);
std::vector<VksDrawnItem> drawnOn(HWND hwnd);
// The window was painted anew whole, or is gone.
void forgetDrawn(HWND hwnd);

}  // namespace vks::detail
