#include "resource_options.h"

namespace vksrc {

std::uint16_t readLanguage(ScriptReader &in)
{
    const Location where = in.peek().where;
    const std::uint32_t primary = in.number("the language");
    in.expectComma("the sublanguage");
    const std::uint32_t sub = in.number("the sublanguage");
    if (primary > 0x3FF || sub > 0x3F)
        throw ScriptError(where, "LANGUAGE takes a language up to 0x3FF and a sublanguage up to 0x3F");
    return static_cast<std::uint16_t>(sub << 10 | primary);
}

bool takeResourceOption(ScriptReader &in, ResourceOptions &options)
{
    if (in.takeKeyword("LANGUAGE")) {
        options.language = readLanguage(in);
        return true;
    }
    if (in.takeKeyword("VERSION")) {
        options.version = in.number("VERSION");
        return true;
    }
    if (in.takeKeyword("CHARACTERISTICS")) {
        options.characteristics = in.number("CHARACTERISTICS");
        return true;
    }
    return false;
}

}  // namespace vksrc
