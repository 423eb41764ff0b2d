// VERSIONINFO statements, laid out as VS_VERSIONINFO: the fixed file information, then BLOCK
// and VALUE nodes, each a length, a value length, a type (1 text, 0 binary) and a key, aligned
// on 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "resource_options.h"
#include "script_reader.h"

namespace vksrc {

// Reads the statement after its name and VERSIONINFO and gives its bytes.
std::vector<std::uint8_t> readVersionInfo(ScriptReader &in, const Location &where,
                                          ResourceOptions &options);

}  // namespace vksrc
