// MultiByteToWideChar: text of any code page the platform knows, as UTF-16.
#include <string>
#include <string_view>

#include "kernel32/codepage.h"
#include "posix/iconv_posix.h"
#include "vksboundary.h"

namespace {

// Marks a malformed character in the converter's UTF-8 output: no UTF-8 text holds this byte.
constexpr char kMalformed = '\xFF';

std::size_t oneByte(std::string_view)
{
    return 1;
}

std::size_t utf8Length(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    for (std::size_t i = 1; i < length; ++i)
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return i;
    return length;
}

// The converter's UTF-8 as UTF-16; a marked character becomes U+FFFD, or fails when `strict`.
bool utf16FromConverted(const std::string &utf8, bool strict, std::u16string &out)
{
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (utf8[at] == kMalformed) {
            if (strict)
                return false;
            out.push_back(u'\xFFFD');
            ++at;
            continue;
        }
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length && at + i < utf8.size(); ++i)
            code = (code << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        at += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return true;
}

}  // namespace

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr,
                               int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (dwFlags & ~static_cast<DWORD>(MB_ERR_INVALID_CHARS)) {
            SetLastError(ERROR_INVALID_FLAGS);
            return 0;
        }
        const char *charset = vks::detail::charsetOfCodePage(CodePage);
        if (!charset || !lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 ||
            cchWideChar < 0 || (cchWideChar > 0 && !lpWideCharStr)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        const std::string_view text(lpMultiByteStr, cbMultiByte == -1
                                                        ? std::char_traits<char>::length(lpMultiByteStr) + 1
                                                        : static_cast<std::size_t>(cbMultiByte));
        std::string utf8;
        const bool fromUtf8 = std::string_view(charset) == "UTF-8";
        std::u16string wide;
        if (!vks::detail::posix::convert(charset, "UTF-8", text, fromUtf8 ? utf8Length : oneByte,
                                         kMalformed, utf8) ||
            !utf16FromConverted(utf8, (dwFlags & MB_ERR_INVALID_CHARS) != 0, wide)) {
            SetLastError(ERROR_NO_UNICODE_TRANSLATION);
            return 0;
        }
        if (cchWideChar == 0)
            return static_cast<int>(wide.size());
        if (wide.size() > static_cast<std::size_t>(cchWideChar)) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        wide.copy(reinterpret_cast<char16_t *>(lpWideCharStr), wide.size());
        return static_cast<int>(wide.size());
    });
}
