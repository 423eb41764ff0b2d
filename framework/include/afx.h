// afx.h: the application framework: objects and run-time classes, strings, exceptions, time and
// the module state with its resource chain.
#pragma once

#include "windows.h"
#include "afxdefs.h"
#include "afxobject.h"
#include "afxstr.h"
#include "afxexcept.h"
#include "afxmodule.h"
#include "afxtime.h"
#include "afxcoll.h"
