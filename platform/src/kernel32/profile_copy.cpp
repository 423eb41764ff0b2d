// Filling profile result buffers: cut values, quoted values and cut lists.
#include "kernel32/profile_copy.h"

#include <algorithm>
#include <cstring>

#include "kernel32/ini_text.h"

namespace vks::detail {

DWORD copyProfileText(std::string_view text, LPSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    size_t count = std::min<size_t>(text.size(), size - 1);
    if (count > 0)
        std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<DWORD>(count);
}

DWORD copyProfileValue(std::string_view raw, LPSTR buffer, DWORD size)
{
    std::string_view value = unquoteIniValue(raw);
    if (value.size() == raw.size() || size == 0)
        return copyProfileText(raw, buffer, size);
    // Quoted: what the cut keeps of the text between the quotes.
    std::string_view kept = raw.substr(0, std::min<size_t>(raw.size(), size - 1));
    kept.remove_prefix(1);
    return copyProfileText(kept.substr(0, std::min(kept.size(), value.size())), buffer, size);
}

DWORD copyProfileList(std::string_view names, LPSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    if (names.size() + 1 <= size) {
        if (!names.empty())
            std::memcpy(buffer, names.data(), names.size());
        buffer[names.size()] = '\0';
        return static_cast<DWORD>(names.size());
    }
    // Like Windows: fill all but the last two bytes, then end the list with two NULs.
    size_t room = size >= 2 ? size - 2 : 0;
    if (room > 0)
        std::memcpy(buffer, names.data(), room);
    if (size >= 2)
        buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return static_cast<DWORD>(room);
}

}  // namespace vks::detail
