/* mbstring.h: the run-time's multibyte string functions over the ANSI code page. */
#ifndef VKS_MBSTRING_H
#define VKS_MBSTRING_H

#include <stddef.h>

#include "vkslinkage.h"

VKS_BEGIN_EXPORTED_C

/* What _mbscmp returns for a null argument. */
#define _NLSCMPERROR 2147483647

/* A double-byte character is a lead byte followed by a trail byte of the code page; a lead byte
   followed by anything else (the NUL, a control character) stands alone. Searches match only at
   a character's first byte; a double-byte character to search for is given as lead << 8 | trail.
   _mbscmp orders a double-byte character as lead << 8 | trail and takes a lead byte right before
   the NUL as the end of the text. _mbsbtype gives _MBC_ILLEGAL when a NUL lies at or before the
   byte asked for, and for control bytes and other non-printable single bytes. */

int _mbsbtype(const unsigned char *str, size_t count);
int _mbscmp(const unsigned char *a, const unsigned char *b);
unsigned char *_mbschr(const unsigned char *str, unsigned int c);
unsigned char *_mbsrchr(const unsigned char *str, unsigned int c);
unsigned char *_mbsstr(const unsigned char *str, const unsigned char *sub);
unsigned char *_mbsrev(unsigned char *str);

VKS_END_EXPORTED_C

#endif
