// The objects' exports: CreatePen, CreateSolidBrush, GetStockObject, CreateFontIndirectA,
// CreateFontA, DeleteObject, GetObjectA and GetObjectType.
#include <array>
#include <cstring>
#include <mutex>

#include "gdi32/dc.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// The record is written only when the buffer holds it whole.
template <typename Record>
int giveRecord(const Record &record, int size, LPVOID buffer)
{
    if (!buffer)
        return sizeof(Record);
    if (size < static_cast<int>(sizeof(Record)))
        return 0;
    std::memcpy(buffer, &record, sizeof(Record));
    return sizeof(Record);
}

// Device-dependent bitmaps keep rows of whole 16-bit words, DIB sections of 32-bit ones.
LONG widthBytes(const Surface &surface)
{
    const int bits = surface.width() * surface.bitsPixel();
    return surface.isDibSection() ? (bits + 31) / 32 * 4 : (bits + 15) / 16 * 2;
}

LOGFONTA logicalFont(LONG height, LONG weight, const char *face)
{
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

struct StockObjects {
    std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> objects{};
    HBITMAP monochrome = nullptr;
};

HGDIOBJ addSystem(GdiEntry entry)
{
    entry.system = true;
    return addGdiEntry(std::move(entry));
}

StockObjects makeStockObjects()
{
    StockObjects stock;
    auto &o = stock.objects;
    o[WHITE_BRUSH] = addSystem({BrushObject{RGB(255, 255, 255)}});
    o[LTGRAY_BRUSH] = addSystem({BrushObject{RGB(192, 192, 192)}});
    o[GRAY_BRUSH] = addSystem({BrushObject{RGB(128, 128, 128)}});
    o[DKGRAY_BRUSH] = addSystem({BrushObject{RGB(64, 64, 64)}});
    o[BLACK_BRUSH] = addSystem({BrushObject{RGB(0, 0, 0)}});
    o[NULL_BRUSH] = addSystem({BrushObject{0, true}});
    o[WHITE_PEN] = addSystem({PenObject{PS_SOLID, 1, RGB(255, 255, 255)}});
    o[BLACK_PEN] = addSystem({PenObject{PS_SOLID, 1, RGB(0, 0, 0)}});
    o[NULL_PEN] = addSystem({PenObject{PS_NULL, 1, 0}});
    // The fonts Windows gives at 96 dots per inch.
    o[ANSI_VAR_FONT] = addSystem({FontObject{logicalFont(13, FW_NORMAL, "MS Sans Serif"), nullptr}});
    o[SYSTEM_FONT] = addSystem({FontObject{logicalFont(16, FW_BOLD, "System"), nullptr}});
    o[DEFAULT_GUI_FONT] = addSystem({FontObject{logicalFont(-11, FW_NORMAL, "MS Shell Dlg"), nullptr}});
    stock.monochrome = static_cast<HBITMAP>(
        addSystem({BitmapEntry{std::make_shared<Surface>(1, 1, WORD{1})}}));
    return stock;
}

const StockObjects &stockObjects()
{
    static const StockObjects &stock = *new StockObjects(makeStockObjects());
    return stock;
}

bool knownPenStyle(int style)
{
    return style == PS_SOLID || style == PS_DASH || style == PS_DOT || style == PS_NULL ||
           style == PS_INSIDEFRAME;
}

DWORD objectType(const GdiEntry &entry)
{
    switch (entry.object.index()) {
    case 0:
        return OBJ_BRUSH;
    case 1:
        return OBJ_PEN;
    case 2:
        return OBJ_FONT;
    case 3:
        return OBJ_BITMAP;
    default:
        return std::get<DcObject>(entry.object).memory ? OBJ_MEMDC : OBJ_DC;
    }
}

}  // namespace

namespace vks::detail {

HGDIOBJ stockObject(int index)
{
    if (index < 0 || index > DEFAULT_GUI_FONT)
        return nullptr;
    return stockObjects().objects[static_cast<size_t>(index)];
}

HBITMAP defaultBitmap()
{
    return stockObjects().monochrome;
}

}  // namespace vks::detail

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color)
{
    return vks::atWin32Boundary<HPEN>(nullptr, [&]() -> HPEN {
        if (!knownPenStyle(iStyle)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        const PenObject pen{static_cast<UINT>(iStyle), cWidth < 1 ? 1 : cWidth, color & 0xFFFFFF};
        return static_cast<HPEN>(addGdiEntry({pen}));
    });
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    return vks::atWin32Boundary<HBRUSH>(nullptr, [&] { return addBrush({color & 0x00FFFFFF}); });
}

HGDIOBJ WINAPI GetStockObject(int i)
{
    return vks::atWin32Boundary<HGDIOBJ>(nullptr, [&] { return stockObject(i); });
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA *lplf)
{
    return vks::atWin32Boundary<HFONT>(nullptr, [&]() -> HFONT {
        if (!lplf) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        FontObject font{*lplf, nullptr};
        font.logical.lfFaceName[LF_FACESIZE - 1] = '\0';
        return static_cast<HFONT>(addGdiEntry({std::move(font)}));
    });
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName)
{
    return vks::atWin32Boundary<HFONT>(nullptr, [&]() -> HFONT {
        LOGFONTA font{cHeight,
                      cWidth,
                      cEscapement,
                      cOrientation,
                      cWeight,
                      static_cast<BYTE>(bItalic),
                      static_cast<BYTE>(bUnderline),
                      static_cast<BYTE>(bStrikeOut),
                      static_cast<BYTE>(iCharSet),
                      static_cast<BYTE>(iOutPrecision),
                      static_cast<BYTE>(iClipPrecision),
                      static_cast<BYTE>(iQuality),
                      static_cast<BYTE>(iPitchAndFamily),
                      {}};
        if (pszFaceName)
            std::strncpy(font.lfFaceName, pszFaceName, LF_FACESIZE - 1);
        return CreateFontIndirectA(&font);
    });
}

BOOL WINAPI DeleteObject(HGDIOBJ ho)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&] { return deleteGdiObject(ho) ? TRUE : FALSE; });
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        std::lock_guard guard(gdiLock());
        if (const BitmapEntry *bitmap = gdiObject<BitmapEntry>(h)) {
            Surface &surface = *bitmap->surface;
            const BITMAP record{0,
                                surface.width(),
                                surface.height(),
                                widthBytes(surface),
                                1,
                                surface.bitsPixel(),
                                surface.isDibSection() ? surface.memory() : nullptr};
            return giveRecord(record, c, pv);
        }
        if (const BrushObject *brush = gdiObject<BrushObject>(h))
            return giveRecord(LOGBRUSH{brush->hollow ? UINT{BS_NULL} : UINT{BS_SOLID},
                                       brush->color, 0},
                              c, pv);
        if (const PenObject *pen = gdiObject<PenObject>(h))
            return giveRecord(LOGPEN{pen->style, {pen->width, 0}, pen->color}, c, pv);
        if (const FontObject *font = gdiObject<FontObject>(h))
            return giveRecord(font->logical, c, pv);
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    });
}

DWORD WINAPI GetObjectType(HGDIOBJ h)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        std::lock_guard guard(gdiLock());
        if (const GdiEntry *entry = gdiEntry(h))
            return objectType(*entry);
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    });
}
