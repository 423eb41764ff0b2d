// Filling profile result buffers: cut values and cut lists.
#include "kernel32/profile_copy.h"

#include <algorithm>
#include <cstring>

namespace vks::detail {

DWORD copyProfileText(std::string_view text, LPSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    size_t count = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<DWORD>(count);
}

DWORD copyProfileList(const std::vector<std::string_view> &names, LPSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    size_t pos = 0;
    for (std::string_view name : names) {
        if (pos + name.size() + 2 > size) {
            // Like Windows: fill all but the last two bytes, then end the list with two NULs.
            size_t room = size >= 2 ? size - 2 : 0;
            if (pos < room)
                std::memcpy(buffer + pos, name.data(), std::min(name.size(), room - pos));
            if (size >= 2)
                buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return static_cast<DWORD>(room);
        }
        std::memcpy(buffer + pos, name.data(), name.size());
        pos += name.size();
        buffer[pos++] = '\0';
    }
    buffer[pos] = '\0';
    return static_cast<DWORD>(pos);
}

}  // namespace vks::detail
