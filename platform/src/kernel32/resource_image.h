// Internal: the resources of a .res image, as resource compilers write it: an entry per
// resource (data size, header size, type, name, language, flags, then the data), each on a
// 4-byte boundary, the first an empty marker.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "kernel32/resource_table.h"

namespace vks::detail {

struct ImageResource {
    ResourceId type;
    ResourceId name;
    WORD language = 0;
    const unsigned char *bytes = nullptr;
    std::size_t size = 0;
};

// The image's resources, pointing into it, or nothing when it is malformed (an entry past the
// end, a name not closed, a type or name 0 other than the marker's).
std::optional<std::vector<ImageResource>> readResourceImage(const unsigned char *image,
                                                            std::size_t size);

}  // namespace vks::detail
