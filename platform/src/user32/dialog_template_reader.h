// Internal: a dialog template (DLGTEMPLATEEX or the classic DLGTEMPLATE) read into its fields.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail {

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

}  // namespace vks::detail
