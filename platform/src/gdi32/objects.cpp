// CreateSolidBrush, DeleteObject, GetObjectA.
#include <cstring>

#include "gdi32/gdi_objects.h"
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

// Device-dependent bitmaps keep rows of whole 16-bit words.
LONG widthBytes(const BitmapObject &bitmap)
{
    return (bitmap.width * bitmap.bitsPixel + 15) / 16 * 2;
}

}  // namespace

HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    return vks::atWin32Boundary<HBRUSH>(nullptr, [&] { return addBrush({color & 0x00FFFFFF}); });
}

BOOL WINAPI DeleteObject(HGDIOBJ ho)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&] { return deleteGdiObject(ho) ? TRUE : FALSE; });
}

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (auto bitmap = bitmapOf(h)) {
            const BITMAP record{0, bitmap->width, bitmap->height, widthBytes(*bitmap), 1,
                                bitmap->bitsPixel, nullptr};
            return giveRecord(record, c, pv);
        }
        if (auto brush = brushOf(h))
            return giveRecord(LOGBRUSH{BS_SOLID, brush->color, 0}, c, pv);
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    });
}
