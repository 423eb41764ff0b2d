// The C++ source that carries compiled templates into a module: the bytes of each, registered as
// RT_DIALOG (and RT_BITMAP) resources of the module when it loads and removed when it unloads.
#pragma once

#include <string>
#include <vector>

#include "dialog_template.h"

namespace vksrc {

std::string moduleSource(const std::vector<DialogTemplate> &dialogs, const std::string &scriptName);

// A bitmap's name and its RT_BITMAP bytes (bitmap_file.h).
struct BitmapResource {
    NameOrNumber name;
    std::vector<std::uint8_t> bytes;
};
std::string moduleSource(const std::vector<DialogTemplate> &dialogs,
                         const std::vector<BitmapResource> &bitmaps, const std::string &scriptName);

}  // namespace vksrc
