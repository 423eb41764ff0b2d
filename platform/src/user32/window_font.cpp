// The fonts of windows and the base units of dialog fonts.
#include "user32/window_font.h"

#include <mutex>
#include <unordered_map>

namespace vks::detail {

namespace {

struct WindowFonts {
    std::mutex lock;
    std::unordered_map<HWND, HFONT> given;
    std::unordered_map<HWND, HFONT> owned;
};

WindowFonts &windowFonts()
{
    static WindowFonts &fonts = *new WindowFonts;
    return fonts;
}

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

bool answerFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &answer)
{
    if (message == WM_GETFONT) {
        answer = reinterpret_cast<LRESULT>(windowFont(hwnd));
        return true;
    }
    if (message != WM_SETFONT)
        return false;
    {
        WindowFonts &fonts = windowFonts();
        std::lock_guard guard(fonts.lock);
        fonts.given[hwnd] = reinterpret_cast<HFONT>(wParam);
    }
    if (LOWORD(lParam))
        InvalidateRect(hwnd, nullptr, TRUE);
    answer = 0;
    return true;
}

HFONT windowFont(HWND hwnd)
{
    WindowFonts &fonts = windowFonts();
    std::lock_guard guard(fonts.lock);
    const auto found = fonts.given.find(hwnd);
    return found == fonts.given.end() ? nullptr : found->second;
}

void adoptWindowFont(HWND hwnd, HFONT font)
{
    WindowFonts &fonts = windowFonts();
    std::lock_guard guard(fonts.lock);
    fonts.owned[hwnd] = font;
}

void forgetWindowFont(HWND hwnd)
{
    HFONT owned = nullptr;
    {
        WindowFonts &fonts = windowFonts();
        std::lock_guard guard(fonts.lock);
        fonts.given.erase(hwnd);
        if (const auto found = fonts.owned.find(hwnd); found != fonts.owned.end()) {
            owned = found->second;
            fonts.owned.erase(found);
        }
    }
    if (owned)
        DeleteObject(owned);
}

std::optional<int> fontCellHeight(HFONT font)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return std::nullopt;
    SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    const bool measured = GetTextMetricsA(dc, &metrics) != FALSE;
    DeleteDC(dc);
    if (!measured)
        return std::nullopt;
    return static_cast<int>(metrics.tmHeight);
}

int listItemHeight(HWND box)
{
    return fontCellHeight(windowFont(box)).value_or(13);
}

std::optional<BaseUnits> measureBaseUnits(HFONT font)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return std::nullopt;
    SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    SIZE letters{};
    const bool measured = GetTextMetricsA(dc, &metrics) &&
                          GetTextExtentPoint32A(dc, kLetters, 52, &letters);
    DeleteDC(dc);
    if (!measured)
        return std::nullopt;
    return BaseUnits{static_cast<int>((letters.cx / 26 + 1) / 2), static_cast<int>(metrics.tmHeight)};
}

}  // namespace vks::detail
