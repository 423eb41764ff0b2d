// Stepping through text in the ANSI code page one character at a time.
#pragma once

#include "windows.h"

namespace vks::detail {

// Bytes of the character at lpch: 2 for a lead byte followed by anything but the NUL, else 1.
int CharBytes(LPCSTR lpch);

// TRUE when the character of nBytes bytes at lpch is one of the characters of lpszCharSet.
bool CharInSet(LPCSTR lpch, int nBytes, LPCSTR lpszCharSet);

// A single-byte character of "\t\n\v\f\r ".
bool IsSingleByteSpace(LPCSTR lpch, int nBytes);

}  // namespace vks::detail
