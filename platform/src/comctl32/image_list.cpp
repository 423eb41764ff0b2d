// Image lists: images of one size cut from bitmaps, drawn into display lists.
#include "comctl32/image_list.h"

#include <memory>
#include <mutex>
#include <unordered_map>

#include "commctrl.h"
#include "gdi32/display_list.h"
#include "gdi32/gdi_objects.h"
#include "kernel32/no_destructor.h"
#include "user32/paint_dc.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

struct ImageLists {
    std::mutex lock;
    std::uintptr_t next = 0xC0010;
    std::unordered_map<HIMAGELIST, std::shared_ptr<ImageListObject>> lists;
};

ImageLists &imageLists()
{
    static NoDestructor<ImageLists> lists;
    return *lists;
}

HIMAGELIST addList(std::shared_ptr<ImageListObject> list)
{
    ImageLists &all = imageLists();
    std::lock_guard guard(all.lock);
    const auto handle = reinterpret_cast<HIMAGELIST>(all.next);
    all.next += 4;
    all.lists.emplace(handle, std::move(list));
    return handle;
}

bool removeList(HIMAGELIST handle)
{
    ImageLists &all = imageLists();
    std::lock_guard guard(all.lock);
    return all.lists.erase(handle) != 0;
}

// Images cut from the bitmap, left to right; empty when it holds none of the list's size.
std::vector<ImageFrame> cutImages(const ImageListObject &list, const BitmapObject &bitmap,
                                  std::optional<COLORREF> transparent)
{
    std::vector<ImageFrame> images;
    if (list.cx <= 0 || bitmap.height != list.cy)
        return images;
    for (int left = 0; left + list.cx <= bitmap.width; left += list.cx) {
        ImageFrame image;
        image.pixels.reserve(static_cast<size_t>(list.cx) * list.cy);
        for (int y = 0; y < list.cy; ++y)
            for (int x = left; x < left + list.cx; ++x) {
                const COLORREF colour = bitmap.at(x, y);
                const bool clear = transparent && colour == *transparent;
                image.pixels.push_back(clear ? kTransparentPixel : colour);
            }
        images.push_back(std::move(image));
    }
    return images;
}

int addImages(HIMAGELIST himl, HBITMAP bitmapHandle, std::optional<COLORREF> mask)
{
    const std::shared_ptr<ImageListObject> list = imageListOf(himl);
    const std::optional<BitmapObject> bitmap = bitmapOf(bitmapHandle);
    if (!list || !bitmap)
        return -1;
    std::lock_guard guard(list->lock);
    if (!(list->flags & ILC_MASK))
        mask.reset();
    std::vector<ImageFrame> images = cutImages(*list, *bitmap, mask);
    if (images.empty())
        return -1;
    const int first = static_cast<int>(list->images.size());
    for (ImageFrame &image : images)
        list->images.push_back(std::move(image));
    return first;
}

}  // namespace

std::shared_ptr<ImageListObject> imageListOf(HIMAGELIST handle)
{
    ImageLists &all = imageLists();
    std::lock_guard guard(all.lock);
    const auto found = all.lists.find(handle);
    return found == all.lists.end() ? nullptr : found->second;
}

}  // namespace vks::detail

using namespace vks::detail;

HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow)
{
    return vks::atWin32Boundary<HIMAGELIST>(nullptr, [&]() -> HIMAGELIST {
        if (cx < 0 || cy < 0 || cInitial < 0)
            return nullptr;
        auto list = std::make_shared<ImageListObject>();
        list->cx = cx;
        list->cy = cy;
        list->flags = flags;
        list->grow = cGrow;
        // The initial count is only room set aside; a bad one must not ask for gigabytes.
        list->images.reserve(static_cast<size_t>(std::min(cInitial, 1024)));
        return addList(std::move(list));
    });
}

