// Property sheet pages: their records, their templates and their windows.
#include <cstring>
#include <optional>

#include "comctl32/propsheet_state.h"
#include "user32/dialog_template.h"
#include "user32/dialog_units.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

struct TemplateBytes {
    const void *bytes = nullptr;
    std::size_t size = 0;
};

TemplateBytes pageTemplateBytes(HPROPSHEETPAGE page)
{
    const PROPSHEETPAGEA &record = page->record;
    if (record.dwFlags & PSP_DLGINDIRECT)
        // The caller's template carries no size; its own counts bound the reading.
        return {record.pResource, static_cast<std::size_t>(-1)};
    const HRSRC resource = FindResourceA(record.hInstance, record.pszTemplate, RT_DIALOG);
    if (!resource)
        return {};
    return {LockResource(LoadResource(record.hInstance, resource)),
            SizeofResource(record.hInstance, resource)};
}

std::optional<DialogTemplate> readPageTemplate(HPROPSHEETPAGE page)
{
    const TemplateBytes found = pageTemplateBytes(page);
    if (!found.bytes)
        return std::nullopt;
    return readDialogTemplate(found.bytes, found.size);
}

// As Windows makes a page: a control-parent child without frame or caption, at the origin.
void makeChildTemplate(DialogTemplate &page)
{
    constexpr DWORD kFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE |
                             WS_DISABLED;
    page.style = (page.style & ~kFrame) | WS_CHILD | DS_CONTROL;
    page.exStyle |= WS_EX_CONTROLPARENT;
    page.x = page.y = 0;
}

}  // namespace

std::string pageTitle(HPROPSHEETPAGE page)
{
    if (page->record.dwFlags & PSP_USETITLE)
        return page->title;
    const std::optional<DialogTemplate> parsed = readPageTemplate(page);
    return parsed ? parsed->caption : std::string();
}

bool pageSize(HPROPSHEETPAGE page, SIZE &size)
{
    const std::optional<DialogTemplate> parsed = readPageTemplate(page);
    if (!parsed)
        return false;
    const RECT pixels = toPixels(baseUnitsFor(*parsed), 0, 0, parsed->cx, parsed->cy);
    size = {pixels.right, pixels.bottom};
    return true;
}

HWND createPageWindow(HWND sheet, HPROPSHEETPAGE page, const RECT &area)
{
    PROPSHEETPAGEA &record = page->record;
    if ((record.dwFlags & PSP_USECALLBACK) && record.pfnCallback &&
        !record.pfnCallback(nullptr, PSPCB_CREATE, &record))
        return nullptr;
    std::optional<DialogTemplate> parsed = readPageTemplate(page);
    if (!parsed)
        return nullptr;
    // As Windows makes a page: from a copy of its template, restyled.
    makeChildTemplate(*parsed);
    const std::vector<BYTE> bytes = writeDialogTemplate(*parsed);
    const HWND window = CreateDialogIndirectParamA(
        record.hInstance, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), sheet,
        record.pfnDlgProc, reinterpret_cast<LPARAM>(&record));
    if (window)
        SetWindowPos(window, GetDlgItem(sheet, kTabControlId), area.left, area.top, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
    return window;
}

}  // namespace vks::detail

using namespace vks::detail;

HPROPSHEETPAGE WINAPI CreatePropertySheetPageA(LPCPROPSHEETPAGEA constPropSheetPagePointer)
{
    return vks::atWin32Boundary<HPROPSHEETPAGE>(nullptr, [&]() -> HPROPSHEETPAGE {
        const PROPSHEETPAGEA *given = constPropSheetPagePointer;
        if (!given || given->dwSize < sizeof(PROPSHEETPAGEA)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        auto *page = new _PSP;
        page->record = *given;
        page->record.dwSize = sizeof(PROPSHEETPAGEA);
        // Names and titles are copied, so the caller's strings need not outlive the call.
        if (!(given->dwFlags & PSP_DLGINDIRECT) && !IS_INTRESOURCE(given->pszTemplate) &&
            given->pszTemplate) {
            page->templateName = given->pszTemplate;
            page->record.pszTemplate = page->templateName.c_str();
        }
        if ((given->dwFlags & PSP_USETITLE) && given->pszTitle && !IS_INTRESOURCE(given->pszTitle)) {
            page->title = given->pszTitle;
            page->record.pszTitle = page->title.c_str();
        }
        return page;
    });
}

BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPropPage)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!hPropPage)
            return FALSE;
        PROPSHEETPAGEA &record = hPropPage->record;
        if ((record.dwFlags & PSP_USECALLBACK) && record.pfnCallback)
            record.pfnCallback(nullptr, PSPCB_RELEASE, &record);
        delete hPropPage;
        return TRUE;
    });
}
