// MENU and MENUEX statements, laid out as Windows reads them: MENUITEMTEMPLATEHEADER and
// MENUITEMTEMPLATE items, or the extended MENUEX_TEMPLATE_HEADER and items aligned on 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "resource_options.h"
#include "script_reader.h"

namespace vksrc {

// Reads the statement after its name and MENU or MENUEX (`extended`) and gives its bytes.
std::vector<std::uint8_t> readMenu(ScriptReader &in, bool extended, const Location &where,
                                   ResourceOptions &options);

}  // namespace vksrc
