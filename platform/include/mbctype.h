/* mbctype.h: the byte types that _mbsbtype gives. */
#ifndef VKS_MBCTYPE_H
#define VKS_MBCTYPE_H

#define _MBC_SINGLE 0
#define _MBC_LEAD 1
#define _MBC_TRAIL 2
#define _MBC_ILLEGAL (-1)

#endif
