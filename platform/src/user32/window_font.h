// Internal: the fonts windows are given with WM_SETFONT, and dialog base units measured from a
// font as Windows measures them.
#pragma once

#include <optional>

#include "user32/dialog_state.h"
#include "windows.h"

namespace vks::detail {

// WM_SETFONT and WM_GETFONT as the standard controls and dialogs answer them: the font is kept
// (and, when lParam says so, the window repainted) and given back. True when `message` was one
// of them; `answer` is then the window procedure's result.
bool answerFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &answer);
// The font the window was last given, or null (the system font).
HFONT windowFont(HWND hwnd);
// The window owns the font: it is deleted with the window, as a dialog's template font is.
void adoptWindowFont(HWND hwnd, HFONT font);
// The window is gone.
void forgetWindowFont(HWND hwnd);

// The cell height (tmHeight) of the font (null: the system font); nothing when it cannot be
// measured.
std::optional<int> fontCellHeight(HFONT font);

// The height of a list or combo box's items: its font's cell height, or the 8-point dialog
// font's 13 pixels when that cannot be measured.
int listItemHeight(HWND box);

// The average width of the 52 Latin letters, rounded as Windows rounds it, and the cell height
// of the font (null: the system font); nothing when the font cannot be measured.
std::optional<BaseUnits> measureBaseUnits(HFONT font);

}  // namespace vks::detail
