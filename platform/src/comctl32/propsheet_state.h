// Internal: what a property sheet keeps, its pages, and the steps its procedure and its creation
// share.
#pragma once

#include <string>
#include <vector>

#include "commctrl.h"

struct _PSP {
    PROPSHEETPAGEA record;  // the caller's record, copied; its strings point into this object
    std::string templateName;
    std::string title;
};

namespace vks::detail {

constexpr int kTabControlId = 0x3020;

struct SheetPage {
    HPROPSHEETPAGE page = nullptr;
    HWND window = nullptr;  // null until first shown
    bool changed = false;
};

struct Sheet {
    DWORD flags = 0;
    std::vector<SheetPage> pages;
    int current = -1;
    bool applied = false;  // some apply succeeded since the sheet was made
    bool ended = false;    // a modeless sheet that OK or Cancel ended
    RECT pageArea{};       // where pages go, in the sheet's client coordinates
};

// The sheet of a window made by PropertySheetA; null for any other window.
Sheet *findSheet(HWND sheet);
void addSheet(HWND window, Sheet *sheet);
// Destroys the sheet's record and the pages it owns.
void removeSheet(HWND window);

// The title the page's tab shows: its own with PSP_USETITLE, else its template's caption.
std::string pageTitle(HPROPSHEETPAGE page);
// The page's template size in pixels; false when its template cannot be read.
bool pageSize(HPROPSHEETPAGE page, SIZE &size);
// Makes the page's window, a hidden DS_CONTROL child of the sheet placed in the page area.
HWND createPageWindow(HWND sheet, HPROPSHEETPAGE page, const RECT &area);

// Shows page `index`, making it first when needed, and hides the one shown before; the current
// page is asked to let go first unless `asked`. False when the page cannot be shown.
bool selectPage(HWND sheet, int index, bool asked);
LRESULT notifyPage(HWND sheet, HWND page, UINT code, LPARAM lParam = 0);
INT_PTR CALLBACK sheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vks::detail
