// Internal: the common controls' window procedures and their pictures in window snapshots, which
// the library registers as it loads.
#pragma once

#include "user32/snapshot_draw.h"
#include "windows.h"

namespace vks::detail {

LRESULT CALLBACK upDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK progressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK tabControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void drawUpDown(SvgCanvas &canvas, const ControlView &control);
void drawProgress(SvgCanvas &canvas, const ControlView &control);
// The tab row and its pane.
void drawTabControl(SvgCanvas &canvas, const ControlView &control);
bool drawImageListImage(SvgCanvas &canvas, const VksDrawnItem &item, POINT at);

}  // namespace vks::detail