BOOL WINAPI ImageList_Destroy(HIMAGELIST himl)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&] { return removeList(himl) ? TRUE : FALSE; });
}

int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP)
{
    return vks::atWin32Boundary<int>(-1, [&] { return addImages(himl, hbmImage, std::nullopt); });
}

int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask)
{
    return vks::atWin32Boundary<int>(-1, [&] {
        return addImages(himl, hbmImage, crMask & 0x00FFFFFF);
    });
}

HIMAGELIST WINAPI ImageList_LoadImageA(HINSTANCE hi, LPCSTR lpbmp, int cx, int cGrow,
                                       COLORREF crMask, UINT uType, UINT)
{
    return vks::atWin32Boundary<HIMAGELIST>(nullptr, [&]() -> HIMAGELIST {
        if (uType != IMAGE_BITMAP || cx <= 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        const HBITMAP strip = LoadBitmapA(hi, lpbmp);
        if (!strip)
            return nullptr;
        BITMAP shape{};
        GetObjectA(strip, sizeof shape, &shape);
        const bool masked = crMask != CLR_NONE;
        const HIMAGELIST list = ImageList_Create(cx, shape.bmHeight,
                                                 ILC_COLORDDB | (masked ? ILC_MASK : 0),
                                                 shape.bmWidth / cx, cGrow);
        const int added = masked ? ImageList_AddMasked(list, strip, crMask)
                                 : ImageList_Add(list, strip, nullptr);
        DeleteObject(strip);
        if (added < 0) {
            ImageList_Destroy(list);
            SetLastError(ERROR_INVALID_DATA);
            return nullptr;
        }
        return list;
    });
}

int WINAPI ImageList_GetImageCount(HIMAGELIST himl)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        const auto list = imageListOf(himl);
        if (!list)
            return 0;
        std::lock_guard guard(list->lock);
        return static_cast<int>(list->images.size());
    });
}

BOOL WINAPI ImageList_GetImageInfo(HIMAGELIST himl, int i, IMAGEINFO *pImageInfo)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const auto list = imageListOf(himl);
        if (!list || !pImageInfo)
            return FALSE;
        std::lock_guard guard(list->lock);
        if (i < 0 || i >= static_cast<int>(list->images.size()))
            return FALSE;
        *pImageInfo = IMAGEINFO{};
        pImageInfo->rcImage = {i * list->cx, 0, (i + 1) * list->cx, list->cy};
        return TRUE;
    });
}

BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int *cx, int *cy)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const auto list = imageListOf(himl);
        if (!list || !cx || !cy)
            return FALSE;
        *cx = list->cx;
        *cy = list->cy;
        return TRUE;
    });
}

COLORREF WINAPI ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk)
{
    return vks::atWin32Boundary<COLORREF>(CLR_NONE, [&]() -> COLORREF {
        const auto list = imageListOf(himl);
        if (!list)
            return CLR_NONE;
        std::lock_guard guard(list->lock);
        const COLORREF previous = list->background;
        list->background = clrBk;
        return previous;
    });
}

COLORREF WINAPI ImageList_GetBkColor(HIMAGELIST himl)
{
    return vks::atWin32Boundary<COLORREF>(CLR_NONE, [&]() -> COLORREF {
        const auto list = imageListOf(himl);
        if (!list)
            return CLR_NONE;
        std::lock_guard guard(list->lock);
        return list->background;
    });
}

BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const auto list = imageListOf(himl);
        const HWND window = windowOfDc(hdcDst);
        if (!list || !window)
            return FALSE;
        std::lock_guard guard(list->lock);
        if (i < 0 || i >= static_cast<int>(list->images.size()))
            return FALSE;
        VksDrawnItem item{};
        item.kind = VKS_DRAWN_IMAGE;
        item.rect = {x, y, x + list->cx, y + list->cy};
        item.color = list->background;
        item.source = himl;
        item.image = i;
        recordDrawn(window, item);
        return TRUE;
    });
}
