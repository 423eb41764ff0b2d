// Internal: what the modem classes share about the two modem profiles.
#pragma once

#include <vector>

#include "afx.h"

#include "settings/profile.h"
#include "util/tutstring.h"

namespace vks::detail {

// A modem-type slot that neither profile sets.
inline constexpr char kModemNotSet[] = "<0>";

// The tool shows where a modem setting comes from and refuses names the library cannot store,
// so it takes these two from the library, which exports them for it.
AFX_EXT_API bool isModemNotSet(char const *text);

// The key names of `section` in `profile`, in file order. Throws CMemoryException* when memory
// runs out.
std::vector<TutString> modemSectionNames(TutProfile const &profile, char const *section);

// The value of `key` in the section `modemType` of `profile`, or `fallback` itself when the key
// is absent. (Handing `fallback` to the platform as the read's default would cost it its trailing
// blanks.)
CString readModemSetting(TutProfile const &profile, char const *modemType, char const *key,
                         CString const &fallback);

// Whether `name` comes back as the same key or section name once written: not empty, no control
// character or '=', no '[' or ';' first, no blank or tab at either end.
AFX_EXT_API bool isStorableModemName(char const *name);

}  // namespace vks::detail
