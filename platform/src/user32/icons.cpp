// LoadIconA: the standard icons, drawn with GDI in the classic look, and a module's icons read
// from its resources; DrawIconEx.
#include <array>
#include <cstring>
#include <map>
#include <optional>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

#include "user32/icon_image.h"
#include "user32/ui_paint.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr int kIconSide = 32;
constexpr ULONG_PTR kFirstIcon = 32512;  // IDI_APPLICATION
constexpr ULONG_PTR kLastIcon = 32517;   // IDI_WINLOGO

// An icon: its colour image (black where it is clear) and its mask (white where it is clear),
// drawn as Windows draws icons: the mask ANDed in, then the image XORed.
struct Icon {
    HBITMAP image = nullptr;
    HBITMAP mask = nullptr;
};

// A module's icon by its module and its name, a number or a text.
using ModuleIconKey = std::pair<HINSTANCE, std::string>;

struct Icons {
    std::mutex lock;
    std::unordered_map<HICON, Icon> icons;
    std::array<HICON, kLastIcon - kFirstIcon + 1> standard{};
    // Loaded once and shared, as LoadIconA's icons are.
    std::map<ModuleIconKey, HICON> fromModules;
    std::uintptr_t next = 0xD0010;
};

Icons &icons()
{
    static Icons &all = *new Icons;
    return all;
}

// Draws a shape twice: in its colours on the image and in black on the mask.
class IconCanvas {
public:
    IconCanvas()
    {
        image_ = CreateCompatibleDC(nullptr);
        mask_ = CreateCompatibleDC(nullptr);
        // The image has the screen's colours; the mask, made for a fresh memory DC, one bit.
        icon_.image = CreateCompatibleBitmap(nullptr, kIconSide, kIconSide);
        icon_.mask = CreateCompatibleBitmap(mask_, kIconSide, kIconSide);
        SelectObject(image_, icon_.image);
        SelectObject(mask_, icon_.mask);
        PatBlt(image_, 0, 0, kIconSide, kIconSide, BLACKNESS);
        PatBlt(mask_, 0, 0, kIconSide, kIconSide, WHITENESS);
        SelectObject(mask_, GetStockObject(BLACK_PEN));
        SelectObject(mask_, GetStockObject(BLACK_BRUSH));
    }
    ~IconCanvas()
    {
        DeleteDC(image_);
        DeleteDC(mask_);
    }
    IconCanvas(const IconCanvas &) = delete;
    IconCanvas &operator=(const IconCanvas &) = delete;

