#include "modem/modem_profiles.h"

#include <cstring>
#include <new>

#include "settings/profile_key.h"
#include "settings/profile_key_list.h"

namespace vks::detail {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A control character would break the line; '=' would end the key name, and a first '[' or ';'
// would make the line a section header or a comment. None of them is ever a trail byte.
bool breaksLine(unsigned char c, bool first)
{
    if (c < 0x20 || c == 0x7f || c == '=')
        return true;
    return first && (c == '[' || c == ';');
}

}  // namespace

bool isModemNotSet(char const *text)
{
    return text && std::strcmp(text, kModemNotSet) == 0;
}

std::vector<TutString> modemSectionNames(TutProfile const &profile, char const *section)
{
    const TutProfileKeyList keys(profile, section);
    try {
        std::vector<TutString> names;
        names.reserve(static_cast<std::size_t>(keys.count()));
        for (int i = 0; i < keys.count(); ++i)
            names.emplace_back(keys[i].name());
        return names;
    } catch (std::bad_alloc const &) {
        AfxThrowMemoryException();
    }
}

CString readModemSetting(TutProfile const &profile, char const *modemType, char const *key,
                         CString const &fallback)
{
    const TutProfileKey place(profile, modemType, key);
    CString value;
    place.read(value, kModemNotSet);
    if (!isModemNotSet(value) || isModemNotSet(fallback))
        return value;
    // The marker came back: either the key is absent or it holds "<0>", which stays not set.
    return place.exists() ? value : fallback;
}

bool isStorableModemName(char const *name)
{
    if (!name || !*name)
        return false;
    const std::size_t length = std::strlen(name);
    if (isBlank(name[0]) || isBlank(name[length - 1]))
        return false;
    for (std::size_t at = 0; at < length; ++at) {
        if (breaksLine(static_cast<unsigned char>(name[at]), at == 0))
            return false;
    }
    return true;
}

}  // namespace vks::detail
