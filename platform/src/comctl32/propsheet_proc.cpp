// The property sheet's dialog procedure: page changes, the standard buttons and PSM_ messages.
#include "comctl32/propsheet_state.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

HWND currentPage(const Sheet &sheet)
{
    if (sheet.current < 0 || sheet.ended)
        return nullptr;
    return sheet.pages[static_cast<std::size_t>(sheet.current)].window;
}

// TRUE when the current page may be left (PSN_KILLACTIVE answered FALSE), or there is none.
bool currentPageLets(HWND window, const Sheet &sheet)
{
    const HWND page = currentPage(sheet);
    return !page || !notifyPage(window, page, PSN_KILLACTIVE);
}

int indexOf(const Sheet &sheet, HPROPSHEETPAGE page)
{
    for (std::size_t i = 0; i < sheet.pages.size(); ++i)
        if (sheet.pages[i].page == page)
            return static_cast<int>(i);
    return -1;
}

// A page named by index or, when given, by its handle; -1 when there is none.
int chosenPage(const Sheet &sheet, WPARAM index, LPARAM page)
{
    if (page)
        return indexOf(sheet, reinterpret_cast<HPROPSHEETPAGE>(page));
    return index < sheet.pages.size() ? static_cast<int>(index) : -1;
}

void updateApplyButton(HWND window, const Sheet &sheet)
{
    bool anyChanged = false;
    for (const SheetPage &page : sheet.pages)
        anyChanged = anyChanged || page.changed;
    EnableWindow(GetDlgItem(window, ID_APPLY_NOW), anyChanged);
}

void markChanged(HWND window, Sheet &sheet, HWND page, bool changed)
{
    for (SheetPage &entry : sheet.pages)
        if (entry.window && entry.window == page)
            entry.changed = changed;
    updateApplyButton(window, sheet);
}

// PSN_KILLACTIVE to the current page, then PSN_APPLY to every page made; false when a page
// refuses. Pages that accept are no longer changed.
bool applyPages(HWND window, LPARAM closing)
{
    Sheet *sheet = findSheet(window);
    if (!sheet || !currentPageLets(window, *sheet))
        return false;
    for (std::size_t i = 0; i < sheet->pages.size(); ++i) {
        const HWND page = sheet->pages[i].window;
        if (!page)
            continue;
        const LRESULT answer = notifyPage(window, page, PSN_APPLY, closing);
        sheet = findSheet(window);
        if (!sheet)
            return false;
        if (answer == PSNRET_INVALID)
            selectPage(window, static_cast<int>(i), true);
        if (answer == PSNRET_INVALID || answer == PSNRET_INVALID_NOCHANGEPAGE)
            return false;
    }
    bool anyChanged = false;
    for (SheetPage &page : sheet->pages) {
        anyChanged = anyChanged || page.changed;
        page.changed = false;
    }
    sheet->applied = sheet->applied || anyChanged;
    updateApplyButton(window, *sheet);
    return true;
}

void endSheet(HWND window, Sheet &sheet, INT_PTR result)
{
    if (sheet.flags & PSH_MODELESS)
        sheet.ended = true;
    else
        EndDialog(window, result);
}

void pressOk(HWND window)
{
    if (!applyPages(window, TRUE))
        return;
    if (Sheet *sheet = findSheet(window))
        endSheet(window, *sheet, sheet->applied ? 1 : 0);
}

void pressCancel(HWND window)
{
    Sheet *sheet = findSheet(window);
    const HWND current = sheet ? currentPage(*sheet) : nullptr;
    if (current && notifyPage(window, current, PSN_QUERYCANCEL))
        return;
    for (std::size_t i = 0; (sheet = findSheet(window)) && i < sheet->pages.size(); ++i)
        if (const HWND page = sheet->pages[i].window)
            notifyPage(window, page, PSN_RESET);
    if ((sheet = findSheet(window)))
        endSheet(window, *sheet, 0);
}

void pressHelp(HWND window)
{
    Sheet *sheet = findSheet(window);
    if (const HWND current = sheet ? currentPage(*sheet) : nullptr)
        notifyPage(window, current, PSN_HELP);
}

bool command(HWND window, WORD id)
{
    switch (id) {
    case IDOK:
        pressOk(window);
        return true;
    case IDCANCEL:
        pressCancel(window);
        return true;
    case ID_APPLY_NOW:
        applyPages(window, FALSE);
        return true;
    case IDHELP:
        pressHelp(window);
        return true;
    default:
        return false;
    }
}

// The tab control asks before it changes the page, and tells after.
LRESULT tabNotified(HWND window, const NMHDR &header)
{
    Sheet *sheet = findSheet(window);
    if (!sheet)
        return 0;
    if (header.code == TCN_SELCHANGING)
        return currentPageLets(window, *sheet) ? FALSE : TRUE;
    if (header.code == TCN_SELCHANGE) {
        const auto index = static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0));
        selectPage(window, index, true);
    }
    return 0;
}

