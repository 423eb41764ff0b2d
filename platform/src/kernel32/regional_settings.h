// Internal: the [intl] section of win.ini as Windows NT holds it, mapped to the user's regional
// settings. A key that win.ini itself holds wins; the others come from the host's locale.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vks::detail {

// The derived keys in a fixed order, values in the ANSI code page. Categories whose locale is
// "C" or "POSIX" (or missing on this host) derive nothing, so readers keep their own US English
// defaults. Computed once for each set of locale names.
using RegionalKeys = std::vector<std::pair<std::string, std::string>>;
std::shared_ptr<const RegionalKeys> regionalIntlKeys();

// Whether a read of `section` in the file at `hostPath` answers from the regional settings for
// keys the file lacks: the "intl" section of win.ini in the Windows directory.
bool isRegionalSection(const char *section, std::string_view hostPath);

// The derived value of `key` (case-insensitive); false when the locale gives none.
bool regionalIntlValue(std::string_view key, std::string &value);

}  // namespace vks::detail
