/* vkstext.h: conversion between UTF-8 and the process's ANSI code page (GetACP), for hosts,
   tools and tests that hold UTF-8 text. Characters the target cannot hold, and malformed input,
   become '?'. */
#ifndef VKS_VKSTEXT_H
#define VKS_VKSTEXT_H

#include "windef.h"

VKS_BEGIN_EXPORTED_C

/* Converts the NUL-terminated `utf8` into `ansi`, a buffer of `size` bytes. Returns the bytes
   written including the NUL; with `size` 0, the size needed (NUL included) and nothing written.
   When the text does not fit: 0 and ERROR_INSUFFICIENT_BUFFER; for null text or a negative size:
   0 and ERROR_INVALID_PARAMETER. */
int VksUtf8ToAnsi(const char *utf8, char *ansi, int size);

/* The same from the ANSI code page to UTF-8. */
int VksAnsiToUtf8(const char *ansi, char *utf8, int size);

/* As VksUtf8ToAnsi, but text with a character the code page cannot hold, or malformed UTF-8, is
   refused rather than changed: 0 and ERROR_NO_UNICODE_TRANSLATION. */
int VksUtf8ToAnsiStrict(const char *utf8, char *ansi, int size);

VKS_END_EXPORTED_C

#endif
