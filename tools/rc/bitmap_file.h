// The bytes a BITMAP statement carries: a .bmp file without its 14-byte file header, which is
// how a module stores an RT_BITMAP resource. The file must hold every pixel its header counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vksrc {

// The resource's bytes, or nothing with `reason` set ("is no BMP file", ...).
std::optional<std::vector<std::uint8_t>> bitmapResourceBytes(std::string_view file,
                                                             std::string &reason);

}  // namespace vksrc
