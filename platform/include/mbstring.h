/* mbstring.h: the run-time's multibyte string functions over the ANSI code page. */
#ifndef VKS_MBSTRING_H
#define VKS_MBSTRING_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define _MBC_SINGLE 0
#define _MBC_LEAD 1
#define _MBC_TRAIL 2
#define _MBC_ILLEGAL (-1)

int _mbsbtype(const unsigned char *str, size_t count);
int _mbscmp(const unsigned char *a, const unsigned char *b);
unsigned char *_mbschr(const unsigned char *str, unsigned int c);
unsigned char *_mbsrchr(const unsigned char *str, unsigned int c);
unsigned char *_mbsstr(const unsigned char *str, const unsigned char *sub);
unsigned char *_mbsrev(unsigned char *str);

#ifdef __cplusplus
}
#endif

#endif
