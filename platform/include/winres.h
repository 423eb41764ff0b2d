/* winres.h: winresrc.h and the identifier dialog editors give labels and other controls that
   nobody addresses. */
#ifndef VKS_WINRES_H
#define VKS_WINRES_H

#include "winresrc.h"

#define IDC_STATIC (-1)

#endif
