// vksutil.h: every public header of the library.
#pragma once

#include "util/version.h"
#include "time/date.h"
#include "files/directories.h"
