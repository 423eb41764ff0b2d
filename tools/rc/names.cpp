#include "names.h"

#include <cctype>

namespace vksrc {

namespace {

constexpr PredefinedName kNames[] = {
    // Window styles.
    {"WS_OVERLAPPED", 0x00000000}, {"WS_POPUP", 0x80000000}, {"WS_CHILD", 0x40000000},
    {"WS_MINIMIZE", 0x20000000}, {"WS_VISIBLE", 0x10000000}, {"WS_DISABLED", 0x08000000},
    {"WS_CLIPSIBLINGS", 0x04000000}, {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_MAXIMIZE", 0x01000000}, {"WS_CAPTION", 0x00C00000}, {"WS_BORDER", 0x00800000},
    {"WS_DLGFRAME", 0x00400000}, {"WS_VSCROLL", 0x00200000}, {"WS_HSCROLL", 0x00100000},
    {"WS_SYSMENU", 0x00080000}, {"WS_THICKFRAME", 0x00040000}, {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000}, {"WS_MINIMIZEBOX", 0x00020000},
    {"WS_MAXIMIZEBOX", 0x00010000}, {"WS_TILED", 0x00000000}, {"WS_ICONIC", 0x20000000},
    {"WS_SIZEBOX", 0x00040000}, {"WS_OVERLAPPEDWINDOW", 0x00CF0000},
    {"WS_TILEDWINDOW", 0x00CF0000}, {"WS_POPUPWINDOW", 0x80880000},
    {"WS_CHILDWINDOW", 0x40000000},
    // Extended window styles.
    {"WS_EX_DLGMODALFRAME", 0x1}, {"WS_EX_NOPARENTNOTIFY", 0x4}, {"WS_EX_TOPMOST", 0x8},
    {"WS_EX_ACCEPTFILES", 0x10}, {"WS_EX_TRANSPARENT", 0x20}, {"WS_EX_MDICHILD", 0x40},
    {"WS_EX_TOOLWINDOW", 0x80}, {"WS_EX_WINDOWEDGE", 0x100}, {"WS_EX_CLIENTEDGE", 0x200},
    {"WS_EX_CONTEXTHELP", 0x400}, {"WS_EX_RIGHT", 0x1000}, {"WS_EX_LEFT", 0x0},
    {"WS_EX_RTLREADING", 0x2000}, {"WS_EX_LTRREADING", 0x0}, {"WS_EX_LEFTSCROLLBAR", 0x4000},
    {"WS_EX_RIGHTSCROLLBAR", 0x0}, {"WS_EX_CONTROLPARENT", 0x10000},
    {"WS_EX_STATICEDGE", 0x20000}, {"WS_EX_APPWINDOW", 0x40000},
    {"WS_EX_OVERLAPPEDWINDOW", 0x300}, {"WS_EX_PALETTEWINDOW", 0x188},
    // Dialog styles.
    {"DS_ABSALIGN", 0x1}, {"DS_SYSMODAL", 0x2}, {"DS_3DLOOK", 0x4}, {"DS_FIXEDSYS", 0x8},
    {"DS_NOFAILCREATE", 0x10}, {"DS_LOCALEDIT", 0x20}, {"DS_SETFONT", 0x40},
    {"DS_MODALFRAME", 0x80}, {"DS_NOIDLEMSG", 0x100}, {"DS_SETFOREGROUND", 0x200},
    {"DS_CONTROL", 0x400}, {"DS_CENTER", 0x800}, {"DS_CENTERMOUSE", 0x1000},
    {"DS_CONTEXTHELP", 0x2000}, {"DS_SHELLFONT", 0x48},
    // Edit controls.
    {"ES_LEFT", 0x0}, {"ES_CENTER", 0x1}, {"ES_RIGHT", 0x2}, {"ES_MULTILINE", 0x4},
    {"ES_UPPERCASE", 0x8}, {"ES_LOWERCASE", 0x10}, {"ES_PASSWORD", 0x20},
    {"ES_AUTOVSCROLL", 0x40}, {"ES_AUTOHSCROLL", 0x80}, {"ES_NOHIDESEL", 0x100},
    {"ES_OEMCONVERT", 0x400}, {"ES_READONLY", 0x800}, {"ES_WANTRETURN", 0x1000},
    {"ES_NUMBER", 0x2000},
    // Static controls.
    {"SS_LEFT", 0x0}, {"SS_CENTER", 0x1}, {"SS_RIGHT", 0x2}, {"SS_ICON", 0x3},
    {"SS_BLACKRECT", 0x4}, {"SS_GRAYRECT", 0x5}, {"SS_WHITERECT", 0x6},
    {"SS_BLACKFRAME", 0x7}, {"SS_GRAYFRAME", 0x8}, {"SS_WHITEFRAME", 0x9},
    {"SS_USERITEM", 0xA}, {"SS_SIMPLE", 0xB}, {"SS_LEFTNOWORDWRAP", 0xC},
    {"SS_OWNERDRAW", 0xD}, {"SS_BITMAP", 0xE}, {"SS_ENHMETAFILE", 0xF},
    {"SS_ETCHEDHORZ", 0x10}, {"SS_ETCHEDVERT", 0x11}, {"SS_ETCHEDFRAME", 0x12},
    {"SS_TYPEMASK", 0x1F}, {"SS_REALSIZECONTROL", 0x40}, {"SS_NOPREFIX", 0x80},
    {"SS_NOTIFY", 0x100}, {"SS_CENTERIMAGE", 0x200}, {"SS_RIGHTJUST", 0x400},
    {"SS_REALSIZEIMAGE", 0x800}, {"SS_SUNKEN", 0x1000}, {"SS_EDITCONTROL", 0x2000},
    {"SS_ENDELLIPSIS", 0x4000}, {"SS_PATHELLIPSIS", 0x8000}, {"SS_WORDELLIPSIS", 0xC000},
    {"SS_ELLIPSISMASK", 0xC000},
    // Buttons.
    {"BS_PUSHBUTTON", 0x0}, {"BS_DEFPUSHBUTTON", 0x1}, {"BS_CHECKBOX", 0x2},
    {"BS_AUTOCHECKBOX", 0x3}, {"BS_RADIOBUTTON", 0x4}, {"BS_3STATE", 0x5},
    {"BS_AUTO3STATE", 0x6}, {"BS_GROUPBOX", 0x7}, {"BS_USERBUTTON", 0x8},
    {"BS_AUTORADIOBUTTON", 0x9}, {"BS_PUSHBOX", 0xA}, {"BS_OWNERDRAW", 0xB},
    {"BS_TYPEMASK", 0xF}, {"BS_LEFTTEXT", 0x20}, {"BS_TEXT", 0x0}, {"BS_ICON", 0x40},
    {"BS_BITMAP", 0x80}, {"BS_LEFT", 0x100}, {"BS_RIGHT", 0x200}, {"BS_CENTER", 0x300},
    {"BS_TOP", 0x400}, {"BS_BOTTOM", 0x800}, {"BS_VCENTER", 0xC00}, {"BS_PUSHLIKE", 0x1000},
    {"BS_MULTILINE", 0x2000}, {"BS_NOTIFY", 0x4000}, {"BS_FLAT", 0x8000},
    {"BS_RIGHTBUTTON", 0x20},
    // List boxes.
    {"LBS_NOTIFY", 0x1}, {"LBS_SORT", 0x2}, {"LBS_NOREDRAW", 0x4}, {"LBS_MULTIPLESEL", 0x8},
    {"LBS_OWNERDRAWFIXED", 0x10}, {"LBS_OWNERDRAWVARIABLE", 0x20}, {"LBS_HASSTRINGS", 0x40},
    {"LBS_USETABSTOPS", 0x80}, {"LBS_NOINTEGRALHEIGHT", 0x100}, {"LBS_MULTICOLUMN", 0x200},
    {"LBS_WANTKEYBOARDINPUT", 0x400}, {"LBS_EXTENDEDSEL", 0x800},
    {"LBS_DISABLENOSCROLL", 0x1000}, {"LBS_NODATA", 0x2000}, {"LBS_NOSEL", 0x4000},
    {"LBS_COMBOBOX", 0x8000}, {"LBS_STANDARD", 0x00A00003},
    // Combo boxes.
    {"CBS_SIMPLE", 0x1}, {"CBS_DROPDOWN", 0x2}, {"CBS_DROPDOWNLIST", 0x3},
    {"CBS_OWNERDRAWFIXED", 0x10}, {"CBS_OWNERDRAWVARIABLE", 0x20}, {"CBS_AUTOHSCROLL", 0x40},
    {"CBS_OEMCONVERT", 0x80}, {"CBS_SORT", 0x100}, {"CBS_HASSTRINGS", 0x200},
    {"CBS_NOINTEGRALHEIGHT", 0x400}, {"CBS_DISABLENOSCROLL", 0x800},
    {"CBS_UPPERCASE", 0x2000}, {"CBS_LOWERCASE", 0x4000},
    // Scroll bars.
    {"SBS_HORZ", 0x0}, {"SBS_VERT", 0x1}, {"SBS_TOPALIGN", 0x2}, {"SBS_LEFTALIGN", 0x2},
    {"SBS_BOTTOMALIGN", 0x4}, {"SBS_RIGHTALIGN", 0x4}, {"SBS_SIZEBOXTOPLEFTALIGN", 0x2},
    {"SBS_SIZEBOXBOTTOMRIGHTALIGN", 0x4}, {"SBS_SIZEBOX", 0x8}, {"SBS_SIZEGRIP", 0x10},
    // Up-down and progress controls.
    {"UDS_WRAP", 0x1}, {"UDS_SETBUDDYINT", 0x2}, {"UDS_ALIGNRIGHT", 0x4},
    {"UDS_ALIGNLEFT", 0x8}, {"UDS_AUTOBUDDY", 0x10}, {"UDS_ARROWKEYS", 0x20},
    {"UDS_HORZ", 0x40}, {"UDS_NOTHOUSANDS", 0x80}, {"UDS_HOTTRACK", 0x100},
    {"PBS_SMOOTH", 0x1}, {"PBS_VERTICAL", 0x4},
    // Menu item types and states (MENUEX).
    {"MFT_STRING", 0x0}, {"MFT_BITMAP", 0x4}, {"MFT_MENUBARBREAK", 0x20},
    {"MFT_MENUBREAK", 0x40}, {"MFT_OWNERDRAW", 0x100}, {"MFT_RADIOCHECK", 0x200},
    {"MFT_SEPARATOR", 0x800}, {"MFT_RIGHTORDER", 0x2000}, {"MFT_RIGHTJUSTIFY", 0x4000},
    {"MFS_GRAYED", 0x3}, {"MFS_DISABLED", 0x3}, {"MFS_CHECKED", 0x8}, {"MFS_HILITE", 0x80},
    {"MFS_ENABLED", 0x0}, {"MFS_UNCHECKED", 0x0}, {"MFS_UNHILITE", 0x0},
    {"MFS_DEFAULT", 0x1000},
    // Command identifiers.
    {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4}, {"IDIGNORE", 5},
    {"IDYES", 6}, {"IDNO", 7}, {"IDCLOSE", 8}, {"IDHELP", 9}, {"IDC_STATIC", 0xFFFFFFFF},
    // Languages (LANGUAGE statements).
    {"LANG_NEUTRAL", 0x00}, {"LANG_INVARIANT", 0x7F}, {"LANG_ARABIC", 0x01},
    {"LANG_BULGARIAN", 0x02}, {"LANG_CATALAN", 0x03}, {"LANG_CHINESE", 0x04},
    {"LANG_CZECH", 0x05}, {"LANG_DANISH", 0x06}, {"LANG_GERMAN", 0x07}, {"LANG_GREEK", 0x08},
    {"LANG_ENGLISH", 0x09}, {"LANG_SPANISH", 0x0A}, {"LANG_FINNISH", 0x0B},
    {"LANG_FRENCH", 0x0C}, {"LANG_HEBREW", 0x0D}, {"LANG_HUNGARIAN", 0x0E},
    {"LANG_ICELANDIC", 0x0F}, {"LANG_ITALIAN", 0x10}, {"LANG_JAPANESE", 0x11},
    {"LANG_KOREAN", 0x12}, {"LANG_DUTCH", 0x13}, {"LANG_NORWEGIAN", 0x14},
    {"LANG_POLISH", 0x15}, {"LANG_PORTUGUESE", 0x16}, {"LANG_ROMANIAN", 0x18},
    {"LANG_RUSSIAN", 0x19}, {"LANG_CROATIAN", 0x1A}, {"LANG_SLOVAK", 0x1B},
    {"LANG_SWEDISH", 0x1D}, {"LANG_THAI", 0x1E}, {"LANG_TURKISH", 0x1F},
    {"LANG_UKRAINIAN", 0x22}, {"LANG_SLOVENIAN", 0x24}, {"LANG_VIETNAMESE", 0x2A},
    {"SUBLANG_NEUTRAL", 0x00}, {"SUBLANG_DEFAULT", 0x01}, {"SUBLANG_SYS_DEFAULT", 0x02},
    {"SUBLANG_CHINESE_TRADITIONAL", 0x01}, {"SUBLANG_CHINESE_SIMPLIFIED", 0x02},
    {"SUBLANG_ENGLISH_US", 0x01}, {"SUBLANG_ENGLISH_UK", 0x02}, {"SUBLANG_ENGLISH_AUS", 0x03},
    {"SUBLANG_ENGLISH_CAN", 0x04}, {"SUBLANG_GERMAN", 0x01}, {"SUBLANG_GERMAN_SWISS", 0x02},
    {"SUBLANG_GERMAN_AUSTRIAN", 0x03}, {"SUBLANG_FRENCH", 0x01},
    {"SUBLANG_FRENCH_BELGIAN", 0x02}, {"SUBLANG_FRENCH_CANADIAN", 0x03},
    {"SUBLANG_FRENCH_SWISS", 0x04}, {"SUBLANG_ITALIAN", 0x01}, {"SUBLANG_ITALIAN_SWISS", 0x02},
    {"SUBLANG_SPANISH", 0x01}, {"SUBLANG_SPANISH_MEXICAN", 0x02},
    {"SUBLANG_SPANISH_MODERN", 0x03}, {"SUBLANG_PORTUGUESE", 0x02},
    {"SUBLANG_PORTUGUESE_BRAZILIAN", 0x01}, {"SUBLANG_JAPANESE_JAPAN", 0x01},
    {"SUBLANG_KOREAN", 0x01}, {"SUBLANG_DUTCH", 0x01},
    // Version resources.
    {"VS_VERSION_INFO", 1}, {"VS_FFI_SIGNATURE", 0xFEEF04BD},
    {"VS_FFI_STRUCVERSION", 0x00010000}, {"VS_FFI_FILEFLAGSMASK", 0x3F},
    {"VS_FF_DEBUG", 0x1}, {"VS_FF_PRERELEASE", 0x2}, {"VS_FF_PATCHED", 0x4},
    {"VS_FF_PRIVATEBUILD", 0x8}, {"VS_FF_INFOINFERRED", 0x10}, {"VS_FF_SPECIALBUILD", 0x20},
    {"VOS_UNKNOWN", 0x0}, {"VOS_DOS", 0x10000}, {"VOS_OS216", 0x20000},
    {"VOS_OS232", 0x30000}, {"VOS_NT", 0x40000}, {"VOS_WINCE", 0x50000}, {"VOS__BASE", 0x0},
    {"VOS__WINDOWS16", 0x1}, {"VOS__PM16", 0x2}, {"VOS__PM32", 0x3}, {"VOS__WINDOWS32", 0x4},
    {"VOS_DOS_WINDOWS16", 0x10001}, {"VOS_DOS_WINDOWS32", 0x10004},
    {"VOS_OS216_PM16", 0x20002}, {"VOS_OS232_PM32", 0x30003}, {"VOS_NT_WINDOWS32", 0x40004},
    {"VFT_UNKNOWN", 0x0}, {"VFT_APP", 0x1}, {"VFT_DLL", 0x2}, {"VFT_DRV", 0x3},
    {"VFT_FONT", 0x4}, {"VFT_VXD", 0x5}, {"VFT_STATIC_LIB", 0x7}, {"VFT2_UNKNOWN", 0x0},
    {"VFT2_DRV_PRINTER", 0x1}, {"VFT2_DRV_KEYBOARD", 0x2}, {"VFT2_DRV_LANGUAGE", 0x3},
    {"VFT2_DRV_DISPLAY", 0x4}, {"VFT2_DRV_MOUSE", 0x5}, {"VFT2_DRV_NETWORK", 0x6},
    {"VFT2_DRV_SYSTEM", 0x7}, {"VFT2_DRV_INSTALLABLE", 0x8}, {"VFT2_DRV_SOUND", 0x9},
    {"VFT2_DRV_COMM", 0xA}, {"VFT2_DRV_INPUTMETHOD", 0xB},
    {"VFT2_DRV_VERSIONED_PRINTER", 0xC}, {"VFT2_FONT_RASTER", 0x1}, {"VFT2_FONT_VECTOR", 0x2},
    {"VFT2_FONT_TRUETYPE", 0x3},
};

struct ClassOrdinal {
    std::string_view name;
    std::uint16_t ordinal;
};

constexpr ClassOrdinal kClasses[] = {
    {"BUTTON", 0x80}, {"EDIT", 0x81}, {"STATIC", 0x82},
    {"LISTBOX", 0x83}, {"SCROLLBAR", 0x84}, {"COMBOBOX", 0x85},
};

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::optional<std::uint32_t> predefinedValue(std::string_view name)
{
    for (const PredefinedName &entry : kNames)
        if (entry.name == name)
            return entry.value;
    return std::nullopt;
}

std::span<const PredefinedName> predefinedNames()
{
    return kNames;
}

std::optional<std::uint16_t> predefinedClassOrdinal(std::string_view className)
{
    for (const ClassOrdinal &entry : kClasses)
        if (equalNoCase(entry.name, className))
            return entry.ordinal;
    return std::nullopt;
}

}  // namespace vksrc
