// A dialog template in the binary layout Windows reads: DLGTEMPLATEEX and its
// DLGITEMTEMPLATEEX items, little-endian, texts in UTF-16, items aligned on 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "dialog_template.h"

namespace vksrc {

// Throws ScriptError (at the dialog's line) for a text that is not UTF-8 or for more controls
// than a template can count.
std::vector<std::uint8_t> dialogBytes(const DialogTemplate &dialog);

}  // namespace vksrc
