// Internal: a dialog template (DLGTEMPLATEEX or the classic DLGTEMPLATE) read into its fields,
// and a DLGTEMPLATEEX written from them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "windows.h"

namespace vks::detail {

// The control classes a template names by number, from 0x80 on.
constexpr WORD kFirstPredefinedClass = 0x80;
constexpr std::string_view kPredefinedClasses[] = {"Button",  "Edit",      "Static",
                                                   "ListBox", "ScrollBar", "ComboBox"};

struct DialogItem {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::string className;  // predefined classes by name ("Button", "Edit", ...)
    std::string text;
};

struct DialogTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string className;
    std::string caption;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charSet = 0;
    std::string typeface;
    std::vector<DialogItem> items;
};

// The template at `bytes`, extended or classic, reading no further than `size` bytes; nothing
// when it runs past its end.
std::optional<DialogTemplate> readDialogTemplate(const void *bytes, std::size_t size);

// The DLGTEMPLATEEX bytes of `dialog`, for a dialog made from a template in memory (a property
// sheet's page, the file dialog): predefined classes by number, the font when it has one (with
// DS_SETFONT), texts in UTF-16 from the ANSI code page. readDialogTemplate gives the fields back.
std::vector<BYTE> writeDialogTemplate(const DialogTemplate &dialog);

}  // namespace vks::detail