BOOL removePage(HWND window, int index)
{
    Sheet *sheet = findSheet(window);
    if (!sheet || index < 0)
        return FALSE;
    const SheetPage removed = sheet->pages[static_cast<std::size_t>(index)];
    sheet->pages.erase(sheet->pages.begin() + index);
    SendMessageA(GetDlgItem(window, kTabControlId), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    if (sheet->current == index) {
        sheet->current = -1;
        if (!sheet->pages.empty())
            selectPage(window, index < static_cast<int>(sheet->pages.size()) ? index : index - 1,
                       true);
    } else if (sheet->current > index) {
        --sheet->current;
    }
    if (removed.window)
        DestroyWindow(removed.window);
    DestroyPropertySheetPage(removed.page);
    return TRUE;
}

BOOL addPage(HWND window, HPROPSHEETPAGE page)
{
    Sheet *sheet = findSheet(window);
    if (!sheet || !page)
        return FALSE;
    sheet->pages.push_back({page, nullptr, false});
    std::string title = pageTitle(page);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    SendMessageA(GetDlgItem(window, kTabControlId), TCM_INSERTITEMA, sheet->pages.size() - 1,
                 reinterpret_cast<LPARAM>(&item));
    return TRUE;
}

LRESULT pressButton(HWND window, WPARAM button)
{
    int id = 0;
    switch (button) {
    case PSBTN_OK: id = IDOK; break;
    case PSBTN_APPLYNOW: id = ID_APPLY_NOW; break;
    case PSBTN_CANCEL: id = IDCANCEL; break;
    case PSBTN_HELP: id = IDHELP; break;
    default: return FALSE;
    }
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    return TRUE;
}

LRESULT sheetMessage(HWND window, Sheet &sheet, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case PSM_SETCURSEL: {
        const int index = chosenPage(sheet, wParam, lParam);
        return index >= 0 && selectPage(window, index, false);
    }
    case PSM_REMOVEPAGE:
        return removePage(window, chosenPage(sheet, wParam, lParam));
    case PSM_ADDPAGE:
        return addPage(window, reinterpret_cast<HPROPSHEETPAGE>(lParam));
    case PSM_CHANGED:
    case PSM_UNCHANGED:
        markChanged(window, sheet, reinterpret_cast<HWND>(wParam), message == PSM_CHANGED);
        return TRUE;
    case PSM_APPLY:
        return applyPages(window, FALSE);
    case PSM_SETTITLEA:
        return SetWindowTextA(window, reinterpret_cast<LPCSTR>(lParam));
    case PSM_PRESSBUTTON:
        return pressButton(window, wParam);
    case PSM_GETTABCONTROL:
        return reinterpret_cast<LRESULT>(GetDlgItem(window, kTabControlId));
    case PSM_GETCURRENTPAGEHWND:
        return reinterpret_cast<LRESULT>(currentPage(sheet));
    case PSM_ISDIALOGMESSAGE:
        return lParam && IsDialogMessageA(window, reinterpret_cast<LPMSG>(lParam));
    default:
        return 0;
    }
}

}  // namespace

LRESULT notifyPage(HWND sheet, HWND page, UINT code, LPARAM lParam)
{
    PSHNOTIFY notice{{sheet, 0, code}, lParam};
    return SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
}

bool selectPage(HWND window, int index, bool asked)
{
    Sheet *sheet = findSheet(window);
    if (!sheet || index < 0 || index >= static_cast<int>(sheet->pages.size()))
        return false;
    if (!asked && !currentPageLets(window, *sheet))
        return false;
    SheetPage &chosen = sheet->pages[static_cast<std::size_t>(index)];
    if (!chosen.window) {
        const HPROPSHEETPAGE page = chosen.page;
        const RECT area = sheet->pageArea;
        const HWND made = createPageWindow(window, page, area);
        sheet = findSheet(window);
        if (!sheet || !made)
            return false;
        sheet->pages[static_cast<std::size_t>(index)].window = made;
    }
    const HWND previous = currentPage(*sheet);
    const HWND next = sheet->pages[static_cast<std::size_t>(index)].window;
    sheet->current = index;
    notifyPage(window, next, PSN_SETACTIVE);
    if (previous && previous != next)
        ShowWindow(previous, SW_HIDE);
    ShowWindow(next, SW_SHOW);
    SendMessageA(GetDlgItem(window, kTabControlId), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
}

namespace {

INT_PTR sheetMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) {
        removeSheet(window);
        return FALSE;
    }
    Sheet *sheet = findSheet(window);
    if (!sheet)
        return FALSE;
    if (message == WM_COMMAND)
        return command(window, LOWORD(wParam));
    if (message == WM_NOTIFY) {
        const auto *header = reinterpret_cast<const NMHDR *>(lParam);
        if (!header || header->hwndFrom != GetDlgItem(window, kTabControlId))
            return FALSE;
        SetWindowLongPtrA(window, DWLP_MSGRESULT, tabNotified(window, *header));
        return TRUE;
    }
    if (message >= PSM_SETCURSEL && message <= PSM_GETCURRENTPAGEHWND)
        return sheetMessage(window, *sheet, message, wParam, lParam);
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK sheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<INT_PTR>(FALSE, [&]() -> INT_PTR {
        return sheetMessages(window, message, wParam, lParam);
    });
}

}  // namespace vks::detail
