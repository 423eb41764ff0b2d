// The resources an ICON statement makes from an .ico file: each image an RT_ICON resource,
// numbered in the script's order, and an RT_GROUP_ICON directory that names them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vksrc {

struct IconImages {
    std::vector<std::vector<std::uint8_t>> images;
    std::vector<std::uint8_t> group;  // GRPICONDIR with its GRPICONDIRENTRY items
};

// The images of `file` with the group directory that numbers them from `firstId`, or nothing
// with `reason` set. Each entry's planes and bit count come from the image's own header, as
// Windows' compiler takes them (GNU windres copies the .ico directory's, which is often 0).
std::optional<IconImages> iconResources(std::string_view file, std::uint16_t firstId,
                                        std::string &reason);

}  // namespace vksrc
