// vksutil.h: every public header of the library.
#pragma once

#include "util/version.h"
#include "util/startup.h"
#include "util/exceptions.h"
#include "util/tutstring.h"
#include "time/date.h"
#include "files/directories.h"
#include "settings/profile.h"
#include "settings/profile_section.h"
#include "settings/profile_key.h"
#include "settings/profile_key_list.h"
#include "modem/maker_list.h"
#include "modem/modem_list.h"
#include "modem/modem_type.h"
#include "modem/modem_speed.h"
