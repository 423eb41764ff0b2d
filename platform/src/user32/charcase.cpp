// Case conversion of single-byte letters in the ANSI code page.
#include "vksboundary.h"
#include "windows.h"

namespace vks::detail {
namespace {

// Only A-Z and a-z change: double-byte characters (full-width letters included) and the upper
// half of single-byte code pages stay as they are, which is what this platform's callers need.
char upperLetter(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char lowerLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isSingleCharacterForm(LPCSTR lpsz)
{
    return (reinterpret_cast<ULONG_PTR>(lpsz) >> 16) == 0;
}

LPSTR convertCase(LPSTR lpsz, char (*convert)(char))
{
    if (isSingleCharacterForm(lpsz)) {
        // No letter is a lead byte, so a lone lead byte comes back unchanged.
        const char character = static_cast<char>(LOBYTE(reinterpret_cast<ULONG_PTR>(lpsz)));
        const BYTE converted = static_cast<BYTE>(convert(character));
        return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(converted));
    }
    for (char *p = lpsz; *p; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p))) {
            if (p[1] == '\0')
                break;
            ++p;  // the trail byte, which may look like a letter
            continue;
        }
        *p = convert(*p);
    }
    return lpsz;
}

}  // namespace
}  // namespace vks::detail

LPSTR WINAPI CharUpperA(LPSTR lpsz)
{
    return vks::atWin32Boundary<LPSTR>(nullptr, [&]() -> LPSTR {
        return vks::detail::convertCase(lpsz, vks::detail::upperLetter);
    });
}

LPSTR WINAPI CharLowerA(LPSTR lpsz)
{
    return vks::atWin32Boundary<LPSTR>(nullptr, [&]() -> LPSTR {
        return vks::detail::convertCase(lpsz, vks::detail::lowerLetter);
    });
}