    void ellipse(const RECT &r, COLORREF fill, COLORREF outline)
    {
        withColours(fill, outline, [&](HDC dc) { Ellipse(dc, r.left, r.top, r.right, r.bottom); });
    }
    void polygon(const POINT *points, int count, COLORREF fill, COLORREF outline)
    {
        withColours(fill, outline, [&](HDC dc) { Polygon(dc, points, count); });
    }
    void rectangle(const RECT &r, COLORREF fill, COLORREF outline)
    {
        withColours(fill, outline, [&](HDC dc) { Rectangle(dc, r.left, r.top, r.right, r.bottom); });
    }
    void pixel(int x, int y, COLORREF colour, bool clear)
    {
        SetPixel(image_, x, y, colour);
        SetPixel(mask_, x, y, clear ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
    // Bold Tahoma, centred on the column and standing on the baseline.
    void glyph(const char *text, int height, int centreX, int baseline, COLORREF colour)
    {
        const HFONT font = CreateFontA(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                       0, 0, "Tahoma");
        for (const HDC dc : {image_, mask_}) {
            SavedDc saved(dc);
            SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, dc == image_ ? colour : RGB(0, 0, 0));
            SetTextAlign(dc, TA_CENTER | TA_BASELINE);
            TextOutA(dc, centreX, baseline, text, static_cast<int>(std::strlen(text)));
        }
        DeleteObject(font);
    }
    // The bitmaps, free to be selected elsewhere once the canvas is gone.
    Icon icon() const { return icon_; }

private:
    template <typename Draw>
    void withColours(COLORREF fill, COLORREF outline, Draw draw)
    {
        const HBRUSH brush = CreateSolidBrush(fill);
        const HPEN pen = CreatePen(PS_SOLID, 1, outline);
        const HGDIOBJ oldBrush = SelectObject(image_, brush);
        const HGDIOBJ oldPen = SelectObject(image_, pen);
        draw(image_);
        draw(mask_);
        SelectObject(image_, oldBrush);
        SelectObject(image_, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }

    HDC image_, mask_;
    Icon icon_;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kEdge = RGB(64, 64, 64);

Icon drawStandardIcon(ULONG_PTR id)
{
    IconCanvas canvas;
    switch (id) {
    case 32513:  // IDI_HAND: a red disc with a white cross
        canvas.ellipse({1, 1, 31, 31}, RGB(255, 0, 0), RGB(128, 0, 0));
        canvas.glyph("x", 30, 16, 24, kWhite);
        break;
    case 32514:  // IDI_QUESTION: a white disc with a blue question mark
        canvas.ellipse({1, 1, 31, 31}, kWhite, kEdge);
        canvas.glyph("?", 24, 16, 25, kBlue);
        break;
    case 32515: {  // IDI_EXCLAMATION: a yellow triangle with a black exclamation mark
        const POINT triangle[] = {{16, 1}, {31, 30}, {1, 30}};
        canvas.polygon(triangle, 3, RGB(255, 255, 0), kBlack);
        canvas.glyph("!", 20, 16, 27, kBlack);
        break;
    }
    case 32516:  // IDI_ASTERISK: a white disc with a blue i
        canvas.ellipse({1, 1, 31, 31}, kWhite, kEdge);
        canvas.glyph("i", 24, 16, 25, kBlue);
        break;
    default:  // IDI_APPLICATION, IDI_WINLOGO: a window with its caption
        canvas.rectangle({2, 4, 30, 28}, kWhite, kBlack);
        canvas.rectangle({2, 4, 30, 10}, RGB(10, 36, 106), kBlack);
        break;
    }
    return canvas.icon();
}

// The image at the icon's side, each pixel from the nearest of the stored image.
Icon iconOfImage(const IconImage &image)
{
    IconCanvas canvas;
    for (int y = 0; y < kIconSide; ++y) {
        for (int x = 0; x < kIconSide; ++x) {
            const std::size_t from = static_cast<std::size_t>(y * image.height / kIconSide) *
                                         static_cast<std::size_t>(image.width) +
                                     static_cast<std::size_t>(x * image.width / kIconSide);
            canvas.pixel(x, y, image.colours[from], image.clear[from]);
        }
    }
    return canvas.icon();
}

// The bytes of a module's resource, or nothing with the reason set.
std::optional<std::pair<const unsigned char *, std::size_t>> resourceBytes(HINSTANCE module,
                                                                          LPCSTR name, LPCSTR type)
{
    const HRSRC found = FindResourceA(module, name, type);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return std::nullopt;
    return std::make_pair(static_cast<const unsigned char *>(bytes),
                          static_cast<std::size_t>(SizeofResource(module, found)));
}

// The group's image nearest to the icon's side, read from the module.
std::optional<Icon> readModuleIcon(HINSTANCE module, LPCSTR name)
{
    const auto group = resourceBytes(module, name, RT_GROUP_ICON);
    if (!group)
        return std::nullopt;
    const WORD id = bestIconOfGroup(group->first, group->second, kIconSide);
    const auto bytes = id ? resourceBytes(module, MAKEINTRESOURCEA(id), RT_ICON) : std::nullopt;
    const std::optional<IconImage> image =
        bytes ? readIconImage(bytes->first, bytes->second) : std::nullopt;
    if (!image) {
        if (bytes || !id)
            SetLastError(ERROR_INVALID_DATA);
        return std::nullopt;
    }
    return iconOfImage(*image);
}

ModuleIconKey moduleIconKey(HINSTANCE module, LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return {module, "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))};
    return {module, name};
}

HICON loadModuleIcon(HINSTANCE module, LPCSTR name)
{
    Icons &all = icons();
    const ModuleIconKey key = moduleIconKey(module, name);
    {
        std::lock_guard guard(all.lock);
        if (const auto found = all.fromModules.find(key); found != all.fromModules.end())
            return found->second;
    }
    // Read and drawn outside the lock, as drawing takes GDI's; the first to finish is kept.
    const std::optional<Icon> icon = readModuleIcon(module, name);
    if (!icon)
        return nullptr;
    std::lock_guard guard(all.lock);
    HICON &slot = all.fromModules[key];
    if (slot) {
        DeleteObject(icon->image);
        DeleteObject(icon->mask);
        return slot;
    }
    slot = reinterpret_cast<HICON>(all.next);
    all.next += 4;
    all.icons.emplace(slot, *icon);
    return slot;
}

std::optional<Icon> iconOf(HICON handle)
{
    Icons &all = icons();
    std::lock_guard guard(all.lock);
    const auto found = all.icons.find(handle);
    if (found == all.icons.end())
        return std::nullopt;
    return found->second;
}

}  // namespace

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName)
{
    return vks::atWin32Boundary<HICON>(nullptr, [&]() -> HICON {
        if (hInstance)
            return lpIconName ? loadModuleIcon(hInstance, lpIconName) : nullptr;
        const auto id = reinterpret_cast<ULONG_PTR>(lpIconName);
        if (id < kFirstIcon || id > kLastIcon) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return nullptr;
        }
        Icons &all = icons();
        {
            std::lock_guard guard(all.lock);
            if (const HICON made = all.standard[id - kFirstIcon])
                return made;
        }
        // Drawn outside the lock, as drawing takes GDI's; the first to finish is kept.
        const Icon icon = drawStandardIcon(id);
        std::lock_guard guard(all.lock);
        HICON &slot = all.standard[id - kFirstIcon];
        if (slot) {
            DeleteObject(icon.image);
            DeleteObject(icon.mask);
            return slot;
        }
        slot = reinterpret_cast<HICON>(all.next);
        all.next += 4;
        all.icons.emplace(slot, icon);
        return slot;
    });
}

BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth,
                       UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const std::optional<Icon> icon = iconOf(hIcon);
        if (!icon || GetObjectType(hdc) == 0 || istepIfAniCur) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        const int width = cxWidth ? cxWidth : kIconSide;
        const int height = cyWidth ? cyWidth : kIconSide;
        if (hbrFlickerFreeDraw) {
            const RECT area{xLeft, yTop, xLeft + width, yTop + height};
            FillRect(hdc, &area, hbrFlickerFreeDraw);
        }
        SavedDc saved(hdc);
        SetTextColor(hdc, RGB(0, 0, 0));
        SetBkColor(hdc, RGB(255, 255, 255));
        const HDC source = CreateCompatibleDC(hdc);
        const HGDIOBJ previous = SelectObject(source, icon->mask);
        const UINT parts = diFlags & DI_NORMAL;
        if (parts & DI_MASK)
            StretchBlt(hdc, xLeft, yTop, width, height, source, 0, 0, kIconSide, kIconSide,
                       parts == DI_MASK ? SRCCOPY : SRCAND);
        if (parts & DI_IMAGE) {
            SelectObject(source, icon->image);
            StretchBlt(hdc, xLeft, yTop, width, height, source, 0, 0, kIconSide, kIconSide,
                       parts == DI_IMAGE ? SRCCOPY : SRCINVERT);
        }
        SelectObject(source, previous);
        DeleteDC(source);
        return TRUE;
    });
}
