// The keys' scrambled-text values.
#include "settings/profile_key.h"

#include <algorithm>

#include "settings/profile_scramble.h"

namespace {

constexpr DWORD kStoredTextSize = 527;

}  // namespace

void TutProfileKey::readEncrypt(CString &value, char const *defaultValue) const
{
    char stored[kStoredTextSize + 1];
    const DWORD length = getString("", stored, kStoredTextSize);
    const std::optional<std::string> text =
        vks::detail::unscrambleText(std::string_view(stored, std::min(length, kStoredTextSize)));
    if (text)
        value = text->c_str();
    else
        value = defaultValue ? defaultValue : "";
}

// A null text is stored as the empty one.
void TutProfileKey::writeEncrypt(char const *text) const
{
    const std::string stored = vks::detail::scrambleText(text ? text : "", GetTickCount());
    putString(stored.c_str());
}
