// The options a resource statement may carry before its block: LANGUAGE, VERSION and
// CHARACTERISTICS (the last two only mark the resource for tools).
#pragma once

#include <cstdint>

#include "resource.h"
#include "script_reader.h"

namespace vksrc {

struct ResourceOptions {
    std::uint16_t language = kDefaultLanguage;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;

    void applyTo(Resource &resource) const
    {
        resource.language = language;
        resource.version = version;
        resource.characteristics = characteristics;
    }
};

// LANGUAGE primary, sub: the language identifier they make.
std::uint16_t readLanguage(ScriptReader &in);

// Takes one option if one comes next.
bool takeResourceOption(ScriptReader &in, ResourceOptions &options);

}  // namespace vksrc
