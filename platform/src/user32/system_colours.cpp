// GetSysColor and GetSysColorBrush: the classic colour scheme, fixed.
#include <array>
#include <mutex>

#include "gdi32/gdi_objects.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr std::array<COLORREF, COLOR_MENUBAR + 1> kClassicColours = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25, unnamed
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

bool isColourIndex(int index)
{
    return index >= 0 && index <= COLOR_MENUBAR;
}

}  // namespace

DWORD WINAPI GetSysColor(int nIndex)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        return isColourIndex(nIndex) ? kClassicColours[static_cast<size_t>(nIndex)] : 0;
    });
}

HBRUSH WINAPI GetSysColorBrush(int nIndex)
{
    return vks::atWin32Boundary<HBRUSH>(nullptr, [&]() -> HBRUSH {
        if (!isColourIndex(nIndex))
            return nullptr;
        // One shared brush per colour, made on first use, as the system keeps them.
        static std::once_flag made;
        static std::array<HBRUSH, COLOR_MENUBAR + 1> brushes{};
        std::call_once(made, [] {
            for (size_t i = 0; i < brushes.size(); ++i)
                brushes[i] = addBrush({kClassicColours[i]}, true);
        });
        return brushes[static_cast<size_t>(nIndex)];
    });
}
