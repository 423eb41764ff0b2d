// A dialog template as a resource script states it, before it is laid out in binary.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vksrc {

// A resource's name, a window class or a menu: a number or a text (sz_Or_Ord in the binary).
struct NameOrNumber {
    bool isNumber = false;
    std::uint16_t number = 0;
    std::string text;  // UTF-8
    bool empty() const { return !isNumber && text.empty(); }
};

struct DialogFont {
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 1;  // DEFAULT_CHARSET
    std::string typeface;
};

struct DialogControl {
    NameOrNumber windowClass;
    NameOrNumber text;
    std::uint32_t id = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t helpId = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    NameOrNumber name;
    int line = 0;  // of the DIALOGEX statement
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t helpId = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    NameOrNumber menu;
    NameOrNumber windowClass;
    std::string caption;
    bool hasFont = false;
    DialogFont font;
    std::vector<DialogControl> controls;
};

// A BITMAP statement: the resource's name and the .bmp file it names, as the script wrote it.
struct BitmapStatement {
    NameOrNumber name;
    int line = 0;
    std::string file;
};

// Everything a script declares, each kind in script order.
struct ScriptResources {
    std::vector<DialogTemplate> dialogs;
    std::vector<BitmapStatement> bitmaps;
};

}  // namespace vksrc
