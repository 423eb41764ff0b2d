// vksutil.h: every public header of the library.
#pragma once

#include "util/version.h"
