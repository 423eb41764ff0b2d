// LoadStringA: a module's string, converted to the ANSI code page.
#include <cstring>
#include <string>

#include "kernel32/codepage.h"
#include "kernel32/resource_table.h"
#include "vksboundary.h"

int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!lpBuffer || cchBufferMax <= 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        std::string utf8;
        DWORD error = ERROR_SUCCESS;
        if (!vks::detail::findString(hInstance, uID, utf8, error)) {
            lpBuffer[0] = '\0';
            if (error != ERROR_SUCCESS)
                SetLastError(error);
            return 0;
        }
        std::string ansi = vks::detail::utf8ToAnsi(utf8);
        std::size_t length =
            vks::detail::wholeCharacterPrefix(ansi, static_cast<std::size_t>(cchBufferMax) - 1);
        std::memcpy(lpBuffer, ansi.data(), length);
        lpBuffer[length] = '\0';
        return static_cast<int>(length);
    });
}
