// Internal: reading a device-independent bitmap (a BMP file without its file header).
#pragma once

#include <cstddef>
#include <optional>

#include "gdi32/gdi_objects.h"

namespace vks::detail {

// The pixels of an uncompressed DIB of 1, 4, 8, 24 or 32 bits per pixel with a
// BITMAPINFOHEADER (or larger) or BITMAPCOREHEADER; nothing when the bytes are short, damaged
// or of another kind.
std::optional<BitmapObject> readDib(const unsigned char *bytes, size_t size);

}  // namespace vks::detail
