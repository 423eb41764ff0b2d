// LoadBitmapA: a module's RT_BITMAP resource as a bitmap object.
#include "gdi32/dib.h"
#include "gdi32/gdi_objects.h"
#include "vksboundary.h"

using namespace vks::detail;

HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName)
{
    return vks::atWin32Boundary<HBITMAP>(nullptr, [&]() -> HBITMAP {
        if (!hInstance) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return nullptr;
        }
        const HRSRC found = FindResourceA(hInstance, lpBitmapName, RT_BITMAP);
        if (!found)
            return nullptr;  // FindResourceA has said why
        const auto *bytes = static_cast<const unsigned char *>(LockResource(LoadResource(hInstance, found)));
        std::optional<BitmapObject> bitmap = bytes ? readDib(bytes, SizeofResource(hInstance, found))
                                                   : std::nullopt;
        if (!bitmap) {
            SetLastError(ERROR_INVALID_DATA);
            return nullptr;
        }
        return addBitmap(std::move(*bitmap));
    });
}
