// PropertySheetA: a sheet's window, its tab row, its buttons and its first page; the modal run.
#include <memory>
#include <mutex>
#include <unordered_map>

#include "comctl32/propsheet_state.h"
#include "kernel32/no_destructor.h"
#include "user32/dialog_modal.h"
#include "user32/dialog_template.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

// Pixels of the headless layout: the margin round the tab control, the tab row, the buttons.
constexpr int kMargin = 7;
constexpr int kTabRow = 20;
constexpr int kTabInset = 4;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr WORD kSheetFontPoints = 8;

class OpenSheets {
public:
    void add(HWND window, Sheet *sheet)
    {
        std::lock_guard guard(lock_);
        sheets_[window].reset(sheet);
    }
    Sheet *find(HWND window)
    {
        std::lock_guard guard(lock_);
        const auto found = sheets_.find(window);
        return found == sheets_.end() ? nullptr : found->second.get();
    }
    std::unique_ptr<Sheet> take(HWND window)
    {
        std::lock_guard guard(lock_);
        const auto found = sheets_.find(window);
        if (found == sheets_.end())
            return nullptr;
        std::unique_ptr<Sheet> sheet = std::move(found->second);
        sheets_.erase(found);
        return sheet;
    }

private:
    std::mutex lock_;
    std::unordered_map<HWND, std::unique_ptr<Sheet>> sheets_;
};

OpenSheets &openSheets()
{
    static NoDestructor<OpenSheets> sheets;
    return *sheets;
}

// The pages of the header, as records the sheet owns; empty when one cannot be made.
std::vector<SheetPage> headerPages(const PROPSHEETHEADERA &header)
{
    std::vector<SheetPage> pages;
    for (UINT i = 0; i < header.nPages; ++i) {
        HPROPSHEETPAGE page = nullptr;
        if (header.dwFlags & PSH_PROPSHEETPAGE)
            page = header.ppsp ? CreatePropertySheetPageA(&header.ppsp[i]) : nullptr;
        else
            page = header.phpage ? header.phpage[i] : nullptr;
        if (!page) {
            for (const SheetPage &made : pages)
                if (header.dwFlags & PSH_PROPSHEETPAGE)
                    DestroyPropertySheetPage(made.page);
            return {};
        }
        pages.push_back({page, nullptr, false});
    }
    return pages;
}

SIZE largestPage(const std::vector<SheetPage> &pages)
{
    SIZE largest{0, 0};
    for (const SheetPage &page : pages) {
        SIZE size{};
        if (!pageSize(page.page, size))
            continue;
        largest.cx = size.cx > largest.cx ? size.cx : largest.cx;
        largest.cy = size.cy > largest.cy ? size.cy : largest.cy;
    }
    return largest;
}

