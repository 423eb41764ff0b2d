// The C++ source that carries compiled resources into a module: the .res image, taken into
// the object as it is by the assembler (.incbin), registered with the platform when the module
// loads and removed when it unloads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resource.h"

namespace vksrc {

// The source for `resources`, whose .res image (res_file.h) is `image` and lies at `imagePath`.
// `scriptName` only names the script in a comment.
std::string moduleSource(const std::vector<Resource> &resources,
                         const std::vector<std::uint8_t> &image, const std::string &imagePath,
                         const std::string &scriptName);

}  // namespace vksrc
