// A dialog template in the binary layout Windows reads, little-endian with UTF-16 texts and
// items aligned on 4 bytes: DLGTEMPLATEEX and DLGITEMTEMPLATEEX for DIALOGEX, DLGTEMPLATE and
// DLGITEMTEMPLATE for DIALOG.
#pragma once

#include <cstdint>
#include <vector>

#include "dialog_template.h"

namespace vksrc {

// Throws ScriptError for more controls than a template counts, or a control identifier that
// the classic layout's 16 bits cannot hold.
std::vector<std::uint8_t> dialogBytes(const DialogTemplate &dialog);

}  // namespace vksrc