HWND createButton(HWND sheet, const char *text, int id, DWORD style)
{
    return CreateWindowExA(0, "Button", text, WS_CHILD | WS_TABSTOP | style, 0, 0, kButtonWidth,
                           kButtonHeight, sheet,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

// OK, Cancel, Apply and Help in that order, the shown ones packed to the right under the tab
// control, as Windows lays them out.
void createButtons(HWND sheet, DWORD flags, int top, int right)
{
    struct Button {
        const char *text;
        int id;
        bool shown;
    };
    const Button buttons[] = {
        {"OK", IDOK, true},
        {"Cancel", IDCANCEL, true},
        {"&Apply", ID_APPLY_NOW, !(flags & PSH_NOAPPLYNOW)},
        {"Help", IDHELP, (flags & PSH_HASHELP) != 0},
    };
    int shown = 0;
    for (const Button &button : buttons)
        shown += button.shown ? 1 : 0;
    int left = right - shown * kButtonWidth - (shown - 1) * kButtonGap;
    for (const Button &button : buttons) {
        DWORD style = button.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        style |= button.shown ? WS_VISIBLE : 0;
        style |= button.id == ID_APPLY_NOW ? WS_DISABLED : 0;
        const HWND window = createButton(sheet, button.text, button.id, style);
        if (!button.shown)
            continue;
        SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        left += kButtonWidth + kButtonGap;
    }
    SendMessageA(sheet, DM_SETDEFID, IDOK, 0);
}

void insertTabs(HWND tab, const std::vector<SheetPage> &pages)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::string title = pageTitle(pages[i].page);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

// The sheet's own dialog, as Windows makes it from a template in memory: a popup with a caption
// in the shell's dialog font, at its owner's origin, sized round its pages once made.
std::vector<BYTE> sheetTemplate(const PROPSHEETHEADERA &header)
{
    DialogTemplate sheet;
    sheet.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    sheet.exStyle = WS_EX_CONTROLPARENT;
    sheet.caption = header.pszCaption ? header.pszCaption : "";
    sheet.hasFont = true;
    sheet.pointSize = kSheetFontPoints;
    sheet.typeface = "MS Shell Dlg";
    return writeDialogTemplate(sheet);
}

// The sheet's window, laid out round the largest page; null when it cannot be made.
HWND createSheetWindow(const PROPSHEETHEADERA &header, std::unique_ptr<Sheet> sheet)
{
    const SIZE page = largestPage(sheet->pages);
    const int tabWidth = page.cx + 2 * kTabInset;
    const int tabHeight = page.cy + kTabRow + 2 * kTabInset;
    const int width = tabWidth + 2 * kMargin;
    const int height = kMargin + tabHeight + kMargin + kButtonHeight + kMargin;
    const std::vector<BYTE> bytes = sheetTemplate(header);
    const HWND window = CreateDialogIndirectParamA(
        header.hInstance, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), header.hwndParent,
        sheetProc, 0);
    if (!window)
        return nullptr;
    SetWindowPos(window, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    sheet->pageArea = {kMargin + kTabInset, kMargin + kTabRow + kTabInset,
                       kMargin + kTabInset + page.cx, kMargin + kTabRow + kTabInset + page.cy};
    Sheet *record = sheet.release();
    addSheet(window, record);
    const HWND tab = CreateWindowExA(0, WC_TABCONTROLA, "",
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP, kMargin,
                                     kMargin, tabWidth, tabHeight, window,
                                     reinterpret_cast<HMENU>(kTabControlId), nullptr, nullptr);
    insertTabs(tab, record->pages);
    createButtons(window, record->flags, kMargin + tabHeight + kMargin, width - kMargin);
    return window;
}

HWND createSheet(const PROPSHEETHEADERA &header)
{
    auto sheet = std::make_unique<Sheet>();
    sheet->flags = header.dwFlags;
    sheet->pages = headerPages(header);
    if (sheet->pages.empty() && header.nPages)
        return nullptr;
    const HWND window = createSheetWindow(header, std::move(sheet));
    if (!window)
        return nullptr;
    const UINT start = header.nStartPage < header.nPages ? header.nStartPage : 0;
    if (header.nPages && !selectPage(window, static_cast<int>(start), true)) {
        DestroyWindow(window);
        return nullptr;
    }
    if ((header.dwFlags & PSH_USECALLBACK) && header.pfnCallback)
        header.pfnCallback(window, PSCB_INITIALIZED, 0);
    return IsWindow(window) ? window : nullptr;
}

}  // namespace

Sheet *findSheet(HWND sheet)
{
    return openSheets().find(sheet);
}

void addSheet(HWND window, Sheet *sheet)
{
    openSheets().add(window, sheet);
}

void removeSheet(HWND window)
{
    const std::unique_ptr<Sheet> sheet = openSheets().take(window);
    if (!sheet)
        return;
    for (const SheetPage &page : sheet->pages)
        DestroyPropertySheetPage(page.page);
}

}  // namespace vks::detail

using namespace vks::detail;

INT_PTR WINAPI PropertySheetA(LPCPROPSHEETHEADERA lppsph)
{
    return vks::atWin32Boundary<INT_PTR>(-1, [&]() -> INT_PTR {
        if (!lppsph || lppsph->dwSize < sizeof(PROPSHEETHEADERA)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return -1;
        }
        if (lppsph->hwndParent && !IsWindow(lppsph->hwndParent)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return -1;
        }
        if (!(lppsph->dwFlags & PSH_MODELESS))
            return runModalWindow({lppsph->hwndParent}, [&] { return createSheet(*lppsph); });
        const HWND sheet = createSheet(*lppsph);
        if (!sheet)
            return -1;
        ShowWindow(sheet, SW_SHOWNORMAL);
        return reinterpret_cast<INT_PTR>(sheet);
    });
}
