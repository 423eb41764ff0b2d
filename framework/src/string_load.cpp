// CString::LoadString: a string resource found through the resource chain.
#include <utility>

#include "afxstr.h"
#include "resource_chain.h"

namespace {

// A string-table text is at most 65535 UTF-16 units, two bytes each at most in the ANSI code
// page.
constexpr int kLongestString = 2 * 65535;

// The string from this module, or FALSE when it is missing or empty there.
BOOL LoadFromModule(HMODULE hModule, UINT nID, CString &text)
{
    if (!FindResourceA(hModule, MAKEINTRESOURCEA(nID / 16 + 1), RT_STRING))
        return FALSE;
    // LoadStringA cannot say that it cut the text, and it stops short of a double-byte
    // character that does not fit: a buffer with less than two bytes to spare means "try larger".
    for (int nSize = 256;; nSize *= 2) {
        int nLength = LoadStringA(hModule, nID, text.GetBuffer(nSize - 1), nSize);
        text.ReleaseBuffer(nLength > 0 ? nLength : 0);
        if (nLength <= 0)
            return FALSE;
        if (nLength < nSize - 2 || nSize > kLongestString)
            return TRUE;
    }
}

}  // namespace

BOOL CString::LoadString(UINT nID)
{
    // Identifiers are 16-bit; a larger one names no string.
    if (nID <= 0xFFFF) {
        for (HMODULE hModule : vks::detail::ResourceSearchOrder()) {
            CString text;
            if (LoadFromModule(hModule, nID, text)) {
                *this = std::move(text);
                return TRUE;
            }
        }
    }
    Empty();
    return FALSE;
}
