#include "code_page.h"

#include <vector>

#include "unicode_text.h"
#include "windows.h"

namespace vksrc {

bool isKnownCodePage(unsigned codePage)
{
    if (codePage == kUtf8CodePage)
        return true;
    // The platform converts the code pages it knows; CP_ACP (0) is no code page of a script.
    WCHAR unit = 0;
    return codePage != CP_ACP && MultiByteToWideChar(codePage, 0, "a", 1, &unit, 1) == 1;
}

std::optional<std::string> decodeText(std::string_view bytes, unsigned codePage)
{
    if (codePage == kUtf8CodePage) {
        if (!isValidUtf8(bytes))
            return std::nullopt;
        return std::string(bytes);
    }
    if (bytes.empty())
        return std::string();
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size,
                                          nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    std::vector<WCHAR> wide(static_cast<std::size_t>(units));
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), units);
    return utf8(std::u16string_view(reinterpret_cast<const char16_t *>(wide.data()), wide.size()));
}

}  // namespace vksrc
