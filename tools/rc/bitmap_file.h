// The bytes a BITMAP statement carries: a .bmp file without its 14-byte file header, which is
// how a module stores an RT_BITMAP resource.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vksrc {

// The resource's bytes, or nothing with `reason` set when the file is no BMP.
std::optional<std::vector<std::uint8_t>> bitmapResourceBytes(std::string_view file,
                                                             std::string &reason);

}  // namespace vksrc
