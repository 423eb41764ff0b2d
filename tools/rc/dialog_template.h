// A dialog template as a DIALOG or DIALOGEX statement states it, before it is laid out in binary.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resource.h"

namespace vksrc {

struct DialogFont {
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 1;  // DEFAULT_CHARSET
    std::u16string typeface;
};

struct DialogControl {
    ResourceId windowClass;
    ResourceId text;
    std::uint32_t id = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t helpId = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    Location where;
};

struct DialogTemplate {
    bool extended = true;  // DIALOGEX: DLGTEMPLATEEX; DIALOG: DLGTEMPLATE
    Location where;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t helpId = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    ResourceId menu;
    ResourceId windowClass;
    std::u16string caption;
    bool hasFont = false;
    DialogFont font;
    std::vector<DialogControl> controls;
};

}  // namespace vksrc
